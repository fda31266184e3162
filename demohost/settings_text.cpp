#include "demohost/settings_text.h"

#include <cctype>
#include <cstdlib>

#include "demohost/host_error.h"

namespace demohost {

namespace {

bool SameName(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
      return false;
  return true;
}

std::string Trim(const std::string& s) {
  size_t b = 0, e = s.size();
  while (b < e && (s[b] == ' ' || s[b] == '\t')) ++b;
  while (e > b && (s[e - 1] == ' ' || s[e - 1] == '\t')) --e;
  return s.substr(b, e - b);
}

std::string Malformed(int line, const std::string& why) {
  return "The company settings are malformed: line " + std::to_string(line) + " " + why + ".";
}

int ReadNumber(const SettingsText& s, const char* key, int low, int high, int fallback) {
  const std::optional<std::string> text = s.Get("TargetCompany", key);
  if (!text || Trim(*text).empty()) return fallback;
  const std::string t = Trim(*text);
  char* end = nullptr;
  const long v = std::strtol(t.c_str(), &end, 10);
  if (*end || v < low || v > high)
    throw HostError("The company settings are malformed: \"" + std::string(key) + "\" is \"" + t +
                    "\", not a number from " + std::to_string(low) + " to " +
                    std::to_string(high) + ".");
  return int(v);
}

}  // namespace

SettingsText SettingsText::Parse(const std::string& text) {
  SettingsText result;
  std::string section;
  bool inSection = false;
  int number = 0;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    start = end + 1;
    ++number;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.find('\0') != std::string::npos) throw HostError(Malformed(number, "holds a null character"));
    const std::string trimmed = Trim(line);
    if (trimmed.empty() || trimmed[0] == ';') continue;
    if (trimmed[0] == '[') {
      if (trimmed.back() != ']' || trimmed.size() < 3)
        throw HostError(Malformed(number, "opens a section but does not close it: \"" + trimmed + "\""));
      section = trimmed.substr(1, trimmed.size() - 2);
      inSection = true;
      continue;
    }
    const size_t eq = line.find('=');
    if (eq == std::string::npos)
      throw HostError(Malformed(number, "is not a \"key=value\" setting: \"" + trimmed + "\""));
    if (!inSection)
      throw HostError(Malformed(number, "is a setting outside any section: \"" + trimmed + "\""));
    const std::string key = Trim(line.substr(0, eq));
    if (key.empty()) throw HostError(Malformed(number, "has a setting without a key"));
    result.entries_.push_back({section, key, line.substr(eq + 1)});
  }
  return result;
}

std::optional<std::string> SettingsText::Get(const std::string& section, const std::string& key) const {
  // The last one wins, as when a later line sets the key again.
  std::optional<std::string> found;
  for (const Entry& e : entries_)
    if (SameName(e.section, section) && SameName(e.key, key)) found = e.value;
  return found;
}

CompanyRequest ReadCompanyRequest(const SettingsText& s) {
  CompanyRequest r;
  const auto text = [&](const char* section, const char* key) {
    return Trim(s.Get(section, key).value_or(std::string()));
  };
  r.source = text("SourceCompany", "Path");
  if (r.source.empty())
    throw HostError("The company settings name no source company (\"SourceCompany\", \"Path\").");
  r.target = text("TargetCompany", "Path");
  if (r.target.empty())
    throw HostError("The company settings name no new company (\"TargetCompany\", \"Path\").");
  r.name = text("TargetCompany", "Name");
  r.name2 = text("TargetCompany", "Name2");
  r.city = text("TargetCompany", "City");
  r.state = text("TargetCompany", "State");
  r.phone = text("TargetCompany", "Phone");
  r.phone2 = text("TargetCompany", "Phone2");
  r.fiscalYear = ReadNumber(s, "FiscalYear", 1900, 9999, 0);
  if (r.fiscalYear == 0)
    throw HostError("The company settings give no fiscal year (\"TargetCompany\", \"FiscalYear\").");
  r.numPeriods = ReadNumber(s, "NumPeriods", 1, 13, 12);
  return r;
}

}  // namespace demohost

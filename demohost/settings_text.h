#pragma once
// The company settings text that the assistant hands to CreateCompany: INI sections of
// "key=value" lines. Section and key names match without regard to letter case.
#include <optional>
#include <string>
#include <vector>

namespace demohost {

class SettingsText {
 public:
  // Throws HostError naming the line when the text is not INI.
  static SettingsText Parse(const std::string& text);

  std::optional<std::string> Get(const std::string& section, const std::string& key) const;

 private:
  struct Entry {
    std::string section, key, value;
  };
  std::vector<Entry> entries_;
};

// What CreateCompany needs from the text, checked.
struct CompanyRequest {
  std::string source, target;
  std::string name, name2, city, state, phone, phone2;
  int fiscalYear = 0;
  int numPeriods = 12;
};

// Throws HostError when a required key is missing or a number is not one.
CompanyRequest ReadCompanyRequest(const SettingsText& settings);

}  // namespace demohost

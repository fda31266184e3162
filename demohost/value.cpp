#include "demohost/value.h"

#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "demohost/host_error.h"

namespace demohost {

namespace {

std::string Upper(std::string s) {
  for (char& c : s) c = char(std::toupper(static_cast<unsigned char>(c)));
  return s;
}

std::string Trim(const std::string& s) {
  size_t b = 0, e = s.size();
  while (b < e && std::isspace(static_cast<unsigned char>(s[b]))) ++b;
  while (e > b && std::isspace(static_cast<unsigned char>(s[e - 1]))) --e;
  return s.substr(b, e - b);
}

// Days from 1970-01-01 of a civil date, and back (proleptic Gregorian).
int64_t DaysFromCivil(int64_t y, unsigned m, unsigned d) {
  y -= m <= 2;
  const int64_t era = (y >= 0 ? y : y - 399) / 400;
  const unsigned yoe = unsigned(y - era * 400);
  const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + int64_t(doe) - 719468;
}

void CivilFromDays(int64_t z, int64_t* y, unsigned* m, unsigned* d) {
  z += 719468;
  const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const unsigned doe = unsigned(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  *d = doy - (153 * mp + 2) / 5 + 1;
  *m = mp < 10 ? mp + 3 : mp - 9;
  *y = int64_t(yoe) + era * 400 + (*m <= 2);
}

// 1899-12-30, day 0 of the automation date, counted from 1970-01-01.
constexpr int64_t kAutomationEpoch = -25569;

bool ParseInteger(const std::string& s, int64_t* out) {
  if (s.empty()) return false;
  char* end = nullptr;
  errno = 0;
  const long long v = std::strtoll(s.c_str(), &end, 10);
  if (errno || *end) return false;
  *out = v;
  return true;
}

bool ParseReal(const std::string& s, double* out) {
  if (s.empty()) return false;
  char* end = nullptr;
  const double v = std::strtod(s.c_str(), &end);
  if (*end || !std::isfinite(v)) return false;
  *out = v;
  return true;
}

}  // namespace

ColumnType ColumnTypeFromDeclared(const std::string& declared) {
  const std::string t = Upper(declared);
  if (t.find("INT") != std::string::npos) return ColumnType::Integer;
  if (t.find("REAL") != std::string::npos || t.find("NUMERIC") != std::string::npos)
    return ColumnType::Real;
  if (t == "DATE" || t == "DATETIME") return ColumnType::Date;
  return ColumnType::Text;
}

Value ParseTyped(const std::string& raw, ColumnType type, const std::string& field) {
  const std::string text = type == ColumnType::Text ? raw : Trim(raw);
  if (text.empty()) return Value::Null();
  switch (type) {
    case ColumnType::Integer: {
      int64_t v = 0;
      if (!ParseInteger(text, &v))
        throw HostError("'" + text + "' is not a valid integer value for field '" + field + "'.");
      return Value::Int(v);
    }
    case ColumnType::Real: {
      double v = 0;
      if (!ParseReal(text, &v))
        throw HostError("'" + text + "' is not a valid number for field '" + field + "'.");
      return Value::Real(v);
    }
    case ColumnType::Date: {
      double date = 0;
      if (!ParseDateText(text, &date))
        throw HostError("'" + text + "' is not a valid date for field '" + field +
                        "' (write it as YYYY-MM-DD).");
      return Value::Text(DateText(date));
    }
    case ColumnType::Text:
      break;
  }
  return Value::Text(text);
}

std::string Display(const Value& value) {
  char buffer[64];
  switch (value.kind) {
    case Value::Kind::Null:
      return {};
    case Value::Kind::Integer:
      std::snprintf(buffer, sizeof buffer, "%lld", static_cast<long long>(value.integer));
      return buffer;
    case Value::Kind::Real:
      std::snprintf(buffer, sizeof buffer, "%.2f", value.real);
      return buffer;
    case Value::Kind::Text:
      break;
  }
  return value.text;
}

std::string DateText(double automationDate) {
  const double whole = std::floor(automationDate);
  int64_t y = 0;
  unsigned m = 0, d = 0;
  CivilFromDays(int64_t(whole) + kAutomationEpoch, &y, &m, &d);
  char buffer[40];
  const long seconds = std::lround((automationDate - whole) * 86400.0);
  if (seconds == 0 || seconds >= 86400) {
    std::snprintf(buffer, sizeof buffer, "%04lld-%02u-%02u", static_cast<long long>(y), m, d);
  } else {
    std::snprintf(buffer, sizeof buffer, "%04lld-%02u-%02u %02ld:%02ld:%02ld",
                  static_cast<long long>(y), m, d, seconds / 3600, seconds / 60 % 60, seconds % 60);
  }
  return buffer;
}

bool ParseDateText(const std::string& text, double* automationDate) {
  int y = 0, mo = 0, d = 0, h = 0, mi = 0, s = 0, used = 0;
  if (std::sscanf(text.c_str(), "%4d-%2d-%2d%n", &y, &mo, &d, &used) != 3 || used != 10)
    return false;
  if (text.size() > 10) {
    int rest = 0;
    const char* tail = text.c_str() + 10;
    if (std::sscanf(tail, " %2d:%2d:%2d%n", &h, &mi, &s, &rest) == 3 && tail[rest] == 0) {
    } else if (s = 0, std::sscanf(tail, " %2d:%2d%n", &h, &mi, &rest) == 2 && tail[rest] == 0) {
    } else {
      return false;
    }
  }
  if (y < 100 || mo < 1 || mo > 12 || d < 1 || h > 23 || mi > 59 || s > 59) return false;
  const int64_t days = DaysFromCivil(y, unsigned(mo), unsigned(d));
  int64_t cy = 0;
  unsigned cm = 0, cd = 0;
  CivilFromDays(days, &cy, &cm, &cd);
  if (cm != unsigned(mo) || cd != unsigned(d)) return false;  // 2027-02-30 and the like
  *automationDate = double(days - kAutomationEpoch) + (h * 3600 + mi * 60 + s) / 86400.0;
  return true;
}

}  // namespace demohost

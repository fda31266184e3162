#include "Tutorial/StartupCheck.h"

#include <cstdio>
#include <vector>

#include "platform/os/file_system.h"

namespace tutorial {
namespace {

// Steps beyond this one are reached only once the company exists.
constexpr int kLastCreationStep = 5;

template <typename... Args>
std::string Format(const char* pattern, Args... args) {
  const int size = std::snprintf(nullptr, 0, pattern, args...);
  std::vector<char> text(size_t(size) + 1);
  std::snprintf(text.data(), text.size(), pattern, args...);
  return text.data();
}

}  // namespace

std::string SavedProgressProblem(data::Table& company, int lastPage) {
  if (company.IsEmpty()) {
    if (lastPage > kLastCreationStep) return Format(SProgressWithoutCompany, lastPage);
    return {};
  }
  if (!company.FieldByName("Created").AsBoolean()) return {};
  const std::string path = company.FieldByName("Path").AsString();
  if (!path.empty() && os::Files().FileExists(path)) return {};
  return Format(SCompanyFileGone, path.c_str());
}

}  // namespace tutorial

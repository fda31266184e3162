// Arbitrary bytes read as a creation-settings file. Reading must never crash or hang, and the
// document must read back from its own text unchanged, also after the input was set as a
// value: a value that started a line of its own would add a key or section on re-reading.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "Tutorial/IniDocument.h"

namespace {

std::string Join(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

void CheckReadsBack(const tutorial::IniDocument& doc) {
  const std::vector<std::string> lines = doc.Lines();
  if (tutorial::IniDocument::Parse(Join(lines)).Lines() != lines) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(bytes), size);
  tutorial::IniDocument doc = tutorial::IniDocument::Parse(input);
  CheckReadsBack(doc);
  doc.Set("TargetCompany", "Name", input);
  doc.Set("SourceCompany", "Path", input);
  CheckReadsBack(doc);
  return 0;
}

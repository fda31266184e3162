#pragma once
// The system's own text for an error code, as the user would see it in an error box.
#include <string>

namespace win32 {

// FormatMessage's text for `code` without the trailing line break; "error N" when the
// system has none.
std::string SystemMessage(unsigned long code);

}  // namespace win32

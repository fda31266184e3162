#pragma once
// The one place where text crosses between the program's UTF-8 and the UTF-16 of the
// Windows API. Invalid sequences become U+FFFD rather than failing.
#include <string>
#include <string_view>

namespace win32 {

std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);

}  // namespace win32

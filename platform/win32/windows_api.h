#pragma once
// The Windows headers as the backend includes them: Unicode, lean (no printer API, whose GetForm
// macro would rename ui::Control::GetForm), without min/max macros, and without the
// DrawText macro, which would rename ui::Canvas::DrawText; the API's is called DrawTextW.
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef UNICODE
#define UNICODE
#endif
#ifndef _UNICODE
#define _UNICODE
#endif
#include <windows.h>

#undef DrawText
#undef GetForm

namespace win32 {

// A registered class's atom where a class name is expected.
inline const wchar_t* ClassAtom(ATOM atom) {
  return reinterpret_cast<const wchar_t*>(static_cast<ULONG_PTR>(atom));
}

}  // namespace win32

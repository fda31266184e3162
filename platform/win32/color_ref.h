#pragma once
// ui::Color uses the layout of a COLORREF for RGB; system colours are resolved here.
#include "platform/win32/windows_api.h"

#include "platform/ui/color.h"

namespace win32 {

inline COLORREF ToColorRef(ui::Color color) {
  if (ui::IsSystemColor(color)) return GetSysColor(ui::SystemColorIndex(color));
  return COLORREF(color & 0x00FFFFFF);
}

}  // namespace win32

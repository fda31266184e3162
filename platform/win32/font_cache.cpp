#include "platform/win32/font_cache.h"

#include "platform/win32/wide.h"

namespace win32 {

HFONT FontCache::Get(const ui::Font& font) {
  Key key{font.name, font.height, font.bold, font.italic, font.underline};
  auto it = fonts_.find(key);
  if (it != fonts_.end()) return it->second.Get();
  // A negative height asks for the character height (without internal leading).
  HFONT handle = CreateFontW(-font.height, 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL,
                             font.italic, font.underline, FALSE, DEFAULT_CHARSET,
                             OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                             DEFAULT_PITCH | FF_DONTCARE, Widen(font.name).c_str());
  if (!handle) return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  return fonts_.emplace(std::move(key), GdiObject<HFONT>(handle)).first->second.Get();
}

}  // namespace win32

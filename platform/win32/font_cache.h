#pragma once
// GDI fonts made from ui::Font, created once per distinct value and kept until the cache
// goes (the backend's lifetime), so native edits and canvases can share them.
#include "platform/win32/windows_api.h"

#include <map>
#include <string>
#include <tuple>

#include "platform/ui/font.h"
#include "platform/win32/unique_handle.h"

namespace win32 {

class FontCache {
 public:
  // The font's colour is not part of a GDI font and does not make a new one.
  HFONT Get(const ui::Font& font);
  size_t Size() const { return fonts_.size(); }

 private:
  using Key = std::tuple<std::string, int, bool, bool, bool>;
  std::map<Key, GdiObject<HFONT>> fonts_;
};

}  // namespace win32

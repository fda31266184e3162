#pragma once
// The skin's shared look: colours and fonts of page text.
#include "platform/ui/color.h"
#include "platform/ui/font.h"

namespace tutorial::skin {

inline constexpr ui::Color kAccent = ui::Rgb(221, 120, 0);  // 30941
inline constexpr ui::Color kInk = ui::Rgb(30, 40, 90);
inline constexpr int kPageMargin = 24;

inline ui::Font TitleFont() { return {"Times New Roman", 26, true, false, false, kAccent}; }
inline ui::Font TextFont() { return {"Arial", 15, false, false, false, kInk}; }
inline ui::Font EditFont() { return {"Arial", 15, false, false, false, ui::clWindowText}; }

}  // namespace tutorial::skin

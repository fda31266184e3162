#pragma once
// The skin's shared look: colours and fonts of page text.
#include "platform/ui/color.h"
#include "platform/ui/font.h"

namespace tutorial::skin {

inline constexpr ui::Color kAccent = ui::Rgb(221, 120, 0);  // 30941
inline constexpr ui::Color kInk = ui::Rgb(30, 40, 90);
inline constexpr int kPageMargin = 24;

// The pages' design: background, and the named text styles of their components.
inline constexpr ui::Color kPageColor = ui::Rgb(245, 245, 245);
inline constexpr ui::Color kEditColor = ui::Rgb(255, 213, 170);
inline ui::Font PageTitle() { return {"Arial Black", 16, true, false, false, kAccent}; }
inline ui::Font Paragraph() { return {"Arial", 13, false, false, false, ui::clNavy}; }
inline ui::Font StepLabel() { return {"Arial", 13, true, false, false, ui::clNavy}; }
inline ui::Font FieldLabel() { return {"Britannic Bold", 16, true, false, false, ui::clNavy}; }
inline ui::Font PageButton() { return {"Britannic Bold", 17, true, false, false, ui::clNavy}; }
inline ui::Font DataEdit() { return {"MS Sans Serif", 13, false, false, false, ui::clWindowText}; }

// The start page's greeting, its question and its option buttons.
inline ui::Font Welcome() { return {"Arial Black", 23, true, true, false, kAccent}; }
inline ui::Font WelcomeQuestion() { return {"Arial Black", 16, false, true, false, kAccent}; }
inline ui::Font OptionButton() { return {"Arial Black", 16, false, false, false, ui::clNavy}; }
inline constexpr ui::Color kOptionHotFontColor = ui::Rgb(128, 0, 64);
// Buttons that fill in a value (the fiscal year page's "Current Year", "Default").
inline ui::Font ValueButton() { return {"Arial", 16, false, false, false, ui::clNavy}; }

// The narration caption strip over the navigation bar.
inline constexpr ui::Color kCaptionBand = ui::Rgb(18, 22, 56);
inline constexpr ui::Color kCaptionBorder = kAccent;
inline ui::Font CaptionText() { return {"Arial", 12, true, false, false, ui::Rgb(250, 246, 234)}; }

inline ui::Font TitleFont() { return {"Times New Roman", 26, true, false, false, kAccent}; }
inline ui::Font TextFont() { return {"Arial", 15, false, false, false, kInk}; }
inline ui::Font EditFont() { return {"Arial", 15, false, false, false, ui::clWindowText}; }

}  // namespace tutorial::skin

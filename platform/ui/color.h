#pragma once
// Colours in the skin's 32-bit encoding: 0x00BBGGRR for RGB, or 0x80000000 + index for a
// system colour, resolved by the backend when drawing.
#include <cstdint>

namespace ui {

using Color = uint32_t;

constexpr Color Rgb(uint8_t r, uint8_t g, uint8_t b) {
  return Color(r) | (Color(g) << 8) | (Color(b) << 16);
}
constexpr uint8_t RedOf(Color c) { return uint8_t(c); }
constexpr uint8_t GreenOf(Color c) { return uint8_t(c >> 8); }
constexpr uint8_t BlueOf(Color c) { return uint8_t(c >> 16); }

constexpr bool IsSystemColor(Color c) { return (c & 0x80000000u) != 0; }
constexpr int SystemColorIndex(Color c) { return int(c & 0xFF); }

inline constexpr Color clNone = 0x1FFFFFFF;
inline constexpr Color clBlack = Rgb(0, 0, 0);
inline constexpr Color clWhite = Rgb(255, 255, 255);
inline constexpr Color clRed = Rgb(255, 0, 0);
inline constexpr Color clGreen = Rgb(0, 128, 0);
inline constexpr Color clBlue = Rgb(0, 0, 255);
inline constexpr Color clNavy = Rgb(0, 0, 128);
inline constexpr Color clYellow = Rgb(255, 255, 0);
inline constexpr Color clGray = Rgb(128, 128, 128);
inline constexpr Color clSilver = Rgb(192, 192, 192);

inline constexpr Color clWindow = 0x80000005;
inline constexpr Color clWindowText = 0x80000008;
inline constexpr Color clBtnFace = 0x8000000F;
inline constexpr Color clBtnShadow = 0x80000010;
inline constexpr Color clBtnHighlight = 0x80000014;

// Resolves system colours to RGB with a fixed classic palette; backends may use their own.
Color DefaultSystemColor(Color c);

}  // namespace ui

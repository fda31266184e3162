#pragma once
// A canvas that records what is drawn, in absolute (form) coordinates, for tests to inspect.
// Text is measured with a fixed metric: each character is font.height / 2 pixels wide and a
// line is font.height pixels high, so layouts are predictable.
#include <string>
#include <vector>

#include "platform/ui/canvas.h"

namespace headless {

struct DrawOp {
  enum Kind { Fill, Rectangle, RoundRect, Text, Image, Picture, Invert } kind;
  ui::Rect rect;            // absolute, after the origin is applied
  ui::Color color = 0;      // fill colour, pen colour, or text colour
  int penWidth = 0;
  bool hollow = false;      // brush of Rectangle / RoundRect
  ui::Color brush = 0;
  int ellipseWidth = 0;
  int ellipseHeight = 0;
  std::string text;
  unsigned flags = 0;
  ui::Font font;
  int imageIndex = -1;
  bool greyed = false;
  const void* source = nullptr;  // the image list or picture drawn
};

class RecordingCanvas : public ui::Canvas {
 public:
  void FillRect(const ui::Rect& r, ui::Color color) override;
  void Rectangle(const ui::Rect& r, const ui::Pen& pen, const ui::Brush& brush) override;
  void RoundRect(const ui::Rect& r, int ew, int eh, const ui::Pen& pen,
                 const ui::Brush& brush) override;
  ui::Size MeasureText(std::string_view text, const ui::Font& font, unsigned flags,
                       int boxWidth) override;
  void DrawText(std::string_view text, const ui::Rect& r, const ui::Font& font,
                unsigned flags) override;
  void DrawImage(const ui::ImageList& list, int index, ui::Point at, bool greyed) override;
  void DrawPicture(const ui::Picture& picture, ui::Point at) override;
  void InvertRect(const ui::Rect& r) override;
  void Save(const ui::Rect& bounds) override;
  void Restore() override;

  const std::vector<DrawOp>& Ops() const { return ops_; }
  std::vector<DrawOp> OpsOf(DrawOp::Kind kind) const;
  void Clear() { ops_.clear(); }

  // The width of one character in the fixed metric.
  static int CharWidth(const ui::Font& font) { return font.height / 2 > 0 ? font.height / 2 : 1; }

 private:
  ui::Rect Abs(const ui::Rect& r) const { return r.Offset(origin_.x, origin_.y); }

  std::vector<DrawOp> ops_;
  ui::Point origin_;
  std::vector<ui::Point> saved_;
};

}  // namespace headless

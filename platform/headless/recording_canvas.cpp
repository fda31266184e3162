#include "platform/headless/recording_canvas.h"

#include <algorithm>

#include "platform/ui/image_list.h"
#include "platform/ui/picture.h"

namespace headless {
namespace {

// Characters drawn: '&' prefixes are not drawn ("&&" draws one) unless tfNoPrefix.
int VisibleLength(std::string_view line, unsigned flags) {
  if (flags & ui::tfNoPrefix) return int(line.size());
  int n = 0;
  for (size_t i = 0; i < line.size(); ++i) {
    if (line[i] == '&' && i + 1 < line.size()) ++i;
    ++n;
  }
  return n;
}

std::vector<std::string> Lines(std::string_view text, unsigned flags, int charWidth,
                               int boxWidth) {
  std::vector<std::string> lines;
  std::string current;
  auto flush = [&] {
    lines.push_back(current);
    current.clear();
  };
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\n' && !(flags & ui::tfSingleLine)) {
      flush();
      continue;
    }
    if (c == '\r') continue;
    current.push_back(c);
    if ((flags & ui::tfWordBreak) && VisibleLength(current, flags) * charWidth > boxWidth) {
      const size_t space = current.find_last_of(' ');
      if (space != std::string::npos && space > 0) {
        std::string rest = current.substr(space + 1);
        current.resize(space);
        flush();
        current = rest;
      }
    }
  }
  flush();
  return lines;
}

}  // namespace

void RecordingCanvas::FillRect(const ui::Rect& r, ui::Color color) {
  ops_.push_back({.kind = DrawOp::Fill, .rect = Abs(r), .color = color});
}

void RecordingCanvas::Rectangle(const ui::Rect& r, const ui::Pen& pen, const ui::Brush& brush) {
  ops_.push_back({.kind = DrawOp::Rectangle, .rect = Abs(r), .color = pen.color,
                  .penWidth = pen.width, .hollow = brush.hollow, .brush = brush.color});
}

void RecordingCanvas::RoundRect(const ui::Rect& r, int ew, int eh, const ui::Pen& pen,
                                const ui::Brush& brush) {
  ops_.push_back({.kind = DrawOp::RoundRect, .rect = Abs(r), .color = pen.color,
                  .penWidth = pen.width, .hollow = brush.hollow, .brush = brush.color,
                  .ellipseWidth = ew, .ellipseHeight = eh});
}

ui::Size RecordingCanvas::MeasureText(std::string_view text, const ui::Font& font,
                                      unsigned flags, int boxWidth) {
  const int cw = CharWidth(font);
  int width = 0;
  const auto lines = Lines(text, flags, cw, boxWidth);
  for (const auto& line : lines) width = std::max(width, VisibleLength(line, flags) * cw);
  return {width, int(lines.size()) * font.height};
}

void RecordingCanvas::DrawText(std::string_view text, const ui::Rect& r, const ui::Font& font,
                               unsigned flags) {
  ops_.push_back({.kind = DrawOp::Text, .rect = Abs(r), .color = font.color,
                  .text = std::string(text), .flags = flags, .font = font});
}

void RecordingCanvas::DrawImage(const ui::ImageList& list, int index, ui::Point at,
                                bool greyed) {
  ops_.push_back({.kind = DrawOp::Image,
                  .rect = Abs(ui::Rect::FromBounds(at.x, at.y, list.Width(), list.Height())),
                  .imageIndex = index, .greyed = greyed, .source = &list});
}

void RecordingCanvas::DrawPicture(const ui::Picture& picture, ui::Point at) {
  ops_.push_back({.kind = DrawOp::Picture,
                  .rect = Abs(ui::Rect::FromBounds(at.x, at.y, picture.Width(), picture.Height())),
                  .source = &picture});
}

void RecordingCanvas::InvertRect(const ui::Rect& r) {
  ops_.push_back({.kind = DrawOp::Invert, .rect = Abs(r)});
}

void RecordingCanvas::Save(const ui::Rect& bounds) {
  saved_.push_back(origin_);
  origin_ = {origin_.x + bounds.left, origin_.y + bounds.top};
}

void RecordingCanvas::Restore() {
  if (saved_.empty()) return;
  origin_ = saved_.back();
  saved_.pop_back();
}

std::vector<DrawOp> RecordingCanvas::OpsOf(DrawOp::Kind kind) const {
  std::vector<DrawOp> out;
  for (const auto& op : ops_) {
    if (op.kind == kind) out.push_back(op);
  }
  return out;
}

}  // namespace headless

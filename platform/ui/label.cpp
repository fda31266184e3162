#include "platform/ui/label.h"

#include "platform/ui/canvas.h"
#include "platform/ui/windowed_control.h"

namespace ui {

void Label::SetTransparent(bool transparent) {
  if (transparent == transparent_) return;
  transparent_ = transparent;
  Invalidate();
}

void Label::SetWordWrap(bool wordWrap) {
  if (wordWrap == wordWrap_) return;
  wordWrap_ = wordWrap;
  Invalidate();
}

void Label::SetAlignment(Alignment alignment) {
  if (alignment == alignment_) return;
  alignment_ = alignment;
  Invalidate();
}

void Label::Paint(Canvas& canvas) const {
  if (!transparent_) canvas.FillRect(ClientRect(), GetColor());
  unsigned flags = alignment_ == Alignment::Center  ? tfCenter
                   : alignment_ == Alignment::Right ? tfRight
                                                    : tfLeft;
  if (wordWrap_) flags |= tfWordBreak;
  canvas.DrawText(Caption(), ClientRect(), GetFont(), flags);
}

}  // namespace ui

namespace ui {

bool Label::DialogChar(char32_t ch) {
  const char32_t accelerator = AcceleratorOf(Caption());
  if (!focusControl_ || accelerator == 0) return false;
  if (ch >= U'A' && ch <= U'Z') ch += U'a' - U'A';
  if (ch != accelerator || !IsShowing()) return false;
  if (!focusControl_->IsShowing() || !focusControl_->Enabled()) return false;
  focusControl_->SetFocus();
  return true;
}

}  // namespace ui

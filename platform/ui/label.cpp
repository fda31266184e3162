#include "platform/ui/label.h"

#include "platform/ui/canvas.h"

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

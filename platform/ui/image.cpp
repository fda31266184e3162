#include "platform/ui/image.h"

#include "platform/ui/canvas.h"

namespace ui {

void Image::SetPicture(std::shared_ptr<const Picture> picture) {
  picture_ = std::move(picture);
  Invalidate();
}

void Image::Paint(Canvas& canvas) const {
  if (picture_) canvas.DrawPicture(*picture_, {0, 0});
}

}  // namespace ui

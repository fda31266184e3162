#include "Tutorial/BackgroundPicture.h"

#include "platform/ui/resource_picture.h"

namespace tutorial {

std::shared_ptr<const ui::Picture> BackgroundPicture::Get(const PictureSource& ahead) {
  if (!picture_) picture_ = ahead ? ahead() : nullptr;
  if (!picture_) picture_ = Decode();
  return picture_;
}

std::shared_ptr<const ui::Picture> BackgroundPicture::Decode() {
  return std::make_shared<const ui::Picture>(ui::LoadResourcePicture("main_background.jpg"));
}

BackgroundPicture& LibraryBackground() {
  static BackgroundPicture background;
  return background;
}

}  // namespace tutorial

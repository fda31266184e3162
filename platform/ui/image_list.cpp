#include "platform/ui/image_list.h"

#include <algorithm>

namespace ui {

ImageList::~ImageList() {
  auto observers = observers_;
  for (ImageListObserver* observer : observers) observer->ImageListDestroyed(*this);
}

void ImageList::AddStrip(const Picture& strip) {
  if (width_ <= 0 || height_ <= 0) return;
  for (int x = 0; x + width_ <= strip.Width(); x += width_) Add(strip.Crop(x, 0, width_, height_));
}

void ImageList::Add(Picture picture) {
  images_.push_back(std::move(picture));
  greyed_.emplace_back();
}

const Picture* ImageList::Image(int index) const {
  if (index < 0 || index >= Count()) return nullptr;
  return &images_[size_t(index)];
}

const Picture* ImageList::GreyedImage(int index) const {
  if (index < 0 || index >= Count()) return nullptr;
  Picture& greyed = greyed_[size_t(index)];
  const Picture& image = images_[size_t(index)];
  if (greyed.IsEmpty() && !image.IsEmpty()) greyed = image.Greyed();
  return &greyed;
}

void ImageList::AddObserver(ImageListObserver* observer) {
  if (std::find(observers_.begin(), observers_.end(), observer) == observers_.end())
    observers_.push_back(observer);
}

void ImageList::RemoveObserver(ImageListObserver* observer) {
  observers_.erase(std::remove(observers_.begin(), observers_.end(), observer), observers_.end());
}

}  // namespace ui

#pragma once
// A list of equally sized pictures. Buttons hold image lists without owning them; a list
// tells its observers when it is destroyed so they can forget it.
#include <memory>
#include <string>
#include <vector>

#include "platform/ui/picture.h"

namespace ui {

class ImageList;

class ImageListObserver {
 public:
  virtual void ImageListDestroyed(ImageList& list) = 0;

 protected:
  ~ImageListObserver() = default;
};

class ImageList {
 public:
  ImageList(int width, int height) : width_(width), height_(height) {}
  ~ImageList();
  ImageList(const ImageList&) = delete;
  ImageList& operator=(const ImageList&) = delete;

  int Width() const { return width_; }
  int Height() const { return height_; }
  int Count() const { return int(images_.size()); }

  // Appends the pictures of a horizontal strip, each Width() x Height().
  void AddStrip(const Picture& strip);
  void Add(Picture picture);
  void Clear() { images_.clear(); greyed_.clear(); }

  // nullptr when the index is outside the list.
  const Picture* Image(int index) const;
  const Picture* GreyedImage(int index) const;

  void AddObserver(ImageListObserver* observer);
  void RemoveObserver(ImageListObserver* observer);

 private:
  int width_;
  int height_;
  std::vector<Picture> images_;
  // Made when first asked for: most pictures are never drawn disabled, and greying all of
  // them was a twentieth of the opening.
  mutable std::vector<Picture> greyed_;
  std::vector<ImageListObserver*> observers_;
};

}  // namespace ui

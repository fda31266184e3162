#pragma once
// Premultiplied 32-bit DIB sections of image-list pictures, as AlphaBlend needs them. Made
// once per picture and reused while the picture's pixels stay the same; a list's entries
// go when the list is destroyed.
#include "platform/win32/windows_api.h"

#include <cstdint>
#include <map>
#include <set>
#include <tuple>

#include "platform/ui/picture.h"

#include "platform/ui/geometry.h"
#include "platform/ui/image_list.h"
#include "platform/win32/unique_handle.h"

namespace win32 {

class ImageCache : public ui::ImageListObserver {
 public:
  ImageCache() = default;
  ~ImageCache();
  ImageCache(const ImageCache&) = delete;
  ImageCache& operator=(const ImageCache&) = delete;

  // The bitmap of picture `index` (greyed or not) at `size` device pixels (the list's size
  // when empty), made from the picture's double where that is closer; nullptr when the index
  // is outside the list.
  HBITMAP Get(const ui::ImageList& list, int index, bool greyed, ui::Size size = {});
  // `picture` at `size` device pixels: itself when it has that size, else resampled from it
  // or its double and kept for the next paint.
  const ui::Picture& Scaled(const ui::Picture& picture, ui::Size size);
  size_t Size() const { return entries_.size(); }

  void ImageListDestroyed(ui::ImageList& list) override;

 private:
  struct Entry {
    uint64_t fingerprint = 0;
    GdiObject<HBITMAP> bitmap;
  };
  using Key = std::tuple<const ui::ImageList*, int, bool, int, int>;
  struct ScaledEntry {
    uint64_t fingerprint = 0;
    ui::Picture picture;
  };
  using ScaledKey = std::tuple<const ui::Picture*, int, int>;

  std::map<Key, Entry> entries_;
  std::map<ScaledKey, ScaledEntry> scaled_;
  std::set<ui::ImageList*> observed_;
};

}  // namespace win32

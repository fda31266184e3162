#pragma once
// Premultiplied 32-bit DIB sections of image-list pictures, as AlphaBlend needs them. Made
// once per picture and reused while the picture's pixels stay the same; a list's entries
// go when the list is destroyed.
#include "platform/win32/windows_api.h"

#include <cstdint>
#include <map>
#include <set>
#include <tuple>

#include "platform/ui/image_list.h"
#include "platform/win32/unique_handle.h"

namespace win32 {

class ImageCache : public ui::ImageListObserver {
 public:
  ImageCache() = default;
  ~ImageCache();
  ImageCache(const ImageCache&) = delete;
  ImageCache& operator=(const ImageCache&) = delete;

  // The bitmap of picture `index` (greyed or not); nullptr when the index is outside the list.
  HBITMAP Get(const ui::ImageList& list, int index, bool greyed);
  size_t Size() const { return entries_.size(); }

  void ImageListDestroyed(ui::ImageList& list) override;

 private:
  struct Entry {
    uint64_t fingerprint = 0;
    GdiObject<HBITMAP> bitmap;
  };
  using Key = std::tuple<const ui::ImageList*, int, bool>;

  std::map<Key, Entry> entries_;
  std::set<ui::ImageList*> observed_;
};

}  // namespace win32

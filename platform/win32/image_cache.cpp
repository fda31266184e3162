#include "platform/win32/image_cache.h"

#include <cstring>

#include "platform/ui/picture.h"

namespace win32 {
namespace {

// A list may be cleared and refilled with pictures at the same addresses, so an entry is
// checked against the pixels themselves (FNV-1a; the pictures are small).
uint64_t Fingerprint(const ui::Picture& picture) {
  uint64_t hash = 1469598103934665603ull;
  auto mix = [&](uint8_t byte) {
    hash ^= byte;
    hash *= 1099511628211ull;
  };
  for (int shift = 0; shift < 32; shift += 8) {
    mix(uint8_t(picture.Width() >> shift));
    mix(uint8_t(picture.Height() >> shift));
  }
  const size_t bytes = size_t(picture.Width()) * size_t(picture.Height()) * 4;
  const uint8_t* pixels = picture.Pixels();
  for (size_t i = 0; i < bytes; ++i) mix(pixels[i]);
  return hash;
}

HBITMAP MakePremultiplied(const ui::Picture& picture) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = picture.Width();
  info.bmiHeader.biHeight = -picture.Height();  // top-down, as the picture's rows
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!bitmap) return nullptr;
  const size_t count = size_t(picture.Width()) * size_t(picture.Height());
  const uint8_t* in = picture.Pixels();
  auto* out = static_cast<uint8_t*>(bits);
  for (size_t i = 0; i < count; ++i, in += 4, out += 4) {
    const unsigned alpha = in[3];
    for (int c = 0; c < 3; ++c) out[c] = uint8_t((in[c] * alpha + 127) / 255);
    out[3] = uint8_t(alpha);
  }
  GdiFlush();
  return bitmap;
}

}  // namespace

ImageCache::~ImageCache() {
  for (ui::ImageList* list : observed_) list->RemoveObserver(this);
}

HBITMAP ImageCache::Get(const ui::ImageList& list, int index, bool greyed) {
  const ui::Picture* picture = greyed ? list.GreyedImage(index) : list.Image(index);
  if (!picture || picture->IsEmpty()) return nullptr;
  const uint64_t fingerprint = Fingerprint(*picture);
  Entry& entry = entries_[Key{&list, index, greyed}];
  if (!entry.bitmap || entry.fingerprint != fingerprint) {
    entry.bitmap.Reset(MakePremultiplied(*picture));
    entry.fingerprint = fingerprint;
  }
  // Observing needs a mutable list; the list itself is not changed.
  auto* observed = const_cast<ui::ImageList*>(&list);
  if (observed_.insert(observed).second) observed->AddObserver(this);
  return entry.bitmap.Get();
}

void ImageCache::ImageListDestroyed(ui::ImageList& list) {
  observed_.erase(&list);
  std::erase_if(entries_, [&](const auto& item) { return std::get<0>(item.first) == &list; });
}

}  // namespace win32

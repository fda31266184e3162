#include "platform/win32/image_cache.h"

#include <cstring>

#include "platform/ui/picture.h"
#include "platform/ui/picture_resample.h"

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

// A large picture is recognised by its size and a sample of its pixels: hashing a whole
// background on every paint would cost more than the paint.
uint64_t SampleFingerprint(const ui::Picture& picture) {
  uint64_t hash = 1469598103934665603ull ^ uint64_t(picture.Width()) << 32 ^ uint64_t(picture.Height());
  const size_t count = size_t(picture.Width()) * size_t(picture.Height());
  const size_t step = count / 4096 + 1;
  const uint8_t* pixels = picture.Pixels();
  for (size_t i = 0; i < count; i += step) {
    for (int c = 0; c < 4; ++c) {
      hash ^= pixels[i * 4 + size_t(c)];
      hash *= 1099511628211ull;
    }
  }
  return hash;
}

// The source to scale from: the double when the target is larger than the picture itself.
// The double is asked for only then: asking makes it (decodes it) the first time.
const ui::Picture& ClosestSource(const ui::Picture& picture, ui::Size size) {
  if (size.width <= picture.Width() && size.height <= picture.Height()) return picture;
  const ui::Picture* twice = picture.Double();
  return twice ? *twice : picture;
}

}  // namespace

const ui::Picture& ImageCache::Scaled(const ui::Picture& picture, ui::Size size) {
  if (size.width == picture.Width() && size.height == picture.Height()) return picture;
  const ui::Picture& source = ClosestSource(picture, size);
  if (size.width == source.Width() && size.height == source.Height()) return source;
  const uint64_t fingerprint = SampleFingerprint(source);
  // Pictures come and go with their pages; the few that show at once stay cached.
  if (scaled_.size() > 32) scaled_.clear();
  ScaledEntry& entry = scaled_[ScaledKey{&picture, size.width, size.height}];
  if (entry.picture.IsEmpty() || entry.fingerprint != fingerprint) {
    entry.picture = ui::Resample(source, size.width, size.height);
    entry.fingerprint = fingerprint;
  }
  return entry.picture;
}

ImageCache::~ImageCache() {
  for (ui::ImageList* list : observed_) list->RemoveObserver(this);
}

HBITMAP ImageCache::Get(const ui::ImageList& list, int index, bool greyed, ui::Size size) {
  const ui::Picture* picture = greyed ? list.GreyedImage(index) : list.Image(index);
  if (!picture || picture->IsEmpty()) return nullptr;
  if (size.width <= 0 || size.height <= 0) size = {picture->Width(), picture->Height()};
  const uint64_t fingerprint = Fingerprint(*picture);
  Entry& entry = entries_[Key{&list, index, greyed, size.width, size.height}];
  if (!entry.bitmap || entry.fingerprint != fingerprint) {
    const ui::Picture& source = ClosestSource(*picture, size);
    const bool exact = size.width == source.Width() && size.height == source.Height();
    entry.bitmap.Reset(MakePremultiplied(exact ? source : ui::Resample(source, size.width, size.height)));
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

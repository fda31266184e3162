#pragma once
// A decoded picture: 32-bit pixels, top-down rows, bytes B, G, R, A (straight alpha).
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <vector>

#include "platform/ui/pixel_memory.h"

namespace ui {

class Picture {
 public:
  Picture() = default;
  Picture(int width, int height);

  // Throws ui::Error with a clear message when the bytes are not a readable JPEG.
  static Picture FromJpeg(std::span<const uint8_t> bytes);
  // Uncompressed 24- or 32-bit BMP (BI_RGB); 24-bit pictures become opaque.
  static Picture FromBmp(std::span<const uint8_t> bytes);

  // A picture the build stored decoded (tools/bgra_from_jpeg.cpp: "BGRA", width, height and 0
  // as 32-bit little-endian numbers, then the rows top-down, alpha 255), over those bytes
  // where they lie: they must stay readable and unchanged for as long as it and its copies
  // live (a resource in the library's image). Writing through Pixels() copies them first.
  // Nothing when the bytes are not exactly that, or their rows not on a 4-byte boundary.
  static std::optional<Picture> FromStored(std::span<const uint8_t> bytes);

  int Width() const { return width_; }
  int Height() const { return height_; }
  bool IsEmpty() const { return width_ == 0 || height_ == 0; }
  const uint8_t* Pixels() const { return lent_ ? lent_ : pixels_.data(); }
  // Writing may change the alpha: the picture is no longer known to be opaque.
  uint8_t* Pixels() {
    opaque_ = false;
    return OwnPixels();
  }
  // Every pixel's alpha is 255, known without looking (a JPEG, a 24-bit BMP, a crop inside
  // one): a drawing need not search the pixels for transparency. False means "not known".
  bool KnownOpaque() const { return opaque_; }

  // The same picture made at twice the size, for screens drawn at a larger scale; nullptr
  // when there is none. A double whose size is not exactly twice this one's is refused.
  const Picture* Double() const;
  bool SetDouble(std::shared_ptr<const Picture> twice);
  // A double made only when first asked for: at the usual scale none is ever drawn, and a
  // decoded double holds four times the memory. `make` may throw: then there is none.
  void SetDoubleSource(std::function<Picture()> make);

  // A copy of the rectangle (x, y, w, h); used to cut image-list strips. The double, if
  // any, is cut to match.
  Picture Crop(int x, int y, int w, int h) const;
  // The greyed look of disabled pictures: luminance, lightened, alpha kept.
  Picture Greyed() const;

 private:
  // The pixels made the picture's own (copied from lent ones), to be written.
  uint8_t* OwnPixels();

  int width_ = 0;
  int height_ = 0;
  std::vector<uint8_t, PixelAllocator<uint8_t>> pixels_;
  const uint8_t* lent_ = nullptr;  // when set, the pixels, and pixels_ is empty
  bool opaque_ = false;
  // The double or the means to make it, shared by copies, crops and greyed versions.
  class Twice;
  std::shared_ptr<const Twice> double_;
};

}  // namespace ui

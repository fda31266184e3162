#include "platform/ui/picture.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstring>

#include <jpeglib.h>

// The decoder writes the picture's own byte order, which only libjpeg-turbo's colour spaces give.
#ifndef JCS_EXTENSIONS
#error "libjpeg-turbo (JCS_EXT_BGRA) is needed"
#endif

#include "platform/ui/errors.h"

namespace ui {
namespace {

struct JpegErrorManager {
  jpeg_error_mgr base;
  std::jmp_buf jump;
  char message[JMSG_LENGTH_MAX];
};

void JpegErrorExit(j_common_ptr info) {
  auto* manager = reinterpret_cast<JpegErrorManager*>(info->err);
  (*info->err->format_message)(info, manager->message);
  std::longjmp(manager->jump, 1);
}

uint32_t ReadLe(const uint8_t* p, int bytes) {
  uint32_t v = 0;
  for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | p[i];
  return v;
}

}  // namespace

Picture::Picture(int width, int height)
    : width_(width), height_(height), pixels_(size_t(width) * size_t(height) * 4, 0) {}

std::optional<Picture> Picture::FromStored(std::span<const uint8_t> bytes) {
  constexpr size_t kHeader = 16;
  if (bytes.size() < kHeader || std::memcmp(bytes.data(), "BGRA", 4) != 0 ||
      ReadLe(&bytes[12], 4) != 0)
    return std::nullopt;
  const uint32_t width = ReadLe(&bytes[4], 4), height = ReadLe(&bytes[8], 4);
  if (width == 0 || height == 0 || width > 16384 || height > 16384 ||
      bytes.size() != kHeader + size_t(width) * height * 4 ||
      reinterpret_cast<uintptr_t>(bytes.data()) % 4 != 0)
    return std::nullopt;
  Picture picture;
  picture.width_ = int(width);
  picture.height_ = int(height);
  picture.lent_ = bytes.data() + kHeader;
  picture.opaque_ = true;
  return picture;
}

uint8_t* Picture::OwnPixels() {
  if (lent_) {
    pixels_.assign(lent_, lent_ + size_t(width_) * size_t(height_) * 4);
    lent_ = nullptr;
  }
  return pixels_.data();
}

Picture Picture::FromJpeg(std::span<const uint8_t> bytes) {
  jpeg_decompress_struct info{};
  JpegErrorManager errors{};
  info.err = jpeg_std_error(&errors.base);
  errors.base.error_exit = JpegErrorExit;
  // Locals touched after setjmp must not live in registers.
  Picture* volatile result = new Picture();
  if (setjmp(errors.jump)) {
    jpeg_destroy_decompress(&info);
    delete result;
    throw Error(std::string("The picture cannot be read: ") + errors.message);
  }
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, bytes.data(), static_cast<unsigned long>(bytes.size()));
  jpeg_read_header(&info, TRUE);
  // Straight into the picture's rows, in its own byte order (the opaque alpha filled in): the
  // decoder's colour conversion does it with its vector code.
  info.out_color_space = JCS_EXT_BGRA;
  jpeg_start_decompress(&info);
  *result = Picture(int(info.output_width), int(info.output_height));
  const size_t stride = size_t(info.output_width) * 4;
  while (info.output_scanline < info.output_height) {
    JSAMPROW rows[4];
    const JDIMENSION first = info.output_scanline;
    const JDIMENSION count = std::min<JDIMENSION>(4, info.output_height - first);
    for (JDIMENSION i = 0; i < count; ++i) rows[i] = result->pixels_.data() + (first + i) * stride;
    jpeg_read_scanlines(&info, rows, count);
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  Picture picture = std::move(*result);
  delete result;
  picture.opaque_ = true;  // the colour space has no alpha: the decoder writes 255
  return picture;
}

Picture Picture::FromBmp(std::span<const uint8_t> bytes) {
  auto fail = [] { throw Error("The picture is not an uncompressed 24- or 32-bit BMP"); };
  if (bytes.size() < 54 || bytes[0] != 'B' || bytes[1] != 'M') fail();
  const uint32_t dataOffset = ReadLe(&bytes[10], 4);
  const int32_t width = int32_t(ReadLe(&bytes[18], 4));
  int32_t height = int32_t(ReadLe(&bytes[22], 4));
  const uint32_t bits = ReadLe(&bytes[28], 2);
  const uint32_t compression = ReadLe(&bytes[30], 4);
  if ((bits != 24 && bits != 32) || (compression != 0 && compression != 3)) fail();
  const bool bottomUp = height > 0;
  if (height < 0) height = -height;
  if (width <= 0 || height <= 0 || width > 16384 || height > 16384) fail();
  const size_t stride = (size_t(width) * bits / 8 + 3) & ~size_t(3);
  if (dataOffset > bytes.size() || bytes.size() - dataOffset < stride * size_t(height)) fail();
  Picture picture(width, height);
  for (int y = 0; y < height; ++y) {
    const uint8_t* in = &bytes[dataOffset + stride * size_t(bottomUp ? height - 1 - y : y)];
    uint8_t* out = picture.pixels_.data() + size_t(y) * size_t(width) * 4;
    for (int x = 0; x < width; ++x) {
      const uint8_t* px = in + size_t(x) * bits / 8;
      out[x * 4 + 0] = px[0];
      out[x * 4 + 1] = px[1];
      out[x * 4 + 2] = px[2];
      out[x * 4 + 3] = bits == 32 ? px[3] : 255;
    }
  }
  picture.opaque_ = bits == 24;
  return picture;
}

class Picture::Twice {
 public:
  using Make = std::function<std::shared_ptr<const Picture>()>;
  explicit Twice(Make make) : make_(std::move(make)) {}

  // Made on the first call; a double that cannot be made is none.
  const Picture* Get() const {
    if (make_) {
      const Make make = std::move(make_);
      make_ = nullptr;
      try {
        made_ = make();
      } catch (...) {
        made_.reset();
      }
    }
    return made_.get();
  }

  // A double made from another one (a crop, a greyed copy) when it is first asked for.
  static std::shared_ptr<const Twice> From(std::shared_ptr<const Twice> source,
                                           std::function<Picture(const Picture&)> derive) {
    return std::make_shared<const Twice>(
        [source = std::move(source), derive = std::move(derive)]() -> std::shared_ptr<const Picture> {
          const Picture* twice = source->Get();
          return twice ? std::make_shared<const Picture>(derive(*twice)) : nullptr;
        });
  }

 private:
  mutable Make make_;
  mutable std::shared_ptr<const Picture> made_;
};

Picture Picture::Crop(int x, int y, int w, int h) const {
  Picture out(w, h);
  // The columns inside the picture, copied a row at a time.
  const int firstCol = std::max(0, -x);
  const int endCol = std::min(w, width_ - x);
  for (int row = 0; row < h && firstCol < endCol; ++row) {
    if (y + row < 0 || y + row >= height_) continue;
    std::memcpy(&out.pixels_[(size_t(row) * size_t(w) + size_t(firstCol)) * 4],
                Pixels() + (size_t(y + row) * size_t(width_) + size_t(x + firstCol)) * 4,
                size_t(endCol - firstCol) * 4);
  }
  if (double_)
    out.double_ = Twice::From(double_, [=](const Picture& twice) {
      return twice.Crop(2 * x, 2 * y, 2 * w, 2 * h);
    });
  // What lies outside the picture is left transparent.
  out.opaque_ = opaque_ && x >= 0 && y >= 0 && x + w <= width_ && y + h <= height_;
  return out;
}

const Picture* Picture::Double() const { return double_ ? double_->Get() : nullptr; }

bool Picture::SetDouble(std::shared_ptr<const Picture> twice) {
  if (twice && (twice->width_ != 2 * width_ || twice->height_ != 2 * height_)) return false;
  double_ = twice ? std::make_shared<const Twice>([twice] { return twice; }) : nullptr;
  return true;
}

void Picture::SetDoubleSource(std::function<Picture()> make) {
  const int width = width_, height = height_;
  double_ = std::make_shared<const Twice>([make = std::move(make), width, height]() -> std::shared_ptr<const Picture> {
    auto twice = std::make_shared<const Picture>(make());
    if (twice->width_ != 2 * width || twice->height_ != 2 * height) return nullptr;
    return twice;
  });
}

Picture Picture::Greyed() const {
  Picture out = *this;
  if (double_) out.double_ = Twice::From(double_, [](const Picture& twice) { return twice.Greyed(); });
  uint8_t* const pixels = out.OwnPixels();
  for (size_t i = 0; i < out.pixels_.size(); i += 4) {
    uint8_t* p = pixels + i;
    const int luma = (p[0] * 29 + p[1] * 150 + p[2] * 77) >> 8;
    const uint8_t light = uint8_t(128 + luma / 2);
    p[0] = p[1] = p[2] = light;
  }
  return out;
}

}  // namespace ui

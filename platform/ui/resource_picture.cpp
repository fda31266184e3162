#include "platform/ui/resource_picture.h"

#include <cstdint>
#include <memory>
#include <optional>

#include "platform/os/resources.h"

namespace ui {
namespace {

bool EndsWith(const std::string& text, const char* suffix) {
  const std::string end(suffix);
  if (text.size() < end.size()) return false;
  for (size_t i = 0; i < end.size(); ++i) {
    const char c = text[text.size() - end.size() + i];
    if (char(c | 0x20) != end[i]) return false;
  }
  return true;
}

Picture Decode(const std::string& name, const std::vector<uint8_t>& bytes) {
  if (EndsWith(name, ".jpg") || EndsWith(name, ".jpeg")) return Picture::FromJpeg(bytes);
  return Picture::FromBmp(bytes);
}

uint32_t ReadLe32(const uint8_t* bytes) {
  return uint32_t(bytes[0]) | uint32_t(bytes[1]) << 8 | uint32_t(bytes[2]) << 16 |
         uint32_t(bytes[3]) << 24;
}

// The build may store a JPEG decoded beside it ("name.bgra": "BGRA", width, height and 0 as
// 32-bit little-endian numbers, then the rows top-down, alpha 255), lent where it lies: the
// picture that opens the window is then drawn with nothing decoded. Anything not exactly that
// is passed over and the JPEG decoded.
std::optional<Picture> StoredDecoded(const std::string& stem) {
  const std::span<const uint8_t> bytes = os::ViewResource(stem + ".bgra");
  constexpr size_t kHeader = 16;
  if (bytes.size() < kHeader || bytes[0] != 'B' || bytes[1] != 'G' || bytes[2] != 'R' ||
      bytes[3] != 'A' || ReadLe32(&bytes[12]) != 0)
    return std::nullopt;
  const uint32_t width = ReadLe32(&bytes[4]), height = ReadLe32(&bytes[8]);
  if (width == 0 || height == 0 || width > 16384 || height > 16384 ||
      bytes.size() != kHeader + size_t(width) * height * 4 ||
      reinterpret_cast<uintptr_t>(bytes.data()) % 4 != 0)
    return std::nullopt;
  return Picture::View(int(width), int(height), bytes.data() + kHeader, /*opaque=*/true);
}

}  // namespace

Picture LoadResourcePicture(const std::string& name) {
  const size_t dot = name.rfind('.');
  std::optional<Picture> stored;
  if (dot != std::string::npos && EndsWith(name, ".jpg")) stored = StoredDecoded(name.substr(0, dot));
  Picture picture = stored ? std::move(*stored) : Decode(name, os::LoadResource(name));
  if (dot == std::string::npos) return picture;
  const std::string doubleName = name.substr(0, dot) + "_2x" + name.substr(dot);
  // Decoded only for a screen drawn at a larger scale; without one (or when it cannot be
  // read) the picture is drawn scaled from its own pixels.
  picture.SetDoubleSource([doubleName] { return Decode(doubleName, os::LoadResource(doubleName)); });
  return picture;
}

}  // namespace ui

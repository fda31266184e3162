#include "platform/ui/resource_picture.h"

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

}  // namespace

Picture LoadResourcePicture(const std::string& name) {
  const size_t dot = name.rfind('.');
  // A JPEG the build also stored decoded is drawn from that, where the resources lend it.
  std::optional<Picture> stored;
  if (dot != std::string::npos && EndsWith(name, ".jpg"))
    stored = Picture::FromStored(os::ViewResource(name.substr(0, dot) + ".bgra"));
  Picture picture = stored ? std::move(*stored) : Decode(name, os::LoadResource(name));
  if (dot == std::string::npos) return picture;
  const std::string doubleName = name.substr(0, dot) + "_2x" + name.substr(dot);
  // Decoded only for a screen drawn at a larger scale; without one (or when it cannot be
  // read) the picture is drawn scaled from its own pixels.
  picture.SetDoubleSource([doubleName] { return Decode(doubleName, os::LoadResource(doubleName)); });
  return picture;
}

}  // namespace ui

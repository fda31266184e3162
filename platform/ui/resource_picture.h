#pragma once
// Pictures shipped as resources, by file name (".jpg" or ".bmp"). When the resources also
// hold the picture made at twice the size ("name_2x.ext"), it comes attached as the
// picture's double, for screens drawn at a larger scale. A JPEG the build also stored decoded
// ("name.bgra") is drawn from that, where the resources lend it, and not decoded.
#include <string>

#include "platform/ui/picture.h"

namespace ui {

// Throws what os::LoadResource and the decoders throw for the picture itself; a missing or
// unreadable double only leaves the picture without one.
Picture LoadResourcePicture(const std::string& name);

}  // namespace ui

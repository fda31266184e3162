#pragma once
// The main window's background picture, decoded once per library load: the resource cannot
// change while the library is loaded, and the picture is never written to. The first may
// come from a decoding started ahead on another thread (the library's entry starts one while
// the run sets up its platform and tables); a failed decoding is tried again by the next run.
#include <functional>
#include <memory>

#include "platform/ui/picture.h"

namespace tutorial {

using PictureSource = std::function<std::shared_ptr<const ui::Picture>()>;

class BackgroundPicture {
 public:
  // The picture; on the first call from `ahead` when it is given (it may wait, and throw
  // what the decoding threw), else decoded now.
  std::shared_ptr<const ui::Picture> Get(const PictureSource& ahead = {});
  bool Loaded() const { return picture_ != nullptr; }

  // Decodes the resource; touches nothing shared, so any thread may call it.
  static std::shared_ptr<const ui::Picture> Decode();

 private:
  std::shared_ptr<const ui::Picture> picture_;
};

// The library's one background.
BackgroundPicture& LibraryBackground();

}  // namespace tutorial

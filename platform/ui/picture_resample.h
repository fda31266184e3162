#pragma once
// Pictures drawn at another size than they were made: averaged over the covered area when
// made smaller (no lost thin lines), interpolated linearly when made larger. Colours are
// weighted by their alpha, so transparent pixels leave no dark fringe.
#include "platform/ui/picture.h"

namespace ui {

// The picture at width x height; an empty picture or size gives an empty picture.
Picture Resample(const Picture& source, int width, int height);

}  // namespace ui

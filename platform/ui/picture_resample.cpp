#include "platform/ui/picture_resample.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace ui {
namespace {

struct Tap {
  int index;
  float weight;
};

// For each output position along one axis, the source positions and their weights (summing
// to one).
std::vector<std::vector<Tap>> Taps(int from, int to) {
  std::vector<std::vector<Tap>> taps(static_cast<size_t>(to));
  const double ratio = double(from) / to;
  for (int o = 0; o < to; ++o) {
    std::vector<Tap>& out = taps[size_t(o)];
    if (ratio > 1.0) {
      // Box: the share of every source pixel in [o, o + 1) * ratio.
      const double start = o * ratio, end = (o + 1) * ratio;
      for (int s = int(std::floor(start)); s < int(std::ceil(end)) && s < from; ++s) {
        const double w = std::min<double>(end, s + 1) - std::max<double>(start, s);
        if (w > 0) out.push_back({s, float(w / ratio)});
      }
    } else {
      // Tent between the two nearest source centres.
      const double centre = (o + 0.5) * ratio - 0.5;
      const int s0 = int(std::floor(centre));
      const double f = centre - s0;
      out.push_back({std::clamp(s0, 0, from - 1), float(1.0 - f)});
      if (f > 0) out.push_back({std::clamp(s0 + 1, 0, from - 1), float(f)});
    }
  }
  return taps;
}

}  // namespace

Picture Resample(const Picture& source, int width, int height) {
  if (source.IsEmpty() || width <= 0 || height <= 0) return Picture();
  if (width == source.Width() && height == source.Height()) return source;
  const int sw = source.Width(), sh = source.Height();
  const auto columns = Taps(sw, width);
  const auto rows = Taps(sh, height);

  // Horizontal pass into premultiplied floats, then vertical into the result.
  std::vector<float> wide(size_t(width) * size_t(sh) * 4);
  const uint8_t* in = source.Pixels();
  for (int y = 0; y < sh; ++y) {
    const uint8_t* row = in + size_t(y) * size_t(sw) * 4;
    float* out = wide.data() + size_t(y) * size_t(width) * 4;
    for (int x = 0; x < width; ++x, out += 4) {
      for (const Tap& t : columns[size_t(x)]) {
        const uint8_t* px = row + size_t(t.index) * 4;
        const float a = px[3] / 255.0f * t.weight;
        out[0] += px[0] * a;
        out[1] += px[1] * a;
        out[2] += px[2] * a;
        out[3] += a;
      }
    }
  }
  Picture result(width, height);
  uint8_t* dst = result.Pixels();
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x, dst += 4) {
      float acc[4] = {};
      for (const Tap& t : rows[size_t(y)]) {
        const float* px = wide.data() + (size_t(t.index) * size_t(width) + size_t(x)) * 4;
        for (int c = 0; c < 4; ++c) acc[c] += px[c] * t.weight;
      }
      if (acc[3] <= 0.5f / 255.0f) continue;  // transparent pixels stay all zero
      for (int c = 0; c < 3; ++c)
        dst[c] = uint8_t(std::clamp(std::lround(acc[c] / acc[3]), 0L, 255L));
      dst[3] = uint8_t(std::clamp(std::lround(acc[3] * 255.0f), 0L, 255L));
    }
  }
  return result;
}

}  // namespace ui

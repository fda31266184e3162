// The Windows benchmarks' clock and statistic, shared so their figures compare.
#pragma once

#include <windows.h>

#include <algorithm>
#include <vector>

namespace bench {

inline double NowMs() {
  static LARGE_INTEGER frequency{};
  if (!frequency.QuadPart) QueryPerformanceFrequency(&frequency);
  LARGE_INTEGER counter;
  QueryPerformanceCounter(&counter);
  return double(counter.QuadPart) * 1000.0 / double(frequency.QuadPart);
}

// -1 for no samples, so a missing figure stands out in a report.
inline double Median(std::vector<double> v) {
  if (v.empty()) return -1;
  std::sort(v.begin(), v.end());
  const size_t n = v.size();
  return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

}  // namespace bench

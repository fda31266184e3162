#pragma once
// The present moment in the user's time zone, with the thread-safe call of each system.
#include <ctime>

namespace os {

inline std::tm LocalNow() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
#ifdef _WIN32
  localtime_s(&local, &now);
#else
  localtime_r(&now, &local);
#endif
  return local;
}

}  // namespace os

#pragma once
// Narration test helpers: PCM WAV files of a chosen length on disk.
#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

// 8000 Hz, mono, 8-bit: 8 bytes a millisecond.
inline std::vector<uint8_t> WavBytes(int milliseconds) {
  const uint32_t data = uint32_t(milliseconds) * 8;
  std::vector<uint8_t> b(44 + data, 0x80);
  auto put = [&](size_t at, uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) b[at + size_t(i)] = uint8_t(v >> (8 * i));
  };
  auto tag = [&](size_t at, const char* s) {
    for (int i = 0; i < 4; ++i) b[at + size_t(i)] = uint8_t(s[i]);
  };
  tag(0, "RIFF"), put(4, 36 + data, 4), tag(8, "WAVE");
  tag(12, "fmt "), put(16, 16, 4), put(20, 1, 2), put(22, 1, 2), put(24, 8000, 4);
  put(28, 8000, 4), put(32, 1, 2), put(34, 8, 2);
  tag(36, "data"), put(40, data, 4);
  return b;
}

inline void WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                               std::streamsize(bytes.size()));
}

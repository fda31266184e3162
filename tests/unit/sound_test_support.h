#pragma once
// Narration test helpers: PCM WAV files of a chosen length on disk.
#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

// 8000 Hz, mono, 8-bit: 8 bytes a millisecond.
inline std::vector<uint8_t> WavBytes(int milliseconds) {
  const uint32_t data = uint32_t(milliseconds) * 8;
  std::vector<uint8_t> b;
  auto text = [&](const char* s) { b.insert(b.end(), s, s + 4); };
  auto u32 = [&](uint32_t v) { for (int i = 0; i < 4; ++i) b.push_back(uint8_t(v >> (8 * i))); };
  auto u16 = [&](uint16_t v) { b.push_back(uint8_t(v)); b.push_back(uint8_t(v >> 8)); };
  text("RIFF"); u32(36 + data); text("WAVE");
  text("fmt "); u32(16); u16(1); u16(1); u32(8000); u32(8000); u16(1); u16(8);
  text("data"); u32(data);
  b.insert(b.end(), data, 0x80);
  return b;
}

inline void WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                               std::streamsize(bytes.size()));
}

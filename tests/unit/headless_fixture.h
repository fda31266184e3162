#pragma once
// Base fixture of the headless tests: an application over the headless backend, with the
// program's resources read from the source tree's skin folder.
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/headless/headless_backend.h"
#include "platform/os/error.h"
#include "platform/os/resources.h"
#include "platform/ui/application.h"
#include "platform/ui/windowed_control.h"  // completes NativeControl for the backend

class HeadlessTest : public ::testing::Test {
 protected:
  HeadlessTest() { os::SetResourceLoader(&ReadSkinFile); }
  ~HeadlessTest() override { os::SetResourceLoader(nullptr); }

  static std::vector<uint8_t> ReadSkinFile(const std::string& name) {
    // The skin's pictures, and the text resources beside the skin folder.
    std::ifstream in(std::string(TUTOR_RESOURCE_DIR "/skin/") + name, std::ios::binary);
    if (!in) in.open(std::string(TUTOR_RESOURCE_DIR "/") + name, std::ios::binary);
    if (!in) throw os::OsError("Missing resource \"" + name + "\"");
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }

  headless::HeadlessBackend backend;
  ui::Application app{backend};
};

#pragma once
// Settings and names shared by the window and the pages.
#include <string>

namespace tutorial {

// The assistant's registry key under the current user, and its sub-keys.
inline constexpr const char* kRegistryKey = "Software\\Tavrilenk\\Zendri Accounting 2000";
inline constexpr const char* kTutorialSubKey = "Tutorial";

// The folder of the narration files, ending in a separator; set when the window is created.
std::string& SoundFolder();

}  // namespace tutorial

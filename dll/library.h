#pragma once
// The library's life: what it sets up when loaded and releases when unloaded.
#include <windows.h>

namespace tutor_dll {

// DLL_PROCESS_ATTACH: remembers the module. The shared settings are read at the first run,
// outside the loader lock.
void OnLoad(HINSTANCE module);
// DLL_PROCESS_DETACH (not at process exit): releases what the library holds.
void OnUnload();
HINSTANCE Module();

}  // namespace tutor_dll

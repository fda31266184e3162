#include "dll/library.h"

#include "Tutorial/AssPblcProc.h"

namespace tutor_dll {
namespace {
HINSTANCE g_module = nullptr;
}

void OnLoad(HINSTANCE module) { g_module = module; }

void OnUnload() { tutorial::ReleaseSharedSettings(); }

HINSTANCE Module() { return g_module; }

}  // namespace tutor_dll

BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID reserved) {
  switch (reason) {
    case DLL_PROCESS_ATTACH:
      DisableThreadLibraryCalls(module);
      tutor_dll::OnLoad(module);
      break;
    case DLL_PROCESS_DETACH:
      // At process exit (reserved != null) other DLLs may be gone already: leave it to the OS.
      if (!reserved) tutor_dll::OnUnload();
      break;
  }
  return TRUE;
}

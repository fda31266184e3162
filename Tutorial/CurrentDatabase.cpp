#include <cstdint>

#include "Tutorial/AssPblcProc.h"
#include "Tutorial/Main.h"
#include "Tutorial/host/app_data.h"
#include "platform/ui/application.h"

namespace tutorial {

com::Ptr<host::IZndrConnection> QueryCurrentDatabase(const host::TZndrAppData& appData) {
  void* mainWindow = appData.HostApplication ? appData.HostApplication->MainWindow : nullptr;
  host::IZndrConnection* cell = nullptr;
  const intptr_t answer = ui::Application::Instance().GetBackend().SendHostMessage(
      mainWindow, host::kQueryCurrentDatabase, reinterpret_cast<uintptr_t>(&cell), 0);
  // Only a non-zero answer hands over a reference; without one the cell is not ours to release.
  if (answer == 0) return {};
  return com::Ptr<host::IZndrConnection>::Adopt(cell);
}

com::Ptr<host::IZndrConnection> QueryCurrentDatabase() {
  TfmMain* wizard = ActiveWizard();
  if (!wizard) return {};
  return QueryCurrentDatabase(wizard->AppData());
}

}  // namespace tutorial

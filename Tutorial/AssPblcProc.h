#pragma once
// Procedures and settings shared by the window and the pages.
#include <string>

#include "Tutorial/host/Zendri_TLB.h"
#include "platform/com/ptr.h"

namespace tutorial {

// The main and secondary currency the currency page offers as defaults, read from the
// registry once per library load: at the first run (LoadSharedSettings), or at the first
// CurrencyDefaults call if that comes first. A value of a non-text type throws
// os::RegistryTypeError.
struct CurrencySettings {
  std::string MainCurCode;
  std::string MainCurDesc;
  std::string SecondaryCurCode;
  std::string SecondaryCurDesc;
};
const CurrencySettings& CurrencyDefaults();
void LoadSharedSettings();
// Library unload: closes the registry key and releases the settings.
void ReleaseSharedSettings();

// Asks the host's main window for its current database connection (message
// host::kQueryCurrentDatabase); empty when the host does not answer.
com::Ptr<host::IZndrConnection> QueryCurrentDatabase();

}  // namespace tutorial

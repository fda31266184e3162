#include "Tutorial/AssPblcProc.h"

#include <optional>

#include "Tutorial/AssPblcVars.h"
#include "platform/os/registry.h"

namespace tutorial {
namespace {

CurrencySettings ReadCurrencySettings() {
  auto key = os::Reg().OpenCurrentUser(std::string(kRegistryKey) + "\\" + kTutorialSubKey, true);
  auto read = [&](const char* name, const char* fallback) {
    return key->ReadString(name).value_or(fallback);
  };
  return {read("MainCurCode", "USD"), read("MainCurDesc", "U.S. Dollar"),
          read("SecondaryCurCode", "LL"), read("SecondaryCurDesc", "LL Pound")};
}

}  // namespace

const CurrencySettings& CurrencyDefaults() {
  static const CurrencySettings settings = ReadCurrencySettings();
  return settings;
}

}  // namespace tutorial

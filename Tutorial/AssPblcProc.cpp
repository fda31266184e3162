#include "Tutorial/AssPblcProc.h"

#include <memory>
#include <optional>

#include "Tutorial/AssMesages.h"
#include "Tutorial/AssPblcVars.h"
#include "platform/os/registry.h"

namespace tutorial {
namespace {

// Read once per library load; the key stays open until the library is unloaded.
struct SharedSettings {
  std::unique_ptr<os::RegistryKey> key;
  std::optional<CurrencySettings> currency;
};

SharedSettings& Shared() {
  static SharedSettings shared;
  return shared;
}

}  // namespace

void LoadSharedSettings() {
  SharedSettings& shared = Shared();
  if (shared.currency) return;
  auto key = os::Reg().OpenCurrentUser(std::string(kRegistryKey) + "\\" + kTutorialSubKey, true);
  // A value of a non-text type throws the registry's data-type error; nothing is kept then,
  // so the next run reads again.
  auto read = [&](const char* name, const char* fallback) {
    return key->ReadString(name).value_or(fallback);
  };
  CurrencySettings currency{read("MainCurCode", "USD"), read("MainCurDesc", SMainCurDesc),
                            read("SecondaryCurCode", "LL"), read("SecondaryCurDesc", SSecondaryCurDesc)};
  shared.key = std::move(key);
  shared.currency = std::move(currency);
}

void ReleaseSharedSettings() {
  SharedSettings& shared = Shared();
  shared.currency.reset();
  shared.key.reset();
}

const CurrencySettings& CurrencyDefaults() {
  LoadSharedSettings();
  return *Shared().currency;
}

}  // namespace tutorial

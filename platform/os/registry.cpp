#include "platform/os/registry.h"

#include <cassert>

namespace os {
namespace {
Registry* g_registry = nullptr;
}

Registry& Reg() {
  assert(g_registry && "no registry installed by the backend");
  return *g_registry;
}

void SetRegistry(Registry* registry) { g_registry = registry; }

}  // namespace os

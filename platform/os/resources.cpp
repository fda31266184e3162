#include "platform/os/resources.h"

#include "platform/os/error.h"

namespace os {
namespace {
ResourceLoader& Loader() {
  static ResourceLoader loader;
  return loader;
}
}  // namespace

std::vector<uint8_t> LoadResource(const std::string& name) {
  if (!Loader()) throw OsError("No resources available for \"" + name + "\"");
  return Loader()(name);
}

void SetResourceLoader(ResourceLoader loader) { Loader() = std::move(loader); }

}  // namespace os

#include "platform/os/resources.h"

#include "platform/os/error.h"

namespace os {
namespace {
ResourceLoader& Loader() {
  static ResourceLoader loader;
  return loader;
}
ResourceViewer& Viewer() {
  static ResourceViewer viewer;
  return viewer;
}
}  // namespace

std::vector<uint8_t> LoadResource(const std::string& name) {
  if (!Loader()) throw OsError("No resources available for \"" + name + "\"");
  return Loader()(name);
}

void SetResourceLoader(ResourceLoader loader) { Loader() = std::move(loader); }

std::span<const uint8_t> ViewResource(const std::string& name) {
  return Viewer() ? Viewer()(name) : std::span<const uint8_t>();
}

void SetResourceViewer(ResourceViewer viewer) { Viewer() = std::move(viewer); }

}  // namespace os

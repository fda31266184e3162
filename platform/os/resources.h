#pragma once
// Pictures and other design resources shipped with the program: inside the DLL on Windows,
// files under resources/ natively.
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

namespace os {

using ResourceLoader = std::function<std::vector<uint8_t>(const std::string& name)>;

// The bytes of a resource by its file name ("main_background.jpg"); throws OsError when missing.
std::vector<uint8_t> LoadResource(const std::string& name);
void SetResourceLoader(ResourceLoader loader);

// A resource's bytes where they lie, unchanged and readable for as long as the library is
// loaded (in the DLL's mapped image): read without a copy. Empty when there is no such
// resource or the resources cannot be lent (natively, or with no viewer installed).
using ResourceViewer = std::function<std::span<const uint8_t>(const std::string& name)>;
std::span<const uint8_t> ViewResource(const std::string& name);
void SetResourceViewer(ResourceViewer viewer);

}  // namespace os

#pragma once
// Pictures and other design resources shipped with the program: inside the DLL on Windows,
// files under resources/ natively.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace os {

using ResourceLoader = std::function<std::vector<uint8_t>(const std::string& name)>;

// The bytes of a resource by its file name ("main_background.jpg"); throws OsError when missing.
std::vector<uint8_t> LoadResource(const std::string& name);
void SetResourceLoader(ResourceLoader loader);

}  // namespace os

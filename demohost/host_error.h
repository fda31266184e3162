#pragma once
// Failures inside the demo host. Every COM method catches them and hands the text to its
// caller through IErrorInfo (see com_method.h), so the assistant shows the host's own words.
#include <stdexcept>
#include <string>

namespace demohost {

class HostError : public std::runtime_error {
 public:
  explicit HostError(const std::string& text) : std::runtime_error(text) {}
};

}  // namespace demohost

#pragma once
// Errors raised by the local-table engine. They carry a message meant for the user.
#include <stdexcept>
#include <string>

namespace data {

class DataError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace data

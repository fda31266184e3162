#pragma once
// The toolkit's exceptions. Every event dispatched from a backend ends in
// Application::HandleException, which shows Error messages and ignores Abort.
#include <stdexcept>
#include <string>

namespace ui {

class Error : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Ends the current operation without a message (a declined question).
class Abort : public std::exception {
 public:
  const char* what() const noexcept override { return "Operation aborted"; }
};

// A programming error; the message names the source unit and line.
class AssertionFailure : public Error {
 public:
  AssertionFailure(const std::string& unit, int line)
      : Error("Assertion failed (" + unit + ", line " + std::to_string(line) + ")"),
        unit_(unit), line_(line) {}
  const std::string& Unit() const { return unit_; }
  int Line() const { return line_; }

 private:
  std::string unit_;
  int line_;
};

inline void Assert(bool condition, const char* unit, int line) {
  if (!condition) throw AssertionFailure(unit, line);
}

}  // namespace ui

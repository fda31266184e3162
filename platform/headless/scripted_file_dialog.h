#pragma once
// The test stand-in for the file dialog: answers with scripted file names, in order, and
// remembers what it was asked. With no answer left it fails the test rather than guess.
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "platform/os/file_dialog.h"

namespace headless {

class ScriptedFileDialog : public os::FileDialog {
 public:
  std::optional<std::string> OpenFile(const os::OpenFileRequest& request) override;

  // The next dialog confirms `fileName`; nullopt stands for Cancel.
  void AnswerNext(std::optional<std::string> fileName) { answers_.push_back(std::move(fileName)); }
  const std::vector<os::OpenFileRequest>& Requests() const { return requests_; }

 private:
  std::deque<std::optional<std::string>> answers_;
  std::vector<os::OpenFileRequest> requests_;
};

}  // namespace headless

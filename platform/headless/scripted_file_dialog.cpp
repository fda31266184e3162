#include "platform/headless/scripted_file_dialog.h"

#include <stdexcept>

namespace headless {

std::optional<std::string> ScriptedFileDialog::OpenFile(const os::OpenFileRequest& request) {
  requests_.push_back(request);
  if (answers_.empty()) throw std::logic_error("file dialog shown with no scripted answer");
  std::optional<std::string> answer = std::move(answers_.front());
  answers_.pop_front();
  return answer;
}

}  // namespace headless

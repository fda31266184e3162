#pragma once
// The common "Open" dialog of Windows behind os::FileDialog.
#include "platform/os/file_dialog.h"

namespace win32 {

class Win32FileDialog : public os::FileDialog {
 public:
  std::optional<std::string> OpenFile(const os::OpenFileRequest& request) override;
};

}  // namespace win32

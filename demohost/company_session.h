#pragma once
// The company the host works on: its open database, shared by every window and table handed
// out while it is current (they keep it open if another company is opened meanwhile).
#include <functional>
#include <memory>
#include <string>

#include "demohost/database.h"

namespace demohost {

class CompanySession {
 public:
  // Throws HostError when the file is missing or is no company database; the current
  // company stays current then.
  void Open(const std::string& path);
  void Close();
  bool IsOpen() const { return db_ != nullptr; }
  const std::string& Path() const { return path_; }
  std::string CompanyName() const;
  // The open database; throws HostError when no company is open.
  std::shared_ptr<Database> Require() const;
  const std::shared_ptr<Database>& Current() const { return db_; }
  void OnChange(std::function<void()> listener) { listener_ = std::move(listener); }

 private:
  std::shared_ptr<Database> db_;
  std::string path_;
  std::function<void()> listener_;
};

}  // namespace demohost

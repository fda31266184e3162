#pragma once
// The company record's unposted values in a file of their own beside the tables. The record
// stays unposted across the creation pages, so a run that ends abruptly would lose what was
// typed there; the file exists only while values are pending, so finding it at start-up means
// the previous run did not end normally.
#include <optional>
#include <string>

#include "platform/data/table.h"

namespace tutorial {

inline constexpr const char* kCompanyRecoveryFile = "TutorComp.recovery";

class CompanyRecovery {
 public:
  // `folder` is the data folder with its trailing separator; "" keeps nothing.
  CompanyRecovery(data::Table& company, const std::string& folder);

  const std::string& Path() const { return path_; }
  // Writes the record's pending values (in one step) when they changed since the last write,
  // or removes the file when nothing is pending. Throws os::FileError.
  void Keep();
  // Removes the file; throws os::FileError when it cannot.
  void Remove();
  // The values the file holds; nothing when there is no file. Throws data::TableFileError
  // when it holds no readable record, os::FileError when it cannot be read.
  std::optional<data::Row> Read() const;
  // Keeps a file that could not be read beside itself ("TutorComp.recovery.damaged-<stamp>")
  // and returns that name. Throws os::FileError when it cannot be renamed.
  std::string SetAside(const std::string& stamp);
  // Puts `values` into the company record as a pending edit; nothing is posted. `Created`
  // keeps the record's own value; a value the field refuses is left out rather than costing
  // the others.
  void Restore(const data::Row& values);

 private:
  data::Table& company_;
  std::string path_;
  // What the file holds as this run last wrote it: "" for no file, nothing when not known yet.
  std::optional<std::string> written_;
};

}  // namespace tutorial

#include "Tutorial/CompanyRecovery.h"

#include <string_view>
#include <vector>

#include "Tutorial/dmMain.h"
#include "platform/data/data_error.h"
#include "platform/data/ensure_edit_mode.h"
#include "platform/data/table_file.h"
#include "platform/os/error.h"
#include "platform/os/file_system.h"

namespace tutorial {
namespace {

bool Pending(const data::Table& table) {
  return table.State() == data::TableState::Edit || table.State() == data::TableState::Insert;
}

}  // namespace

CompanyRecovery::CompanyRecovery(data::Table& company, const std::string& folder)
    : company_(company), path_(folder.empty() ? std::string() : folder + kCompanyRecoveryFile) {}

void CompanyRecovery::Keep() {
  if (path_.empty()) return;
  if (!Pending(company_)) {
    if (written_ && written_->empty()) return;
    Remove();
    return;
  }
  data::Row values;
  for (const data::Field& field : company_.Fields()) values.push_back(field.GetValue());
  std::string content = data::WriteTableFile(CompanyFields(), {values});
  if (written_ && *written_ == content) return;
  os::Files().WriteFileAtomic(path_, content);
  written_ = std::move(content);
}

void CompanyRecovery::Remove() {
  if (path_.empty()) return;
  os::Files().RemoveFile(path_);
  written_ = std::string();
}

std::optional<data::Row> CompanyRecovery::Read() const {
  if (path_.empty()) return std::nullopt;
  std::vector<uint8_t> bytes;
  try {
    bytes = os::ReadFileRetrying(os::Files(), path_, data::kMaxTableFileBytes);
  } catch (const os::FileError& error) {
    if (error.Fault() == os::FileFault::NotFound) return std::nullopt;
    throw;
  }
  std::vector<data::Row> rows = data::ReadTableFile(
      std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()), CompanyFields());
  // The file is written with exactly one record; anything else is not what this run wrote.
  if (rows.size() != 1) throw data::TableFileError("It holds no company record.", false);
  return std::move(rows.front());
}

std::string CompanyRecovery::SetAside(const std::string& stamp) {
  std::string aside = path_ + ".damaged-" + stamp;
  for (int n = 2; os::Files().FileExists(aside) && n < 100; ++n)
    aside = path_ + ".damaged-" + stamp + "-" + std::to_string(n);
  os::Files().RenameFile(path_, aside);
  written_ = std::string();
  return os::FileSystem::NameOf(aside);
}

void CompanyRecovery::Restore(const data::Row& values) {
  data::EnsureEditMode(company_);
  std::vector<data::Field>& fields = company_.Fields();
  for (size_t i = 0; i < fields.size() && i < values.size(); ++i) {
    // Whether the company exists is the posted record's to say, not what was typed.
    if (fields[i].Name() == "Created") continue;
    try {
      fields[i].SetValue(values[i]);
    } catch (const data::DataError&) {
    }
  }
}

}  // namespace tutorial

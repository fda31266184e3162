// The wizard window's exchanges with the host about the company: the creation request with
// its settings text, and the check that the host has the company created last open.
#include <string>
#include <vector>

#include "Tutorial/AssMesages.h"
#include "Tutorial/AssPblcProc.h"
#include "Tutorial/AssPblcVars.h"
#include "Tutorial/IniDocument.h"
#include "Tutorial/Main.h"
#include "Tutorial/MsgForm.h"
#include "Tutorial/host/host_calls.h"
#include "platform/os/file_system.h"
#include "platform/os/registry.h"
#include "platform/ui/application.h"
#include "platform/ui/errors.h"

namespace tutorial {
namespace {

std::string ReadTutorialValue(const char* name) {
  auto key = os::Reg().OpenCurrentUser(std::string(kRegistryKey) + "\\" + kTutorialSubKey, true);
  return key->ReadString(name).value_or(std::string());
}

IniDocument LoadSettingsFile(const std::string& fileName) {
  if (fileName.empty() || !os::Files().FileExists(fileName)) return {};
  const std::vector<uint8_t> bytes = os::Files().ReadFile(fileName);
  return IniDocument::Parse(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

}  // namespace

void TfmMain::BuildCreateSettings(std::vector<std::string>& lines) {
  IniDocument settings = LoadSettingsFile(ReadTutorialValue("CreateCompanySettings"));
  std::string source = settings.Get("SourceCompany", "Path");
  if (source.empty()) source = ReadTutorialValue("SampleCompany");
  if (source.empty() || !os::Files().FileExists(source)) throw ui::Error(SSourceCompanyNotFound);

  data::Table& company = MainData().Company;
  auto text = [&](const char* field) { return company.FieldByName(field).AsString(); };
  auto number = [&](const char* field) { return std::to_string(company.FieldByName(field).AsInteger()); };
  settings.Set("SourceCompany", "Path", source);
  settings.Set("TargetCompany", "Path", text("Path"));
  settings.Set("TargetCompany", "Name", text("Name1"));
  settings.Set("TargetCompany", "Name2", text("Name2"));
  settings.Set("TargetCompany", "City", text("City"));
  settings.Set("TargetCompany", "State", text("State"));
  settings.Set("TargetCompany", "Phone", text("Phone1"));
  settings.Set("TargetCompany", "Phone2", text("Phone2"));
  settings.Set("TargetCompany", "FiscalYear", number("FiscYear"));
  settings.Set("TargetCompany", "NumPeriods", number("nbPeriods"));

  std::vector<std::string> document = settings.Lines();
  lines.insert(lines.end(), std::make_move_iterator(document.begin()),
               std::make_move_iterator(document.end()));
}

void TfmMain::CreateNewCompany() {
  LastPage = 1;
  std::vector<std::string> lines;
  BuildCreateSettings(lines);
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  if (!host::MainForm(GetMainForm()).CreateCompany(text)) return;
  acFinish->Execute();
  EnsureLastCompanyOpen(MainData().Company.FieldByName("Path").AsString());
  GoToStep(6);
}

void TfmMain::EnsureLastCompanyOpen(const std::string& path) {
  ui::Assert(MainData_ != nullptr, "Tutorial\\Main", 383);
  com::Ptr<host::IZndrConnection> connection = QueryCurrentDatabase(FAppData.Get());
  ui::Assert(bool(connection), "Tutorial\\Main", 385);

  com::Bstr fileName;
  host::Check(connection->GetDatabaseName(fileName.Out()));
  VARIANT_BOOL connected = VARIANT_FALSE;
  host::Check(connection->GetConnected(&connected));
  if (fileName.Utf8() == path && connected != VARIANT_FALSE) return;

  if (ShowMsgForm(SOpenLastCreatedCompany, kMsgYesNo) != ui::mrYes) throw ui::Abort();
  ui::BusyCursor hourGlass;
  host::MainForm(GetMainForm()).OpenCompany(path);
}

}  // namespace tutorial

#include "host_fixture.h"

#include <shellapi.h>

#include "demohost/files.h"

namespace demohost::test {

namespace {
std::function<void(HWND)> g_inspect;
const wchar_t* g_class = nullptr;

void CALLBACK CheckForWindow(HWND, UINT, UINT_PTR timer, DWORD) {
  HWND window = FindWindowW(g_class, nullptr);
  if (!window || !IsWindowVisible(window)) return;
  KillTimer(nullptr, timer);
  if (g_inspect) g_inspect(window);
  PostMessageW(window, WM_CLOSE, 0, 0);
}
}  // namespace

std::string TempFolder() {
  wchar_t base[MAX_PATH];
  GetTempPathW(MAX_PATH, base);
  static int counter = 0;
  const std::wstring folder = std::wstring(base) + L"demohost-test-" +
                              std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(++counter);
  CreateDirectoryW(folder.c_str(), nullptr);
  return Wide8(folder.c_str());
}

void RemoveFolder(const std::string& folder) {
  std::wstring from = Wide(folder);
  from.push_back(L'\0');  // double-terminated list
  SHFILEOPSTRUCTW op{};
  op.wFunc = FO_DELETE;
  op.pFrom = from.c_str();
  op.fFlags = FOF_NO_UI;
  SHFileOperationW(&op);
}

std::string SampleCompanyPath() {
  wchar_t path[MAX_PATH];
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring folder(path);
  folder = folder.substr(0, folder.find_last_of(L"\\/") + 1);
  return Wide8((folder + L"SampleCompany.gdb").c_str());
}

std::string SettingsFor(const std::string& source, const std::string& target, const std::string& extra) {
  return "[SourceCompany]\r\nPath=" + source +
         "\r\n\r\n[TargetCompany]\r\nPath=" + target +
         "\r\nName=Acme Trading\r\nName2=Acme S.A.L.\r\nCity=Beirut\r\nState=Mount Lebanon\r\n"
         "Phone=01-234567\r\nPhone2=03-765432\r\nFiscalYear=2027\r\nNumPeriods=13\r\n\r\n" +
         extra;
}

VARIANT Int(LONG v) {
  VARIANT r;
  VariantInit(&r);
  r.vt = VT_I4;
  r.lVal = v;
  return r;
}

VARIANT Text(const char* v) {
  VARIANT r;
  VariantInit(&r);
  r.vt = VT_BSTR;
  r.bstrVal = SysAllocString(Wide(v).c_str());
  return r;
}

VARIANT Date(double v) {
  VARIANT r;
  VariantInit(&r);
  r.vt = VT_DATE;
  r.date = v;
  return r;
}

void WhenWindowShows(const wchar_t* windowClass, std::function<void(HWND)> inspect) {
  g_class = windowClass;
  g_inspect = std::move(inspect);
  SetTimer(nullptr, 0, 100, CheckForWindow);
}

void HostTest::SetUp() {
  folder_ = TempFolder();
  ActiveFaults() = Faults();
  com::TakeErrorDescription();
}

void HostTest::TearDown() {
  session_.Close();
  ActiveFaults() = Faults();
  EXPECT_EQ(form_.References(), 0);
  RemoveFolder(folder_);
}

std::string HostTest::CreateCompany(const std::string& name) {
  const std::string target = folder_ + "\\" + name;
  com::Bstr settings(SettingsFor(SampleCompanyPath(), target)), t1, t2;
  VARIANT_BOOL created = VARIANT_FALSE;
  EXPECT_EQ(form_.CreateCompany(settings.Get(), t1.Out(), t2.Out(), &created), S_OK) << ErrorText();
  EXPECT_EQ(created, VARIANT_TRUE);
  return target;
}

}  // namespace demohost::test

#include "platform/com/error_info.h"

#include "platform/com/com.h"
#include "platform/com/ptr.h"

#include <utility>

namespace com {

#ifdef _WIN32
void SetErrorDescription(const std::string& text) {
  ICreateErrorInfo* create = nullptr;
  if (FAILED(CreateErrorInfo(&create))) return;
  const std::u16string wide = Utf8ToUtf16(text);
  create->SetDescription(const_cast<LPOLESTR>(reinterpret_cast<const wchar_t*>(wide.c_str())));
  IErrorInfo* info = nullptr;
  if (SUCCEEDED(create->QueryInterface(IID_IErrorInfo, reinterpret_cast<void**>(&info)))) {
    SetErrorInfo(0, info);
    info->Release();
  }
  create->Release();
}

std::string TakeErrorDescription() {
  IErrorInfo* info = nullptr;
  if (GetErrorInfo(0, &info) != S_OK || !info) return {};
  BSTR description = nullptr;
  std::string text;
  if (SUCCEEDED(info->GetDescription(&description))) text = ToUtf8(description);
  SysFreeString(description);
  info->Release();
  return text;
}
#else
namespace {
thread_local std::string t_description;
}

void SetErrorDescription(const std::string& text) { t_description = text; }

std::string TakeErrorDescription() { return std::exchange(t_description, std::string()); }
#endif

}  // namespace com

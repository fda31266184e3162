#include "demohost/demo_main_form.h"

#include <string>

#include "platform/com/error_info.h"

namespace demohost {

HRESULT DemoMainForm::QueryInterface(REFIID riid, void** object) {
  if (!object) return E_POINTER;
  if (riid == IID_IUnknown || riid == IID_IDispatch) {
    *object = static_cast<IDispatch*>(this);
    AddRef();
    return S_OK;
  }
  *object = nullptr;
  return E_NOINTERFACE;
}

HRESULT DemoMainForm::GetTypeInfoCount(UINT* count) {
  if (count) *count = 0;
  return S_OK;
}

HRESULT DemoMainForm::Unavailable(const char* what) {
  com::SetErrorDescription(std::string("Sorry, ") + what + " is not available in the demo host.");
  return E_NOTIMPL;
}

}  // namespace demohost

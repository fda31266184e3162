#pragma once
// The plumbing every automation object of the host shares: reference counting with the live
// count of its kind, the automation base (late binding is not offered), and Call(), which
// injects a configured fault and turns every exception into a failing status with its text.
#include <windows.h>

#include <exception>
#include <string>

#include "demohost/faults.h"
#include "demohost/host_error.h"
#include "demohost/live_objects.h"
#include "platform/com/error_info.h"

namespace demohost {

// A failing status whose text the caller finds through IErrorInfo.
inline HRESULT Failure(const std::string& text) {
  com::SetErrorDescription(text);
  return E_FAIL;
}

// Runs `body` (returning HRESULT) for the named operation. No exception leaves a COM method.
template <class Body>
HRESULT Call(const char* operation, Body&& body) {
  try {
    auto fault = ActiveFaults().Next(operation);
    if (fault && fault->kind == Fault::Kind::Fail) return Failure(fault->text);
    InjectedScope scope(fault);
    return body();
  } catch (const std::exception& e) {
    return Failure(e.what());
  } catch (...) {
    return Failure(std::string("The demo host failed in ") + operation + ".");
  }
}

template <class Interface>
class ComObject : public Interface {
 public:
  explicit ComObject(ObjectKind kind) : kind_(kind) { LiveObjects::Born(kind); }
  virtual ~ComObject() { LiveObjects::Died(kind_); }
  ComObject(const ComObject&) = delete;
  ComObject& operator=(const ComObject&) = delete;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override {
    if (!object) return E_POINTER;
    if (riid == IID_IUnknown || riid == IID_IDispatch) {
      *object = static_cast<IDispatch*>(this);
      this->AddRef();
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ULONG(++references_); }
  ULONG STDMETHODCALLTYPE Release() override {
    const long left = --references_;
    if (left == 0) delete this;
    return ULONG(left);
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    if (count) *count = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                   UINT*) override {
    return E_NOTIMPL;
  }

 private:
  ObjectKind kind_;
  long references_ = 1;  // the creator's
};

// Slots the assistant never calls.
#define DEMOHOST_UNUSED_SLOT(n) \
  HRESULT STDMETHODCALLTYPE Reserved##n() override { return E_NOTIMPL; }

}  // namespace demohost

#pragma once
// The record the host passes to LaunchTutorial. Its layout is a contract with the host:
// 24 bytes in the 32-bit build; in the 64-bit build the same six slots, each pointer-sized.
#include <cstddef>

#include "Tutorial/host/Zendri_TLB.h"

namespace host {

// The host's application object as this library reads it: its executable's full file name
// and its main window (an HWND on Windows).
struct TZndrHostApplication {
  const OLECHAR* ExeName;
  void* MainWindow;
};

struct TZndrAppData {
  TZndrHostApplication* HostApplication;  // slot 0
  void* Unused1;                          // slot 1: the host's, never read
  IXMainForm* MainForm;                   // slot 2: the only reference-counted member
  void* Unused3[3];                       // slots 3-5: the host's, never read
};

static_assert(sizeof(TZndrAppData) == 6 * sizeof(void*));
static_assert(offsetof(TZndrAppData, HostApplication) == 0);
static_assert(offsetof(TZndrAppData, MainForm) == 2 * sizeof(void*));
#if defined(_WIN32) && !defined(_WIN64)
static_assert(sizeof(TZndrAppData) == 24 && offsetof(TZndrAppData, MainForm) == 8,
              "the 32-bit host passes a 24-byte record with MainForm at offset 8");
#endif

// The window's own copy: all slots copied, a new reference on MainForm, released again when
// the copy goes.
class AppDataCopy {
 public:
  AppDataCopy() = default;
  ~AppDataCopy() { Reset(); }
  AppDataCopy(const AppDataCopy&) = delete;
  AppDataCopy& operator=(const AppDataCopy&) = delete;

  void Assign(const TZndrAppData& data) {
    if (data.MainForm) data.MainForm->AddRef();
    Reset();
    data_ = data;
  }
  void Reset() {
    if (data_.MainForm) data_.MainForm->Release();
    data_ = {};
  }
  const TZndrAppData& Get() const { return data_; }

 private:
  TZndrAppData data_{};
};

}  // namespace host

#pragma once
// Small RAII owners for native handles. The backend objects hold these; the control tree
// never owns a handle directly.
#include "platform/win32/windows_api.h"

namespace win32 {

template <class Traits>
class UniqueHandle {
 public:
  using Handle = typename Traits::Handle;

  UniqueHandle() = default;
  explicit UniqueHandle(Handle handle) : handle_(handle) {}
  ~UniqueHandle() { Reset(); }
  UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.Release()) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other) Reset(other.Release());
    return *this;
  }
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;

  Handle Get() const { return handle_; }
  explicit operator bool() const { return Traits::Valid(handle_); }
  // Gives up ownership without closing (the handle died elsewhere, or moves on).
  Handle Release() {
    Handle handle = handle_;
    handle_ = Traits::Null();
    return handle;
  }
  void Reset(Handle handle = Traits::Null()) {
    if (Traits::Valid(handle_)) Traits::Close(handle_);
    handle_ = handle;
  }

 private:
  Handle handle_ = Traits::Null();
};

template <class H>
struct NullIsInvalid {
  using Handle = H;
  static constexpr Handle Null() { return nullptr; }
  static bool Valid(Handle h) { return h != nullptr; }
};

struct WindowTraits : NullIsInvalid<HWND> {
  static void Close(HWND h) { DestroyWindow(h); }
};
template <class T>
struct GdiObjectTraits : NullIsInvalid<T> {
  static void Close(T h) { DeleteObject(h); }
};
struct MemoryDcTraits : NullIsInvalid<HDC> {
  static void Close(HDC h) { DeleteDC(h); }
};
struct RegistryKeyTraits : NullIsInvalid<HKEY> {
  static void Close(HKEY h) { RegCloseKey(h); }
};
struct FileTraits {
  using Handle = HANDLE;
  static Handle Null() { return INVALID_HANDLE_VALUE; }
  static bool Valid(Handle h) { return h != INVALID_HANDLE_VALUE && h != nullptr; }
  static void Close(Handle h) { CloseHandle(h); }
};

using UniqueWindow = UniqueHandle<WindowTraits>;
template <class T>
using GdiObject = UniqueHandle<GdiObjectTraits<T>>;
using UniqueMemoryDc = UniqueHandle<MemoryDcTraits>;
using UniqueKey = UniqueHandle<RegistryKeyTraits>;
using UniqueFile = UniqueHandle<FileTraits>;

// Selects an object into a DC for its lifetime and puts the previous one back.
class DcSelection {
 public:
  DcSelection(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  ~DcSelection() { SelectObject(dc_, previous_); }
  DcSelection(const DcSelection&) = delete;
  DcSelection& operator=(const DcSelection&) = delete;

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

}  // namespace win32

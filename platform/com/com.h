#pragma once
// COM basics for the host boundary: the real definitions on Windows, a small compatible
// subset elsewhere so the portable code and its tests build and run natively.
#include <cstdint>
#include <string>
#include <string_view>

#ifdef _WIN32
#include <objbase.h>
#include <oleauto.h>
#else
#include <cstddef>

using HRESULT = int32_t;
using ULONG = uint32_t;
using LONG = int32_t;
using OLECHAR = char16_t;
using BSTR = OLECHAR*;
using VARIANT_BOOL = int16_t;
using VARTYPE = uint16_t;
using DATE = double;  // days since 30 December 1899
#define STDMETHODCALLTYPE
#define VARIANT_TRUE (VARIANT_BOOL(-1))
#define VARIANT_FALSE (VARIANT_BOOL(0))

inline constexpr HRESULT S_OK = 0;
inline constexpr HRESULT S_FALSE = 1;
inline constexpr HRESULT E_NOTIMPL = HRESULT(0x80004001u);
inline constexpr HRESULT E_NOINTERFACE = HRESULT(0x80004002u);
inline constexpr HRESULT E_POINTER = HRESULT(0x80004003u);
inline constexpr HRESULT E_FAIL = HRESULT(0x80004005u);
inline constexpr HRESULT E_INVALIDARG = HRESULT(0x80070057u);
inline constexpr HRESULT E_OUTOFMEMORY = HRESULT(0x8007000Eu);
inline constexpr bool SUCCEEDED(HRESULT hr) { return hr >= 0; }
inline constexpr bool FAILED(HRESULT hr) { return hr < 0; }

struct GUID {
  uint32_t Data1;
  uint16_t Data2;
  uint16_t Data3;
  uint8_t Data4[8];
};
using IID = GUID;
using REFIID = const IID&;

enum VARENUM : VARTYPE {
  VT_EMPTY = 0, VT_NULL = 1, VT_I4 = 3, VT_R8 = 5, VT_DATE = 7, VT_BSTR = 8, VT_BOOL = 11
};

struct VARIANT {
  VARTYPE vt;
  uint16_t reserved[3];
  union {
    LONG lVal;
    double dblVal;
    DATE date;
    BSTR bstrVal;
    VARIANT_BOOL boolVal;
  };
};

struct IUnknown {
  virtual HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) = 0;
  virtual ULONG STDMETHODCALLTYPE AddRef() = 0;
  virtual ULONG STDMETHODCALLTYPE Release() = 0;

 protected:
  ~IUnknown() = default;
};

// The automation base; the assistant never calls these, they only hold their slots.
struct IDispatch : IUnknown {
  virtual HRESULT STDMETHODCALLTYPE GetTypeInfoCount(unsigned*) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetTypeInfo(unsigned, uint32_t, void**) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, OLECHAR**, unsigned, uint32_t, int32_t*) = 0;
  virtual HRESULT STDMETHODCALLTYPE Invoke(int32_t, REFIID, uint32_t, uint16_t, void*, VARIANT*,
                                           void*, unsigned*) = 0;

 protected:
  ~IDispatch() = default;
};

BSTR SysAllocStringLen(const OLECHAR* text, unsigned length);
BSTR SysAllocString(const OLECHAR* text);
void SysFreeString(BSTR text);
unsigned SysStringLen(BSTR text);
void VariantInit(VARIANT* v);
HRESULT VariantClear(VARIANT* v);
HRESULT VariantCopy(VARIANT* dest, const VARIANT* source);
#endif

namespace com {

// UTF-8 <-> UTF-16 at the COM boundary, in one place.
std::u16string Utf8ToUtf16(std::string_view text);
std::string Utf16ToUtf8(std::u16string_view text);

// An owned BSTR.
class Bstr {
 public:
  Bstr() = default;
  explicit Bstr(std::string_view utf8);
  ~Bstr() { Reset(); }
  Bstr(Bstr&& other) noexcept : value_(other.value_) { other.value_ = nullptr; }
  Bstr& operator=(Bstr&& other) noexcept;
  Bstr(const Bstr&) = delete;
  Bstr& operator=(const Bstr&) = delete;

  BSTR Get() const { return value_; }
  // For [out] parameters: frees the old value first.
  BSTR* Out() {
    Reset();
    return &value_;
  }
  std::string Utf8() const;
  void Reset();

 private:
  BSTR value_ = nullptr;
};

// A BSTR's text as UTF-8 (nullptr reads as empty).
std::string ToUtf8(BSTR text);

}  // namespace com

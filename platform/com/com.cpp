#include "platform/com/com.h"

#include <cstdlib>
#include <cstring>

namespace com {

std::u16string Utf8ToUtf16(std::string_view text) {
  std::u16string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size();) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    char32_t cp = 0xFFFD;
    size_t n = 1;
    if (c < 0x80) {
      cp = c;
    } else if ((c >> 5) == 0x6 && i + 1 < text.size()) {
      cp = ((c & 0x1F) << 6) | (text[i + 1] & 0x3F);
      n = 2;
    } else if ((c >> 4) == 0xE && i + 2 < text.size()) {
      cp = ((c & 0x0F) << 12) | ((text[i + 1] & 0x3F) << 6) | (text[i + 2] & 0x3F);
      n = 3;
    } else if ((c >> 3) == 0x1E && i + 3 < text.size()) {
      cp = ((c & 0x07) << 18) | ((text[i + 1] & 0x3F) << 12) | ((text[i + 2] & 0x3F) << 6) |
           (text[i + 3] & 0x3F);
      n = 4;
    }
    i += n;
    if (cp >= 0x10000) {
      cp -= 0x10000;
      out.push_back(char16_t(0xD800 + (cp >> 10)));
      out.push_back(char16_t(0xDC00 + (cp & 0x3FF)));
    } else {
      out.push_back(char16_t(cp));
    }
  }
  return out;
}

std::string Utf16ToUtf8(std::u16string_view text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    char32_t cp = text[i];
    if (cp >= 0xD800 && cp < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
        text[i + 1] < 0xE000) {
      cp = 0x10000 + ((cp - 0xD800) << 10) + (text[i + 1] - 0xDC00);
      ++i;
    }
    if (cp < 0x80) {
      out.push_back(char(cp));
    } else if (cp < 0x800) {
      out.push_back(char(0xC0 | (cp >> 6)));
      out.push_back(char(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
      out.push_back(char(0xE0 | (cp >> 12)));
      out.push_back(char(0x80 | ((cp >> 6) & 0x3F)));
      out.push_back(char(0x80 | (cp & 0x3F)));
    } else {
      out.push_back(char(0xF0 | (cp >> 18)));
      out.push_back(char(0x80 | ((cp >> 12) & 0x3F)));
      out.push_back(char(0x80 | ((cp >> 6) & 0x3F)));
      out.push_back(char(0x80 | (cp & 0x3F)));
    }
  }
  return out;
}

Bstr::Bstr(std::string_view utf8) {
  const std::u16string wide = Utf8ToUtf16(utf8);
  value_ = SysAllocStringLen(reinterpret_cast<const OLECHAR*>(wide.data()), unsigned(wide.size()));
}

Bstr& Bstr::operator=(Bstr&& other) noexcept {
  if (this != &other) {
    Reset();
    value_ = other.value_;
    other.value_ = nullptr;
  }
  return *this;
}

void Bstr::Reset() {
  if (value_) SysFreeString(value_);
  value_ = nullptr;
}

std::string Bstr::Utf8() const { return ToUtf8(value_); }

std::string ToUtf8(BSTR text) {
  if (!text) return {};
  return Utf16ToUtf8(std::u16string_view(reinterpret_cast<const char16_t*>(text), SysStringLen(text)));
}

}  // namespace com

#ifndef _WIN32
// The native subset keeps the length before the text, as the platform does.
BSTR SysAllocStringLen(const OLECHAR* text, unsigned length) {
  auto* block = static_cast<uint32_t*>(std::malloc(sizeof(uint32_t) + (length + 1) * sizeof(OLECHAR)));
  if (!block) return nullptr;
  block[0] = length * sizeof(OLECHAR);
  BSTR s = reinterpret_cast<BSTR>(block + 1);
  if (text) std::memcpy(s, text, length * sizeof(OLECHAR));
  s[length] = 0;
  return s;
}

BSTR SysAllocString(const OLECHAR* text) {
  if (!text) return nullptr;
  unsigned n = 0;
  while (text[n]) ++n;
  return SysAllocStringLen(text, n);
}

void SysFreeString(BSTR text) {
  if (text) std::free(reinterpret_cast<uint32_t*>(text) - 1);
}

unsigned SysStringLen(BSTR text) {
  return text ? reinterpret_cast<uint32_t*>(text)[-1] / sizeof(OLECHAR) : 0;
}

void VariantInit(VARIANT* v) {
  std::memset(v, 0, sizeof *v);
  v->vt = VT_EMPTY;
}

HRESULT VariantClear(VARIANT* v) {
  if (v->vt == VT_BSTR) SysFreeString(v->bstrVal);
  VariantInit(v);
  return S_OK;
}
HRESULT VariantCopy(VARIANT* dest, const VARIANT* source) {
  VariantClear(dest);
  *dest = *source;
  if (source->vt == VT_BSTR && source->bstrVal) {
    dest->bstrVal = SysAllocStringLen(source->bstrVal, SysStringLen(source->bstrVal));
    if (!dest->bstrVal) {
      VariantInit(dest);
      return E_OUTOFMEMORY;
    }
  }
  return S_OK;
}
#endif

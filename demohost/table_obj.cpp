#include "demohost/table_obj.h"

#include "demohost/variant_value.h"
#include "platform/com/com.h"

namespace demohost {

namespace {
// The texts Append and Post hand back: the table's name, for the caller's log if it wants.
void Answer(BSTR* out, const std::string& text) {
  if (!out) return;
  const std::u16string w = com::Utf8ToUtf16(text);
  *out = SysAllocStringLen(reinterpret_cast<const OLECHAR*>(w.data()), UINT(w.size()));
}
}  // namespace

HRESULT TableObj::Locate(BSTR field, VARIANT value, LONG, LONG, VARIANT_BOOL* found) {
  return Call("Locate", [&] {
    if (!found) return E_POINTER;
    const std::string name = com::ToUtf8(field);
    const Value v = FromVariant(value, cursor_->ColumnAt(cursor_->FieldIndex(name)));
    *found = cursor_->Locate(name, v) ? VARIANT_TRUE : VARIANT_FALSE;
    return S_OK;
  });
}

HRESULT TableObj::FieldByName(BSTR name, host::IFieldObj** field) {
  if (field) *field = nullptr;
  return Call("FieldByName", [&] {
    if (!field) return E_POINTER;
    *field = new FieldObj(cursor_, cursor_->FieldIndex(com::ToUtf8(name)));
    return S_OK;
  });
}

HRESULT TableObj::SetActive(VARIANT_BOOL active) {
  return Call("SetActive", [&] {
    cursor_->SetActive(active != VARIANT_FALSE);
    return S_OK;
  });
}

HRESULT TableObj::Append(BSTR* result) {
  if (result) *result = nullptr;
  return Call("Append", [&] {
    cursor_->Append();
    Answer(result, cursor_->Table());
    return S_OK;
  });
}

HRESULT TableObj::Post(BSTR* result) {
  if (result) *result = nullptr;
  return Call("Post", [&] {
    cursor_->Post();
    Answer(result, cursor_->Table());
    return S_OK;
  });
}

HRESULT TableObj::Edit() {
  return Call("Edit", [&] {
    cursor_->Edit();
    return S_OK;
  });
}

HRESULT FieldObj::GetValue(VARIANT* value) {
  if (value) VariantInit(value);
  return Call("GetValue", [&] {
    if (!value) return E_POINTER;
    ToVariant(cursor_->Get(index_), cursor_->ColumnAt(index_), value);
    return S_OK;
  });
}

HRESULT FieldObj::SetValue(VARIANT value) {
  return Call("SetValue", [&] {
    cursor_->Set(index_, FromVariant(value, cursor_->ColumnAt(index_)));
    return S_OK;
  });
}

}  // namespace demohost

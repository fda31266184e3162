#pragma once
// The assistant's view of a table: ITableObj over a TableCursor, and IFieldObj for one of its
// fields.
#include <memory>

#include "Tutorial/host/Zendri_TLB.h"
#include "demohost/com_object.h"
#include "demohost/table_cursor.h"

namespace demohost {

class TableObj : public ComObject<host::ITableObj> {
 public:
  explicit TableObj(std::shared_ptr<TableCursor> cursor)
      : ComObject(ObjectKind::Table), cursor_(std::move(cursor)) {}
  TableCursor& Cursor() { return *cursor_; }

  DEMOHOST_UNUSED_SLOT(7) DEMOHOST_UNUSED_SLOT(8) DEMOHOST_UNUSED_SLOT(9) DEMOHOST_UNUSED_SLOT(10)
  HRESULT STDMETHODCALLTYPE Locate(BSTR field, VARIANT value, LONG, LONG, VARIANT_BOOL* found) override;
  HRESULT STDMETHODCALLTYPE FieldByName(BSTR name, host::IFieldObj** field) override;
  DEMOHOST_UNUSED_SLOT(13) DEMOHOST_UNUSED_SLOT(14) DEMOHOST_UNUSED_SLOT(15)
  HRESULT STDMETHODCALLTYPE SetActive(VARIANT_BOOL active) override;
  DEMOHOST_UNUSED_SLOT(17) DEMOHOST_UNUSED_SLOT(18) DEMOHOST_UNUSED_SLOT(19)
  DEMOHOST_UNUSED_SLOT(20) DEMOHOST_UNUSED_SLOT(21) DEMOHOST_UNUSED_SLOT(22)
  HRESULT STDMETHODCALLTYPE Append(BSTR* result) override;
  DEMOHOST_UNUSED_SLOT(24)
  HRESULT STDMETHODCALLTYPE Post(BSTR* result) override;
  DEMOHOST_UNUSED_SLOT(26) DEMOHOST_UNUSED_SLOT(27) DEMOHOST_UNUSED_SLOT(28)
  HRESULT STDMETHODCALLTYPE Edit() override;

 private:
  std::shared_ptr<TableCursor> cursor_;
};

class FieldObj : public ComObject<host::IFieldObj> {
 public:
  FieldObj(std::shared_ptr<TableCursor> cursor, int index)
      : ComObject(ObjectKind::Field), cursor_(std::move(cursor)), index_(index) {}

  HRESULT STDMETHODCALLTYPE GetValue(VARIANT* value) override;
  HRESULT STDMETHODCALLTYPE SetValue(VARIANT value) override;

 private:
  std::shared_ptr<TableCursor> cursor_;
  int index_;
};

}  // namespace demohost

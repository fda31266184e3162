#pragma once
// The host's windows as the assistant receives them: each a modal list window on its table
// (see record_list_window.h) behind the window interface the assistant expects.
#include <windows.h>

#include <memory>
#include <string>

#include "Tutorial/host/Zendri_TLB.h"
#include "demohost/com_object.h"
#include "demohost/schema.h"
#include "demohost/table_obj.h"

namespace demohost {

// What all the window objects share: the design, the database, the table handed out by
// GetTable, and the page to show.
class FormCore {
 public:
  FormCore(WindowKind kind, std::shared_ptr<Database> db, HWND fallbackOwner);
  ~FormCore();

  HRESULT GetTable(host::ITableObj** table);
  HRESULT ShowModal(LONG* result);
  HRESULT ShowPage(BSTR page, LONG* result);
  HRESULT Commit();
  HRESULT Rollback();

 private:
  const WindowDesign& design_;
  std::shared_ptr<Database> db_;
  HWND fallbackOwner_;
  TableObj* table_;  // one reference, ours
  std::string page_;
};

// Slots 7-20 of every window, ShowModal among them.
#define DEMOHOST_BASIC_FORM                                                               \
  DEMOHOST_UNUSED_SLOT(7) DEMOHOST_UNUSED_SLOT(8) DEMOHOST_UNUSED_SLOT(9)                 \
  DEMOHOST_UNUSED_SLOT(10) DEMOHOST_UNUSED_SLOT(11) DEMOHOST_UNUSED_SLOT(12)              \
  DEMOHOST_UNUSED_SLOT(13)                                                                \
  HRESULT STDMETHODCALLTYPE ShowModal(LONG* result) override { return core_.ShowModal(result); } \
  DEMOHOST_UNUSED_SLOT(15) DEMOHOST_UNUSED_SLOT(16) DEMOHOST_UNUSED_SLOT(17)              \
  DEMOHOST_UNUSED_SLOT(18) DEMOHOST_UNUSED_SLOT(19) DEMOHOST_UNUSED_SLOT(20)

template <class Interface>
class CardForm : public ComObject<Interface> {
 public:
  CardForm(WindowKind kind, std::shared_ptr<Database> db, HWND owner)
      : ComObject<Interface>(ObjectKind::Window), core_(kind, std::move(db), owner) {}
  DEMOHOST_BASIC_FORM
  HRESULT STDMETHODCALLTYPE GetTable(host::ITableObj** t) override { return core_.GetTable(t); }

 protected:
  FormCore core_;
};

template <class Interface>
class PagedCardForm : public CardForm<Interface> {
 public:
  using CardForm<Interface>::CardForm;
  DEMOHOST_UNUSED_SLOT(22) DEMOHOST_UNUSED_SLOT(23) DEMOHOST_UNUSED_SLOT(24) DEMOHOST_UNUSED_SLOT(25)
  HRESULT STDMETHODCALLTYPE ShowPage(BSTR page, LONG* result) override {
    return this->core_.ShowPage(page, result);
  }
};

class CurrencyForm : public ComObject<host::ICurrencyForm> {
 public:
  CurrencyForm(std::shared_ptr<Database> db, HWND owner)
      : ComObject(ObjectKind::Window), core_(WindowKind::Currencies, std::move(db), owner) {}
  DEMOHOST_BASIC_FORM
  HRESULT STDMETHODCALLTYPE GetTable(host::ITableObj** t) override { return core_.GetTable(t); }
  HRESULT STDMETHODCALLTYPE CommitChanges() override { return core_.Commit(); }
  HRESULT STDMETHODCALLTYPE RollbackChanges() override { return core_.Rollback(); }

 private:
  FormCore core_;
};

class JVForm : public ComObject<host::IJVForm> {
 public:
  JVForm(std::shared_ptr<Database> db, HWND owner)
      : ComObject(ObjectKind::Window), core_(WindowKind::Vouchers, std::move(db), owner) {}
  DEMOHOST_BASIC_FORM
  DEMOHOST_UNUSED_SLOT(21) DEMOHOST_UNUSED_SLOT(22) DEMOHOST_UNUSED_SLOT(23) DEMOHOST_UNUSED_SLOT(24)
  HRESULT STDMETHODCALLTYPE GetTable(host::ITableObj** t) override { return core_.GetTable(t); }

 private:
  FormCore core_;
};

using AccountsForm = CardForm<host::IAccountsForm>;
using EmployeesForm = CardForm<host::IEmployeesForm>;
using JobsForm = CardForm<host::IJobsForm>;
using StockForm = CardForm<host::IStockForm>;
using BankForm = CardForm<host::IBankForm>;
using LocationForm = CardForm<host::ILocationForm>;
using VendorForm = PagedCardForm<host::IVendorForm>;
using CustomerForm = PagedCardForm<host::ICustomerForm>;

// The default accounts of one section in one currency, shown modally.
void ShowDefaultAccountsWindow(HWND owner, const std::shared_ptr<Database>& db, int section,
                               const std::string& currency);

}  // namespace demohost

#pragma once
// The host's automation interfaces as the assistant calls them. Every slot of each function
// table is declared in its place; slots the assistant never calls are placeholders so the
// ones it calls sit at the positions the host's type library gives them (0-6: the automation
// base). All calls return a status; see host_calls.h for the checked wrappers.
#include "platform/com/com.h"

namespace host {

#define TUTOR_SLOT(n) virtual HRESULT STDMETHODCALLTYPE Reserved##n() = 0

struct ITableObj;
struct IFieldObj;

// Slots 7-20 of every host window.
struct IBasicFormObj : IDispatch {
  TUTOR_SLOT(7); TUTOR_SLOT(8); TUTOR_SLOT(9); TUTOR_SLOT(10); TUTOR_SLOT(11); TUTOR_SLOT(12);
  TUTOR_SLOT(13);
  virtual HRESULT STDMETHODCALLTYPE ShowModal(LONG* result) = 0;  // 14: returns once closed
  TUTOR_SLOT(15); TUTOR_SLOT(16); TUTOR_SLOT(17); TUTOR_SLOT(18); TUTOR_SLOT(19); TUTOR_SLOT(20);
};

struct INormalCardForm : IBasicFormObj {
  virtual HRESULT STDMETHODCALLTYPE GetTable(ITableObj** table) = 0;  // 21
};

struct IStandardCardForm : IBasicFormObj {
  virtual HRESULT STDMETHODCALLTYPE GetTable(ITableObj** table) = 0;  // 21
  virtual HRESULT STDMETHODCALLTYPE CommitChanges() = 0;              // 22
  virtual HRESULT STDMETHODCALLTYPE RollbackChanges() = 0;            // 23
};

struct IStandardOperationForm : IBasicFormObj {
  TUTOR_SLOT(21); TUTOR_SLOT(22); TUTOR_SLOT(23); TUTOR_SLOT(24);
  virtual HRESULT STDMETHODCALLTYPE GetTable(ITableObj** table) = 0;  // 25
};

struct IAccountsForm : INormalCardForm {};
struct IEmployeesForm : INormalCardForm {};
struct IJobsForm : INormalCardForm {};
struct IStockForm : INormalCardForm {};
struct IBankForm : INormalCardForm {};
struct ILocationForm : INormalCardForm {};

// Vendor and customer windows can open on one of their pages.
struct IPagedCardForm : INormalCardForm {
  TUTOR_SLOT(22); TUTOR_SLOT(23); TUTOR_SLOT(24); TUTOR_SLOT(25);
  virtual HRESULT STDMETHODCALLTYPE ShowPage(BSTR pageName, LONG* result) = 0;  // 26
};
struct IVendorForm : IPagedCardForm {};
struct ICustomerForm : IPagedCardForm {};

struct ICurrencyForm : IStandardCardForm {};
struct IJVForm : IStandardOperationForm {};

struct ITableObj : IDispatch {
  TUTOR_SLOT(7); TUTOR_SLOT(8); TUTOR_SLOT(9); TUTOR_SLOT(10);
  virtual HRESULT STDMETHODCALLTYPE Locate(BSTR fieldName, VARIANT value, LONG option1,
                                           LONG option2, VARIANT_BOOL* found) = 0;  // 11
  virtual HRESULT STDMETHODCALLTYPE FieldByName(BSTR name, IFieldObj** field) = 0;  // 12
  TUTOR_SLOT(13); TUTOR_SLOT(14); TUTOR_SLOT(15);
  virtual HRESULT STDMETHODCALLTYPE SetActive(VARIANT_BOOL active) = 0;  // 16
  TUTOR_SLOT(17); TUTOR_SLOT(18); TUTOR_SLOT(19); TUTOR_SLOT(20); TUTOR_SLOT(21); TUTOR_SLOT(22);
  virtual HRESULT STDMETHODCALLTYPE Append(BSTR* result) = 0;  // 23
  TUTOR_SLOT(24);
  virtual HRESULT STDMETHODCALLTYPE Post(BSTR* result) = 0;  // 25
  TUTOR_SLOT(26); TUTOR_SLOT(27); TUTOR_SLOT(28);
  virtual HRESULT STDMETHODCALLTYPE Edit() = 0;  // 29
};

struct IFieldObj : IDispatch {
  virtual HRESULT STDMETHODCALLTYPE GetValue(VARIANT* value) = 0;  // 7
  virtual HRESULT STDMETHODCALLTYPE SetValue(VARIANT value) = 0;   // 8
};

struct IXMainForm : IDispatch {
  virtual HRESULT STDMETHODCALLTYPE OpenCompany(BSTR path) = 0;  // 7
  TUTOR_SLOT(8); TUTOR_SLOT(9); TUTOR_SLOT(10); TUTOR_SLOT(11); TUTOR_SLOT(12); TUTOR_SLOT(13);
  TUTOR_SLOT(14); TUTOR_SLOT(15); TUTOR_SLOT(16); TUTOR_SLOT(17); TUTOR_SLOT(18); TUTOR_SLOT(19);
  TUTOR_SLOT(20); TUTOR_SLOT(21);
  virtual HRESULT STDMETHODCALLTYPE GetStockForm(LONG id, IStockForm** form) = 0;          // 22
  virtual HRESULT STDMETHODCALLTYPE GetJobsForm(LONG id, IJobsForm** form) = 0;            // 23
  virtual HRESULT STDMETHODCALLTYPE GetEmployeesForm(LONG id, IEmployeesForm** form) = 0;  // 24
  virtual HRESULT STDMETHODCALLTYPE GetAccountsForm(LONG id, IAccountsForm** form) = 0;    // 25
  TUTOR_SLOT(26); TUTOR_SLOT(27); TUTOR_SLOT(28); TUTOR_SLOT(29); TUTOR_SLOT(30); TUTOR_SLOT(31);
  TUTOR_SLOT(32); TUTOR_SLOT(33); TUTOR_SLOT(34); TUTOR_SLOT(35); TUTOR_SLOT(36); TUTOR_SLOT(37);
  TUTOR_SLOT(38); TUTOR_SLOT(39);
  virtual HRESULT STDMETHODCALLTYPE GetCustomerForm(LONG id, ICustomerForm** form) = 0;  // 40
  TUTOR_SLOT(41); TUTOR_SLOT(42); TUTOR_SLOT(43);
  virtual HRESULT STDMETHODCALLTYPE GetJVForm(LONG id, IJVForm** form) = 0;  // 44
  TUTOR_SLOT(45); TUTOR_SLOT(46); TUTOR_SLOT(47); TUTOR_SLOT(48);
  virtual HRESULT STDMETHODCALLTYPE ShowDefaultAccounts(LONG section, BSTR currencyCode,
                                                        LONG* result) = 0;  // 49
  virtual HRESULT STDMETHODCALLTYPE CreateCompany(BSTR settings, BSTR* text1, BSTR* text2,
                                                  VARIANT_BOOL* created) = 0;  // 50
  virtual HRESULT STDMETHODCALLTYPE GetCurrencyForm(LONG id, ICurrencyForm** form) = 0;  // 51
  virtual HRESULT STDMETHODCALLTYPE GetVendorForm(LONG id, IVendorForm** form) = 0;      // 52
  virtual HRESULT STDMETHODCALLTYPE GetBankForm(LONG id, IBankForm** form) = 0;          // 53
  virtual HRESULT STDMETHODCALLTYPE GetLocationForm(LONG id, ILocationForm** form) = 0;  // 54
};

// The host's current database connection, the answer to message kQueryCurrentDatabase
// (0x340F) sent to the host's main window: wParam is the address of an empty
// IZndrConnection* cell, lParam 0. A host that answers non-zero has stored a connection
// there with one reference taken for the caller, who releases it when done.
inline constexpr unsigned kQueryCurrentDatabase = 0x340F;

struct IZndrConnection : IDispatch {
  virtual HRESULT STDMETHODCALLTYPE GetDatabaseName(BSTR* fileName) = 0;      // 7: full path
  virtual HRESULT STDMETHODCALLTYPE GetConnected(VARIANT_BOOL* connected) = 0;  // 8
};

#undef TUTOR_SLOT

}  // namespace host

// The host's interfaces: the slots the assistant calls sit where the host's table has them,
// and failing calls become errors with the host's own text.
#include <gtest/gtest.h>

#include "Tutorial/host/host_calls.h"
#include "tests/unit/fake_host.h"

namespace {

// Calls slot `index` of the object's function table as a method taking (BSTR).
HRESULT CallSlotWithText(void* object, int index, BSTR text) {
  using Method = HRESULT(STDMETHODCALLTYPE*)(void*, BSTR);
  void** table = *static_cast<void***>(object);
  return reinterpret_cast<Method>(table[index])(object, text);
}

HRESULT CallSlotWithId(void* object, int index, LONG id, void** out) {
  using Method = HRESULT(STDMETHODCALLTYPE*)(void*, LONG, void**);
  void** table = *static_cast<void***>(object);
  return reinterpret_cast<Method>(table[index])(object, id, out);
}

}  // namespace

TEST(HostInterface, CalledOperationsSitAtTheHostsSlots) {
  FakeMainForm form;
  host::IXMainForm* iface = &form;
  com::Bstr path("C:\\Data\\A.gdb");
  CallSlotWithText(iface, 7, path.Get());
  void* window = nullptr;
  const struct {
    int slot;
    const char* call;
  } getters[] = {{22, "GetStockForm"},    {23, "GetJobsForm"},     {24, "GetEmployeesForm"},
                 {25, "GetAccountsForm"}, {40, "GetCustomerForm"}, {44, "GetJVForm"},
                 {51, "GetCurrencyForm"}, {52, "GetVendorForm"},   {53, "GetBankForm"},
                 {54, "GetLocationForm"}};
  for (const auto& g : getters) CallSlotWithId(iface, g.slot, -1, &window);
  ASSERT_EQ(form.calls.size(), 11u);
  EXPECT_EQ(form.calls[0], "OpenCompany C:\\Data\\A.gdb");
  for (size_t i = 0; i < std::size(getters); ++i) EXPECT_EQ(form.calls[i + 1], getters[i].call);
}

TEST(HostInterface, FailuresCarryTheHostsTextAndMissingWindowsAreErrors) {
  FakeMainForm form;
  host::MainForm calls(&form);
  form.failWith = E_FAIL;
  form.errorText = "The company file is locked.";
  try {
    calls.OpenCompany("C:\\x.gdb");
    FAIL() << "a failing status must raise";
  } catch (const host::HostError& e) {
    EXPECT_STREQ(e.what(), "The company file is locked.");
    EXPECT_EQ(e.Status(), E_FAIL);
  }
  form.errorText.clear();
  EXPECT_THROW(calls.OpenCompany("C:\\x.gdb"), host::HostError);  // no text: a generic one

  form.failWith = S_OK;
  EXPECT_THROW(calls.GetAccountsForm(), ui::Error);  // succeeded, but no window
  EXPECT_TRUE(calls.CreateCompany("[SourceCompany]\r\n"));
  EXPECT_EQ(form.calls.back(), "CreateCompany [SourceCompany]\r\n");
}

// Fault injection: each kind of rule does what it says, and only to the calls it names.
#include "host_fixture.h"

#include "demohost/connection_obj.h"
#include "demohost/files.h"
#include "demohost/host_error.h"
#include "platform/com/ptr.h"

namespace demohost::test {
namespace {

using FaultInjection = HostTest;

TEST_F(FaultInjection, MalformedRulesAreRefusedWithTheRule) {
  const char* const bad[] = {"CreateCompany",           "Frobnicate=fail:x",
                             "Post=explode",            "Post#0=fail:x",
                             "Post=nowindow",           "OpenCompany=notcreated",
                             "GetJVForm=none",          "QueryCurrentDatabase=fail:x"};
  for (const char* rule : bad) {
    SCOPED_TRACE(rule);
    try {
      Faults::Parse(std::string("Append=fail:ok;") + rule);
      ADD_FAILURE() << "accepted";
    } catch (const HostError& e) {
      EXPECT_NE(std::string(e.what()).find(rule), std::string::npos) << e.what();
    }
  }
  EXPECT_TRUE(Faults::Parse(" ; ").Empty());
}

TEST_F(FaultInjection, FailsTheNamedCallWithItsTextOnItsNthCall) {
  ActiveFaults() = Faults::Parse("CreateCompany#2=fail:The disk is full;OpenCompany=fail:Locked by Bob");
  const std::string first = CreateCompany("one.gdb");  // call 1 goes through
  const std::string second = folder_ + "\\two.gdb";
  com::Bstr text(SettingsFor(SampleCompanyPath(), second)), t1, t2;
  VARIANT_BOOL created = VARIANT_TRUE;
  EXPECT_EQ(form_.CreateCompany(text.Get(), t1.Out(), t2.Out(), &created), E_FAIL);
  EXPECT_EQ(ErrorText(), "The disk is full");
  EXPECT_EQ(created, VARIANT_FALSE);
  EXPECT_FALSE(FileExists(second));
  CreateCompany("three.gdb");  // call 3 goes through again

  com::Bstr path(first);
  EXPECT_EQ(form_.OpenCompany(path.Get()), E_FAIL);
  EXPECT_EQ(ErrorText(), "Locked by Bob");
  EXPECT_FALSE(session_.IsOpen());
}

TEST_F(FaultInjection, NoWindowNotCreatedAndNoAnswer) {
  const std::string path = CreateCompany();
  com::Bstr p(path);
  ASSERT_EQ(form_.OpenCompany(p.Get()), S_OK);
  ActiveFaults() = Faults::Parse("GetVendorForm=nowindow;CreateCompany=notcreated;QueryCurrentDatabase#1=none");

  com::Ptr<host::IVendorForm> vendors;
  EXPECT_EQ(form_.GetVendorForm(-1, vendors.Out()), S_OK);
  EXPECT_FALSE(vendors);
  com::Ptr<host::ICustomerForm> customers;  // other getters are not touched
  EXPECT_EQ(form_.GetCustomerForm(-1, customers.Out()), S_OK);
  EXPECT_TRUE(customers);

  const std::string target = folder_ + "\\never.gdb";
  com::Bstr text(SettingsFor(SampleCompanyPath(), target)), t1, t2;
  VARIANT_BOOL created = VARIANT_TRUE;
  EXPECT_EQ(form_.CreateCompany(text.Get(), t1.Out(), t2.Out(), &created), S_OK);
  EXPECT_EQ(created, VARIANT_FALSE);
  EXPECT_FALSE(FileExists(target));

  host::IZndrConnection* connection = nullptr;
  EXPECT_EQ(AnswerCurrentDatabase(session_, WPARAM(&connection)), 0);
  EXPECT_EQ(connection, nullptr);
  EXPECT_EQ(AnswerCurrentDatabase(session_, WPARAM(&connection)), 1);  // only the first
  ASSERT_NE(connection, nullptr);
  connection->Release();
}

}  // namespace
}  // namespace demohost::test

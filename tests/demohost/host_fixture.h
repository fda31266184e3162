#pragma once
// Shared set-up of the demo host tests: a temporary folder of its own per test, the sample
// company beside the test program, settings texts, and variants.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "demohost/company_session.h"
#include "demohost/demo_main_form.h"
#include "demohost/faults.h"
#include "platform/com/com.h"
#include "platform/com/error_info.h"

namespace demohost::test {

std::string TempFolder();  // fresh, removed again by the fixture
void RemoveFolder(const std::string& folder);
std::string SampleCompanyPath();

// The settings text the assistant builds, CR LF lines; `extra` is appended as it is.
std::string SettingsFor(const std::string& source, const std::string& target,
                        const std::string& extra = "");

VARIANT Int(LONG v);
VARIANT Text(const char* v);   // the caller clears it
VARIANT Date(double v);

// Runs `inspect` on the next top-level window of the class once it shows, then closes it.
void WhenWindowShows(const wchar_t* windowClass, std::function<void(HWND)> inspect);

class HostTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  // Creates a company at folder\name through CreateCompany; returns its path.
  std::string CreateCompany(const std::string& name = "Acme.gdb");
  // The error text of the last failing call.
  static std::string ErrorText() { return com::TakeErrorDescription(); }

  std::string folder_;
  CompanySession session_;
  DemoMainForm form_{session_};
};

}  // namespace demohost::test

// The currency defaults: read once per library load, defaults for absent values, and the
// registry's data-type error for a value that is not text.
#include <gtest/gtest.h>

#include "Tutorial/AssPblcProc.h"
#include "platform/headless/memory_registry.h"
#include "platform/os/error.h"

namespace {

constexpr const char* kKey = "Software\\Tavrilenk\\Zendri Accounting 2000\\Tutorial";

class SharedSettingsTest : public ::testing::Test {
 protected:
  SharedSettingsTest() {
    os::SetRegistry(&registry);
    tutorial::ReleaseSharedSettings();
  }
  ~SharedSettingsTest() override {
    tutorial::ReleaseSharedSettings();
    os::SetRegistry(nullptr);
  }
  headless::MemoryRegistry registry;
};

TEST_F(SharedSettingsTest, DefaultsFillWhatIsAbsentAndTheFirstReadStaysUntilUnload) {
  registry.SetValue(kKey, "SecondaryCurCode", std::string("EUR"));
  tutorial::LoadSharedSettings();
  const tutorial::CurrencySettings& read = tutorial::CurrencyDefaults();
  EXPECT_EQ(read.MainCurCode, "USD");
  EXPECT_EQ(read.MainCurDesc, "U.S. Dollar");
  EXPECT_EQ(read.SecondaryCurCode, "EUR");
  EXPECT_EQ(read.SecondaryCurDesc, "LL Pound");

  registry.SetValue(kKey, "MainCurCode", std::string("CHF"));
  tutorial::LoadSharedSettings();  // a second run of the same load
  EXPECT_EQ(tutorial::CurrencyDefaults().MainCurCode, "USD");
  tutorial::ReleaseSharedSettings();  // unload, then a new load
  EXPECT_EQ(tutorial::CurrencyDefaults().MainCurCode, "CHF");
}

TEST_F(SharedSettingsTest, ANonTextValueFailsWithTheDataTypeErrorAndIsReadAgainNextTime) {
  registry.SetValue(kKey, "MainCurDesc", uint32_t(7));
  EXPECT_THROW(tutorial::LoadSharedSettings(), os::RegistryTypeError);
  registry.SetValue(kKey, "MainCurDesc", std::string("Dollar"));
  EXPECT_EQ(tutorial::CurrencyDefaults().MainCurDesc, "Dollar");
}

}  // namespace

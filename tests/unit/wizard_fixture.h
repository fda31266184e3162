#pragma once
// A wizard window on the headless backend, with an in-memory registry and a scratch data folder.
#include <filesystem>
#include <memory>
#include <string>

#include "Tutorial/ContSheet.h"
#include "Tutorial/Main.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/edit.h"
#include "platform/headless/memory_registry.h"
#include "platform/headless/posix_file_system.h"
#include "platform/os/file_system.h"
#include "platform/os/registry.h"
#include "tests/unit/headless_fixture.h"

class WizardTest : public HeadlessTest {
 protected:
  static constexpr const char* kTutorialKey = "Software\\Tavrilenk\\Zendri Accounting 2000\\Tutorial";
  static constexpr const char* kMainKey = "Software\\Tavrilenk\\Zendri Accounting 2000\\Main";

  WizardTest() {
    os::SetRegistry(&registry);
    os::SetFiles(&files);
    folder = std::filesystem::temp_directory_path() /
             ("wizard-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
              ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    registry.SetValue(kMainKey, "", folder.string() + "/");
  }
  ~WizardTest() override {
    window.reset();
    std::filesystem::remove_all(folder);
    os::SetRegistry(nullptr);
    os::SetFiles(nullptr);
  }

  tutorial::TfmMain& Open() {
    window = std::make_unique<tutorial::TfmMain>(folder.string() + "/host.exe");
    app.Idle();
    return *window;
  }
  // Closes the window as the end of a run does: pages freed, tables saved, settings written.
  void Destroy() { window.reset(); }

  std::string Registry(const char* name) const {
    auto value = registry.GetValue(kTutorialKey, name);
    return value ? std::get<std::string>(*value) : std::string("<absent>");
  }
  // A press, then what the message loop runs next: posted work, the timers due at once, idle.
  void Next() { window->acNext->Execute(); backend.Advance(1); }
  void Previous() { window->acPrevious->Execute(); backend.Advance(1); }
  void Type(const char* editName, const std::string& text) {
    tutorial::TfmContentSheet* page = window->PageOf(window->CurrentStep());
    if (auto* combo = page->Find<ui::ComboBox>(editName)) {
      combo->UserChangedText(text);
    } else {
      auto* edit = page->Find<ui::Edit>(editName);
      ASSERT_NE(edit, nullptr) << editName;
      edit->UserChangedText(text);
    }
    app.Idle();
  }
  bool NextEnabled() { app.Idle(); return window->acNext->Enabled(); }
  bool PreviousEnabled() { app.Idle(); return window->acPrevious->Enabled(); }

  headless::MemoryRegistry registry;
  headless::PosixFileSystem files;
  std::filesystem::path folder;
  std::unique_ptr<tutorial::TfmMain> window;
};

// Steps 1 to 4: the start page's options and rules, the company path with its dialog and
// suggestion, the company details, and the fiscal year with its defaults and spin button.
#include <ctime>
#include <filesystem>
#include <fstream>

#include "Tutorial/AssPblcVars.h"
#include "Tutorial/CompInfo.h"
#include "Tutorial/CompPath.h"
#include "Tutorial/FirstPage.h"
#include "Tutorial/FiscYear.h"
#include "components/Dbspin.h"
#include "platform/data/table.h"
#include "platform/headless/headless_sound_device.h"
#include "platform/headless/scripted_file_dialog.h"
#include "platform/os/sound_device.h"
#include "platform/os/file_dialog.h"
#include "platform/ui/image.h"
#include "tests/unit/fake_currency_host.h"
#include "tests/unit/fake_host.h"
#include "tests/unit/sound_test_support.h"
#include "tests/unit/wizard_fixture.h"

namespace {

using namespace tutorial;

int ThisYear() {
  const std::time_t now = std::time(nullptr);
  return std::localtime(&now)->tm_year + 1900;
}

class CreationPagesTest : public WizardTest {
 protected:
  CreationPagesTest() { os::SetDialogs(&dialogs); }
  ~CreationPagesTest() override { os::SetDialogs(nullptr); }

  TfmMain& OpenWithHost() {
    TfmMain& w = Open();
    host::TZndrAppData data{};
    data.MainForm = &mainForm;
    w.SetAppData(data);
    return w;
  }
  template <class Page>
  Page& Current() {
    auto* page = dynamic_cast<Page*>(window->PageOf(window->CurrentStep()));
    if (!page) throw std::logic_error("not the expected page");
    return *page;
  }
  // A company record left by an earlier run, as the tables hold it at the next start.
  void LeaveCompany(const std::string& name) {
    data::Table& company = window->MainData().Company;
    company.Append();
    company.FieldByName("Name1").SetAsString(name);
    company.Post();
  }
  bool Task(int task) {
    data::Table& tasks = window->MainData().Tasks;
    return tasks.Locate("Step", int32_t(task)) && tasks.FieldByName("Accomplished").AsBoolean();
  }
  void Leave(ui::WindowedControl& control) {
    window->SetActiveControl(&control);
    window->SetActiveControl(nullptr);
    app.Idle();
  }
  std::string Field(const char* name) { return window->MainData().Company.FieldByName(name).AsString(); }
  std::string Host() const { return folder.string() + "/host.exe"; }
  void Touch(const std::filesystem::path& path) { std::ofstream(path) << "x"; }

  headless::ScriptedFileDialog dialogs;
  FakeMainForm mainForm;
};

}  // namespace

// --- step 1 ---

TEST_F(CreationPagesTest, NewCompanyAsksOnlyWhenAnEarlierRunLeftData) {
  TfmMain& w = Open();
  SetTaskAccomplished(w.MainData(), 1, true);
  // Empty: no question (an unscripted one would fail the test), tables reset, step 2.
  Current<TfmFirstPage>().acNewCompany->Execute();
  EXPECT_EQ(w.CurrentStep(), 2);
  EXPECT_FALSE(Task(1));
  EXPECT_EQ(w.MainData().Tasks.RecordCount(), 21);

  w.GoToStep(1);
  LeaveCompany("Acme");
  backend.AnswerNextModal(ui::mrNo);
  Current<TfmFirstPage>().acNewCompany->Execute();
  EXPECT_EQ(w.CurrentStep(), 1);
  EXPECT_EQ(Field("Name1"), "Acme");

  backend.AnswerNextModal(ui::mrCancel);  // neither Yes nor No counts as consent
  Current<TfmFirstPage>().acNewCompany->Execute();
  EXPECT_EQ(w.CurrentStep(), 2);
  EXPECT_TRUE(w.MainData().Company.IsEmpty());
  EXPECT_EQ(backend.PendingAnswers(), 0u);
}

TEST_F(CreationPagesTest, ContinueNeedsAnEarlierStepAndACompanyRecord) {
  TfmMain& w = Open();
  ui::Action& cont = *Current<TfmFirstPage>().acContComp;
  LeaveCompany("Acme");
  app.Idle();
  EXPECT_FALSE(cont.Enabled()) << "LastPage 1";
  w.LastPage = 3;
  w.MainData().Company.EmptyTable();
  app.Idle();
  EXPECT_FALSE(cont.Enabled()) << "no company";
  LeaveCompany("Acme");
  app.Idle();
  ASSERT_TRUE(cont.Enabled());
  cont.Execute();
  EXPECT_EQ(w.CurrentStep(), 3);
  EXPECT_EQ(Current<TfmCompInfo>().EditName1->Text(), "Acme");
}

TEST_F(CreationPagesTest, TheTutorialWalksTheGuidedStepsAsNextDoes) {
  TfmMain& w = Open();
  Current<TfmFirstPage>().acTutorial->Execute();
  EXPECT_EQ(w.CurrentStep(), 2);
  w.GoToStep(1);
  w.LastPage = 9;
  Current<TfmFirstPage>().acTutorial->Execute();
  EXPECT_EQ(w.CurrentStep(), 7);
}

TEST_F(CreationPagesTest, OpeningAnExistingCompanyRecordsItAndGoesToTheSetUpSteps) {
  TfmMain& w = OpenWithHost();
  dialogs.AnswerNext(std::nullopt);
  Current<TfmFirstPage>().acExistingCompany->Execute();
  EXPECT_EQ(w.CurrentStep(), 1);
  EXPECT_TRUE(mainForm.calls.empty());
  const os::OpenFileRequest& asked = dialogs.Requests().back();
  EXPECT_EQ(asked.defaultExt, "gdb");
  EXPECT_TRUE(asked.mustExist);
  EXPECT_EQ(asked.initialDir, folder.string() + "/");

  mainForm.failWith = E_FAIL;  // the host cannot open it: nothing is recorded
  mainForm.errorText = "The file is not a company database.";
  dialogs.AnswerNext("/c/Old.gdb");
  app.Guard([&] { Current<TfmFirstPage>().acExistingCompany->Execute(); });
  EXPECT_EQ(w.CurrentStep(), 1);
  EXPECT_TRUE(w.MainData().Company.IsEmpty());
  ASSERT_EQ(backend.ErrorBoxes().size(), 1u);
  EXPECT_EQ(backend.ErrorBoxes()[0], "The file is not a company database.");

  mainForm.failWith = S_OK;
  FakeHostLog log{mainForm.calls};  // the host then reports that company as its current one
  fake::Connection current{log};
  current.databaseName = "/c/Old.gdb";
  backend.OnHostMessage = [&](void*, unsigned, uintptr_t cell, intptr_t) -> intptr_t {
    current.AddRef();
    *reinterpret_cast<host::IZndrConnection**>(cell) = &current;
    return 1;
  };
  dialogs.AnswerNext("/c/Old.gdb");
  Current<TfmFirstPage>().acExistingCompany->Execute();
  EXPECT_EQ(mainForm.calls.back(), "OpenCompany /c/Old.gdb");
  EXPECT_EQ(w.CurrentStep(), 7);
  EXPECT_EQ(Field("Path"), "/c/Old.gdb");
  EXPECT_EQ(Field("Created"), "True");
  EXPECT_EQ(w.MainData().Company.State(), data::TableState::Browse);
  EXPECT_EQ(w.LastPage, 7);
}

// --- step 2 ---

TEST_F(CreationPagesTest, TheSuggestionTakesTheFirstFreeNumberBesideTheHost) {
  namespace fs = std::filesystem;
  const fs::path data = folder / "Data";
  EXPECT_EQ(TfmCompPath::SuggestedPath(Host()), (data / "Z2KData1.gdb").string());
  EXPECT_TRUE(fs::is_directory(data)) << "the missing folder is created";
  Touch(data / "Z2KData1.gdb");
  Touch(data / "Z2KData3.gdb");
  EXPECT_EQ(TfmCompPath::SuggestedPath(Host()), (data / "Z2KData2.gdb").string());
  Touch(data / "Z2KData2.gdb");
  EXPECT_EQ(TfmCompPath::SuggestedPath(Host()), (data / "Z2KData4.gdb").string());

  // A folder that cannot be created still gives a suggestion, number 1.
  const std::string nowhere = (folder / "missing" / "deeper" / "host.exe").string();
  EXPECT_EQ(TfmCompPath::SuggestedPath(nowhere), (folder / "missing/deeper/Data/Z2KData1.gdb").string());
  // Folder names beyond ASCII are kept as they are.
  const fs::path accented = folder / "Comptabilit\xC3\xA9";
  fs::create_directories(accented);
  EXPECT_EQ(TfmCompPath::SuggestedPath((accented / "host.exe").string()),
            (accented / "Data" / "Z2KData1.gdb").string());
  EXPECT_TRUE(fs::is_directory(accented / "Data"));
}

TEST_F(CreationPagesTest, BrowseAndSuggestFillThePathAndLeavingTheEditSetsTheTask) {
  TfmMain& w = Open();
  Next();
  TfmCompPath& page = Current<TfmCompPath>();
  dialogs.AnswerNext(std::nullopt);
  page.ZndrSpeedButton1->Click();
  EXPECT_EQ(Field("Path"), "");
  EXPECT_EQ(dialogs.Requests().back().filter, "Database file(*.gdb)|*.gdb|All Files(*.*)|*.*");
  EXPECT_FALSE(dialogs.Requests().back().mustExist);

  const std::string chosen = "/very/" + std::string(600, 'p') + "/Z2K \xE2\x82\xAC;'%s.gdb";
  dialogs.AnswerNext(chosen);
  page.ZndrSpeedButton1->Click();
  EXPECT_EQ(Field("Path"), chosen);
  EXPECT_EQ(page.EditCompPath->Text(), chosen) << "shown whole, however long";
  EXPECT_TRUE(NextEnabled());

  page.ZndrSpeedButton2->Click();
  EXPECT_EQ(page.EditCompPath->Text(), (folder / "Data" / "Z2KData1.gdb").string());
  EXPECT_FALSE(page.Mark1->Visible());
  Leave(*page.EditCompPath);
  EXPECT_TRUE(Task(1));
  EXPECT_TRUE(page.Mark1->Visible());

  page.EditCompPath->UserChangedText("");
  EXPECT_FALSE(NextEnabled());
  EXPECT_EQ(w.acNext->Hint(), "Enter the database path to go on");
  Leave(*page.EditCompPath);
  EXPECT_FALSE(Task(1));
  EXPECT_FALSE(page.Mark1->Visible());
}

// --- step 3 ---

TEST_F(CreationPagesTest, DetailsSetTheirTasksAndAcceleratorsFocusTheirEdits) {
  TfmMain& w = Open();
  w.GoToStep(3);
  TfmCompInfo& page = Current<TfmCompInfo>();
  EXPECT_EQ(page.EditName1->MaxLength(), 45);
  EXPECT_EQ(page.EditState->MaxLength(), 15);
  EXPECT_EQ(page.EditPhone2->MaxLength(), 10);

  page.EditName2->UserChangedText("Trading Ltd");
  Leave(*page.EditName2);
  EXPECT_FALSE(Task(2));
  EXPECT_FALSE(NextEnabled());
  EXPECT_EQ(w.acNext->Hint(), "Enter the company name to go on");

  page.EditPhone1->UserChangedText("555-0100");
  Leave(*page.EditPhone1);
  EXPECT_TRUE(Task(3));
  EXPECT_TRUE(page.Mark3->Visible());
  EXPECT_FALSE(page.Mark2->Visible());
  page.EditPhone1->UserChangedText("");
  Leave(*page.EditPhone1);
  EXPECT_FALSE(page.Mark3->Visible());

  w.Show();  // accelerators reach only what is on the screen
  EXPECT_TRUE(w.HandleDialogChar(U'c'));
  EXPECT_EQ(w.ActiveControl(), page.EditCity);
  EXPECT_TRUE(w.HandleDialogChar(U'O'));
  EXPECT_EQ(w.ActiveControl(), page.EditPhone2);
  EXPECT_TRUE(w.HandleDialogChar(U'1'));
  EXPECT_EQ(w.ActiveControl(), page.EditName1);
}

// --- step 4 ---

TEST_F(CreationPagesTest, TheFirstVisitFillsTheDefaultsAndLaterVisitsKeepTheYear) {
  TfmMain& w = Open();
  w.GoToStep(4);
  TfmFiscaleYear& page = Current<TfmFiscaleYear>();
  EXPECT_EQ(page.EditFiscYear->Text(), std::to_string(ThisYear()));
  EXPECT_EQ(page.EditPeriods->Text(), "12");
  EXPECT_TRUE(page.Mark4->Visible());
  EXPECT_TRUE(page.Mark5->Visible());
  EXPECT_EQ(page.EditPeriods->Items(), (std::vector<std::string>{"1", "2", "4", "12"}));
  page.EditPeriods->DropDown();
  page.EditPeriods->DropDown();
  EXPECT_EQ(page.EditPeriods->Items().size(), 4u) << "no duplicates";

  page.DBSpinButton1->DownButton().Click();
  EXPECT_EQ(page.EditFiscYear->Text(), std::to_string(ThisYear() - 1));
  w.GoToStep(3);
  w.GoToStep(4);
  TfmFiscaleYear& again = Current<TfmFiscaleYear>();
  EXPECT_EQ(again.EditFiscYear->Text(), std::to_string(ThisYear() - 1));
  again.acCurrYear->Execute();
  EXPECT_EQ(again.EditFiscYear->Text(), std::to_string(ThisYear()));

  again.EditPeriods->UserChangedText("13");
  Leave(*again.EditPeriods);
  EXPECT_EQ(Field("nbPeriods"), "13");
  EXPECT_TRUE(Task(5));
  again.EditFiscYear->UserChangedText("");
  Leave(*again.EditFiscYear);
  EXPECT_FALSE(Task(4));
  EXPECT_FALSE(again.Mark4->Visible());
  EXPECT_FALSE(NextEnabled());
  EXPECT_EQ(w.acNext->Hint(), "Enter the fiscal year and the number of periods to go on");
}

TEST_F(CreationPagesTest, TextThatIsNoIntegerGetsTheFieldsMessageAndKeepsTheValue) {
  TfmMain& w = Open();
  w.GoToStep(4);
  TfmFiscaleYear& page = Current<TfmFiscaleYear>();
  for (const char* text : {"-", "+", "4294967296", "20 26"}) {
    backend.ClearErrorBoxes();
    page.EditFiscYear->UserChangedText(text);
    w.SetActiveControl(page.EditFiscYear);
    app.Guard([&] { w.SetActiveControl(nullptr); });
    ASSERT_EQ(backend.ErrorBoxes().size(), 1u) << text;
    EXPECT_EQ(backend.ErrorBoxes()[0],
              "'" + std::string(text) + "' is not a valid integer value for field 'FiscYear'");
    EXPECT_EQ(page.EditFiscYear->Text(), std::to_string(ThisYear())) << text;
    EXPECT_EQ(Field("FiscYear"), std::to_string(ThisYear()));
  }
  EXPECT_FALSE(page.EditPeriods->AcceptsChar(U'x'));
}

// --- narration of the pages ---

TEST_F(CreationPagesTest, PagesNarrateOnEntryAndEditsOnTheirFirstEntryOnly) {
  headless::HeadlessSoundDevice device{backend};
  os::SetSoundDevice(&device);
  registry.SetValue(kTutorialKey, "SoundPath", folder.string() + "/");
  TfmMain& w = Open();
  for (const char* name : {"4.wav", "5.wav", "7.wav", "8.wav", "10.wav"})
    WriteBytes(SoundFolder() + name, WavBytes(5000));
  auto playing = [&] { return os::FileSystem::NameOf(device.Playing()); };

  w.GoToStep(2);
  backend.Advance(1);  // painted: the entry's narration starts
  EXPECT_EQ(playing(), "4.wav") << "task 1 is not done yet";
  w.GoToStep(3);
  TfmCompInfo& info = Current<TfmCompInfo>();
  info.StopSound();
  w.SetActiveControl(info.EditCity);
  EXPECT_EQ(playing(), "7.wav");
  info.StopSound();
  w.SetActiveControl(info.EditState);
  w.SetActiveControl(info.EditCity);
  EXPECT_EQ(playing(), "") << "once per visit";
  w.SetActiveControl(info.EditPhone1);
  EXPECT_EQ(playing(), "7.wav");
  w.SetActiveControl(nullptr);

  w.GoToStep(4);
  backend.Advance(1);
  EXPECT_EQ(playing(), "8.wav");
  w.SetActiveControl(Current<TfmFiscaleYear>().EditPeriods);
  EXPECT_EQ(playing(), "10.wav");
  window.reset();
  os::SetSoundDevice(nullptr);
  SoundFolder().clear();
}

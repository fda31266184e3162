// Creating the company through the host: the settings text, the host's answers, and the check
// that the host has the new company open.
#include <gtest/gtest.h>

#include <iterator>

#include "Tutorial/CreateComp.h"
#include "Tutorial/Main.h"
#include "components/ZndrSpeedButton.h"
#include "tests/unit/company_fixture.h"

using tutorial::TfmMain;

namespace {

class CreationTest : public CompanyTest {
 protected:
  // Step 5 with the company entered; "SampleCompany" names an existing file.
  TfmMain& AtStep5() {
    TfmMain& w = OpenWithHost();
    sample = MakeFile("sample.gdb");
    registry.SetValue(kTutorialKey, "SampleCompany", sample);
    target = (folder / "Z2KData1.gdb").string();
    EnterCompany(target);
    w.GoToStep(5);
    w.LastPage = 5;
    return w;
  }
  void PressFinish() {
    auto* finish = window->PageOf(5)->Find<components::TZndrSpeedButton>("ZndrSpeedButton1");
    ASSERT_NE(finish, nullptr);
    app.Guard([&] { finish->Click(); });
    app.Idle();
  }
  std::string SentSettings() const {
    for (const std::string& call : mainForm.calls)
      if (call.rfind("CreateCompany ", 0) == 0) return call.substr(14);
    return "<not called>";
  }
  bool Created() { return window->MainData().Company.FieldByName("Created").AsBoolean(); }

  std::string sample, target;
};

const char* kTargetSection =
    "[TargetCompany]\r\nPath=%s\r\nName=Acme\r\nName2=Acme Two\r\nCity=Beirut\r\nState=BL\r\n"
    "Phone=111\r\nPhone2=222\r\nFiscalYear=2026\r\nNumPeriods=12\r\n\r\n";

std::string TargetSection(const std::string& path) {
  std::string text = kTargetSection;
  return text.replace(text.find("%s"), 2, path);
}

}  // namespace

TEST_F(CreationTest, WithoutASettingsFileTheTextHoldsTheTwoSectionsAndStep6Follows) {
  TfmMain& w = AtStep5();
  PressFinish();
  EXPECT_EQ(SentSettings(), "[SourceCompany]\r\nPath=" + sample + "\r\n\r\n" + TargetSection(target));
  EXPECT_TRUE(backend.ErrorBoxes().empty());
  EXPECT_EQ(w.CurrentStep(), 6);
  EXPECT_EQ(w.LastPage, 6);
  EXPECT_TRUE(Created());
  EXPECT_EQ(backend.PendingAnswers(), 0u);  // the right company is open: no question
  EXPECT_EQ(connection.references, 0);      // the connection was released
  ASSERT_FALSE(backend.CursorChanges().empty());
  EXPECT_EQ(backend.CursorChanges().front(), ui::Cursor::HourGlass);
  EXPECT_EQ(app.OverrideCursor(), ui::Cursor::Default);
}

TEST_F(CreationTest, ASettingsFileIsPassedOnInOrderWithTheKeysReplacedOrAppended) {
  TfmMain& w = AtStep5();
  const std::string source = MakeFile("other sample.gdb");
  const std::string file =
      "; set by the administrator\r\n[Options]\r\nCurrencies=2\r\n[targetcompany]\r\nNAME=old\r\n"
      "Extra=kept\r\n[SOURCECOMPANY]\r\npath=" + source + "\r\n[Last]\r\nx\r\n";
  registry.SetValue(kTutorialKey, "CreateCompanySettings", MakeFile("create.ini", file));
  // A value that would start a line of its own is folded onto its line.
  data::Table& company = w.MainData().Company;
  company.FieldByName("Name1").SetAsString("Acme\r\n[SourceCompany]\nPath=evil");
  PressFinish();
  EXPECT_EQ(SentSettings(),
            "[Options]\r\nCurrencies=2\r\n\r\n"
            "[targetcompany]\r\nNAME=Acme [SourceCompany] Path=evil\r\nExtra=kept\r\nPath=" + target + "\r\nName2=Acme Two\r\n"
            "City=Beirut\r\nState=BL\r\nPhone=111\r\nPhone2=222\r\n"
            "FiscalYear=2026\r\nNumPeriods=12\r\n\r\n"
            "[SOURCECOMPANY]\r\npath=" + source + "\r\n\r\n"
            "[Last]\r\nx\r\n\r\n");
  std::ifstream in(folder / "create.ini", std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), file);  // only read
  EXPECT_EQ(w.CurrentStep(), 6);
}

TEST_F(CreationTest, AMissingSourceCompanyIsAnErrorBeforeTheHostIsCalled) {
  TfmMain& w = AtStep5();
  // The settings file's source wins over an existing "SampleCompany".
  registry.SetValue(kTutorialKey, "CreateCompanySettings",
                    MakeFile("create.ini", "[SourceCompany]\nPath=" + (folder / "gone.gdb").string()));
  PressFinish();
  registry.SetValue(kTutorialKey, "CreateCompanySettings", std::string());
  registry.SetValue(kTutorialKey, "SampleCompany", std::string());
  PressFinish();
  EXPECT_EQ(backend.ErrorBoxes(),
            (std::vector<std::string>(2, "Source company not found. Reinstall Zendri then try again.")));
  EXPECT_TRUE(mainForm.calls.empty());
  EXPECT_EQ(w.CurrentStep(), 5);
  EXPECT_EQ(w.LastPage, 1);
  EXPECT_FALSE(Created());
  EXPECT_EQ(app.OverrideCursor(), ui::Cursor::Default);
}

TEST_F(CreationTest, AHostThatFailsOrCreatesNothingKeepsStep5AndTheRecordUncreated) {
  TfmMain& w = AtStep5();
  mainForm.log.failOn = "CreateCompany";
  mainForm.log.failText = "The target folder is read-only.";
  PressFinish();
  EXPECT_EQ(backend.ErrorBoxes(), (std::vector<std::string>{"The target folder is read-only."}));
  EXPECT_EQ(app.OverrideCursor(), ui::Cursor::Default);

  mainForm.created = false;
  PressFinish();
  EXPECT_EQ(backend.ErrorBoxes().size(), 1u);  // not created is no error
  EXPECT_EQ(mainForm.calls.size(), 2u);    // nothing after CreateCompany
  EXPECT_EQ(w.CurrentStep(), 5);
  EXPECT_EQ(w.LastPage, 1);
  EXPECT_FALSE(Created());
}

TEST_F(CreationTest, AnotherOpenCompanyIsOpenedOnYesAndDecliningStaysOnStep5) {
  TfmMain& w = AtStep5();
  connection.databaseName = "/OTHER/z2kdata1.gdb";
  backend.AnswerNextModal(ui::mrNo);
  PressFinish();
  EXPECT_EQ(w.CurrentStep(), 5);
  EXPECT_TRUE(Created());
  EXPECT_TRUE(backend.ErrorBoxes().empty());  // declining is silent

  // The same name in another letter case is another database.
  connection.databaseName = target.substr(0, target.size() - 4) + ".GDB";
  backend.AnswerNextModal(ui::mrYes);
  PressFinish();
  EXPECT_EQ(mainForm.calls.back(), "OpenCompany " + target);
  EXPECT_EQ(w.CurrentStep(), 6);
  EXPECT_EQ(app.OverrideCursor(), ui::Cursor::Default);
}

TEST_F(CreationTest, ResumingChecksTheHostsCompanyAndItsFailuresAreShown) {
  TfmMain& w = AtStep5();
  w.GoToStep(1);
  connection.connected = false;  // the right file, but not connected
  backend.AnswerNextModal(ui::mrNo);
  app.Guard([&] { w.GoToStep(7); });
  EXPECT_EQ(w.CurrentStep(), 1);
  EXPECT_TRUE(backend.ErrorBoxes().empty());
  EXPECT_EQ(backend.PendingAnswers(), 0u);

  mainForm.log.failOn = "OpenCompany";
  mainForm.log.failText = "The company is in use.";
  backend.AnswerNextModal(ui::mrYes);
  app.Guard([&] { w.GoToStep(7); });
  EXPECT_EQ(backend.ErrorBoxes(), (std::vector<std::string>{"The company is in use."}));
  EXPECT_EQ(w.CurrentStep(), 1);
  EXPECT_EQ(app.OverrideCursor(), ui::Cursor::Default);

  answersQuery = false;
  app.Guard([&] { w.GoToStep(7); });
  EXPECT_EQ(backend.ErrorBoxes().back(), "Assertion failed (Tutorial\\Main, line 385)");
  EXPECT_EQ(w.CurrentStep(), 1);
  EXPECT_EQ(connection.references, 0);
}

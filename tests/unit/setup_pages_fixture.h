#pragma once
// A wizard window with a host whose windows record every call, for the set-up steps.
#include <string>
#include <vector>

#include "Tutorial/Main.h"
#include "components/ZndrSpeedButton.h"
#include "platform/ui/image.h"
#include "tests/unit/fake_currency_host.h"
#include "tests/unit/fake_host_windows.h"
#include "tests/unit/wizard_fixture.h"

using Calls = std::vector<std::string>;

class SetupPagesTest : public WizardTest {
 protected:
  // The host has the company being set up open, so going past the creation steps from step 1
  // asks nothing.
  SetupPagesTest() {
    backend.OnHostMessage = [this](void*, unsigned message, uintptr_t cell, intptr_t) -> intptr_t {
      if (message != host::kQueryCurrentDatabase || !window) return 0;
      connection.databaseName = window->MainData().Company.FieldByName("Path").AsString();
      connection.AddRef();  // the caller's reference
      *reinterpret_cast<host::IZndrConnection**>(cell) = &connection;
      return 1;
    };
  }
  tutorial::TfmMain& OpenWithHost() {
    tutorial::TfmMain& w = Open();
    host::TZndrAppData data{};
    data.HostApplication = &hostApp;
    data.MainForm = &host;
    w.SetAppData(data);
    return w;
  }
  ~SetupPagesTest() override { window.reset(); }

  tutorial::TfmContentSheet& Go(int step) {
    window->GoToStep(step);
    app.Idle();
    host.calls.clear();
    return *window->PageOf(step);
  }
  template <class T>
  T& Part(const char* name) {
    T* control = window->PageOf(window->CurrentStep())->Find<T>(name);
    EXPECT_NE(control, nullptr) << name;
    return *control;
  }
  // Presses the page's large button as the backend delivers a click, answering the question
  // with `answer`; the question must come.
  void Press(int answer) {
    backend.AnswerNextModal(answer);
    PressUnanswered();
    EXPECT_EQ(backend.PendingAnswers(), 0u) << "no question was asked";
  }
  // A question here finds no answer and shows up as an extra error box.
  void PressUnanswered() {
    app.Guard([&] { Part<components::TZndrSpeedButton>("zsbFiscYear").Click(); });
    app.Idle();
  }
  int Accomplished(int task) {
    data::Table& tasks = window->MainData().Tasks;
    if (!tasks.Locate("Step", task)) return -1;
    return tasks.FieldByName("Accomplished").AsBoolean() ? 1 : 0;
  }
  void SetAccomplished(int task, bool value) {
    tutorial::SetTaskAccomplished(window->MainData(), task, value);
  }
  bool MarkShown(const char* mark) { return Part<ui::Image>(mark).Visible(); }

  host::TZndrHostApplication hostApp{nullptr, nullptr};
  FakeHostWindows host;
  fake::Connection connection{host.log};
};

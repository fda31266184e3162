#pragma once
// The host's main window: a menu and shortcut buttons for its lists, the current company in
// the title and the header, and a way to start the set-up assistant again. It answers the
// current-database message.
#include <windows.h>

#include <functional>

#include "demohost/company_session.h"
#include "demohost/window_class.h"

namespace demohost {

class MainWindow {
 public:
  MainWindow(CompanySession& session, std::function<void()> runAssistant);
  HWND Create();
  HWND Handle() const { return window_; }
  // While the assistant runs it cannot be started again, nor the program closed.
  void SetAssistantRunning(bool running);
  void Refresh();

 private:
  friend LRESULT CALLBACK ObjectWindowProc<MainWindow>(HWND, UINT, WPARAM, LPARAM);
  LRESULT Handle(UINT message, WPARAM wparam, LPARAM lparam);
  void Command(int id);
  void OpenCompanyDialog();
  void Paint();
  void Layout();

  CompanySession& session_;
  std::function<void()> runAssistant_;
  HWND window_ = nullptr;
  HWND assistantButton_ = nullptr;
  std::vector<HWND> shortcuts_;
  bool assistantRunning_ = false;
};

}  // namespace demohost

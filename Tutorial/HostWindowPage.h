#pragma once
// The set-up steps that open one of the host's own windows: explanatory text, one large
// button that shows the window modally, then the question whether the task is complete, and
// a check mark beside the step number that shows the stored answer. The members differ only
// in values, one row each (HostWindowValues); a member adds what a row cannot say.
#include <string>
#include <vector>

#include "Tutorial/ContSheet.h"
#include "Tutorial/host/Zendri_TLB.h"
#include "Tutorial/host/host_calls.h"
#include "Tutorial/host/table_calls.h"
#include "platform/com/ptr.h"
#include "platform/ui/geometry.h"

namespace tutorial {

// How a member fetches its kind of host window and that window's main table.
struct HostWindowKind {
  com::Ptr<host::IBasicFormObj> (*fetch)(host::MainForm& host);
  host::Table (*tableOf)(host::IBasicFormObj& window);
};

// The kind of window `Getter` (a getter of the host's main interface) hands back.
template <class Window, auto Getter>
constexpr HostWindowKind WindowKind() {
  return {[](host::MainForm& host) {
            com::Ptr<Window> window = host.WindowOf(Getter);
            return com::Ptr<host::IBasicFormObj>(window.Get());
          },
          [](host::IBasicFormObj& window) {
            return host::GetTable(static_cast<Window&>(window));
          }};
}

// A design place: left, top, width, height in page pixels.
constexpr ui::Rect At(int left, int top, int width, int height) {
  return ui::Rect::FromBounds(left, top, width, height);
}

struct PageText {
  const char* name;
  ui::Rect place;
  const char* text;
};

struct HostWindowValues {
  int task;                // wizard step, and the Step of the Tasks row the answer goes to
  const char* stepLabel;   // fixed text beside the mark, not the step number
  ui::Rect stepPlace;
  HostWindowKind window;
  const char* unit;        // assertion when the host hands back no window
  int line;
  const char* narration;   // played once by the page timer; nullptr: none
  int voiceTag;            // the voice button's narration index
  ui::Rect voicePlace;
  const char* mark;
  ui::Rect markPlace;
  const char* actionName;
  const char* actionCaption;
  const char* buttonCaption;  // nullptr: the action's caption
  int imageIndex;             // of TutorialImg; -1: none
  ui::Rect buttonPlace;
  PageText title;
  std::vector<PageText> paragraphs;
};

class THostWindowPage : public TfmContentSheet {
 public:
  THostWindowPage(TfmMain& owner, const HostWindowValues& values);
  ~THostWindowPage() override;

  const HostWindowValues& Values() const { return values_; }

  void RefreshMarks() override;
  void PageLeave() override;

  // --- components ---
  ui::Label* Label2 = nullptr;   // the title
  ui::Label* Label11 = nullptr;  // the step label
  components::TZndrSpeedButton* zsbFiscYear = nullptr;
  ui::Image* Mark = nullptr;
  components::TZndrSpeedButton* ZndrSpeedButton4 = nullptr;
  ui::Action* acStart = nullptr;

 protected:
  void ActionList2Execute(ui::Action& action, bool& handled) override;
  void Timer1Timer() override;

  // Between fetching the window and showing it: what the host must prepare first.
  virtual void BeforeShowing() {}
  // The host window has closed; the question comes next.
  virtual void AfterShowing() {}

  // The page's host window, fetched on first use (with its table); the page's assertion
  // when the host hands back none.
  host::IBasicFormObj& GetHostForm();
  // The table fetched with the window (fetching the window when there is none yet).
  host::Table& GetFormTable();
  void OpenHostWindow();
  // The page's large button in the family's look, bound to `action`.
  components::TZndrSpeedButton& AddPageButton(const std::string& name, const ui::Rect& place,
                                              ui::Action& action, int imageIndex);
  // Drops the window; the next press asks the host for a new one. The table stays.
  void ReleaseForm() { FForm.Reset(); }

  com::Ptr<host::IBasicFormObj> FForm;
  host::Table FTable;

 private:
  const HostWindowValues& values_;
};

}  // namespace tutorial

#pragma once
// The base of every page: a frame the wizard window places in its content area, with an
// action list whose handlers pages extend, a one-shot timer for the first narration, and
// the hooks through which the window drives the page.
#include <cstdint>
#include <string>

#include "platform/ui/action.h"
#include "platform/ui/geometry.h"
#include "platform/ui/panel.h"
#include "platform/ui/timer.h"

namespace data {
class Table;
}
namespace ui {
class WindowedControl;
class DBEdit;
class Edit;
class Image;
class Label;
struct Font;
struct Rect;
}
namespace components {
class TZndrSpeedButton;
}

namespace tutorial {

class TdmMainData;
class TfmMain;

// A design place: left, top, width and height in page coordinates.
constexpr ui::Rect Place(int left, int top, int width, int height) {
  return ui::Rect::FromBounds(left, top, width, height);
}

class TfmContentSheet : public ui::Frame {
 public:
  explicit TfmContentSheet(TfmMain& owner);
  ~TfmContentSheet() override;

  // --- hooks, in the order the window calls them ---
  virtual void RefreshMarks() {}
  virtual void UpdateTasks() {}
  virtual void PageEnter();
  virtual void PageLeave();
  virtual void SoundFinished(const std::string& fileName) { (void)fileName; }
  virtual void FirstVisit();

  // --- narration, through the window's single player ---
  // Stops what plays, then plays `fileName` from the sound folder (empty: only stops).
  // Never reports an error: a missing or broken file is silence.
  void PlaySound(const std::string& fileName);
  void StopSound();
  // Voice buttons: plays the narration table's entry for the sender's Tag.
  void VoiceClick(ui::Control& sender);
  // Data edits: the first entry in this visit plays the entry for the sender's Tag.
  void EnterEdit(ui::Control& sender);
  // Leaving a data edit updates the page's tasks and check marks at once.
  void ExitEdit(ui::Control& sender);

  // While one lives, what the page plays is automatic narration (page entry, edit entry,
  // timer, chain), which a screen reader's user does not get.
  class Automatic {
   public:
    explicit Automatic(TfmContentSheet& page) : page_(page) { ++page_.automatic_; }
    ~Automatic() { --page_.automatic_; }
    Automatic(const Automatic&) = delete;
    Automatic& operator=(const Automatic&) = delete;

   private:
    TfmContentSheet& page_;
  };
  // What the page stores in the player's Tag: unique to this instance, so a notice about a
  // narration of a freed page can never be taken for one of a page built later.
  int SoundTag() const { return soundTag_; }
  // The close message (0x0010) goes on to the parent, so it closes the wizard window.
  bool HandleMessage(unsigned message, uintptr_t wparam, intptr_t lparam, intptr_t& result);
  // Alt+M (or M outside an edit) mutes or unmutes the narration; Alt+T (or T) shows or
  // hides its captions.
  bool DialogChar(char32_t ch) override;

  bool JustCreated() const { return FJustCreated; }
  void SetJustCreated(bool value) { FJustCreated = value; }
  // The title shown at the top of the page.
  const std::string& Title() const { return title_; }
  // Screen readers name the page by its title.
  std::string AccessibleName() const override;

  ui::ActionList ActionList2;
  ui::Timer Timer1;

 protected:
  // Page handlers call these first, then look at the action's tag.
  virtual void ActionList2Execute(ui::Action& action, bool& handled);
  virtual void ActionList2Update(ui::Action& action, bool& handled);
  virtual void Timer1Timer() {}

  // The window this page lives in.
  TfmMain& Owner() const { return owner_; }
  TdmMainData& MainData() const;
  // --- layout builders: one line a component, at its design place (page coordinates) ---
  ui::Label& AddLabel(const std::string& name, const ui::Rect& place, const std::string& text,
                      const ui::Font& font, bool wordWrap = false);
  // A task's check mark, hidden until RefreshMarks shows it.
  ui::Image& AddMark(const std::string& name, const ui::Rect& place);
  // A voice button in the skin's look; a click plays the narration of `tag` (VoiceClick).
  components::TZndrSpeedButton& AddVoiceButton(const std::string& name, const ui::Rect& place,
                                               int tag);
  // Shows `mark` exactly when the task is accomplished; a task without a row leaves it as is.
  void ShowMark(ui::Image& mark, int task);
  // A field's caption; its accelerator focuses `focus` (may be null: the accelerator is inert).
  ui::Label& AddFieldLabel(const std::string& name, const ui::Rect& place,
                           const std::string& text, ui::WindowedControl* focus);
  // A flat edit on the skin's edit colour bound to a Company field; `tag` selects its
  // narration. Leaving it updates tasks and marks; with `narrateOnEntry` its first entry in
  // this visit plays the narration (EnterEdit).
  ui::DBEdit& AddCompanyEdit(const std::string& name, const ui::Rect& place,
                             const std::string& field, int tag, bool narrateOnEntry = false);
  // True when the task's row says accomplished; false also when the task has no row.
  bool TaskAccomplished(int task) const;

  // Adds the page's heading in the skin's style.
  ui::Label& AddTitle(const std::string& title);
  // Adds a captioned edit bound to a field; leaving it updates the tasks and marks.
  ui::DBEdit& AddDataEdit(const std::string& name, const std::string& caption, data::Table& table,
                          const std::string& field, int left, int top, int width);

 private:
  TfmMain& owner_;
  bool FJustCreated = false;
  std::string title_;
  int soundTag_;
  int automatic_ = 0;
};

}  // namespace tutorial

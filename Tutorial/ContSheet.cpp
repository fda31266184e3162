#include "Tutorial/ContSheet.h"

#include <cstdio>

#include "Tutorial/AssMesages.h"
#include "Tutorial/AssPblcVars.h"
#include "Tutorial/Main.h"
#include "Tutorial/Skin.h"
#include "Tutorial/dmMain.h"
#include "components/BackGroundSound.h"
#include "components/ZndrSpeedButton.h"
#include "platform/os/file_system.h"
#include "platform/os/sound_device.h"
#include "platform/ui/db_edit.h"
#include "platform/ui/image.h"
#include "platform/ui/label.h"

namespace tutorial {
namespace {

constexpr unsigned kWmClose = 0x0010;

int NextSoundTag() {
  static int last = 0;
  if (last == INT32_MAX) last = 0;  // positive, and never 0, which means "no page"
  return ++last;
}

// The narration of a voice button's or data edit's Tag; a Tag outside the table is a design
// error of the page.
const char* NarrationOf(int tag, int line) {
  ui::Assert(tag >= 1 && tag <= int(WaveFiles.size()), "Tutorial\\ContSheet", line);
  return WaveFiles[size_t(tag - 1)];
}

}  // namespace

TfmContentSheet::TfmContentSheet(TfmMain& owner)
    : ui::Frame("fmContentSheet"), owner_(owner), soundTag_(NextSoundTag()) {
  SetBounds(0, 0, 498, 345);
  SetColor(skin::kPageColor);
  SetShowHint(true);
  ActionList2.OnExecute = [this](ui::Action& a, bool& handled) { ActionList2Execute(a, handled); };
  ActionList2.OnUpdate = [this](ui::Action& a, bool& handled) { ActionList2Update(a, handled); };
  Timer1.SetInterval(1000);
  Timer1.OnTimer = [this](ui::Timer&) {
    Automatic automatic(*this);
    Timer1Timer();
    // The timer starts the first narration once; a page without one would otherwise be
    // woken every interval for nothing while it is shown.
    Timer1.SetEnabled(false);
  };
}

TfmContentSheet::~TfmContentSheet() = default;

void TfmContentSheet::PageEnter() {
  RefreshMarks();
  FJustCreated = false;
}

void TfmContentSheet::PageLeave() {
  UpdateTasks();
  StopSound();
}

void TfmContentSheet::FirstVisit() { Timer1.SetEnabled(true); }

void TfmContentSheet::PlaySound(const std::string& fileName) {
  try {
    owner_.CancelNarrationAfterStep();
    components::TBackGroundSound& player = owner_.BgSound();
    if (player.IsPlaying()) player.Stop();
    // What the assistant says is shown also when it is not heard (muted, skipped, missing).
    owner_.ShowNarrationWords(fileName);
    if (fileName.empty() || owner_.NarrationMuted()) return;
    if (automatic_ > 0 && os::ScreenReaderActive()) return;
    const std::string path = SoundFolder() + fileName;
    if (!os::Files().FileExists(path)) return;
    owner_.PlayNarration(path, soundTag_);
  } catch (...) {
    // A narration that cannot play is silence, never a message.
  }
}

void TfmContentSheet::StopSound() {
  owner_.ShowNarrationWords({});
  owner_.CancelNarrationAfterStep();
  try {
    components::TBackGroundSound& player = owner_.BgSound();
    if (player.IsPlaying()) player.Stop();
  } catch (...) {
    // As in PlaySound: a narration error is never shown.
  }
}

void TfmContentSheet::VoiceClick(ui::Control& sender) {
  PlaySound(NarrationOf(sender.Tag(), 145));
}

// An edit narrates on its first entry in this visit; 500 added to its Tag marks it done.
void TfmContentSheet::EnterEdit(ui::Control& sender) {
  if (sender.Tag() >= 500) return;
  const char* narration = NarrationOf(sender.Tag(), 134);
  {
    Automatic automatic(*this);
    PlaySound(narration);
  }
  sender.SetTag(sender.Tag() + 500);
}

void TfmContentSheet::ExitEdit(ui::Control&) {
  UpdateTasks();
  RefreshMarks();
}

bool TfmContentSheet::HandleMessage(unsigned message, uintptr_t wparam, intptr_t lparam,
                                    intptr_t& result) {
  if (message != kWmClose || !Parent()) return false;
  result = 0;
  if (auto* form = dynamic_cast<ui::Form*>(Parent())) {
    if (!form->HandleMessage(message, wparam, lparam, result)) form->Close();
  } else if (auto* sheet = dynamic_cast<TfmContentSheet*>(Parent())) {
    sheet->HandleMessage(message, wparam, lparam, result);
  }
  return true;
}

bool TfmContentSheet::DialogChar(char32_t ch) {
  if (ch == U't') {
    owner_.ToggleCaptions();
    return true;
  }
  if (ch != U'm') return false;
  owner_.ToggleNarrationMute();
  return true;
}

void TfmContentSheet::ActionList2Execute(ui::Action&, bool& handled) { handled = true; }

void TfmContentSheet::ActionList2Update(ui::Action& action, bool& handled) {
  handled = true;
  action.SetEnabled(true);
}

TdmMainData& TfmContentSheet::MainData() const { return owner_.MainData(); }

ui::Label& TfmContentSheet::AddLabel(const std::string& name, const ui::Rect& place,
                                     const std::string& text, const ui::Font& font, bool wordWrap) {
  auto& label = Add<ui::Label>(name);
  label.SetBounds(place);
  label.SetFont(font);
  label.SetWordWrap(wordWrap);
  label.SetCaption(text);
  // The first heading names the page for screen readers.
  if (title_.empty() && (font == skin::PageTitle() || font == skin::Welcome())) {
    const size_t first = text.find_first_not_of(' ');
    if (first != std::string::npos) title_ = text.substr(first, text.find_last_not_of(' ') - first + 1);
  }
  return label;
}

ui::Image& TfmContentSheet::AddMark(const std::string& name, const ui::Rect& place) {
  auto& mark = Add<ui::Image>(name);
  mark.SetBounds(place);
  if (const ui::Picture* picture = MainData().CheckMark.Image(0))
    mark.SetPicture(std::make_shared<ui::Picture>(*picture));
  mark.SetVisible(false);
  return mark;
}

components::TZndrSpeedButton& TfmContentSheet::AddVoiceButton(const std::string& name,
                                                              const ui::Rect& place, int tag) {
  auto& button = Add<components::TZndrSpeedButton>(name);
  button.SetBounds(place);
  button.SetTag(tag);
  button.SetImageList(&MainData().NormImageList);
  button.SetHotImages(&MainData().HotImageList);
  button.SetImageIndex(0);
  button.SetBorderStyle(components::zsbbNone);
  button.SetTransparent(true);
  button.SetCursor(ui::Cursor::Hand);
  button.SetHint(SVoiceButtonHint);
  if (tag >= 1 && tag <= int(NarrationTopics.size()))
    button.SetAccessibleName(SPlayNarration + std::string(NarrationTopics[size_t(tag - 1)]));
  button.OnClick = [this](ui::Control& sender) { VoiceClick(sender); };
  return button;
}

void TfmContentSheet::ShowMark(ui::Image& mark, int task) {
  data::Table& tasks = MainData().Tasks;
  if (tasks.Locate("Step", int32_t(task))) mark.SetVisible(tasks.FieldByName("Accomplished").AsBoolean());
  // The name says what the eye sees.
  char name[48];
  if (mark.Visible())
    std::snprintf(name, sizeof name, STaskMarkDone, task);
  else
    std::snprintf(name, sizeof name, STaskMarkNotDone, task);
  mark.SetAccessibleName(name);
}

std::string TfmContentSheet::AccessibleName() const {
  return title_.empty() ? owner_.Caption() : title_;
}

ui::Label& TfmContentSheet::AddFieldLabel(const std::string& name, const ui::Rect& place,
                                          const std::string& text, ui::WindowedControl* focus) {
  ui::Label& label = AddLabel(name, place, text, skin::FieldLabel());
  label.SetFocusControl(focus);
  return label;
}

ui::DBEdit& TfmContentSheet::AddCompanyEdit(const std::string& name, const ui::Rect& place,
                                            const std::string& field, int tag,
                                            bool narrateOnEntry) {
  auto& edit = Add<ui::DBEdit>(name);
  edit.SetBounds(place);
  edit.SetTag(tag);
  edit.SetBorder(false);
  edit.SetColor(skin::kEditColor);
  edit.SetFont(skin::DataEdit());
  edit.SetDataSource(MainData().companyDS);
  edit.SetDataField(field);
  if (narrateOnEntry) edit.OnEnter = [this](ui::Control& sender) { EnterEdit(sender); };
  edit.OnExit = [this](ui::Control& sender) { ExitEdit(sender); };
  return edit;
}

bool TfmContentSheet::TaskAccomplished(int task) const {
  data::Table& tasks = MainData().Tasks;
  return tasks.Locate("Step", int32_t(task)) && tasks.FieldByName("Accomplished").AsBoolean();
}

ui::Label& TfmContentSheet::AddTitle(const std::string& title) {
  title_ = title;
  auto& label = Add<ui::Label>("LabelTitle");
  label.SetBounds(skin::kPageMargin, 8, 600, 32);
  label.SetFont(skin::TitleFont());
  label.SetCaption(title);
  return label;
}

}  // namespace tutorial

namespace tutorial {

ui::DBEdit& TfmContentSheet::AddDataEdit(const std::string& name, const std::string& caption,
                                         data::Table& table, const std::string& field, int left,
                                         int top, int width) {
  auto& label = Add<ui::Label>("Label" + name.substr(4));
  label.SetBounds(left, top - 20, width + 200, 18);
  label.SetFont(skin::TextFont());
  label.SetCaption(caption);
  auto& edit = Add<ui::DBEdit>(name);
  edit.SetBounds(left, top, width, 23);
  edit.SetFont(skin::EditFont());
  edit.SetDataSource(&table);
  edit.SetDataField(field);
  edit.OnExit = [this](ui::Control& sender) { ExitEdit(sender); };
  return edit;
}

}  // namespace tutorial

#include "Tutorial/ContSheet.h"

#include "Tutorial/Main.h"
#include "Tutorial/Skin.h"
#include "Tutorial/dmMain.h"
#include "components/ZndrSpeedButton.h"
#include "platform/ui/db_edit.h"
#include "platform/ui/image.h"
#include "platform/ui/label.h"

namespace tutorial {

TfmContentSheet::TfmContentSheet(TfmMain& owner) : ui::Frame("fmContentSheet"), owner_(owner) {
  SetBounds(0, 0, 498, 345);
  SetColor(skin::kPageColor);
  SetShowHint(true);
  ActionList2.OnExecute = [this](ui::Action& a, bool& handled) { ActionList2Execute(a, handled); };
  ActionList2.OnUpdate = [this](ui::Action& a, bool& handled) { ActionList2Update(a, handled); };
  Timer1.SetInterval(1000);
  Timer1.OnTimer = [this](ui::Timer&) { Timer1Timer(); };
}

TfmContentSheet::~TfmContentSheet() = default;

void TfmContentSheet::PageEnter() {
  RefreshMarks();
  FJustCreated = false;
}

void TfmContentSheet::PageLeave() { UpdateTasks(); }

void TfmContentSheet::FirstVisit() { Timer1.SetEnabled(true); }

// The narration player arrives with the window's bgSound; until then pages are silent.
void TfmContentSheet::PlaySound(const std::string&) {}
void TfmContentSheet::StopSound() {}
void TfmContentSheet::VoiceClick(ui::Control&) {}
void TfmContentSheet::EnterEdit(ui::Control&) {}

void TfmContentSheet::ExitEdit(ui::Control&) {
  UpdateTasks();
  RefreshMarks();
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
  button.OnClick = [this](ui::Control& sender) { VoiceClick(sender); };
  return button;
}

void TfmContentSheet::ShowMark(ui::Image& mark, int task) {
  data::Table& tasks = MainData().Tasks;
  if (!tasks.Locate("Step", int32_t(task))) return;
  mark.SetVisible(tasks.FieldByName("Accomplished").AsBoolean());
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

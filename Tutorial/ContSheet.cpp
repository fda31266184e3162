#include "Tutorial/ContSheet.h"

#include "Tutorial/Main.h"
#include "Tutorial/Skin.h"
#include "platform/ui/db_edit.h"
#include "platform/ui/label.h"

namespace tutorial {

TfmContentSheet::TfmContentSheet(TfmMain& owner) : ui::Frame("fmContentSheet"), owner_(owner) {
  SetBounds(0, 0, 498, 345);
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

#include "Tutorial/DefAcct.h"

#include "Tutorial/AssPblcVars.h"
#include "Tutorial/HostWindowPage.h"
#include "Tutorial/Main.h"
#include "Tutorial/Skin.h"
#include "Tutorial/dmMain.h"
#include "Tutorial/host/host_calls.h"
#include "components/ZndrSpeedButton.h"
#include "platform/data/ensure_edit_mode.h"
#include "platform/ui/check_box.h"
#include "platform/ui/label.h"

namespace tutorial {
namespace {

// Tags of the section boxes' actions (1-7) and of their "..." buttons' actions (8-14).
constexpr int kFirstBoxTag = 1;
constexpr int kFirstButtonTag = 8;
constexpr int kLastButtonTag = kFirstButtonTag + TfmDefAcct::kSections - 1;
constexpr int kDefaultAccountsTask = 11;

struct Section {
  const char* boxAction;
  const char* caption;
  const char* buttonAction;
  const char* field;
  ui::Rect button;
  ui::Rect box;
};

// In the host's numbering of its business sections.
const Section kSectionRows[TfmDefAcct::kSections] = {
    {"acSales", "Sales", "acDefSales", "Sales", At(123, 65, 27, 23), At(50, 71, 70, 17)},
    {"acReceipt", "Receipts", "acDefReceipt", "Receipts", At(147, 94, 25, 23),
     At(50, 94, 95, 17)},
    {"acPurchase", "Purchases", "acDefPurch", "Purchases", At(162, 118, 25, 23),
     At(50, 118, 107, 17)},
    {"acDisburse", "Disbursements", "acDefDisburse", "Disburse", At(199, 140, 25, 23),
     At(50, 140, 147, 17)},
    {"acPayroll", "Payroll", "acDefPayroll", "Payroll", At(132, 161, 25, 23),
     At(50, 163, 80, 16)},
    {"acNotesP", "Notes Payable", "acDefNotesP", "NotesP", At(192, 181, 25, 23),
     At(50, 184, 140, 17)},
    {"acNotesR", "Notes Receivable", "acDefNotesR", "NotesR", At(218, 207, 25, 23),
     At(50, 206, 167, 17)},
};

bool IsButtonTag(int tag) { return tag >= kFirstButtonTag && tag <= kLastButtonTag; }

}  // namespace

TfmDefAcct::TfmDefAcct(TfmMain& owner) : TfmContentSheet(owner) {
  SetColor(skin::kPageColor);
  AddLabel("Label1", At(26, 8, 379, 48), "Check the sections you would use in your company ",
           {"Arial Black", 17, true, false, false, skin::kAccent}, true);
  for (int i = 0; i < kSections; ++i) {
    const Section& s = kSectionRows[i];
    ui::Action& press = ActionList2.Add(s.buttonAction, kFirstButtonTag + i, "...");
    auto& button = Add<components::TZndrSpeedButton>("ZndrSpeedButton" + std::to_string(i + 1));
    button.SetBounds(s.button);
    button.SetTransparent(true);
    button.SetFont({"Britannic Bold", 19, true, false, false, ui::clNavy});
    button.SetFontColor(ui::clNavy);
    button.SetHotFontColor(ui::clBlue);
    button.SetBorderColor(skin::kEditColor);
    button.SetHotColor(skin::kAccent);
    button.SetHotBorderColor(skin::kAccent);
    if (i > 0) button.SetButtonLayout(components::blGlyphBottom);
    button.SetAction(&press);
    SectionButtons[size_t(i)] = &button;
  }
  AddLabel("Label3", At(42, 292, 383, 41),
           "if  your default accounts are set, and you're ready to move to the next step."
           ",please check this box .",
           skin::Paragraph(), true);
  AddLabel("Label2", At(20, 263, 39, 25), "N.B.",
           {"Comic Sans MS", 17, true, false, true, skin::kAccent});
  for (int i = 0; i < kSections; ++i) {
    const Section& s = kSectionRows[i];
    ui::Action& tick = ActionList2.Add(s.boxAction, kFirstBoxTag + i, s.caption);
    auto& box = Add<ui::CheckBox>("CheckBox" + std::to_string(i + 1));
    box.SetBounds(s.box);
    box.SetFont({"Arial Black", 15, false, false, false, ui::clNavy});
    box.SetColor(skin::kPageColor);
    box.SetAction(&tick);
    CheckBoxes[size_t(i)] = &box;
  }
  // Only the box shows: the 20-pixel width cuts off its caption, beside Label3.
  StatusChk = &Add<ui::CheckBox>("StatusChk");
  StatusChk->SetBounds(At(17, 293, 20, 17));
  StatusChk->SetCaption("Notes Receivable");
  StatusChk->SetFont({"Comic Sans MS", 16, true, false, false, ui::clYellow});
  StatusChk->SetColor(skin::kPageColor);
  StatusChk->OnClick = [this](ui::Control& sender) { StatusChkClick(sender); };
}

void TfmDefAcct::PageEnter() {
  TfmContentSheet::PageEnter();
  struct Loading {
    bool& flag;
    explicit Loading(bool& f) : flag(f) { flag = true; }
    ~Loading() { flag = false; }
  };
  {
    // The stored state ticks the box as a click would, but silently.
    Loading loading(FLoading);
    data::Table& tasks = MainData().Tasks;
    if (tasks.Locate("Step", kDefaultAccountsTask))
      StatusChk->SetChecked(tasks.FieldByName("Accomplished").AsBoolean(), ui::Notify::Yes);
  }
  LoadSections();
}

void TfmDefAcct::PageLeave() {
  TfmContentSheet::PageLeave();
  SaveSections();
}

void TfmDefAcct::LoadSections() {
  data::Table& sections = MainData().DefAcct;
  if (sections.IsEmpty()) return;
  sections.First();
  for (int i = 0; i < kSections; ++i) {
    const bool used = sections.FieldByName(kSectionRows[i].field).AsBoolean();
    CheckBoxes[size_t(i)]->SetChecked(used, ui::Notify::Yes);
  }
}

// The page keeps one record.
void TfmDefAcct::SaveSections() {
  data::Table& sections = MainData().DefAcct;
  if (sections.State() == data::TableState::Browse) {
    if (sections.IsEmpty())
      sections.Append();
    else
      sections.First();
  }
  data::EnsureEditMode(sections);
  for (int i = 0; i < kSections; ++i)
    sections.FieldByName(kSectionRows[i].field).SetAsBoolean(CheckBoxes[size_t(i)]->Checked());
  sections.Post();
}

void TfmDefAcct::StatusChkClick(ui::Control&) {
  if (StatusChk->Checked()) {
    SetTaskAccomplished(MainData(), kDefaultAccountsTask, true);
    if (!FLoading) PlaySound("20.wav");
  } else {
    SetTaskAccomplished(MainData(), kDefaultAccountsTask, false);
  }
}

void TfmDefAcct::ActionList2Update(ui::Action& action, bool& handled) {
  TfmContentSheet::ActionList2Update(action, handled);
  if (IsButtonTag(action.Tag())) {
    handled = true;
    action.SetEnabled(CheckBoxes[size_t(action.Tag() - kFirstButtonTag)]->Checked());
  } else {
    handled = false;
  }
}

void TfmDefAcct::ActionList2Execute(ui::Action& action, bool& handled) {
  TfmContentSheet::ActionList2Execute(action, handled);
  const int tag = action.Tag();
  if (IsButtonTag(tag)) {
    // Every press of an enabled section button opens the host's window for the section.
    const std::string code = MainData().Currency.FieldByName("FirstBaseCode").AsString();
    host::MainForm(Owner().GetMainForm())
        .ShowDefaultAccounts(SectionNumbers[size_t(tag - kFirstButtonTag)], code);
  } else {
    // A section box's action follows the box that has just changed.
    action.SetChecked(!action.Checked());
  }
}

}  // namespace tutorial

#include "Tutorial/Currency.h"

#include "Tutorial/AssMesages.h"
#include "Tutorial/AssPblcProc.h"
#include "Tutorial/Main.h"
#include "Tutorial/MsgForm.h"
#include "Tutorial/Skin.h"
#include "Tutorial/dmMain.h"
#include "Tutorial/host/host_calls.h"
#include "components/ZndrSpeedButton.h"
#include "platform/data/ensure_edit_mode.h"
#include "platform/ui/canvas.h"
#include "platform/ui/errors.h"
#include "platform/ui/image.h"
#include "platform/ui/label.h"

namespace tutorial {
namespace {


constexpr int kTagFirstBase = 1, kTagSecondBase = 2, kTagOthersCur = 3;
constexpr int kMainTask = 7, kSecondaryTask = 8, kOthersTask = 9;
constexpr int kMainType = 0, kSecondaryType = 1;
constexpr int kCodeLength = 5, kDescriptionLength = 20;

// The thin silver rectangle that frames one item of the page.
class SilverFrame : public ui::Control {
 public:
  using ui::Control::Control;
  void Paint(ui::Canvas& canvas) const override {
    canvas.Rectangle(ClientRect(), {ui::clSilver, 1}, {ui::clWhite, true});
  }
};

ui::Font OthersButton() { return {"Arial Black", 16, false, false, false, ui::clNavy}; }

}  // namespace

TfmMainCurrency::TfmMainCurrency(TfmMain& owner) : TfmContentSheet(owner) {
  SetColor(skin::kPageColor);
  acFirstBase = &ActionList2.Add("acFirstBase", kTagFirstBase, "Default");
  acSecondBase = &ActionList2.Add("acSecondBase", kTagSecondBase, "Default");
  acOthersCur = &ActionList2.Add("acOthersCur", kTagOthersCur, "Additional Currencies");

  Add<SilverFrame>("Shape1").SetBounds(13, 48, 503, 123);
  Add<SilverFrame>("Shape2").SetBounds(14, 181, 503, 106);
  Add<SilverFrame>("Shape3").SetBounds(14, 299, 502, 91);
  AddLabel("Label2", Place(36, 19, 293, 23), "Information about Currencies ", skin::PageTitle());

  AddLabel("Label11", Place(17, 51, 15, 16), "(1)", skin::StepLabel());
  Mark7 = &AddMark("Mark7", Place(34, 53, 17, 16));
  AddLabel("Label4", Place(54, 52, 96, 16), "Main Currency.", skin::StepLabel());
  AddVoiceButton("ZndrSpeedButton4", Place(150, 50, 33, 21), kMainTask);
  AddLabel("Label12", Place(54, 68, 452, 41),
           "the main currency will be the default. This is usually the currency that you use more "
           "often. ",
           skin::Paragraph(), true);
  auto& label8 = AddFieldLabel("Label8", Place(22, 119, 45, 19), "&Code ", nullptr);
  EditCode1 = &AddCurrencyEdit("EditCode1", Place(109, 115, 81, 22), "FirstBaseCode", kCodeLength, kMainTask);
  AddDefaultsButton("ZndrSpeedButton1", Place(242, 111, 83, 23), *acFirstBase);
  auto& label5 = AddFieldLabel("Label5", Place(22, 141, 88, 19), "&Description", nullptr);
  EditDesc1 = &AddCurrencyEdit("EditDesc1", Place(109, 139, 216, 22), "FirstBaseDesc", kDescriptionLength, kMainTask);

  AddLabel("Label3", Place(19, 183, 15, 16), "(2)", skin::StepLabel());
  Mark8 = &AddMark("Mark8", Place(36, 185, 17, 16));
  AddLabel("Label1", Place(56, 183, 133, 16), "Secondary Currency.", skin::StepLabel());
  AddVoiceButton("ZndrSpeedButton5", Place(191, 183, 31, 20), kSecondaryTask);
  AddLabel("Label13", Place(56, 201, 332, 16),
           "The second currency is the one that you use less often.", skin::Paragraph());
  auto& label9 = AddFieldLabel("Label9", Place(22, 234, 45, 19), "C&ode ", nullptr);
  EditCode2 = &AddCurrencyEdit("EditCode2", Place(109, 230, 81, 22), "SecondBaseCode", kCodeLength, kSecondaryTask);
  EditCode2->OnEnter = [this](ui::Control& sender) { EnterEdit(sender); };
  AddDefaultsButton("ZndrSpeedButton2", Place(242, 226, 83, 23), *acSecondBase);
  auto& label10 = AddFieldLabel("Label10", Place(22, 255, 88, 19), "D&escription", nullptr);
  EditDesc2 = &AddCurrencyEdit("EditDesc2", Place(109, 254, 216, 22), "SecondBaseDesc", kDescriptionLength, kSecondaryTask);

  AddLabel("Label7", Place(19, 301, 15, 16), "(3)", skin::StepLabel());
  Mark9 = &AddMark("Mark9", Place(36, 305, 17, 16));
  AddLabel("Label6", Place(56, 302, 401, 32),
           "If you have other currencies, click on this button. It is optional though, and you "
           "will have the chance to enter them later.",
           skin::Paragraph(), true);
  AddVoiceButton("ZndrSpeedButton6", Place(335, 315, 32, 24), kOthersTask);
  auto& others = Add<components::TZndrSpeedButton>("ZndrSpeedButton3");
  others.SetBounds(94, 340, 245, 42);
  others.SetImageList(&MainData().TutorialImg);
  others.SetImageIndex(5);
  others.SetFont(OthersButton());
  others.SetFontColor(ui::clNavy);
  others.SetCursor(ui::Cursor::Hand);
  others.SetAction(acOthersCur);
  label8.SetFocusControl(EditCode1);
  label5.SetFocusControl(EditDesc1);
  label9.SetFocusControl(EditCode2);
  label10.SetFocusControl(EditDesc2);
}

ui::DBEdit& TfmMainCurrency::AddCurrencyEdit(const std::string& name, const ui::Rect& place,
                                             const std::string& field, int maxLength, int tag) {
  auto& edit = Add<ui::DBEdit>(name);
  edit.SetBounds(place);
  edit.SetTag(tag);
  edit.SetBorder(false);
  edit.SetColor(skin::kEditColor);
  edit.SetFont(skin::DataEdit());
  edit.SetMaxLength(maxLength);
  edit.SetDataSource(MainData().CurrencyDS);
  edit.SetDataField(field);
  edit.OnExit = [this](ui::Control& sender) { ExitEdit(sender); };
  return edit;
}

components::TZndrSpeedButton& TfmMainCurrency::AddDefaultsButton(const std::string& name,
                                                                 const ui::Rect& place,
                                                                 ui::Action& action) {
  auto& button = Add<components::TZndrSpeedButton>(name);
  button.SetBounds(place);
  button.SetBorderStyle(components::zsbbRoundRect);
  button.SetCursor(ui::Cursor::Hand);
  button.SetAction(&action);
  button.SetCaption("Defaults");
  return button;
}

// --- hooks ---

void TfmMainCurrency::PageEnter() {
  data::Table& tasks = MainData().Tasks;
  if (!tasks.Locate("Step", int32_t(kMainTask)) || !tasks.FieldByName("Accomplished").AsBoolean())
    PlaySound("13.wav");
  TfmContentSheet::PageEnter();
}

void TfmMainCurrency::RefreshMarks() {
  ShowMark(*Mark7, kMainTask);
  ShowMark(*Mark8, kSecondaryTask);
  ShowMark(*Mark9, kOthersTask);
}

void TfmMainCurrency::UpdateTasks() {
  data::Table& currency = MainData().Currency;
  SetTaskAccomplished(MainData(), kMainTask, !currency.FieldByName("FirstBaseCode").AsString().empty());
  SetTaskAccomplished(MainData(), kSecondaryTask, !currency.FieldByName("SecondBaseCode").AsString().empty());
}

void TfmMainCurrency::PageLeave() {
  TfmContentSheet::PageLeave();
  data::Table& currency = MainData().Currency;
  if (currency.State() == data::TableState::Edit || currency.State() == data::TableState::Insert)
    currency.Post();
  FForm.Reset();
}

// --- handlers ---

void TfmMainCurrency::ActionList2Execute(ui::Action& action, bool& handled) {
  TfmContentSheet::ActionList2Execute(action, handled);
  handled = true;
  const CurrencySettings& defaults = CurrencyDefaults();
  switch (action.Tag()) {
    case kTagFirstBase:
      ApplyDefault("FirstBaseCode", "FirstBaseDesc", defaults.MainCurCode, defaults.MainCurDesc);
      break;
    case kTagSecondBase:
      ApplyDefault("SecondBaseCode", "SecondBaseDesc", defaults.SecondaryCurCode, defaults.SecondaryCurDesc);
      break;
    case kTagOthersCur:
      AddOtherCurrencies();
      break;
    default:
      break;
  }
}

void TfmMainCurrency::Timer1Timer() {
  TfmContentSheet::Timer1Timer();
  Timer1.SetEnabled(false);
  PlaySound("13.wav");
}

void TfmMainCurrency::ApplyDefault(const char* codeField, const char* descField,
                                   const std::string& code, const std::string& desc) {
  data::Table& currency = MainData().Currency;
  data::EnsureEditMode(currency);
  currency.FieldByName(codeField).SetAsString(code);
  currency.FieldByName(descField).SetAsString(desc);
  currency.Post();
}

void TfmMainCurrency::AddOtherCurrencies() {
  Table().SetActive(true);
  // The main currency's record is found or begun outside the guard: a failure there has
  // nothing to roll back yet.
  LocateOrAppend(kMainType);
  Guarded([&] { WriteCurrency("FirstBaseCode", "FirstBaseDesc"); });
  Guarded([&] {
    LocateOrAppend(kSecondaryType);
    WriteCurrency("SecondBaseCode", "SecondBaseDesc");
  });
  host::ShowModal(Form());
  SetTaskAccomplished(MainData(), kOthersTask, ShowMsgForm(SMarkTaskComplete, kMsgYesNo) == ui::mrYes);
  RefreshMarks();
}

host::ICurrencyForm& TfmMainCurrency::Form() {
  if (!FForm) {
    host::ICurrencyForm* form = nullptr;
    const HRESULT status = Owner().GetMainForm()->GetCurrencyForm(-1, &form);
    FForm = com::Ptr<host::ICurrencyForm>::Adopt(form);
    host::Check(status);
    ui::Assert(bool(FForm), "Tutorial\\Currency", 267);
  }
  return *FForm;
}

host::Table& TfmMainCurrency::Table() {
  if (!FTable) FTable = host::GetTable(Form());
  return FTable;
}

void TfmMainCurrency::LocateOrAppend(int type) {
  host::Table& table = Table();
  if (table.Locate("Type", com::Variant(int32_t(type)))) {
    table.Edit();
  } else {
    table.Append();
    table.FieldByName("Type").SetValue(com::Variant(int32_t(type)));
  }
}

void TfmMainCurrency::WriteCurrency(const char* codeField, const char* descField) {
  data::Table& currency = MainData().Currency;
  host::Table& table = Table();
  const std::string code = currency.FieldByName(codeField).AsString();
  host::Field hostCode = table.FieldByName("Code");
  if (hostCode.GetValue().Text() != code) hostCode.SetValue(com::Variant(code));
  table.FieldByName("Description").SetValue(com::Variant(currency.FieldByName(descField).AsString()));
  table.Post();
  host::CommitChanges(Form());
}

template <class Body>
void TfmMainCurrency::Guarded(Body body) {
  try {
    body();
  } catch (...) {
    // The first error is the one to show; a failing rollback must not hide it.
    try {
      host::RollbackChanges(Form());
    } catch (...) {
    }
    throw;
  }
}

}  // namespace tutorial

#include "Tutorial/MsgForm.h"

#include <exception>
#include <memory>

#include "Tutorial/AssMesages.h"
#include "platform/ui/resource_picture.h"
#include "platform/ui/picture.h"

namespace tutorial {
namespace {

constexpr int kClientWidth = 449;
constexpr int kClientHeight = 154;
constexpr ui::Color kPanelColor = ui::Rgb(54, 15, 113);
constexpr ui::Color kMessageColor = ui::Rgb(255, 213, 170);

// The background is decoration: without it the dialog still asks its question.
std::shared_ptr<const ui::Picture> LoadBackground() {
  try {
    return std::make_shared<const ui::Picture>(ui::LoadResourcePicture("message_background.jpg"));
  } catch (const std::exception&) {
    return nullptr;
  }
}

}  // namespace

TfmMessage::TfmMessage()
    : ui::Form("fmMessage"),
      // The marks underline the first letters, which answer with or without Alt.
      acYes(ActionList1.Add("acYes", 1, std::string("&") + SYes)),
      acNo(ActionList1.Add("acNo", 2, std::string("&") + SNo)),
      acCancel(ActionList1.Add("acCancel", 3, std::string("&") + SCancel)) {
  SetBorderStyle(ui::BorderStyle::None);
  SetBorderWidth(2);
  SetBounds(0, 0, kClientWidth, kClientHeight);
  SetColor(ui::clBtnFace);
  SetCenterOnScreen(true);
  ActionList1.OnExecute = [this](ui::Action& action, bool& handled) {
    ActionList1Execute(action, handled);
  };

  Image1 = &Add<ui::Image>("Image1");
  Image1->SetBounds(ClientRect());
  Image1->SetPicture(LoadBackground());

  zsbYes = &AddButton("zsbYes", 116, acYes);
  zsbNo = &AddButton("zsbNo", 197, acNo);
  zsbCancel = &AddButton("zsbCancel", 278, acCancel);

  Panel1 = &Add<ui::Panel>("Panel1");
  Panel1->SetBounds(11, 11, 360, 93);
  Panel1->SetColor(kPanelColor);

  MessageLbl = &Panel1->Add<ui::Label>("MessageLbl");
  MessageLbl->SetBounds(Panel1->ClientRect());
  MessageLbl->SetTransparent(true);
  MessageLbl->SetWordWrap(true);
  MessageLbl->SetAlignment(ui::Alignment::Left);
  MessageLbl->SetFont({"Times New Roman", 16, false, false, false, kMessageColor});
}

components::TZndrSpeedButton& TfmMessage::AddButton(const char* name, int left,
                                                    ui::Action& action) {
  auto& button = Add<components::TZndrSpeedButton>(name);
  button.SetBounds(left, 110, 63, 27);
  button.SetColor(ui::Rgb(255, 213, 170));
  button.SetHotColor(ui::Rgb(221, 120, 0));
  button.SetFontColor(ui::clNavy);
  button.SetHotFontColor(ui::clBlue);
  button.SetHotBorderColor(ui::Rgb(204, 230, 255));
  button.SetTransparent(false);
  button.SetFont({"Times New Roman", 16, true, false, false, ui::clWindowText});
  button.SetAction(&action);
  button.SetTabStop(true);
  return button;
}

void TfmMessage::SetButtons(uint16_t buttons) {
  zsbYes->SetVisible((buttons & kMsgYes) != 0);
  zsbNo->SetVisible((buttons & kMsgNo) != 0);
  zsbCancel->SetVisible((buttons & kMsgCancel) != 0);
  // Enter answers with the first button shown, Escape with Cancel, or No without it.
  components::TZndrSpeedButton* first = zsbYes->Visible()  ? zsbYes
                                        : zsbNo->Visible() ? zsbNo
                                        : zsbCancel->Visible() ? zsbCancel
                                                               : nullptr;
  SetDefaultControl(first);
  SetFocusedControl(first);
  SetCancelControl(zsbCancel->Visible() ? zsbCancel : zsbNo->Visible() ? zsbNo : nullptr);
}

void TfmMessage::ActionList1Execute(ui::Action& action, bool& handled) {
  handled = true;
  switch (action.Tag()) {
    case 1:
      SetModalResult(ui::mrYes);
      break;
    case 2:
      SetModalResult(ui::mrNo);
      break;
    case 3:
      SetModalResult(ui::mrCancel);
      break;
    default:
      handled = false;
      break;
  }
}

int ShowMsgForm(const std::string& text, uint16_t buttons) {
  // Owned here so the dialog goes also when showing it throws.
  auto dialog = std::make_unique<TfmMessage>();
  dialog->SetButtons(buttons);
  dialog->MessageLbl->SetCaption(text);
  const int result = dialog->ShowModal() & 0xFFFF;
  return result == ui::mrYes || result == ui::mrNo ? result : ui::mrCancel;
}

}  // namespace tutorial

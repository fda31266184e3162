#pragma once
// The assistant's own question dialog: a borderless skinned window with the question on a
// dark panel and up to three buttons, answering with the platform's dialog result codes.
#include <cstdint>
#include <string>

#include "components/ZndrSpeedButton.h"
#include "platform/ui/action.h"
#include "platform/ui/form.h"
#include "platform/ui/image.h"
#include "platform/ui/label.h"
#include "platform/ui/panel.h"

namespace tutorial {

// Bits of the button set passed to ShowMsgForm; other bits (OK among them) are ignored.
inline constexpr uint16_t kMsgYes = 1;
inline constexpr uint16_t kMsgNo = 2;
inline constexpr uint16_t kMsgCancel = 8;
inline constexpr uint16_t kMsgYesNo = kMsgYes | kMsgNo;
inline constexpr uint16_t kMsgYesNoCancel = kMsgYes | kMsgNo | kMsgCancel;

class TfmMessage : public ui::Form {
 public:
  TfmMessage();

  // Shows or hides each button from its bit; the buttons keep their places. The first one
  // shown is the default and has the focus; Escape answers Cancel, or No without it.
  void SetButtons(uint16_t buttons);

  ui::Image* Image1;
  components::TZndrSpeedButton* zsbYes;
  components::TZndrSpeedButton* zsbNo;
  components::TZndrSpeedButton* zsbCancel;
  ui::Panel* Panel1;
  ui::Label* MessageLbl;
  ui::ActionList ActionList1;
  ui::Action& acYes;
  ui::Action& acNo;
  ui::Action& acCancel;

 private:
  void ActionList1Execute(ui::Action& action, bool& handled);
  components::TZndrSpeedButton& AddButton(const char* name, int left, ui::Action& action);
};

// Asks `text` with the buttons of `buttons` and returns 6 (Yes), 7 (No) or 2 (Cancel, and
// every other way of closing the dialog).
int ShowMsgForm(const std::string& text, uint16_t buttons);

}  // namespace tutorial

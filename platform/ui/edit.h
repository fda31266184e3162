#pragma once
// A single-line edit field.
#include "platform/ui/windowed_control.h"

namespace ui {

class Edit : public WindowedControl {
 public:
  // Edits show their text on the window colour unless given another.
  explicit Edit(std::string name = {}) : WindowedControl(std::move(name)) { SetColor(clWindow); }

  const std::string& Text() const { return Caption(); }
  // A programmatic change: the native window follows; OnChange runs only with Notify::Yes.
  void SetText(const std::string& text, Notify notify = Notify::No);
  int MaxLength() const { return maxLength_; }  // 0: no limit
  void SetMaxLength(int length);
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool readOnly);
  // The sunken edge around the field; without it the field is flat on its page.
  bool Border() const { return border_; }
  void SetBorder(bool border);

  // The user typed: store the text (the native window has it already) and raise OnChange.
  void UserChangedText(const std::string& text);
  // Asked by the native window for each typed character; a refused one is not inserted.
  virtual bool AcceptsChar(char32_t /*ch*/) const { return true; }

  std::function<void(Edit&)> OnChange;

 protected:
  virtual void Change();

 private:
  int maxLength_ = 0;
  bool readOnly_ = false;
  bool border_ = true;
};

}  // namespace ui

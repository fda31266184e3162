#pragma once
// A drop-down list whose text may also be typed freely. The text is the value; ItemIndex
// says which item it is (-1 when it matches none).
#include <string>
#include <vector>

#include "platform/ui/windowed_control.h"

namespace ui {

class ComboBox : public WindowedControl {
 public:
  // The text shows on the window colour unless given another.
  explicit ComboBox(std::string name = {}) : WindowedControl(std::move(name)) {
    SetColor(clWindow);
  }

  const std::vector<std::string>& Items() const { return items_; }
  // The text stays; ItemIndex follows it into the new list.
  void SetItems(std::vector<std::string> items);
  const std::string& Text() const { return Caption(); }
  // A programmatic change: the native window follows; OnChange runs only with Notify::Yes.
  void SetText(const std::string& text, Notify notify = Notify::No);
  int ItemIndex() const { return itemIndex_; }
  // Shows the item (-1 or an index out of range: an empty text), without raising OnChange.
  void SetItemIndex(int index);
  int MaxLength() const { return maxLength_; }  // 0: no limit
  void SetMaxLength(int length);
  // How many items the open list shows before it scrolls.
  int DropDownCount() const { return dropDownCount_; }
  void SetDropDownCount(int count);

  // The user typed: store the text (the native window has it already) and raise OnChange.
  void UserChangedText(const std::string& text);
  // The user chose an item from the list: store it and raise OnChange.
  void UserSelected(int index);
  // Asked by the native window for each typed character; a refused one is not inserted.
  virtual bool AcceptsChar(char32_t /*ch*/) const { return true; }
  // The list is about to open: OnDropDown may still fill it.
  void DropDown();
  // The list closed.
  void CloseUp() { droppedDown_ = false; }
  bool DroppedDown() const { return droppedDown_; }
  // An open list takes Enter and Escape to choose or close.
  bool UsesKey(Key key) const override {
    return droppedDown_ && (key == Key::Enter || key == Key::Escape);
  }

  std::function<void(ComboBox&)> OnChange;
  std::function<void(ComboBox&)> OnDropDown;

 protected:
  virtual void Change();

 private:
  // The first item equal to `text`, or -1.
  int IndexOf(const std::string& text) const;

  std::vector<std::string> items_;
  int itemIndex_ = -1;
  int maxLength_ = 0;
  int dropDownCount_ = 8;
  bool droppedDown_ = false;
};

}  // namespace ui

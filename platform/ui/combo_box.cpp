#include "platform/ui/combo_box.h"

#include <algorithm>

namespace ui {

int ComboBox::IndexOf(const std::string& text) const {
  const auto it = std::find(items_.begin(), items_.end(), text);
  return it == items_.end() ? -1 : int(it - items_.begin());
}

void ComboBox::SetItems(std::vector<std::string> items) {
  if (items == items_) return;
  items_ = std::move(items);
  itemIndex_ = IndexOf(Text());
  SyncNative(syncState);  // the native window refills and shows the text again
}

void ComboBox::SetText(const std::string& text, Notify notify) {
  if (text == Text()) return;
  itemIndex_ = IndexOf(text);  // before the native window is synced: it shows both
  SetCaption(text);
  if (notify == Notify::Yes) Change();
}

void ComboBox::SetItemIndex(int index) {
  if (index < 0 || index >= int(items_.size())) index = -1;
  if (index == itemIndex_) return;
  itemIndex_ = index;
  const std::string text = index < 0 ? std::string() : items_[size_t(index)];
  if (text == Text())
    SyncNative(syncText);  // the same text, another of its duplicates
  else
    SetCaption(text);
}

void ComboBox::SetMaxLength(int length) {
  if (length == maxLength_) return;
  maxLength_ = length;
  SyncNative(syncState);
}

void ComboBox::SetDropDownCount(int count) {
  if (count == dropDownCount_) return;
  dropDownCount_ = count;
  SyncNative(syncState);
}

void ComboBox::UserChangedText(const std::string& text) {
  if (text == Text()) return;
  // The native window shows this text already: store it without syncing back.
  StoreCaption(text);
  itemIndex_ = IndexOf(text);
  Change();
}

void ComboBox::UserSelected(int index) {
  if (index < 0 || index >= int(items_.size())) return;
  if (index == itemIndex_ && items_[size_t(index)] == Text()) return;
  StoreCaption(items_[size_t(index)]);
  itemIndex_ = index;
  Change();
}

void ComboBox::DropDown() {
  droppedDown_ = true;
  if (OnDropDown) OnDropDown(*this);
}

void ComboBox::Change() {
  if (OnChange) OnChange(*this);
}

}  // namespace ui

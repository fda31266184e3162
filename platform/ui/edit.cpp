#include "platform/ui/edit.h"

namespace ui {

void Edit::SetText(const std::string& text, Notify notify) {
  if (text == Text()) return;
  SetCaption(text);  // syncs the native window through TextChanged
  if (notify == Notify::Yes) Change();
}

void Edit::SetMaxLength(int length) {
  if (length == maxLength_) return;
  maxLength_ = length;
  SyncNative(syncState);
}

void Edit::SetReadOnly(bool readOnly) {
  if (readOnly == readOnly_) return;
  readOnly_ = readOnly;
  SyncNative(syncState);
}

void Edit::SetBorder(bool border) {
  if (border == border_) return;
  border_ = border;
  SyncNative(syncState);
}

void Edit::UserChangedText(const std::string& text) {
  if (text == Text()) return;
  // The native window shows this text already: store it without syncing back.
  StoreCaption(text);
  Change();
}

void Edit::Change() {
  if (OnChange) OnChange(*this);
}

}  // namespace ui

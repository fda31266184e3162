#pragma once
// The link of a data-aware control to one table field, shared by the data-aware edit and
// combo box: the field's text shows in the control, a string field's size limits its length,
// and the user's text goes straight into the record. Integer fields take only digits and
// signs, and a text that is not a valid integer is refused when the user leaves the control.
#include <functional>
#include <string>

#include "platform/data/data_link.h"

namespace ui {

class FieldBinding : private data::DataLink {
 public:
  // `show` puts the field's text in the control without raising its change event; `limit`
  // sets the control's length limit.
  FieldBinding(std::function<void(const std::string&)> show, std::function<void(int)> limit);

  void SetDataSource(data::Table* table);
  void SetDataField(const std::string& field);
  using data::DataLink::GetField;
  using data::DataLink::GetTable;

  // Typing: for integer fields, characters other than digits and signs are refused.
  bool AcceptsChar(char32_t ch) const;
  // The user changed the control's text: writes it into the record. Integer text is written
  // once it is a whole number; CheckOnExit reports the rest.
  void Store(std::string text);
  // The user leaves the control: a text that is not a valid integer is replaced by the
  // field's value and reported with ui::Error.
  void CheckOnExit(const std::string& text);

 private:
  void RecordChanged() override { Load(); }
  void FieldChanged(const data::Field& field) override;
  void StateChanged() override {}
  void TableClosed() override { Load(); }
  // Shows the field's text and takes its size as the length limit.
  void Load();
  bool IsIntegerField() const;

  std::function<void(const std::string&)> show_;
  std::function<void(int)> limit_;
  bool storing_ = false;  // the user's text is on its way into the record
};

}  // namespace ui

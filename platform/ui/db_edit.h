#pragma once
// An edit bound to a table field. The field's text shows in the edit; what the user types goes
// straight into the table's edit buffer. Integer fields take only digits and signs, and a
// text that is not a valid integer is refused when the user leaves the edit.
#include "platform/data/data_link.h"
#include "platform/ui/edit.h"

namespace ui {

class DBEdit : public Edit, private data::DataLink {
 public:
  using Edit::Edit;

  void SetDataSource(data::Table* table);
  void SetDataField(const std::string& field);
  data::Field* DataFieldObject() const { return GetField(); }

  // Typing: for integer fields, characters other than digits and signs are refused.
  bool AcceptsChar(char32_t ch) const;

  void DoExit() override;

 protected:
  void Change() override;

 private:
  void RecordChanged() override { Load(); }
  void FieldChanged(const data::Field& field) override;
  void StateChanged() override {}
  void TableClosed() override { Load(); }
  // Shows the field's text (without raising OnChange) and takes its size as the length limit.
  void Load();
  bool IsIntegerField() const;

  bool writing_ = false;  // the user's text is on its way into the record
};

}  // namespace ui

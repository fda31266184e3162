#pragma once
// An edit bound to a table field. The field's text shows in the edit; what the user types goes
// straight into the table's edit buffer. Integer fields take only digits and signs, and a
// text that is not a valid integer is refused when the user leaves the edit.
#include "platform/ui/edit.h"
#include "platform/ui/field_binding.h"

namespace ui {

class DBEdit : public Edit {
 public:
  using Edit::Edit;

  void SetDataSource(data::Table* table) { binding_.SetDataSource(table); }
  void SetDataField(const std::string& field) { binding_.SetDataField(field); }
  data::Field* DataFieldObject() const { return binding_.GetField(); }
  data::Table* DataSource() const { return binding_.GetTable(); }

  bool AcceptsChar(char32_t ch) const override { return binding_.AcceptsChar(ch); }

  void DoExit() override;

 protected:
  void Change() override;

 private:
  FieldBinding binding_{[this](const std::string& text) { SetText(text, Notify::No); },
                        [this](int length) { SetMaxLength(length); }};
};

}  // namespace ui

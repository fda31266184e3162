#pragma once
// A combo box bound to a table field, as DBEdit is: the field's text shows, and what the user
// types or chooses from the list goes straight into the table's edit buffer.
#include "platform/ui/combo_box.h"
#include "platform/ui/field_binding.h"

namespace ui {

class DBComboBox : public ComboBox {
 public:
  using ComboBox::ComboBox;

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

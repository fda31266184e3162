#pragma once
// A text control bound to a table field. The field's text shows in the control; what the user
// types or chooses goes straight into the table's edit buffer. Integer fields take only digits
// and signs, and a text that is not a valid integer is refused when the user leaves.
#include <string>

#include "platform/ui/field_binding.h"
#include "platform/ui/windowed_control.h"

namespace ui {

template <class TextControl>
class DataBound : public TextControl {
 public:
  using TextControl::TextControl;

  void SetDataSource(data::Table* table) { binding_.SetDataSource(table); }
  void SetDataField(const std::string& field) { binding_.SetDataField(field); }
  data::Field* DataFieldObject() const { return binding_.GetField(); }
  data::Table* DataSource() const { return binding_.GetTable(); }

  bool AcceptsChar(char32_t ch) const override { return binding_.AcceptsChar(ch); }

  void DoExit() override {
    binding_.CheckOnExit(this->Text());
    TextControl::DoExit();
  }

 protected:
  void Change() override {
    binding_.Store(this->Text());
    TextControl::Change();
  }

 private:
  FieldBinding binding_{[this](const std::string& text) { this->SetText(text, Notify::No); },
                        [this](int length) { this->SetMaxLength(length); }};
};

}  // namespace ui

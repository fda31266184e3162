#pragma once
// A combo box bound to a table field (see DataBound): the list's choice is written as typing is.
#include "platform/ui/combo_box.h"
#include "platform/ui/data_bound.h"

namespace ui {

class DBComboBox : public DataBound<ComboBox> {
 public:
  using DataBound<ComboBox>::DataBound;
};

}  // namespace ui

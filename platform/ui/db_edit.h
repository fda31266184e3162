#pragma once
// An edit bound to a table field (see DataBound).
#include "platform/ui/data_bound.h"
#include "platform/ui/edit.h"

namespace ui {

class DBEdit : public DataBound<Edit> {
 public:
  using DataBound<Edit>::DataBound;
};

}  // namespace ui

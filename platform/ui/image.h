#pragma once
#include <memory>

#include "platform/ui/control.h"
#include "platform/ui/picture.h"

namespace ui {

// A windowless picture, drawn unscaled from its top-left corner and clipped to its bounds.
class Image : public Control {
 public:
  using Control::Control;

  const Picture* GetPicture() const { return picture_.get(); }
  void SetPicture(std::shared_ptr<const Picture> picture);

  void Paint(Canvas& canvas) const override;
  // A picture is decoration unless it was given a name (a check mark says what it marks).
  AccessibleRole GetAccessibleRole() const override {
    return AccessibleName().empty() ? AccessibleRole::None : AccessibleRole::Graphic;
  }

 private:
  std::shared_ptr<const Picture> picture_;
};

}  // namespace ui

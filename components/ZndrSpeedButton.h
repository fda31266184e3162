#pragma once
// The skin's push button: a windowless control that draws a picture from an image list and
// a caption in one of three colour sets (normal, disabled, hot), an optional single or
// double, square or rounded border, and inverts its inner area while held down. Press and
// hover behaviour live in ButtonController; this class only draws the look.
#include <array>
#include <cstdint>

#include "components/ButtonController.h"
#include "platform/ui/control.h"
#include "platform/ui/image_list.h"

namespace components {

// The border shapes, named as the form definitions name them.
enum TZSBBorderStyle : uint8_t {
  zsbbNone,
  zsbbRect,
  sbbDoubleRect,
  zsbbRoundRect,
  zsbbDblRoundRect,
};

// Where the picture stands relative to the caption.
enum TButtonLayout : uint8_t { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

class TZndrSpeedButton : public ui::Control, private ui::ImageListObserver {
 public:
  // Index of the colour set, image list and border colour in use.
  enum ColorState { csNormal = 0, csDisabled = 1, csHot = 2 };

  explicit TZndrSpeedButton(std::string name = {});
  ~TZndrSpeedButton() override;

  // --- image lists (not owned; a destroyed list is forgotten) ---
  ui::ImageList* ImageList() const { return imageLists_[csNormal]; }
  void SetImageList(ui::ImageList* list) { SetList(csNormal, list); }
  ui::ImageList* DisabledImages() const { return imageLists_[csDisabled]; }
  void SetDisabledImages(ui::ImageList* list) { SetList(csDisabled, list); }
  ui::ImageList* HotImages() const { return imageLists_[csHot]; }
  void SetHotImages(ui::ImageList* list) { SetList(csHot, list); }

  // --- colours; the normal background is the control's own colour (GetColor/SetColor) ---
  ui::Color DisabledColor() const { return colors_[csDisabled]; }
  void SetDisabledColor(ui::Color c) { SetColorOf(colors_[csDisabled], c); }
  ui::Color HotColor() const { return colors_[csHot]; }
  void SetHotColor(ui::Color c) { SetColorOf(colors_[csHot], c); }
  ui::Color FontColor() const { return fontColors_[csNormal]; }
  void SetFontColor(ui::Color c) { SetColorOf(fontColors_[csNormal], c); }
  ui::Color HotFontColor() const { return fontColors_[csHot]; }
  void SetHotFontColor(ui::Color c) { SetColorOf(fontColors_[csHot], c); }
  ui::Color BorderColor() const { return borderColors_[csNormal]; }
  void SetBorderColor(ui::Color c) { SetColorOf(borderColors_[csNormal], c); }
  ui::Color DisabledBorderColor() const { return borderColors_[csDisabled]; }
  void SetDisabledBorderColor(ui::Color c) { SetColorOf(borderColors_[csDisabled], c); }
  ui::Color HotBorderColor() const { return borderColors_[csHot]; }
  void SetHotBorderColor(ui::Color c) { SetColorOf(borderColors_[csHot], c); }

  // --- look ---
  TZSBBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TZSBBorderStyle style);
  int ImageIndex() const { return imageIndex_; }
  // Ignored unless ImageList holds the index; stored unchecked while loading.
  void SetImageIndex(int index);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool transparent);
  TButtonLayout ButtonLayout() const { return layout_; }
  void SetButtonLayout(TButtonLayout layout);
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool wordWrap);
  bool InvertColorWhenPressed() const { return invertWhenPressed_; }
  void SetInvertColorWhenPressed(bool invert) { invertWhenPressed_ = invert; }
  bool RightToLeft() const { return rightToLeft_; }
  void SetRightToLeft(bool rightToLeft);

  // True while the button is being read from a form definition: setters store without
  // checks or repaints.
  bool Loading() const { return loading_; }
  void SetLoading(bool loading) { loading_ = loading; }

  // --- state ---
  bool Hot() const { return controller_.Hot(); }
  bool Down() const { return controller_.Pressed(); }
  ColorState State() const;

  void Paint(ui::Canvas& canvas) const override;

  void MouseEnter() override;
  void MouseLeave() override;
  void MouseDown(const ui::MouseEvent& e) override;
  void MouseMove(const ui::MouseEvent& e) override;
  void MouseUp(const ui::MouseEvent& e) override;
  bool DialogChar(char32_t ch) override;
  ui::AccessibleRole GetAccessibleRole() const override { return ui::AccessibleRole::PushButton; }
  // The name set, else the caption without its mark, else the hint.
  std::string AccessibleName() const override;

 protected:
  void ActionChange(ui::Action& action) override;
  void EnabledChanged() override;

 private:
  void ImageListDestroyed(ui::ImageList& list) override;
  void SetList(ColorState state, ui::ImageList* list);
  void SetColorOf(ui::Color& slot, ui::Color c);
  void InvalidateUnlessLoading();
  ui::Color BackgroundOf(ColorState state) const;
  // The inner area after the border, where picture and caption are laid out.
  ui::Rect PaintBorder(ui::Canvas& canvas, ColorState state) const;
  void PaintContent(ui::Canvas& canvas, const ui::Rect& inner, ColorState state) const;

  ButtonController controller_{*this};
  std::array<ui::ImageList*, 3> imageLists_{};
  std::array<ui::Color, 3> colors_{};  // [csNormal] unused: the control's colour
  std::array<ui::Color, 3> fontColors_{};
  std::array<ui::Color, 3> borderColors_{};
  TZSBBorderStyle borderStyle_ = zsbbRect;
  int imageIndex_ = -1;
  bool transparent_ = false;
  TButtonLayout layout_ = blGlyphLeft;
  bool wordWrap_ = false;
  bool invertWhenPressed_ = true;
  bool rightToLeft_ = false;
  bool loading_ = false;
};

}  // namespace components

#include "components/ZndrSpeedButton.h"

#include <algorithm>
#include <cctype>

#include "platform/ui/action.h"
#include "platform/ui/canvas.h"

namespace components {
namespace {

constexpr int kMargin = 5;
constexpr int kSpacing = 5;

struct ContentLayout {
  ui::Point picture;
  ui::Point caption;
};

// Places picture and caption in an inner area of size `area`, relative to its top-left.
ContentLayout LayOut(ui::Size area, ui::Size picture, ui::Size caption, bool hasCaption,
                     TButtonLayout layout) {
  ContentLayout out;
  const bool horizontal = layout == blGlyphLeft || layout == blGlyphRight;
  // Integer division rounds toward zero, also for captions wider than the area.
  if (horizontal) {
    out.picture.y = (area.height - picture.height + 1) / 2;
    out.caption.y = (area.height - caption.height + 1) / 2;
  } else {
    out.picture.x = (area.width - picture.width + 1) / 2;
    out.caption.x = (area.width - caption.width + 1) / 2;
  }
  const int spacing = !hasCaption || picture.width == 0 ? 0 : kSpacing;
  switch (layout) {
    case blGlyphLeft:
      out.picture.x = kMargin;
      out.caption.x = kMargin + picture.width + spacing;
      break;
    case blGlyphRight:
      out.picture.x = area.width - kMargin - picture.width;
      out.caption.x = out.picture.x - spacing - caption.width;
      break;
    case blGlyphTop:
      out.picture.y = kMargin;
      out.caption.y = kMargin + picture.height + spacing;
      break;
    case blGlyphBottom:
      out.picture.y = area.height - kMargin - picture.height;
      out.caption.y = out.picture.y - spacing - caption.height;
      break;
  }
  return out;
}

}  // namespace

TZndrSpeedButton::TZndrSpeedButton(std::string name) : ui::Control(std::move(name)) {
  SetBounds(0, 0, 35, 35);
  SetColor(ui::clWindow);
  colors_[csDisabled] = ui::clGray;
  colors_[csHot] = ui::clRed;
  fontColors_[csNormal] = GetFont().color;
  fontColors_[csDisabled] = ui::clGray;
  fontColors_[csHot] = ui::clRed;
  borderColors_[csNormal] = ui::clBlack;
  borderColors_[csDisabled] = ui::clSilver;
  borderColors_[csHot] = ui::clYellow;
  // Reached with Tab like a native button.
  SetTabStop(true);
}

TZndrSpeedButton::~TZndrSpeedButton() {
  for (ui::ImageList* list : imageLists_) {
    if (list) list->RemoveObserver(this);
  }
}

TZndrSpeedButton::ColorState TZndrSpeedButton::State() const {
  if (!Enabled()) return csDisabled;  // disabled wins over hot
  return controller_.Hot() ? csHot : csNormal;
}

ui::Color TZndrSpeedButton::BackgroundOf(ColorState state) const {
  return state == csNormal ? GetColor() : colors_[state];
}

void TZndrSpeedButton::InvalidateUnlessLoading() {
  if (!loading_) Invalidate();
}

void TZndrSpeedButton::SetList(ColorState state, ui::ImageList* list) {
  ui::ImageList*& slot = imageLists_[state];
  if (list == slot) return;
  ui::ImageList* old = slot;
  slot = list;
  // One observer registration per list, however many slots hold it.
  if (old && old != imageLists_[0] && old != imageLists_[1] && old != imageLists_[2])
    old->RemoveObserver(this);
  if (list) list->AddObserver(this);
  InvalidateUnlessLoading();
}

void TZndrSpeedButton::ImageListDestroyed(ui::ImageList& list) {
  for (ui::ImageList*& slot : imageLists_) {
    if (slot == &list) slot = nullptr;
  }
  Invalidate();
}

void TZndrSpeedButton::SetColorOf(ui::Color& slot, ui::Color c) {
  if (c == slot) return;
  slot = c;
  InvalidateUnlessLoading();
}

void TZndrSpeedButton::SetBorderStyle(TZSBBorderStyle style) {
  if (style == borderStyle_) return;
  borderStyle_ = style;
  InvalidateUnlessLoading();
}

void TZndrSpeedButton::SetImageIndex(int index) {
  if (loading_) {
    // The list may not be assigned yet while a form definition is read.
    imageIndex_ = index;
    return;
  }
  const ui::ImageList* list = imageLists_[csNormal];
  if (index == imageIndex_ || !list || index >= list->Count()) return;
  imageIndex_ = index;
  Invalidate();
}

// Layout and transparency repaint even when unchanged: a transparent button must redraw
// when the background under it changed.
void TZndrSpeedButton::SetTransparent(bool transparent) {
  transparent_ = transparent;
  InvalidateUnlessLoading();
}

void TZndrSpeedButton::SetButtonLayout(TButtonLayout layout) {
  layout_ = layout;
  InvalidateUnlessLoading();
}

void TZndrSpeedButton::SetWordWrap(bool wordWrap) {
  if (wordWrap == wordWrap_) return;
  wordWrap_ = wordWrap;
  Invalidate();
}

void TZndrSpeedButton::SetRightToLeft(bool rightToLeft) {
  if (rightToLeft == rightToLeft_) return;
  rightToLeft_ = rightToLeft;
  InvalidateUnlessLoading();
}

void TZndrSpeedButton::ActionChange(ui::Action& action) {
  ui::Control::ActionChange(action);
  // The picture index follows the action when its list holds it; the button keeps its own
  // image list.
  const ui::ImageList* images = action.List().Images();
  const int index = action.ImageIndex();
  if (images && index >= 0 && index < images->Count()) SetImageIndex(index);
}

void TZndrSpeedButton::EnabledChanged() { Repaint(); }

void TZndrSpeedButton::MouseEnter() {
  ui::Control::MouseEnter();
  controller_.MouseEnter();
}

void TZndrSpeedButton::MouseLeave() {
  ui::Control::MouseLeave();
  controller_.MouseLeave();
}

void TZndrSpeedButton::MouseDown(const ui::MouseEvent& e) {
  ui::Control::MouseDown(e);
  controller_.MouseDown(e);
}

void TZndrSpeedButton::MouseMove(const ui::MouseEvent& e) {
  ui::Control::MouseMove(e);
  controller_.MouseMove(e);
}

void TZndrSpeedButton::MouseUp(const ui::MouseEvent& e) {
  ui::Control::MouseUp(e);
  controller_.MouseUp(e);
}

std::string TZndrSpeedButton::AccessibleName() const {
  std::string name = ui::Control::AccessibleName();
  // A caption that is only its action's name is a placeholder nobody should hear.
  if (GetAction() && name == GetAction()->Name()) name.clear();
  // So is one without a letter or digit ("..."): the hint says what it does.
  if (std::none_of(name.begin(), name.end(), [](unsigned char c) { return std::isalnum(c) || c >= 0x80; }))
    name.clear();
  return name.empty() ? Hint() : name;
}

bool TZndrSpeedButton::DialogChar(char32_t ch) {
  return controller_.DialogChar(ch) || ui::Control::DialogChar(ch);
}

void TZndrSpeedButton::Paint(ui::Canvas& canvas) const {
  const ColorState state = State();
  if (!transparent_) canvas.FillRect(ClientRect(), BackgroundOf(state));
  const ui::Rect inner = PaintBorder(canvas, state);
  PaintContent(canvas, inner, state);
  if (invertWhenPressed_ && state != csDisabled && controller_.Pressed()) canvas.InvertRect(inner);
}

ui::Rect TZndrSpeedButton::PaintBorder(ui::Canvas& canvas, ColorState state) const {
  ui::Rect r = ClientRect();
  if (borderStyle_ == zsbbNone) return r;
  ui::Pen pen{borderColors_[state], 1};
  const ui::Brush brush{BackgroundOf(state), transparent_};
  const auto roundRect = [&] {
    canvas.RoundRect(r, r.Width() / 2, r.Height() / 2, pen, brush);
  };
  r = r.Inflate(-1);
  switch (borderStyle_) {
    case zsbbRect:
      canvas.Rectangle(r, pen, brush);
      break;
    case sbbDoubleRect:
      canvas.Rectangle(r, pen, brush);
      r = r.Inflate(-4);
      pen.width = 2;
      canvas.Rectangle(r, pen, brush);
      break;
    case zsbbRoundRect:
      roundRect();
      break;
    case zsbbDblRoundRect:
      roundRect();
      r = r.Inflate(-4);
      pen.width = 2;
      roundRect();
      break;
    case zsbbNone:
      break;
  }
  return r.Inflate(-(pen.width + 1));
}

void TZndrSpeedButton::PaintContent(ui::Canvas& canvas, const ui::Rect& inner,
                                    ColorState state) const {
  ui::Font font = GetFont();
  font.color = fontColors_[state];
  const bool disabled = state == csDisabled;

  const ui::ImageList* list = imageLists_[state] ? imageLists_[state] : imageLists_[csNormal];
  // In right-to-left reading the picture changes sides.
  TButtonLayout layout = layout_;
  if (rightToLeft_ && layout == blGlyphLeft)
    layout = blGlyphRight;
  else if (rightToLeft_ && layout == blGlyphRight)
    layout = blGlyphLeft;
  const unsigned readingFlags = rightToLeft_ ? ui::tfRight | ui::tfRtlReading : 0u;
  const unsigned wrapFlags = wordWrap_ ? unsigned(ui::tfWordBreak) : 0u;

  // The picture's place is kept even when ImageIndex is -1.
  const ui::Size pictureSize = list ? ui::Size{list->Width(), list->Height()} : ui::Size{};
  const std::string& caption = Caption();
  const ui::Size captionSize = caption.empty()
      ? ui::Size{}
      : canvas.MeasureText(caption, font, readingFlags | wrapFlags, inner.Width());
  const ContentLayout placed =
      LayOut({inner.Width(), inner.Height()}, pictureSize, captionSize, !caption.empty(), layout);

  if (list && list->Width() > 0 && list->Height() > 0 && list->Image(imageIndex_)) {
    canvas.DrawImage(*list, imageIndex_,
                     {inner.left + placed.picture.x, inner.top + placed.picture.y}, disabled);
  }
  if (caption.empty()) return;
  const ui::Rect box = ui::Rect::FromBounds(inner.left + placed.caption.x,
                                            inner.top + placed.caption.y, captionSize.width,
                                            captionSize.height);
  // Centred in a box of its own size, so the reading order only adds the RTL flag.
  const unsigned flags = ui::tfCenter | (rightToLeft_ ? unsigned(ui::tfRtlReading) : 0u) | wrapFlags;
  if (disabled) {
    font.color = ui::clBtnHighlight;
    canvas.DrawText(caption, box.Offset(1, 1), font, flags);
    font.color = ui::clBtnShadow;
  }
  canvas.DrawText(caption, box, font, flags);
}

}  // namespace components

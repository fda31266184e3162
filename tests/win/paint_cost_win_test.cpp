// What a step change costs the window system: a caption change leaves nothing to repaint,
// the area outside the controls is painted in the form's colour without a buffer and looks
// as before, a native field is created in place with one round of window calls, and the
// next page's fields take the last page's windows as if they were new.
#include "platform/win32/windows_api.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "platform/ui/check_box.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/edit.h"
#include "platform/ui/form.h"
#include "platform/ui/panel.h"
#include "platform/win32/win32_native_control.h"
#include "platform/win32/win32_native_form.h"
#include "platform/win32/win32_platform.h"

namespace {

// Counts the messages sent to the windows of this thread while it lives, by message.
class SentMessages {
 public:
  SentMessages() {
    current_ = this;
    hook_ = SetWindowsHookExW(WH_CALLWNDPROC, &Hook, nullptr, GetCurrentThreadId());
  }
  ~SentMessages() {
    UnhookWindowsHookEx(hook_);
    current_ = nullptr;
  }
  int Count(HWND window, UINT message) const {
    auto it = counts_.find({window, message});
    return it == counts_.end() ? 0 : it->second;
  }
  int Total(UINT message) const {
    int n = 0;
    for (const auto& [key, count] : counts_) n += key.second == message ? count : 0;
    return n;
  }

 private:
  static LRESULT CALLBACK Hook(int code, WPARAM wparam, LPARAM lparam) {
    if (code == HC_ACTION && current_) {
      const auto* msg = reinterpret_cast<CWPSTRUCT*>(lparam);
      ++current_->counts_[{msg->hwnd, msg->message}];
    }
    return CallNextHookEx(nullptr, code, wparam, lparam);
  }
  static inline SentMessages* current_ = nullptr;
  HHOOK hook_ = nullptr;
  std::map<std::pair<HWND, UINT>, int> counts_;
};

class PaintCostTest : public ::testing::Test {
 protected:
  PaintCostTest() {
    form.SetBorderStyle(ui::BorderStyle::None);
    form.SetBounds(30, 30, 400, 300);
    form.SetColor(ui::clWhite);
    content.SetBounds(100, 80, 150, 100);
    content.SetColor(ui::clRed);
    form.Show();
    UpdateWindow(Window());
  }
  HWND Window() const { return static_cast<HWND>(form.Native()->Handle()); }
  static HWND WindowOf(ui::WindowedControl& control) {
    auto* native = dynamic_cast<win32::Win32NativeControl*>(control.Native());
    return native ? native->Window() : nullptr;
  }
  bool NothingToRepaint() const { return GetUpdateRect(Window(), nullptr, FALSE) == FALSE; }

  win32::Win32Platform platform{GetModuleHandleW(nullptr)};
  ui::Form form{"PaintCost"};
  ui::Panel& content = form.Add<ui::Panel>("Content");
};

TEST_F(PaintCostTest, ACaptionChangeLeavesNothingToRepaint) {
  ASSERT_TRUE(NothingToRepaint());
  form.SetCaption("Company set-up - step 2 of 21");
  wchar_t title[64] = {};
  GetWindowTextW(Window(), title, 64);
  EXPECT_STREQ(title, L"Company set-up - step 2 of 21");
  EXPECT_TRUE(NothingToRepaint());

  // The colour is drawn everywhere: all of it again.
  form.SetColor(ui::clBlue);
  RECT update{};
  ASSERT_TRUE(GetUpdateRect(Window(), &update, FALSE));
  EXPECT_EQ(update.right - update.left, 400);
  EXPECT_EQ(update.bottom - update.top, 300);

  // Maximised, as the wizard is: the window's own resize is no change to repaint for later.
  form.SetWindowState(ui::WindowState::Maximized);
  UpdateWindow(Window());
  ASSERT_TRUE(NothingToRepaint());
  form.SetCaption("Company set-up - step 3 of 21");
  EXPECT_TRUE(NothingToRepaint());
}

TEST_F(PaintCostTest, OutsideTheControlsTheFormColourIsPaintedAsBefore) {
  // The whole client area through WM_PRINTCLIENT, as a full repaint draws it.
  HDC screen = GetDC(Window());
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, 400, 300);
  ReleaseDC(Window(), screen);
  HGDIOBJ old = SelectObject(memory, bitmap);
  RECT all{0, 0, 400, 300};
  FillRect(memory, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  SendMessageW(Window(), WM_PRINTCLIENT, WPARAM(memory), PRF_CLIENT);
  EXPECT_EQ(GetPixel(memory, 0, 0), RGB(255, 255, 255));
  EXPECT_EQ(GetPixel(memory, 399, 299), RGB(255, 255, 255));
  EXPECT_EQ(GetPixel(memory, 99, 80), RGB(255, 255, 255)) << "just left of the content";
  EXPECT_EQ(GetPixel(memory, 100, 80), RGB(255, 0, 0));
  EXPECT_EQ(GetPixel(memory, 249, 179), RGB(255, 0, 0));
  EXPECT_EQ(GetPixel(memory, 250, 179), RGB(255, 255, 255)) << "just right of the content";

  // An area that only partly covers the content: both parts right, nothing else touched.
  FillRect(memory, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  InvalidateRect(Window(), nullptr, FALSE);
  UpdateWindow(Window());
  HDC dc = GetDC(Window());
  EXPECT_EQ(GetPixel(dc, 50, 50), RGB(255, 255, 255));
  EXPECT_EQ(GetPixel(dc, 120, 100), RGB(255, 0, 0));
  ReleaseDC(Window(), dc);
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
}

// The back buffer is kept from paint to paint: a larger area after a print into a one-bit
// DC, then a small part alone, must still come out right and in colour.
TEST_F(PaintCostTest, TheKeptBackBufferPaintsEveryLaterAreaRight) {
  content.SetBounds(60, 40, 300, 220);  // larger than anything painted so far
  HDC mono = CreateCompatibleDC(nullptr);
  HBITMAP monoBitmap = CreateBitmap(400, 300, 1, 1, nullptr);
  HGDIOBJ old = SelectObject(mono, monoBitmap);
  SendMessageW(Window(), WM_PRINTCLIENT, WPARAM(mono), PRF_CLIENT);
  SelectObject(mono, old);
  DeleteObject(monoBitmap);
  DeleteDC(mono);

  InvalidateRect(Window(), nullptr, FALSE);
  UpdateWindow(Window());
  HDC dc = GetDC(Window());
  EXPECT_EQ(GetPixel(dc, 60, 40), RGB(255, 0, 0));
  EXPECT_EQ(GetPixel(dc, 359, 259), RGB(255, 0, 0));
  EXPECT_EQ(GetPixel(dc, 59, 40), RGB(255, 255, 255));
  EXPECT_EQ(GetPixel(dc, 360, 259), RGB(255, 255, 255));

  // Only a small part repainted, in the new colour: the rest keeps the old one.
  content.SetColor(ui::clBlue);
  ValidateRect(Window(), nullptr);
  RECT part{100, 100, 140, 130};
  InvalidateRect(Window(), &part, FALSE);
  UpdateWindow(Window());
  EXPECT_EQ(GetPixel(dc, 100, 100), RGB(0, 0, 255));
  EXPECT_EQ(GetPixel(dc, 139, 129), RGB(0, 0, 255));
  EXPECT_EQ(GetPixel(dc, 140, 129), RGB(255, 0, 0));
  EXPECT_EQ(GetPixel(dc, 99, 100), RGB(255, 0, 0));
  // And all of it again: nothing of the small paint's clip is left in the buffer.
  InvalidateRect(Window(), nullptr, FALSE);
  UpdateWindow(Window());
  EXPECT_EQ(GetPixel(dc, 60, 40), RGB(0, 0, 255));
  EXPECT_EQ(GetPixel(dc, 359, 259), RGB(0, 0, 255));
  ReleaseDC(Window(), dc);
}

// A tall page goes through the buffer band by band: every row comes out where its controls
// are, also across a band's edge and in the last, shorter band, and the buffer holds a band.
TEST_F(PaintCostTest, ABufferedPaintBandByBandLeavesNoSeam) {
  form.SetBounds(0, 0, 1000, 700);
  content.SetBounds(10, 10, 980, 680);
  const int band = win32::Win32NativeForm::BandHeight(980, 680);
  ASSERT_GE(680 / band, 3) << "the page spans several bands";
  EXPECT_LE(980 * band * 4, win32::Win32NativeForm::kBandBytes);
  EXPECT_EQ(win32::Win32NativeForm::BandHeight(980, 40), 40) << "a short part is one band";
  // A stripe across each band's edge, from three rows above it to three below.
  std::vector<std::pair<int, int>> stripes;  // form rows [top, bottom)
  for (int edge = 10 + band; edge < 690; edge += band) {
    auto& stripe = form.Add<ui::Panel>("Stripe" + std::to_string(edge));
    stripe.SetBounds(100, edge - 3, 400, 6);
    stripe.SetColor(ui::clBlue);
    stripes.emplace_back(edge - 3, edge + 3);
  }

  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = 1000;
  info.bmiHeader.biHeight = -700;  // top row first
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  ASSERT_NE(bitmap, nullptr);
  HDC memory = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(memory, bitmap);
  SendMessageW(Window(), WM_PRINTCLIENT, WPARAM(memory), PRF_CLIENT);
  GdiFlush();
  auto pixel = [&](int x, int y) {
    return static_cast<const uint32_t*>(bits)[y * 1000 + x] & 0xFFFFFF;
  };
  constexpr uint32_t kWhite = 0xFFFFFF, kRed = 0xFF0000, kBlue = 0x0000FF;
  int wrong = 0;
  for (int y = 0; y < 700; ++y) {
    const bool inContent = y >= 10 && y < 690;
    bool inStripe = false;
    for (auto [top, bottom] : stripes) inStripe |= y >= top && y < bottom;
    const uint32_t atStripe = inStripe ? kBlue : inContent ? kRed : kWhite;
    const uint32_t beside = inContent ? kRed : kWhite;
    if (pixel(300, y) != atStripe || pixel(700, y) != beside || pixel(995, y) != kWhite) {
      if (++wrong <= 5) ADD_FAILURE() << "row " << y << ": " << std::hex << pixel(300, y) << " "
                                      << pixel(700, y) << " " << pixel(995, y);
    }
  }
  EXPECT_EQ(wrong, 0);
  SelectObject(memory, old);
  DeleteDC(memory);
  DeleteObject(bitmap);
}

TEST_F(PaintCostTest, ANativeFieldIsCreatedInPlaceInOneGo) {
  // As a page is built: the fields exist before the page joins the shown window.
  auto page = std::make_unique<ui::Frame>("Page");
  page->SetBounds(20, 30, 300, 200);
  auto& edit = page->Add<ui::Edit>("Edit1");
  edit.SetBounds(10, 40, 120, 21);
  edit.SetText("Acme");
  edit.SetReadOnly(true);
  auto& box = page->Add<ui::CheckBox>("Check1");
  box.SetBounds(10, 80, 120, 17);
  box.SetCaption("Sales");
  box.SetChecked(true);
  box.SetEnabled(false);

  SentMessages sent;
  form.Insert(std::move(page));
  HWND field = WindowOf(edit);
  HWND check = WindowOf(box);
  ASSERT_NE(field, nullptr);
  ASSERT_NE(check, nullptr);

  RECT r{};
  GetWindowRect(field, &r);
  MapWindowPoints(nullptr, Window(), reinterpret_cast<POINT*>(&r), 2);
  EXPECT_EQ(r.left, 30);
  EXPECT_EQ(r.top, 70);
  EXPECT_EQ(r.right - r.left, 120);
  EXPECT_TRUE(IsWindowVisible(field));
  EXPECT_TRUE(GetWindowLongPtrW(field, GWL_STYLE) & ES_READONLY);
  wchar_t text[32] = {};
  GetWindowTextW(field, text, 32);
  EXPECT_STREQ(text, L"Acme");
  EXPECT_NE(SendMessageW(field, WM_GETFONT, 0, 0), 0);
  EXPECT_FALSE(IsWindowEnabled(check));
  EXPECT_EQ(SendMessageW(check, BM_GETCHECK, 0, 0), BST_CHECKED);
  GetWindowTextW(check, text, 32);
  EXPECT_STREQ(text, L"Sales");

  // Nothing placed, shown or given its font a second time.
  for (HWND w : {field, check}) {
    EXPECT_EQ(sent.Count(w, WM_SETFONT), 1);
    EXPECT_EQ(sent.Count(w, WM_SHOWWINDOW), 1) << "the one of its creation";
    EXPECT_LE(sent.Count(w, WM_WINDOWPOSCHANGING), 1);
    EXPECT_EQ(sent.Count(w, WM_SETTEXT), 0);
    EXPECT_EQ(sent.Count(w, WM_ENABLE), 0);
  }

  // The window moved: every field is told, none of them needs a window call.
  {
    SentMessages again;
    form.SetBounds(40, 40, 400, 300);
    EXPECT_EQ(again.Count(field, WM_WINDOWPOSCHANGING), 0);
    EXPECT_EQ(again.Count(check, WM_WINDOWPOSCHANGING), 0);
    EXPECT_EQ(again.Count(field, WM_SHOWWINDOW), 0);
  }

  // Moved and hidden: each window follows once.
  form.Children().back()->SetBounds(25, 30, 300, 200);
  GetWindowRect(field, &r);
  MapWindowPoints(nullptr, Window(), reinterpret_cast<POINT*>(&r), 2);
  EXPECT_EQ(r.left, 35);
  form.Children().back()->SetVisible(false);
  EXPECT_FALSE(IsWindowVisible(field));
  EXPECT_FALSE(IsWindowVisible(check));
  // Hidden without exposing the form behind each field: the page's own repaint covers them.
  UpdateWindow(Window());
  HDC dc = GetDC(Window());
  EXPECT_EQ(GetPixel(dc, 35 + 60, 70 + 10), RGB(255, 255, 255)) << "the edit is painted over";
  ReleaseDC(Window(), dc);
}

TEST_F(PaintCostTest, AFreedFieldsWindowIsHiddenAtOnceAndKeptForTheNextField) {
  auto page = std::make_unique<ui::Frame>("Page");
  page->SetBounds(20, 30, 300, 200);
  auto& edit = page->Add<ui::Edit>("Edit1");
  edit.SetBounds(10, 40, 120, 21);
  ui::Control& placed = form.Insert(std::move(page));
  HWND field = WindowOf(edit);
  ASSERT_TRUE(IsWindowVisible(field));
  SetFocus(field);
  ASSERT_EQ(GetFocus(), field);

  form.Remove(placed);  // the control and its page are freed here
  ASSERT_TRUE(IsWindow(field)) << "kept until the screen is painted";
  EXPECT_FALSE(IsWindowVisible(field));
  EXPECT_NE(GetFocus(), field) << "the focus does not stay in a freed field";
  EXPECT_EQ(win32::Win32NativeControl::FromHandle(field), nullptr) << "no control answers for it";
  // Its notifications reach nobody.
  SendMessageW(Window(), WM_COMMAND, MAKEWPARAM(0, EN_CHANGE), LPARAM(field));

  auto* native = dynamic_cast<win32::Win32NativeForm*>(form.Native());
  ASSERT_NE(native, nullptr);
  native->Reap();
  EXPECT_TRUE(IsWindow(field)) << "kept, hidden, for a later field";
  EXPECT_FALSE(IsWindowVisible(field));
  auto& later = form.Add<ui::Edit>("Edit2");
  later.SetBounds(5, 5, 50, 21);
  EXPECT_EQ(WindowOf(later), field);

  // A kept window destroyed behind the form's back is passed over for the next one.
  auto& other = form.Add<ui::Edit>("Edit3");
  HWND second = WindowOf(other);
  ASSERT_NE(second, field);
  form.Remove(later);  // kept first, so taken first
  form.Remove(other);
  DestroyWindow(field);
  auto& last = form.Add<ui::Edit>("Edit4");
  EXPECT_EQ(WindowOf(last), second);
}

// A page of the kinds of native field, as the wizard's pages are built.
struct FieldPage {
  explicit FieldPage(const std::string& word) : page(std::make_unique<ui::Frame>("Page")) {
    page->SetBounds(20, 30, 300, 200);
    edit.SetBounds(10, 10, 120, 21);
    edit.SetText(word);
    box.SetBounds(10, 40, 120, 17);
    box.SetCaption(word);
    combo.SetBounds(10, 70, 120, 23);
    combo.SetItems({word, word + "2"});
    combo.SetText(word);
    edit.OnChange = [this](ui::Edit&) { ++notices; };
    box.OnClick = [this](ui::Control&) { ++notices; };
    combo.OnChange = [this](ui::ComboBox&) { ++notices; };
  }
  std::unique_ptr<ui::Frame> page;
  ui::Edit& edit = page->Add<ui::Edit>("Edit1");
  ui::CheckBox& box = page->Add<ui::CheckBox>("Check1");
  ui::ComboBox& combo = page->Add<ui::ComboBox>("Combo1");
  int notices = 0;
};

// The form's child windows, first to last in the z-order.
std::vector<HWND> ChildrenOf(HWND parent) {
  std::vector<HWND> children;
  for (HWND w = GetWindow(parent, GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT)) children.push_back(w);
  return children;
}

TEST_F(PaintCostTest, TheNextPagesFieldsTakeTheLastPagesWindowsAsIfNew) {
  auto* native = dynamic_cast<win32::Win32NativeForm*>(form.Native());
  ASSERT_NE(native, nullptr);
  FieldPage first("Old");
  first.box.SetChecked(true);
  ui::Control& shown = form.Insert(std::move(first.page));
  const HWND edit = WindowOf(first.edit), box = WindowOf(first.box), combo = WindowOf(first.combo);
  const std::vector<HWND> madeOrder = ChildrenOf(Window());
  SendMessageW(edit, EM_SETSEL, 0, -1);
  SendMessageW(edit, WM_CHAR, L'x', 1);  // typed: something to undo
  ASSERT_TRUE(SendMessageW(edit, EM_CANUNDO, 0, 0));
  EnableWindow(box, FALSE);  // out of step with the next model, which is enabled
  form.Remove(shown);

  FieldPage second("New");
  second.box.SetEnabled(true);
  second.combo.SetItems({"Only"});
  second.combo.SetText("Only");
  second.page->SetVisible(false);
  ui::Control& next = form.Insert(std::move(second.page));
  EXPECT_EQ(WindowOf(second.edit), edit);
  EXPECT_EQ(WindowOf(second.box), box);
  EXPECT_EQ(WindowOf(second.combo), combo);
  EXPECT_EQ(ChildrenOf(Window()), madeOrder) << "the order new windows stand in";

  // Nothing of the old page's fields is left in them.
  auto* field = win32::Win32NativeControl::FromHandle(edit);
  ASSERT_NE(field, nullptr);
  EXPECT_EQ(&field->Control(), &second.edit);
  EXPECT_EQ(field->WindowText(), L"New");
  EXPECT_FALSE(SendMessageW(edit, EM_CANUNDO, 0, 0)) << "undo would bring the old text back";
  EXPECT_EQ(SendMessageW(box, BM_GETCHECK, 0, 0), BST_UNCHECKED);
  EXPECT_TRUE(IsWindowEnabled(box));
  EXPECT_EQ(win32::Win32NativeControl::FromHandle(box)->WindowText(), L"New");
  EXPECT_EQ(SendMessageW(combo, CB_GETCOUNT, 0, 0), 1);
  EXPECT_EQ(win32::Win32NativeControl::FromHandle(combo)->WindowText(), L"Only");
  for (HWND w : {edit, box, combo}) EXPECT_FALSE(IsWindowVisible(w)) << "its page is hidden";
  EXPECT_EQ(second.notices, 0) << "the model's own state is not the user's change";

  // The new controls answer for them, and the next paint's clean-up leaves them alone.
  native->Reap();
  next.SetVisible(true);
  for (HWND w : {edit, box, combo}) EXPECT_TRUE(IsWindowVisible(w));
  SendMessageW(edit, EM_SETSEL, 3, 3);
  SendMessageW(edit, WM_CHAR, L'y', 1);
  EXPECT_EQ(second.edit.Text(), "Newy");
  EXPECT_EQ(second.notices, 1);

  // Empty fields take them next: first from windows with text, then from empty ones (which
  // are given no text at all). Either way nothing is left of the page before.
  FieldPage emptied(""), emptyAgain("");
  form.Remove(next);
  ui::Control& third = form.Insert(std::move(emptied.page));
  EXPECT_EQ(WindowOf(emptied.edit), edit);
  EXPECT_EQ(win32::Win32NativeControl::FromHandle(edit)->WindowText(), L"");
  EXPECT_EQ(win32::Win32NativeControl::FromHandle(box)->WindowText(), L"");
  form.Remove(third);
  form.Insert(std::move(emptyAgain.page));
  EXPECT_EQ(WindowOf(emptyAgain.edit), edit);
  EXPECT_EQ(win32::Win32NativeControl::FromHandle(edit)->WindowText(), L"");
  EXPECT_FALSE(SendMessageW(edit, EM_CANUNDO, 0, 0)) << "undo would bring the old text back";
  SendMessageW(edit, WM_CHAR, L'z', 1);
  EXPECT_EQ(emptyAgain.edit.Text(), "z");
  EXPECT_EQ(emptied.notices + emptyAgain.notices, 1) << "only the typing was the user's";
}

TEST_F(PaintCostTest, AFieldWhoseStyleChangedLeavesItsWindowToBeDestroyed) {
  auto* native = dynamic_cast<win32::Win32NativeForm*>(form.Native());
  FieldPage first("Old");
  ui::Control& shown = form.Insert(std::move(first.page));
  const HWND edit = WindowOf(first.edit), combo = WindowOf(first.combo);
  first.edit.SetReadOnly(true);  // no longer what an editable field is made as
  form.Remove(shown);

  FieldPage second("New");
  form.Insert(std::move(second.page));
  EXPECT_NE(WindowOf(second.edit), edit);
  EXPECT_FALSE(GetWindowLongPtrW(WindowOf(second.edit), GWL_STYLE) & ES_READONLY);
  EXPECT_EQ(WindowOf(second.combo), combo) << "the others are still taken";
  native->Reap();
  EXPECT_FALSE(IsWindow(edit));
  EXPECT_TRUE(IsWindow(combo));
}

}  // namespace

namespace {

TEST_F(PaintCostTest, FieldsPreparedInTheFormsLookAreTakenWithoutANewFontOrLayout) {
  const ui::Font look{"MS Sans Serif", 13};
  form.SetFieldLook({look, 24});
  platform.Backend().ProcessMessages();  // the first paint's preparation
  ASSERT_TRUE(platform.Backend().NativeClassesPrepared());
  const std::vector<HWND> prepared = ChildrenOf(Window());

  FieldPage page("Old");
  page.edit.SetFont(look);
  page.edit.SetBorder(false);  // the flat edits of the pages
  page.combo.SetFont(look);
  page.combo.SetBounds(10, 70, 120, 24);
  page.combo.SetItems({"1", "2", "4", "12"});
  SentMessages sent;
  ui::Control& shown = form.Insert(std::move(page.page));
  const HWND edit = WindowOf(page.edit), combo = WindowOf(page.combo);
  for (HWND w : {edit, combo}) {
    EXPECT_NE(std::find(prepared.begin(), prepared.end(), w), prepared.end());
    EXPECT_EQ(sent.Count(w, WM_SETFONT), 0) << "made in that font";
  }
  EXPECT_EQ(sent.Count(combo, CB_SETITEMHEIGHT), 0) << "its closed part made that high";
  EXPECT_LE(sent.Count(combo, WM_WINDOWPOSCHANGING), 2)
      << "placed and shown once (the box then returns itself to its closed height)";

  // Laid out as one made for the page would be: the closed box, and the open list's rows.
  RECT r{};
  GetWindowRect(combo, &r);
  EXPECT_EQ(r.bottom - r.top, 24);
  COMBOBOXINFO info{};
  info.cbSize = sizeof(info);
  GetComboBoxInfo(combo, &info);
  SendMessageW(combo, CB_SHOWDROPDOWN, TRUE, 0);
  GetWindowRect(info.hwndList, &r);
  SendMessageW(combo, CB_SHOWDROPDOWN, FALSE, 0);
  EXPECT_EQ(r.bottom - r.top, 4 * SendMessageW(combo, CB_GETITEMHEIGHT, 0, 0) + 2);

  // Hidden and shown again, it keeps its heights: no placing beyond the two changes.
  SentMessages again;
  shown.SetVisible(false);
  shown.SetVisible(true);
  EXPECT_EQ(again.Count(combo, WM_SIZE), 0) << "its heights are not given again";
  EXPECT_EQ(again.Count(combo, WM_WINDOWPOSCHANGING), again.Count(edit, WM_WINDOWPOSCHANGING))
      << "placed no more often than the edit beside it";
  GetWindowRect(combo, &r);
  EXPECT_EQ(r.bottom - r.top, 24);
}

}  // namespace

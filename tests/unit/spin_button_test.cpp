// The data-bound spin button: arrow fitting, the step with its limits, auto-repeat on the
// virtual clock, the focus frame and the keys.
#include <limits>

#include "components/Dbspin.h"
#include "platform/data/table.h"
#include "platform/ui/db_edit.h"
#include "platform/ui/errors.h"
#include "platform/ui/form.h"
#include "tests/unit/headless_fixture.h"

namespace {

using components::TDBSpinButton;
using components::TTimerSpeedButton;

constexpr int kLeft = 40, kTop = 30;  // the spin button's place on the form

class SpinButtonTest : public HeadlessTest {
 protected:
  SpinButtonTest() {
    table.CreateEmpty();
    edit.SetDataSource(&table);
    edit.SetDataField("Year");
    edit.SetBounds(0, 30, 40, 24);
    spin.SetBounds(kLeft, kTop, 20, 25);
    spin.SetFocusControl(&edit);
    spin.OnUpClick = [this](TDBSpinButton&) { ++ups; };
    spin.OnDownClick = [this](TDBSpinButton&) { ++downs; };
    form.SetBounds(0, 0, 200, 100);
    form.Show();
  }
  int Value(const char* field = "Year") { return table.FieldByName(field).AsInteger(); }
  void Set(const char* field, int value) {
    if (table.State() == data::TableState::Browse) table.Edit();
    table.FieldByName(field).SetAsInteger(value);
  }
  // Form coordinates of a point inside the upper (dy 3) or lower (dy 20) arrow.
  void Press(int dy) { form.HandleMouseDown(ui::MouseButton::Left, {kLeft + 5, kTop + dy}); }
  void Release(int dy) { form.HandleMouseUp(ui::MouseButton::Left, {kLeft + 5, kTop + dy}); }

  data::Table table{"T", {data::FieldDef::Integer("Year"), data::FieldDef::Integer("Month", 1, 12),
                          data::FieldDef::Integer("Level", 0, 10)}};
  ui::Form form{"Form1"};
  ui::DBEdit& edit = form.Add<ui::DBEdit>("EditYear");
  TDBSpinButton& spin = form.Add<TDBSpinButton>("DBSpinButton1");
  int ups = 0, downs = 0;
};

}  // namespace

TEST_F(SpinButtonTest, ArrowsFitTheSizeAndShareOneRow) {
  EXPECT_EQ(spin.UpButton().Bounds(), (ui::Rect{0, 0, 20, 12}));
  EXPECT_EQ(spin.DownButton().Bounds(), (ui::Rect{0, 11, 20, 25}));
  spin.SetBounds(kLeft, kTop, 10, 40);
  EXPECT_EQ(spin.Width(), 15);
  EXPECT_EQ(spin.DownButton().Bounds(), (ui::Rect{0, 19, 15, 40}));
  // The built-in glyphs are the 9 x 6 arrows.
  EXPECT_EQ(spin.UpGlyph().Width(), 9);
  EXPECT_EQ(spin.DownGlyph().Height(), 6);
  EXPECT_FALSE(spin.TabStop());
}

TEST_F(SpinButtonTest, StepsWithoutLimitsAndRefusesSilentlyAtThem) {
  spin.UpButton().Click();  // an empty record starts at 0
  EXPECT_EQ(Value(), 1);
  EXPECT_EQ(edit.Text(), "1");
  Set("Year", 2026);
  spin.DownButton().Click();
  EXPECT_EQ(Value(), 2025);
  EXPECT_EQ(ups, 1);
  EXPECT_EQ(downs, 1);

  edit.SetDataField("Month");
  Set("Month", 12);
  EXPECT_THROW(spin.UpButton().Click(), ui::Abort);
  EXPECT_EQ(Value("Month"), 12);
  EXPECT_EQ(ups, 2);  // raised after a refused step too
  Set("Month", 1);
  EXPECT_THROW(spin.DownButton().Click(), ui::Abort);
  EXPECT_EQ(Value("Month"), 1);
  EXPECT_NE(table.State(), data::TableState::Browse);  // left in edit mode

  edit.SetDataField("Level");  // 0 to 10 is still a range
  Set("Level", 0);
  EXPECT_THROW(spin.DownButton().Click(), ui::Abort);
  EXPECT_EQ(Value("Level"), 0);
}

TEST_F(SpinButtonTest, AFieldRefusalPassesOutAndNothingChangesWithoutARecord) {
  Set("Year", std::numeric_limits<int32_t>::max());
  EXPECT_THROW(spin.UpButton().Click(), std::runtime_error);
  EXPECT_EQ(Value(), std::numeric_limits<int32_t>::max());
  EXPECT_EQ(ups, 1);

  table.Cancel();
  table.Close();
  spin.UpButton().Click();
  EXPECT_EQ(ups, 2);
  spin.SetFocusControl(nullptr);
  spin.DownButton().Click();
  EXPECT_EQ(downs, 1);
}

TEST_F(SpinButtonTest, HoldingRepeatsAt400ThenEvery100WhileThePointerStaysOn) {
  Set("Year", 100);
  Press(3);
  backend.Advance(399);
  EXPECT_EQ(Value(), 100);  // a short press steps only at the release
  backend.Advance(1);
  EXPECT_EQ(Value(), 101);
  backend.Advance(300);
  EXPECT_EQ(Value(), 104);
  form.HandleMouseMove({kLeft + 5, kTop + 80});  // dragged off: paused, not stopped
  backend.Advance(300);
  EXPECT_EQ(Value(), 104);
  form.HandleMouseMove({kLeft + 5, kTop + 3});
  backend.Advance(100);
  EXPECT_EQ(Value(), 105);
  Release(3);
  EXPECT_EQ(Value(), 106);  // once more at the release
  backend.Advance(1000);
  EXPECT_EQ(Value(), 106);
  EXPECT_FALSE(spin.UpButton().AutoRepeatTimer()->Enabled());
}

TEST_F(SpinButtonTest, RepeatStopsAtALimit) {
  edit.SetDataField("Month");
  Set("Month", 10);
  Press(3);
  backend.Advance(1000);
  EXPECT_EQ(Value("Month"), 12);
  EXPECT_FALSE(spin.UpButton().AutoRepeatTimer()->Enabled());
  EXPECT_TRUE(backend.ErrorBoxes().empty());  // the refusal is silent
  Release(80);
}

TEST_F(SpinButtonTest, FocusGoesToTheEditOrToATabStopSpinWithItsFrame) {
  Press(20);
  Release(20);
  EXPECT_EQ(form.ActiveControl(), &edit);
  EXPECT_FALSE(spin.DownButton().SpinFlags() & components::sfFocusFrame);

  edit.SetTabStop(false);
  spin.SetTabStop(true);
  Press(20);  // the frame follows the pressed arrow, and the spin takes the focus
  Release(20);
  EXPECT_EQ(form.ActiveControl(), &spin);
  EXPECT_EQ(&spin.FocusedButton(), &spin.DownButton());
  EXPECT_TRUE(spin.DownButton().SpinFlags() & components::sfFocusFrame);
  spin.KeyDown(TDBSpinButton::kKeyUp);
  EXPECT_TRUE(spin.UpButton().SpinFlags() & components::sfFocusFrame);
  EXPECT_FALSE(spin.DownButton().SpinFlags() & components::sfFocusFrame);
  spin.KeyDown(TDBSpinButton::kKeySpace);
  EXPECT_EQ(ups, 2);
  EXPECT_EQ(downs, 2);
  form.SetActiveControl(&edit);
  EXPECT_FALSE(spin.UpButton().SpinFlags() & components::sfFocusFrame);
}

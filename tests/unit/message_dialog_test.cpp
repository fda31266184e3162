// The question dialog: each way of answering it, which buttons a button set shows, and how
// it looks around the question.
#include <stdexcept>
#include <string>

#include "Tutorial/AssMesages.h"
#include "Tutorial/MsgForm.h"
#include "tests/unit/headless_fixture.h"

namespace {

using headless::DrawOp;
using tutorial::ShowMsgForm;

// Clicks the named button of the modal dialog with the mouse, at its centre.
headless::HeadlessBackend::ModalAnswer ClickOn(std::string name) {
  return [name](ui::Form& form) {
    const ui::Rect r = form.FindControl(name)->FormBounds();
    const ui::Point centre{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    form.HandleMouseMove(centre);
    form.HandleMouseDown(ui::MouseButton::Left, centre);
    form.HandleMouseUp(ui::MouseButton::Left, centre);
  };
}

class MessageDialogTest : public HeadlessTest {};

TEST_F(MessageDialogTest, EachAnswerHasItsResult) {
  for (auto [button, result] : {std::pair{"zsbYes", 6}, {"zsbNo", 7}, {"zsbCancel", 2}}) {
    backend.AnswerNextModal(ClickOn(button));
    EXPECT_EQ(ShowMsgForm(tutorial::SSaveDataBeforeExit, tutorial::kMsgYesNoCancel), result);
  }
  // Closed without a button (the system close command), or ended with a result of its own.
  backend.AnswerNextModal([](ui::Form& form) { form.Close(); });
  EXPECT_EQ(ShowMsgForm(tutorial::SMarkTaskComplete, tutorial::kMsgYesNo), ui::mrCancel);
  backend.AnswerNextModal(ui::mrOk);
  EXPECT_EQ(ShowMsgForm(tutorial::SMarkTaskComplete, tutorial::kMsgYesNo), ui::mrCancel);

  // Nothing answers: the headless loop throws; the dialog (with its action list) is freed
  // and the error reaches the caller unchanged.
  const size_t lists = ui::ActionList::LiveLists().size();
  EXPECT_THROW(ShowMsgForm(tutorial::SMarkTaskComplete, 3), std::logic_error);
  EXPECT_EQ(ui::ActionList::LiveLists().size(), lists);
}

TEST_F(MessageDialogTest, ButtonSetShowsButtonsInTheirFixedPlaces) {
  struct Case {
    uint16_t set;
    bool yes, no, cancel;
  };
  // Bit 2 (OK) and the bits above 3 show nothing.
  for (const Case& c : {Case{3, true, true, false}, Case{11, true, true, true},
                        Case{0, false, false, false}, Case{0xFFF4, false, false, false}}) {
    backend.AnswerNextModal([&](ui::Form& form) {
      auto& dialog = dynamic_cast<tutorial::TfmMessage&>(form);
      EXPECT_EQ(dialog.zsbYes->Visible(), c.yes) << c.set;
      EXPECT_EQ(dialog.zsbNo->Visible(), c.no) << c.set;
      EXPECT_EQ(dialog.zsbCancel->Visible(), c.cancel) << c.set;
      EXPECT_EQ(dialog.zsbNo->Left(), 197);
      // The empty place of a hidden button answers nothing.
      ClickOn("zsbCancel")(form);
      if (form.ModalResult() == ui::mrNone) form.SetModalResult(ui::mrNo);
    });
    EXPECT_EQ(ShowMsgForm(tutorial::SOpenLastCreatedCompany, c.set), c.cancel ? 2 : 7);
  }
}

TEST_F(MessageDialogTest, PaintsTheQuestionOverTheBackground) {
  const std::string question(120, 'x');
  backend.AnswerNextModal([&](ui::Form& form) {
    EXPECT_EQ(form.ClientRect(), ui::Rect::FromBounds(0, 0, 449, 154));
    EXPECT_EQ(form.BorderWidth(), 2);
    EXPECT_EQ(form.GetBorderStyle(), ui::BorderStyle::None);
    const auto canvas = backend.Paint(form);
    const auto pictures = canvas.OpsOf(DrawOp::Picture);
    ASSERT_EQ(pictures.size(), 1u) << "background from the skin";
    EXPECT_EQ(pictures[0].rect, ui::Rect::FromBounds(0, 0, 450, 180));

    const auto fills = canvas.OpsOf(DrawOp::Fill);
    ASSERT_EQ(fills.size(), 4u);  // window, Yes, No, panel: Cancel is hidden
    EXPECT_EQ(fills[0].color, ui::clBtnFace);
    EXPECT_EQ(fills[1].rect, ui::Rect::FromBounds(116, 110, 63, 27));
    EXPECT_EQ(fills[1].color, ui::Rgb(255, 213, 170));
    EXPECT_EQ(fills[3].rect, ui::Rect::FromBounds(11, 11, 360, 93));
    EXPECT_EQ(fills[3].color, ui::Rgb(54, 15, 113));

    const auto texts = canvas.OpsOf(DrawOp::Text);
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[0].text, "&Yes");  // drawn as "Yes", its first letter underlined
    EXPECT_EQ(texts[0].color, ui::clNavy);
    EXPECT_TRUE(texts[0].font.bold);
    // The question wraps inside the panel, which the dialog never outgrows.
    EXPECT_EQ(texts[2].text, question);
    EXPECT_EQ(texts[2].rect, ui::Rect::FromBounds(11, 11, 360, 93));
    EXPECT_TRUE(texts[2].flags & ui::tfWordBreak);
    EXPECT_EQ(texts[2].color, ui::Rgb(255, 213, 170));
    ClickOn("zsbYes")(form);
  });
  EXPECT_EQ(ShowMsgForm(question, tutorial::kMsgYesNo), ui::mrYes);

  // Without its background picture the dialog still asks.
  os::SetResourceLoader([](const std::string& name) -> std::vector<uint8_t> {
    throw os::OsError("Missing resource \"" + name + "\"");
  });
  backend.AnswerNextModal([&](ui::Form& form) {
    EXPECT_TRUE(backend.Paint(form).OpsOf(DrawOp::Picture).empty());
    ClickOn("zsbNo")(form);
  });
  EXPECT_EQ(ShowMsgForm(tutorial::SDeletePreviousSession, tutorial::kMsgYesNo), ui::mrNo);
}

// Answered without the mouse: Enter (the focused button, Yes at first), Space, Escape
// (Cancel, or No without it), Tab and the arrows moving the focus mark, and the letters.
TEST_F(MessageDialogTest, TheKeyboardAnswersEveryQuestion) {
  using ui::Key;
  auto keys = [&](std::vector<std::pair<Key, bool>> presses) {
    backend.AnswerNextModal([presses](ui::Form& form) {
      for (auto [key, shift] : presses) {
        EXPECT_TRUE(form.HandleKey(key, shift));
        if (form.ModalResult() != ui::mrNone) return;
      }
    });
  };
  const uint16_t all = tutorial::kMsgYesNoCancel;
  keys({{Key::Enter, false}});
  EXPECT_EQ(ShowMsgForm(tutorial::SSaveDataBeforeExit, all), ui::mrYes);
  keys({{Key::Escape, false}});
  EXPECT_EQ(ShowMsgForm(tutorial::SSaveDataBeforeExit, all), ui::mrCancel);
  keys({{Key::Escape, false}});
  EXPECT_EQ(ShowMsgForm(tutorial::SMarkTaskComplete, tutorial::kMsgYesNo), ui::mrNo);
  keys({{Key::Tab, false}, {Key::Enter, false}});
  EXPECT_EQ(ShowMsgForm(tutorial::SSaveDataBeforeExit, all), ui::mrNo);
  keys({{Key::Tab, true}, {Key::Space, false}});  // back from Yes wraps to Cancel
  EXPECT_EQ(ShowMsgForm(tutorial::SSaveDataBeforeExit, all), ui::mrCancel);
  keys({{Key::Right, false}, {Key::Right, false}, {Key::Down, false}, {Key::Left, false},
        {Key::Enter, false}});  // No, Cancel, Yes, Cancel
  EXPECT_EQ(ShowMsgForm(tutorial::SSaveDataBeforeExit, all), ui::mrCancel);
  keys({{Key::Tab, false}, {Key::Tab, false}, {Key::Enter, false}});  // hidden Cancel skipped
  EXPECT_EQ(ShowMsgForm(tutorial::SMarkTaskComplete, tutorial::kMsgYesNo), ui::mrYes);

  for (auto [letter, result] : {std::pair{U'y', 6}, {U'n', 7}, {U'c', 2}, {U'Y', 6}}) {
    backend.AnswerNextModal([ch = letter](ui::Form& form) { EXPECT_TRUE(form.HandleDialogChar(ch)); });
    EXPECT_EQ(ShowMsgForm(tutorial::SSaveDataBeforeExit, all), result);
  }
  // A hidden button's letter answers nothing.
  backend.AnswerNextModal([](ui::Form& form) {
    EXPECT_FALSE(form.HandleDialogChar(U'c'));
    form.SetModalResult(ui::mrNo);
  });
  EXPECT_EQ(ShowMsgForm(tutorial::SMarkTaskComplete, tutorial::kMsgYesNo), ui::mrNo);

  // The focus mark sits inside the focused button and follows it.
  backend.AnswerNextModal([&](ui::Form& form) {
    auto marks = [&] {  // the hollow frames: the buttons' own borders are filled
      auto ops = backend.Paint(form).OpsOf(DrawOp::Rectangle);
      std::erase_if(ops, [](const DrawOp& op) { return !op.hollow; });
      return ops;
    };
    ASSERT_EQ(marks().size(), 1u);
    EXPECT_EQ(marks()[0].rect, ui::Rect::FromBounds(119, 113, 57, 21));
    form.HandleKey(Key::Tab);
    ASSERT_EQ(marks().size(), 1u);
    EXPECT_EQ(marks()[0].rect, ui::Rect::FromBounds(200, 113, 57, 21));
    form.HandleKey(Key::Escape);
  });
  EXPECT_EQ(ShowMsgForm(tutorial::SMarkTaskComplete, tutorial::kMsgYesNo), ui::mrNo);
}

}  // namespace

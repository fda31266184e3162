// The application object: the hour-glass is restored however the work ends.
#include <stdexcept>

#include "platform/ui/application.h"
#include "tests/unit/headless_fixture.h"

using ApplicationTest = HeadlessTest;

TEST_F(ApplicationTest, TheBusyCursorIsRestoredAfterWorkAndAfterAnError) {
  {
    ui::BusyCursor busy;
    EXPECT_EQ(app.OverrideCursor(), ui::Cursor::HourGlass);
    {
      ui::BusyCursor nested;  // a nested wait keeps the hour-glass when it ends
    }
    EXPECT_EQ(app.OverrideCursor(), ui::Cursor::HourGlass);
  }
  EXPECT_EQ(app.OverrideCursor(), ui::Cursor::Default);

  app.Guard([] {
    ui::BusyCursor busy;
    throw std::runtime_error("the host failed");
  });
  EXPECT_EQ(app.OverrideCursor(), ui::Cursor::Default);
  EXPECT_EQ(backend.CursorChanges(),
            (std::vector<ui::Cursor>{ui::Cursor::HourGlass, ui::Cursor::Default,
                                     ui::Cursor::HourGlass, ui::Cursor::Default}));
  EXPECT_EQ(backend.ErrorBoxes(), std::vector<std::string>{"the host failed"});
}

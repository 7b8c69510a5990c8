#include "window/table/overview_scroll_bar.h"

#include "tests/window/window_fixture.h"

namespace corvale {
namespace {

// With Kp 100 PV swings between 0 and 127.5 in every pixel row's rows.
TEST_F(Window, TheScrollBarShowsTheWholeRun) {
  const auto blue = [](QColor c) { return c.blue() > c.red() + 40; };
  Press("Command1", {{"guiKP", "100"}, {"guiKI", "0"}, {"guiKD", "0"}, {"Loops", "1000"}});
  QScrollBar* overview = Table()->verticalScrollBar();
  const QImage picture = overview->grab().toImage();
  EXPECT_TRUE(blue(picture.pixelColor(picture.width() * 3 / 4, picture.height() * 3 / 4)));
  QTest::mouseClick(overview, Qt::LeftButton, {}, {overview->width() / 2, overview->height() / 2});
  EXPECT_NEAR(overview->value() + overview->pageStep() / 2, 500, 20);
  auto* bar = qobject_cast<OverviewScrollBar*>(overview);
  const QRect groove = bar->Groove();
  for (double share : {0.0, 0.25, 0.75})
    EXPECT_NEAR(bar->RowAt(groove.top() + qRound(share * groove.height())), share * 1000, 7);
  EXPECT_EQ(bar->RowAt(groove.bottom() + 1), 999);  // the last row, not the one before
}

}  // namespace
}  // namespace corvale

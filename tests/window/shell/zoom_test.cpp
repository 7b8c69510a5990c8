// The real window zoomed from its twips and stopped by its screen, the chart's text with it.
#include "tests/window/chart/chart_menu_fixture.h"
#include "tests/window/shell/projector_fixture.h"

namespace corvale {
namespace {

// Ctrl++ from any control scales every place from its twips and every font, a style sheet's
// and the tooltips' too; Ctrl+0 restores them. Where the screen stops it: window_layout_test.cpp.
TEST_F(Window, ZoomsTheWholeWindowFromItsTwips) {
  Table()->setStyleSheet("font-size: 20pt; color: #c00000");
  const qreal size = Box("Loops")->font().pointSizeF();
  for (int i = 0; i < 4; ++i) QTest::keyClick(Box("guiKI"), Qt::Key_Plus, Qt::ControlModifier);
  ExpectPlaces(1.75);  // the window's size: window_layout_test.cpp
  EXPECT_DOUBLE_EQ(Box("Loops")->font().pointSizeF(), 1.75 * size);
  EXPECT_DOUBLE_EQ(Table()->font().pointSizeF(), 35);
  EXPECT_EQ(Table()->palette().color(QPalette::Text), QColor(0xc00000));  // the sheet still holds
  EXPECT_EQ(Box("guiKI")->text(), ".5");  // the keys went to the zoom, not the box
  EXPECT_DOUBLE_EQ(QToolTip::font().pointSizeF(), 1.75 * QApplication::font().pointSizeF());
  QTest::keyClick(Find("Command1"), Qt::Key_0, Qt::ControlModifier);
  QLineEdit elsewhere;  // a box of another window, a dialog's say: its keys are its own
  QTest::keyClick(&elsewhere, Qt::Key_Plus, Qt::ControlModifier);
  ExpectPlaces(1);
  EXPECT_DOUBLE_EQ(Box("Loops")->font().pointSizeF(), size);
}

// The window's own font times the zoom, not the box's, which the zoom has already made larger.
TEST_F(ChartMenu, TheTextGrowsWithEveryZoomStep) {
  const int base = QFontInfo(window->font()).pixelSize();
  for (const auto& [steps, percent] : {std::pair{-2, 80}, {0, 100}, {1, 110}, {1, 125}, {1, 150}}) {
    window->ZoomBy(steps);
    EXPECT_EQ(chart->TextPixelSize(), qRound(base * percent / 100.0)) << percent;
  }
}

// Beside the form, on a screen where the chart has half the maximised window there.
TEST_F(Projector, TheChartsTextGrowsWithEveryZoomStepBesideTheForm) {
  Maximise();
  int last = Chart()->TextPixelSize();
  for (int i = 0; i < 2; ++i) {
    Press('+');
    ASSERT_TRUE(Beside("chart")) << i;
    EXPECT_GT(Chart()->TextPixelSize(), last) << i;
    last = Chart()->TextPixelSize();
  }
}

}  // namespace
}  // namespace corvale

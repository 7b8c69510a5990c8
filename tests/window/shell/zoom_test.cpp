// The real window zoomed from its twips and stopped by its screen, the chart's text with it.
#include "tests/window/chart/chart_menu_fixture.h"
#include "window/shell/chart_placement.h"

namespace corvale {
namespace {

// Ctrl++ from any control scales every place from its twips and every font,
// a style sheet's too; Ctrl+0 restores them.
TEST_F(Window, ZoomsTheWholeWindowFromItsTwips) {
  Table()->setStyleSheet("font-size: 20pt; color: #c00000");
  const qreal size = Box("Loops")->font().pointSizeF();
  for (int i = 0; i < 4; ++i) QTest::keyClick(Box("guiKI"), Qt::Key_Plus, Qt::ControlModifier);
  ExpectPlaces(1.75);
  EXPECT_EQ(window->size(), FormSize(1.75));
  EXPECT_DOUBLE_EQ(Box("Loops")->font().pointSizeF(), 1.75 * size);
  EXPECT_DOUBLE_EQ(Table()->font().pointSizeF(), 35);
  EXPECT_EQ(Table()->palette().color(QPalette::Text), QColor(0xc00000));  // the sheet still holds
  EXPECT_EQ(Box("guiKI")->text(), ".5");  // the keys went to the zoom, not the box
  QTest::keyClick(Find("Command1"), Qt::Key_0, Qt::ControlModifier);
  QLineEdit elsewhere;  // a box of another window, a dialog's say: its keys are its own
  QTest::keyClick(&elsewhere, Qt::Key_Plus, Qt::ControlModifier);
  ExpectPlaces(1);
  EXPECT_EQ(window->size(), FormSize(1));
  EXPECT_DOUBLE_EQ(Box("Loops")->font().pointSizeF(), size);
}

// Ctrl++ stops where the screen ends (175 % on 800 × 800), moving the window
// back onto it; a maximised window stays so, the chart beside its form.
TEST_F(Window, ZoomStopsWhereTheScreenEndsAndAMaximisedWindowStaysMaximised) {
  const QRect screen = window->screen()->availableGeometry();
  const qreal size = Table()->font().pointSizeF();
  window->move(500, 400);  // so far down and right that a larger window must move
  for (int i = 0; i < 20; ++i) QTest::keyClick(Box("guiKP"), Qt::Key_Plus, Qt::ControlModifier);
  EXPECT_TRUE(screen.contains(window->frameGeometry())) << window->frameGeometry().width();
  EXPECT_DOUBLE_EQ(Table()->font().pointSizeF(), 1.75 * size);
  EXPECT_DOUBLE_EQ(QToolTip::font().pointSizeF() / Table()->font().pointSizeF(),
                   QApplication::font().pointSizeF() / size);  // tooltips zoom too
  QTest::keyClick(Box("guiKP"), Qt::Key_0, Qt::ControlModifier);
  window->showMaximized();
  QCoreApplication::processEvents();
  EXPECT_TRUE(Chart()->isVisible());  // below the form
  // It grows only as far as the chart keeps its room beside the form.
  for (int i = 0; i < 20; ++i) QTest::keyClick(Box("guiKP"), Qt::Key_Plus, Qt::ControlModifier);
  EXPECT_TRUE(window->isMaximized() && Chart()->isVisible());
  EXPECT_EQ(Chart()->parentWidget(), window.get());
  const qreal scale = Table()->font().pointSizeF() / size;
  EXPECT_TRUE(scale > 1 && scale < 1.75) << scale;
  EXPECT_TRUE(ChartPlacement::Space(window->size(), FormSize(scale), scale).isValid());
}

// The window's own font times the zoom, not the box's, which the zoom has already made larger.
TEST_F(ChartMenu, TheTextGrowsWithEveryZoomStep) {
  const int base = QFontInfo(window->font()).pixelSize();
  for (const auto& [steps, percent] : {std::pair{-2, 80}, {0, 100}, {1, 110}, {1, 125}, {1, 150}}) {
    window->ZoomBy(steps);
    EXPECT_EQ(chart->TextPixelSize(), qRound(base * percent / 100.0)) << percent;
  }
  window->ZoomBy(0);
  window->showMaximized();
  QCoreApplication::processEvents();
  ASSERT_EQ(chart->parentWidget(), window.get());
  int last = chart->TextPixelSize();
  for (int i = 0; i < 2; ++i) {
    window->ZoomBy(1);
    ASSERT_EQ(chart->parentWidget(), window.get());
    EXPECT_GT(chart->TextPixelSize(), last) << i;
    last = chart->TextPixelSize();
  }
}

}  // namespace
}  // namespace corvale

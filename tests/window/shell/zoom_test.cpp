#include "tests/window/chart/chart_menu_fixture.h"

namespace corvale {
namespace {

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

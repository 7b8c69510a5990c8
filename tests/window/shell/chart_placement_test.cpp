#include "window/shell/chart_placement.h"

#include <gtest/gtest.h>

#include "tests/window/shell/zoom_levels.h"
#include "window/shell/window_fit.h"

namespace corvale {
namespace {

// The chart takes the larger space the form leaves, right or below, if it
// holds a chart; the least window for each is where it begins to.
TEST(ChartPlacement, TakesTheLargerSpaceThatHoldsTheChart) {
  for (const auto& [window, form, scale, space] :
       {std::tuple{QSize(454, 310), QSize(454, 310), 1.0, QRect()},
        {QSize(1280, 800), QSize(454, 310), 1.0, QRect(454, 8, 818, 784)},  // right: > 1264 × 482
        {QSize(800, 600), QSize(454, 310), 1.0, QRect(8, 310, 784, 282)},   // below: > 338 × 584
        {QSize(600, 900), QSize(454, 310), 1.0, QRect(8, 310, 584, 582)},   // right is too narrow
        {QSize(773, 549), QSize(454, 310), 1.0, QRect()},  // below, 231 px high, is too low
        {QSize(1280, 800), QSize(454, 310), 2.0, QRect(454, 16, 810, 768)},  // at least 640 × 480
        // At 150 %: below is larger (1150 × 354) but lower than 360.
        {QSize(1174, 830), QSize(682, 464), 1.5, QRect(682, 12, 480, 806)},
        {QSize(1174, 700), QSize(682, 464), 1.5, QRect(682, 12, 480, 676)}}) {
    EXPECT_EQ(ChartPlacement::Space(window, form, scale), space) << window.width();
  }
  for (const int percent : {50, 100, 150, 250}) {
    const double scale = percent / 100.0;
    const QSize zoomed = WindowFit(kClientArea).Form(LevelOf(percent));
    for (const bool right : {true, false}) {
      const QSize least = ChartPlacement::LeastWindow(zoomed, scale, right);
      EXPECT_TRUE(ChartPlacement::Space(least, zoomed, scale).isValid()) << percent;
      const QSize less = least - (right ? QSize(1, 0) : QSize(0, 1));
      EXPECT_FALSE(ChartPlacement::Space(less, zoomed, scale).isValid()) << percent;
    }
  }
  // 454 + 320 + 8 wide; 310 + 240 + 8 high.
  EXPECT_EQ(ChartPlacement::LeastWindow({454, 310}, 1, true), QSize(782, 310));
  EXPECT_EQ(ChartPlacement::LeastWindow({454, 310}, 1, false), QSize(454, 558));
}

// Maximised or full screen, the box fills the window where the chart beside the form would
// have less than half of it.
TEST(ChartPlacement, FillsAKeptWindowWhereTheChartHasLessThanHalfOfIt) {
  for (const auto& [window, form, scale, fills] :
       {std::tuple{QSize(1276, 796), QSize(454, 310), 1.0, false},  // 814 × 780 of 1276 × 796
        {QSize(1276, 796), QSize(568, 387), 1.25, false},  // 698 × 776: 541,648 ≥ 507,848
        {QSize(1276, 796), QSize(682, 464), 1.5, true},    // 582 × 772: 449,304
        {QSize(1276, 796), QSize(795, 542), 1.75, true},   // no room beside at all
        // Below the form on a square screen: 780 × 478 of 796 × 796, then 776 × 399.
        {QSize(796, 796), QSize(454, 310), 1.0, false},
        {QSize(796, 796), QSize(568, 387), 1.25, true}}) {
    EXPECT_EQ(ChartPlacement::Fills(window, form, scale), fills) << scale;
  }
}

// The runs compared: under the form when the chart is right of it, right of
// it when the chart is below; nowhere when too small.
TEST(ChartPlacement, PutsTheComparisonWhereTheChartLeavesRoom) {
  const QSize form(454, 310);
  const QRect column(16, 16, 425, 217);
  for (const auto& [window, chart, comparison] :
       {std::tuple{QSize(1276, 796), QRect(454, 8, 814, 780), QRect(16, 318, 425, 470)},
        {QSize(800, 600), QRect(8, 310, 784, 282), QRect(454, 8, 338, 302)},
        {QSize(1280, 430), QRect(454, 8, 818, 414), QRect()},  // 104 high under the form
        {QSize(454, 310), QRect(), QRect()}}) {
    EXPECT_EQ(ChartPlacement::ComparisonSpace(window, form, chart, column, 1), comparison)
        << window.width() << "x" << window.height();
  }
}

}  // namespace
}  // namespace corvale

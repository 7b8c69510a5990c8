#include "window/chart/chart_figures.h"

#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <QPalette>
#include <cmath>

namespace corvale {
namespace {

// Where not all fit, the first come, with the note: never a later, shorter one alone, as
// "X at 0 or 255: never." once stood in for the rise. Side by side, as many to a line as it
// holds.
TEST(ChartFigures, TheFirstThatFitComeFirst) {
  QFont font;
  font.setPixelSize(12);
  const ChartStyle style = ChartStyle::Make(QPalette(), font, 12);
  const QFontMetricsF metrics(style.font);
  const QString rise = "Rise time: 4 steps, step 2 to 6.", peak = "Peak: 5.2424 at step 14.",
                more = "More in the tooltip.";
  const ChartFigures figures(rise + '\n' + peak + "\nShort.", style);
  const double line = std::ceil(metrics.height()), wide = 1000;
  const double narrow = std::ceil(metrics.horizontalAdvance(rise) * 0.7);  // the rise on two lines
  // clang-format off
  const std::tuple<double, double, bool, QStringList> cases[] = {
      {wide, line, true, {rise, peak, "Short."}},  // one line, side by side
      {wide, 2 * line, false, {rise, more}},
      {wide, line, false, {}},                     // not "Short." alone
      {narrow, 2 * line, false, {}},
      {narrow, 3 * line, false, {rise, more}}};
  // clang-format on
  for (const auto& [wrap, most, flowing, shown] : cases) {
    const ChartFigures::Selection selection = figures.Select(wrap, most, flowing);
    EXPECT_EQ(selection.lines, shown) << wrap << " " << most / line;
    EXPECT_EQ(selection.hidden, 3 - shown.size() + (shown.contains(more) ? 1 : 0));
    EXPECT_LE(selection.height, most);
    for (std::size_t i = 1; i < selection.rects.size(); ++i)
      EXPECT_FALSE(selection.rects[i].intersects(selection.rects[i - 1]));
  }
  const ChartFigures::Selection flowed = figures.Select(wide, line, true);
  EXPECT_EQ(flowed.rects[1].top(), flowed.rects[0].top());
  EXPECT_GT(flowed.rects[1].left(), flowed.rects[0].right());
}

}  // namespace
}  // namespace corvale

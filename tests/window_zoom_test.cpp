// The zoom and the chart's place: the decisions worked out by hand, then the
// real window zoomed from its twips and stopped by its screen.
#include "tests/window/window_fixture.h"
#include "window/shell/chart_placement.h"
#include "window/shell/window_fit.h"
#include "window/shell/zoom.h"

namespace corvale {
namespace {

// The form's client area is 6816 × 4644 twips, 15 to a pixel at 100 %. The
// chart needs 320 × 240 at 100 % and a margin of 8.
constexpr Place kClientArea{0, 0, 6816, 4644};
constexpr QSize kFrame{4, 4};  // the offscreen platform's, 2 on each side

int LevelOf(int percent) {
  const auto& p = Zoom::kPercent;
  return static_cast<int>(std::find(p.begin(), p.end(), percent) - p.begin());
}

// Ctrl++, Ctrl+- and Ctrl+0 from a level, normal or maximised, enlarged or
// not, the chart beside the form or in the box: the level and window reached.
TEST(WindowFit, ZoomsAsFarAsTheScreenAndTheChartAllowAndKeepsTheUsersSize) {
  const WindowFit fit(kClientArea);
  // Maximised; the user's size; the chart beside the form, now and in the normal window
  // where it is not maximised; from which percent; steps (0: Ctrl+0); the percent and window.
  // clang-format off
  const std::tuple<bool, QSize, bool, int, int, int, QSize> cases[] = {
      // The form: 454 × 310 at 100 %, 500 × 341 at 110 %, 909 × 619 at 200 %; at 250 %
      // 1136 + 4 ≤ 1280 and 774 + 4 ≤ 800; at 300 % 1363 is too wide.
      {false, {}, false, 100, 1, 110, {500, 341}},     {false, {}, false, 100, 8, 250, {1136, 774}},
      {false, {}, false, 250, 1, 250, {1136, 774}},    {false, {}, false, 250, -1, 200, {909, 619}},
      {false, {}, false, 100, -20, 50, {227, 155}},    {false, {}, false, 250, 0, 100, {454, 310}},
      // Enlarged, the chart right of the form: 500 + 352 + 9 = 861 wide at 110 %; 682 + 480 + 12
      // = 1174 at 150 %, so the window grows; 795 + 560 + 14 = 1369 at 175 % fits no more.
      {false, {1100, 700}, true, 100, 1, 110, {1100, 700}}, {false, {1100, 700}, true, 100, 3, 150, {1174, 700}},
      {false, {1100, 700}, true, 150, 1, 150, {1174, 700}}, {false, {1100, 700}, true, 150, -1, 125, {1100, 700}},
      {false, {1100, 700}, true, 150, 0, 100, {1100, 700}}, {false, {1100, 0}, true, 100, 1, 110, {1100, 341}},
      {false, {1100, 0}, true, 100, 3, 150, {1174, 464}},
      // Maximised within 1276 × 796: the normal window comes back holding the form.
      {true, {}, true, 100, 1, 110, {500, 341}},       {true, {}, true, 100, 4, 150, {682, 464}},
      {true, {}, true, 150, -1, 125, {568, 387}},      {true, {}, false, 250, 1, 250, {1136, 774}},
      {true, {1100, 700}, true, 100, 3, 150, {1174, 700}}};
  // clang-format on
  for (const auto& [kept, user, beside, from, steps, percent, window] : cases) {
    const int level = LevelOf(from);
    // clang-format off
    const Situation now{.level = level, .kept = kept,
                        .window = kept ? kMaximised : user.expandedTo(fit.Form(level)), .user = user,
                        .available = kProjector, .frame = kFrame, .chartBeside = beside,
                        .normalChartBeside = kept ? !user.isEmpty() : beside};  // enlarged for the chart
    // clang-format on
    const Fit result = steps == 0 ? fit.Reset(now) : fit.Step(now, steps);
    const std::string where = std::to_string(from) + "% " + std::to_string(steps);
    EXPECT_EQ(Zoom::kPercent[result.level], percent) << where;
    EXPECT_EQ(result.window, window)
        << where << ": " << result.window.width() << " x " << result.window.height();
  }
  // An 800 × 600 screen stops a normal window at 175 % (795 + 4 wide); no screen known, at 400 %.
  Situation small;
  small.level = Zoom::kDefaultLevel;
  small.available = {800, 600};
  small.frame = kFrame;
  EXPECT_EQ(Zoom::kPercent[fit.Step(small, 20).level], 175);
  small.available = {};
  EXPECT_EQ(fit.Step(small, 20).window, QSize(1818, 1238));
}

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

}  // namespace
}  // namespace corvale

#include "window/shell/window_fit.h"

#include "tests/window/shell/zoom_levels.h"
#include "tests/window/window_fixture.h"

namespace corvale {
namespace {

constexpr QSize kFrame{4, 4};  // the offscreen platform's, 2 on each side

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
      // Maximised within 1276 × 796: the normal window comes back holding the form; 175 %, the
      // chart in the box that fills the window, 795 × 542.
      {true, {}, true, 100, 1, 110, {500, 341}},       {true, {}, true, 100, 4, 175, {795, 542}},
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

}  // namespace
}  // namespace corvale

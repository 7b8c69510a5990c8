// The real window on the offscreen platform's 1280 × 800 projector screen: where the chart
// and the runs compared stand, and every control inside the window at every zoom.
#include <QComboBox>
#include <cstring>
#include <set>

#include "tests/window/chart/chart_fixture.h"
#include "tests/window/shell/projector_fixture.h"

namespace corvale {
namespace {

// Maximised, the runs compared stand under the form, left of the chart, while the chart there
// has half the window; zoomed further, the box fills the window and shows the chart as a class
// reads it off a projector. The two-lag lesson: Kp 4 and Ki .2 overshoot by 12.4 %, Kd 10 takes
// it away, the run without D kept. Beside the form at 150 % its panels had 434 × 320 of 1276 ×
// 796, 12 %, a legend of three lines and four of the six sentences: in the box, half the window
// or more, and rise, peak and settling written out.
TEST_F(Projector, AMaximisedWindowPutsTheComparisonUnderTheFormOrFillsTheBox) {
  auto* plant = window->findChild<QComboBox*>("plantModel");
  plant->setCurrentIndex(2);
  emit plant->activated(2);
  Window::Press(
      "Command1",
      {{"guiKP", "4"}, {"guiKI", ".2"}, {"guiKD", "0"}, {"guiSP", "5"}, {"Loops", "100"}});
  Window::Press("Command1", {{"guiKD", "10"}});
  Maximise();  // at 100 %: chart_placement_test.cpp
  for (int i = 0; i < 2; ++i) Press('+');
  // 568 × 387 at 125 %, a margin of 10: the chart 698 × 776 is more than half of 1276 × 796.
  EXPECT_EQ(Find("comparison")->geometry(), QRect(20, 397, 531, 389));
  EXPECT_EQ(Find("chart")->geometry(), QRect(568, 10, 698, 776));
  EXPECT_TRUE(Tabs() == QStringList({"Table", "Loop"}) &&
              !Find("comparison")->accessibleName().isEmpty());
  // 682 × 464 at 150 % leaves 582 × 772, less than half: the box, 637 × 325, grows by 594 × 332
  // and the controls under it go down by 332.
  Press('+');
  EXPECT_EQ(Find("cwin")->geometry(), QRect(24, 24, 1231, 657));
  EXPECT_EQ(Find("Loops")->pos(), QPoint(564, 420 + 332));
  EXPECT_EQ(Tabs(), QStringList({"Table", "Chart", "Runs", "Loop"}));
  EXPECT_TRUE(Find("chart")->isVisible() && !Beside("chart"));
  ExpectEverythingInside();
  const ChartReport report = Chart()->Report();
  const QRectF plot = report.top.united(report.bottom);
  EXPECT_GE(plot.width() * plot.height(), 0.5 * window->width() * window->height())
      << plot.width() << " x " << plot.height();
  std::set<int> lines;  // of the legend, by their tops
  for (const ChartReport::Text& text : report.texts)
    if (text.part == ChartReport::Part::kLegend) lines.insert(qRound(text.rect.top()));
  EXPECT_LE(lines.size(), 2u);
  const std::vector<QString> figures = Texts(report, ChartReport::Part::kFigures);
  for (const char* start : {"Rise time: ", "Peak: ", "Settling time: "})
    EXPECT_TRUE(std::ranges::any_of(figures, [&](const QString& t) { return t.startsWith(start); }))
        << start;
  EXPECT_EQ(report.hiddenSentences, 0);
  Press('-');
  EXPECT_EQ(Find("cwin")->geometry(), QRect(20, 20, 531, 271));
  EXPECT_TRUE(Beside("chart") && Beside("comparison"));
}

// A size the user gives back to the form follows the zoom again.
TEST_F(Projector, ASizeGivenBackToTheFormFollowsTheZoomAgain) {
  Enlarge({1100, 700});
  Enlarge({454, 310});
  Press('+');
  EXPECT_EQ(window->size(), QSize(500, 341));
  Enlarge({1100, 341});
  Press('+');
  EXPECT_EQ(window->size(), QSize(1100, 387));
  Press('0');
  EXPECT_EQ(window->size(), QSize(1100, 310));
}

// The switch pages what has no room beside the form; the page chosen comes back. Tab moves
// through the chart and the runs compared wherever they stand: beside the form, after Continue.
TEST_F(Projector, TheSwitchShowsWhatHasNoRoomBesideTheFormAndTabReachesIt) {
  const auto expectOrder = [this](const std::vector<const char*>& names) {
    Find(names.front())->setFocus();
    for (std::size_t i = 1; i < names.size(); ++i) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      EXPECT_EQ(QApplication::focusWidget(), Find(names[i])) << names[i - 1] << " to " << names[i];
    }
  };
  EXPECT_EQ(Tabs(), QStringList({"Table", "Chart", "Runs", "Loop"}));
  Switch()->setCurrentIndex(2);
  EXPECT_TRUE(Find("comparison")->isVisible() && !Find("table")->isVisible());
  expectOrder({"Loops", "view-switch", "comparison", "Command1", "Command2", "guiKP"});
  Enlarge({1280, 430});
  EXPECT_TRUE(Beside("chart") && !Beside("comparison") && Find("comparison")->isVisible());
  EXPECT_EQ(Tabs(), QStringList({"Table", "Runs", "Loop"}));
  expectOrder({"view-switch", "comparison", "Command1", "Command2", "chart", "guiKP"});
  Enlarge({1200, 700});
  EXPECT_TRUE(Beside("chart") && Beside("comparison") && Find("table")->isVisible());
  EXPECT_EQ(Tabs(), QStringList({"Table", "Loop"}));
  expectOrder({"Command2", "chart", "comparison", "guiKP"});
  Enlarge({454, 310});
  EXPECT_EQ(Tabs(), QStringList({"Table", "Chart", "Runs", "Loop"}));
  EXPECT_TRUE(Switch()->currentIndex() == 2 && Find("comparison")->isVisible());
}

// Every control inside, the window on the screen, at every zoom from every state. Faults
// met: restored after a zoom, Loops and Continue outside; enlarged, Ctrl++ shrank it.
struct Trial {
  std::string name;
  const char* keys;              // ' ' for the state before the first key, then '+', '-' or '0'
  std::vector<int> percent;      // after each
  const char* beside;            // after each, or one for all: 'b' the chart and the runs compared
                                 // beside the form, '.' in the box
  std::vector<QSize> size = {};  // after each, or one for all; none: the form's
};

class Zooming : public Projector, public testing::WithParamInterface<Trial> {};

TEST_P(Zooming, KeepsEveryControlInsideTheWindow) {
  const Trial& trial = GetParam();
  if (trial.name.starts_with("enlarged")) Enlarge({1100, 700});
  if (trial.name.ends_with("restored")) {
    Maximise();
    for (int i = 0; i < 3; ++i) Press('+');
    window->showNormal();
  }
  if (trial.name == "maximised") Maximise();
  if (trial.name == "fullscreen") window->showFullScreen();
  Settle();
  for (std::size_t i = 0; i < trial.percent.size(); ++i) {
    if (trial.keys[i] != ' ') Press(trial.keys[i]);
    const std::string where = "step " + std::to_string(i) + " (" + trial.keys[i] + ")";
    const double scale = trial.percent[i] / 100.0;
    EXPECT_NEAR(Scale(), scale, 1e-9) << where;
    const std::size_t last = trial.size.size() - 1;  // one size is for every step
    EXPECT_EQ(window->size(), trial.size.empty() ? FormSize(scale) : trial.size[std::min(i, last)])
        << where;
    const bool beside = trial.beside[std::strlen(trial.beside) == 1 ? 0 : i] == 'b';
    EXPECT_EQ(std::tuple(Beside("chart"), Beside("comparison"), window->isMaximized(),
                         window->isFullScreen()),
              std::tuple(beside, beside, trial.name == "maximised", trial.name == "fullscreen"))
        << where;
    ExpectEverythingInside();
  }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Projector, Zooming, testing::Values(
    // The form's size at each step, up to 250 %: 1363 × 929 leaves the screen.
    Trial{"normal", " +++++++-0-", {100, 110, 125, 150, 175, 200, 250, 250, 200, 100, 90}, "."},
    // The chart beside the form up to 125 %, where it has half the window; then in the box that
    // fills it, as far as the form fits.
    Trial{"maximised", " ++++-0-", {100, 110, 125, 150, 175, 150, 100, 90}, "bbb...bb",
          {kMaximised}},
    Trial{"fullscreen", " ++++0", {100, 110, 125, 150, 175, 100}, "bbb..b", {kProjector}},
    // Maximised, zoomed to 150 % and restored: the form's size.
    Trial{"restored", " +-0-", {150, 175, 150, 100, 90}, "."},
    // 1100 × 700 by hand, grown to 1174 wide for the chart at 150 %.
    Trial{"enlarged", " ++++-0-", {100, 110, 125, 150, 150, 125, 100, 90}, "b", {{1100, 700},
        {1100, 700}, {1100, 700}, {1174, 700}, {1174, 700}, {1100, 700}, {1100, 700}, {1100, 700}}},
    Trial{"enlarged_restored", " -0", {150, 125, 100}, "b", {{1174, 700}, {1100, 700}, {1100, 700}}}),
    [](const testing::TestParamInfo<Trial>& info) { return info.param.name; });
// clang-format on

}  // namespace
}  // namespace corvale

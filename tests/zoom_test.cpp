// The zoom, the window's size and the places of the chart and of the runs
// compared: the decisions worked out by hand, then the real window on a
// 1280 × 800 projector (one of the offscreen platform's screens).
#include <gtest/gtest.h>

#include <QTest>
#include <QtWidgets>

#include "chart_placement.h"
#include "form1.h"
#include "response_chart.h"
#include "transcript_view.h"
#include "window_fit.h"
#include "zoom.h"

namespace corvale {
namespace {

// The form's client area is 6816 × 4644 twips, 15 to a pixel at 100 %; at
// each zoom, rounded: 454 × 310 at 100 %, 500 × 341 at 110 %, 568 × 387 at
// 125 %, 682 × 464 at 150 %, 795 × 542 at 175 %, 909 × 619 at 200 %,
// 1136 × 774 at 250 %, 1363 × 929 at 300 %. The chart needs 320 × 240 at
// 100 % and a margin of 8 (480 × 360 and 12 at 150 %, 560 × 420 and 14 at
// 175 %).
constexpr Place kClientArea{0, 0, 6816, 4644};
constexpr QSize kProjector{1280, 800};
constexpr QSize kFrame{4, 4};           // the offscreen platform's, 2 on each side
constexpr QSize kMaximised{1276, 796};  // the projector less the frame

int LevelOf(int percent) {
  const auto& p = Zoom::kPercent;
  return static_cast<int>(std::find(p.begin(), p.end(), percent) - p.begin());
}

// Ctrl++, Ctrl+- and Ctrl+0 from a level, in a window that is normal or
// maximised, that the user enlarged or not, with the chart beside the form or
// in the box: the level they lead to and the normal window's size.
TEST(WindowFit, ZoomsAsFarAsTheScreenAndTheChartAllowAndKeepsTheUsersSize) {
  const WindowFit fit(kClientArea);
  struct Case {
    const char* what;
    bool kept;
    QSize user;
    bool beside;  // the chart, now; and in the normal window where it is not maximised
    int from;     // percent
    int steps;    // 0: Ctrl+0
    int percent;
    QSize window;
  };
  // clang-format off
  const Case cases[] = {
      {"normal", false, {}, false, 100, 1, 110, {500, 341}},
      // 1136 + 4 ≤ 1280 and 774 + 4 ≤ 800; 1363 is too wide.
      {"normal to the screen", false, {}, false, 100, 8, 250, {1136, 774}},
      {"normal at the screen", false, {}, false, 250, 1, 250, {1136, 774}},
      {"normal smaller", false, {}, false, 250, -1, 200, {909, 619}},
      {"normal smallest", false, {}, false, 100, -20, 50, {227, 155}},
      {"normal first size", false, {}, false, 250, 0, 100, {454, 310}},
      // The chart right of the form needs 500 + 352 + 9 = 861 × 341 at 110 %.
      {"enlarged", false, {1100, 700}, true, 100, 1, 110, {1100, 700}},
      // 682 + 480 + 12 = 1174 wide at 150 %: the window grows for the chart.
      {"enlarged grows", false, {1100, 700}, true, 100, 3, 150, {1174, 700}},
      // 795 + 560 + 14 = 1369 wide, or 542 + 420 + 14 = 976 high: neither fits.
      {"enlarged stops", false, {1100, 700}, true, 150, 1, 150, {1174, 700}},
      {"enlarged smaller", false, {1100, 700}, true, 150, -1, 125, {1100, 700}},
      {"enlarged first size", false, {1100, 700}, true, 150, 0, 100, {1100, 700}},
      // Wider only: the height follows the form, the chart right of it.
      {"wider", false, {1100, 0}, true, 100, 1, 110, {1100, 341}},
      {"wider grows", false, {1100, 0}, true, 100, 3, 150, {1174, 464}},
      // Maximised: the form and the chart's room within 1276 × 796; the
      // window comes back holding the form.
      {"maximised", true, {}, true, 100, 1, 110, {500, 341}},
      {"maximised stops", true, {}, true, 100, 4, 150, {682, 464}},
      {"maximised smaller", true, {}, true, 150, -1, 125, {568, 387}},
      {"maximised chart in the box", true, {}, false, 250, 1, 250, {1136, 774}},
      {"maximised enlarged", true, {1100, 700}, true, 100, 3, 150, {1174, 700}},
  };
  // clang-format on
  for (const Case& c : cases) {
    Situation now;
    now.level = LevelOf(c.from);
    now.kept = c.kept;
    now.window = c.kept ? kMaximised : c.user.expandedTo(fit.Form(now.level));
    now.user = c.user;
    now.available = kProjector;
    now.frame = kFrame;
    now.chartBeside = c.beside;
    // The maximised window came from one the user enlarged for the chart, or
    // from the form's.
    now.normalChartBeside = c.kept ? !c.user.isEmpty() : c.beside;
    const Fit result = c.steps == 0 ? fit.Reset(now) : fit.Step(now, c.steps);
    EXPECT_EQ(Zoom::kPercent[result.level], c.percent) << c.what;
    EXPECT_EQ(result.window, c.window)
        << c.what << ": " << result.window.width() << " x " << result.window.height();
  }
  // An 800 × 600 screen stops a normal window at 175 % (795 + 4 wide); no
  // screen known, at 400 %.
  Situation small;
  small.level = Zoom::kDefaultLevel;
  small.available = {800, 600};
  small.frame = kFrame;
  EXPECT_EQ(Zoom::kPercent[fit.Step(small, 20).level], 175);
  small.available = {};
  EXPECT_EQ(fit.Step(small, 20).window, QSize(1818, 1238));
}

// The chart takes the larger of the spaces the form leaves of those large
// enough to read a chart in; the least window for each is where that space
// begins to hold it.
TEST(ChartPlacement, TakesTheLargerSpaceThatHoldsTheChart) {
  // At 150 % in 1174 × 830: below is larger (1150 × 354) but lower than 360;
  // right (480 × 806) holds the chart.
  EXPECT_EQ(ChartPlacement::Space({1174, 830}, {682, 464}, 1.5), QRect(682, 12, 480, 806));
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

// The runs compared take the space the chart leaves next to the form: under
// it, in the transcript box's column, when the chart stands right of it;
// right of it when the chart stands below; none when too small.
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

// The real window on the projector, its screen's available area 1280 × 800.
class Projector : public testing::Test {
 protected:
  void SetUp() override {
    for (QScreen* candidate : QGuiApplication::screens()) {
      if (candidate->name() == QLatin1String("projector")) screen = candidate;
    }
    if (!screen) GTEST_SKIP() << "no projector screen: QT_QPA_PLATFORM names another platform";
    window = std::make_unique<Form1>();
    window->setScreen(screen);
    window->move(screen->availableGeometry().topLeft() + QPoint(100, 60));
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    pointSize = Loops()->font().pointSizeF();
  }

  QWidget* Find(const char* name) const { return window->findChild<QWidget*>(name); }
  QLineEdit* Loops() const { return window->findChild<QLineEdit*>("Loops"); }
  QTabBar* Switch() const { return window->findChild<QTabBar*>("view-switch"); }
  QStringList Tabs() const {
    QStringList tabs;
    for (int i = 0; i < Switch()->count(); ++i) tabs << Switch()->tabText(i);
    return Switch()->isVisible() ? tabs : QStringList();
  }
  // The zoom's scale, as the controls' text shows it.
  double Scale() const { return Loops()->font().pointSizeF() / pointSize; }
  // Standing beside the form rather than in the transcript box.
  bool Beside(const char* name) const {
    QWidget* const widget = Find(name);
    return widget->parentWidget() == window.get() && widget->isVisible();
  }
  // What the window system does meanwhile, the window manager's part too.
  static void Settle() {
    for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
  }
  void Press(char key) const {
    const Qt::Key code = key == '+' ? Qt::Key_Plus : key == '-' ? Qt::Key_Minus : Qt::Key_0;
    QTest::keyClick(Loops(), code, Qt::ControlModifier);
    Settle();
  }
  void Enlarge(QSize size) const {
    window->resize(size);
    Settle();
  }
  void Maximise() const {
    window->showMaximized();
    Settle();
  }
  void Restore() const {
    window->showNormal();
    Settle();
  }
  // Every control inside the window, and the window on the screen.
  void ExpectEverythingInside() const {
    const QRect client(QPoint(), window->size());
    for (const char* name : {"guiKP", "guiKI", "guiKD", "guiSP", "Loops", "cwin", "Command1",
                             "Command2", "Label1", "Label2", "Label3", "Label4", "Label5"}) {
      EXPECT_TRUE(client.contains(Find(name)->geometry())) << name;
    }
    for (const char* name : {"chart", "comparison"}) {
      if (Beside(name)) {
        EXPECT_TRUE(client.contains(Find(name)->geometry())) << name;
      }
    }
    EXPECT_TRUE(screen->availableGeometry().contains(window->frameGeometry()));
  }

  QScreen* screen = nullptr;
  std::unique_ptr<Form1> window;
  qreal pointSize = 0;
};

// The faults of a trial, each as it was met. Maximised, zoomed and restored:
// the window came back at its first size, Loops and Continue outside it.
TEST_F(Projector, RestoringAMaximisedZoomGivesAWindowThatHoldsTheForm) {
  Maximise();
  for (int i = 0; i < 3; ++i) Press('+');
  Restore();
  EXPECT_FALSE(window->isMaximized());
  EXPECT_DOUBLE_EQ(Scale(), 1.5);
  EXPECT_EQ(window->size(), QSize(682, 464));
  ExpectEverythingInside();
}

// Enlarged by hand so that the chart stood beside the form, Ctrl++ shrank the
// window to the zoomed form and put the chart back in its tab.
TEST_F(Projector, CtrlPlusKeepsTheSizeTheUserGaveTheWindowAndTheChartBesideTheForm) {
  Enlarge({1100, 700});
  ASSERT_TRUE(Beside("chart"));
  Press('+');
  EXPECT_EQ(window->size(), QSize(1100, 700));
  EXPECT_TRUE(Beside("chart"));
  // The zoom knows where the chart stands: the window grows to keep its room.
  Press('+');
  Press('+');
  EXPECT_DOUBLE_EQ(Scale(), 1.5);
  EXPECT_EQ(window->size(), QSize(1174, 700));
  EXPECT_TRUE(Beside("chart"));
  EXPECT_EQ(Find("chart")->geometry(), QRect(682, 12, 480, 676));
  ExpectEverythingInside();
}

// Maximised, the space under the form stayed empty: the runs compared stand
// there, in the transcript box's column, left of the chart.
TEST_F(Projector, AMaximisedWindowPutsTheComparisonUnderTheForm) {
  Maximise();
  EXPECT_EQ(Find("comparison")->geometry(), QRect(16, 318, 425, 470));
  EXPECT_EQ(Find("chart")->geometry(), QRect(454, 8, 814, 780));
  for (int i = 0; i < 3; ++i) Press('+');
  EXPECT_EQ(Find("comparison")->geometry(), QRect(24, 476, 637, 308));
  EXPECT_EQ(Find("chart")->geometry(), QRect(682, 12, 582, 772));
  EXPECT_TRUE(Tabs().isEmpty());
  EXPECT_FALSE(Find("comparison")->accessibleName().isEmpty());
}

// A size the user gives back to the form is no longer theirs, dimension by
// dimension: the zoom takes it from there.
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

// At the first size the switch has a page for each: Table, Chart, Runs. The
// page chosen comes back when the window is made small again; a window too
// low for the runs under the form keeps them behind the switch.
TEST_F(Projector, TheSwitchShowsWhatHasNoRoomBesideTheForm) {
  EXPECT_EQ(Tabs(), QStringList({"Table", "Chart", "Runs"}));
  Switch()->setCurrentIndex(2);
  EXPECT_TRUE(Find("comparison")->isVisible());
  EXPECT_FALSE(Find("table")->isVisible());
  Enlarge({1280, 430});
  EXPECT_TRUE(Beside("chart"));
  EXPECT_FALSE(Beside("comparison"));
  EXPECT_EQ(Tabs(), QStringList({"Table", "Runs"}));
  EXPECT_TRUE(Find("comparison")->isVisible());
  Enlarge({1200, 700});
  EXPECT_TRUE(Beside("chart") && Beside("comparison") && Find("table")->isVisible());
  EXPECT_TRUE(Tabs().isEmpty());
  Enlarge({454, 310});
  EXPECT_EQ(Tabs(), QStringList({"Table", "Chart", "Runs"}));
  EXPECT_EQ(Switch()->currentIndex(), 2);
  EXPECT_TRUE(Find("comparison")->isVisible());
}

// The tab order: the boxes, the switch, the page it shows, the buttons; beside
// the form, after Continue, the chart and then the runs compared, in the
// switch's order.
TEST_F(Projector, TabMovesThroughTheChartAndTheComparisonWhereverTheyStand) {
  const auto expectOrder = [this](const std::vector<const char*>& names) {
    Find(names.front())->setFocus();
    for (std::size_t i = 1; i < names.size(); ++i) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      EXPECT_EQ(QApplication::focusWidget(), Find(names[i])) << names[i - 1] << " to " << names[i];
    }
  };
  Switch()->setCurrentIndex(2);
  expectOrder({"Loops", "view-switch", "comparison", "Command1", "Command2", "guiKP"});
  Enlarge({1200, 700});
  expectOrder({"Command2", "chart", "comparison", "guiKP"});
  Enlarge({1280, 430});
  expectOrder({"view-switch", "comparison", "Command1", "Command2", "chart", "guiKP"});
}

// Ctrl++, Ctrl+- and Ctrl+0 from each state of the window: the zoom, the
// window's size, where the chart and the runs compared stand, every control
// inside the window and the window on the screen, at every step.
struct Step {
  char key;  // '+', '-' or '0'; ' ' for the state before the first key
  int percent;
  QSize size;
  bool chart;       // beside the form
  bool comparison;  // beside the form
};
struct Trial {
  const char* name;
  std::vector<Step> steps;
};

class Zooming : public Projector, public testing::WithParamInterface<Trial> {
 protected:
  // The window as the trial begins.
  void Begin(const std::string& state) {
    if (state.find("enlarged") == 0) Enlarge({1100, 700});
    if (state.find("restored") != std::string::npos) {
      Maximise();
      for (int i = 0; i < 3; ++i) Press('+');
      Restore();
    }
    if (state == "maximised") Maximise();
    if (state == "fullscreen") {
      window->showFullScreen();
      Settle();
    }
  }
};

TEST_P(Zooming, KeepsEveryControlInsideTheWindow) {
  const Trial& trial = GetParam();
  Begin(trial.name);
  const bool maximised = std::string(trial.name) == "maximised";
  const bool fullScreen = std::string(trial.name) == "fullscreen";
  for (std::size_t i = 0; i < trial.steps.size(); ++i) {
    const Step& step = trial.steps[i];
    if (step.key != ' ') Press(step.key);
    const std::string where = "step " + std::to_string(i) + " (" + step.key + ")";
    EXPECT_NEAR(Scale(), step.percent / 100.0, 1e-9) << where;
    EXPECT_EQ(window->size(), step.size) << where;
    EXPECT_EQ(Beside("chart"), step.chart) << where;
    EXPECT_EQ(Beside("comparison"), step.comparison) << where;
    EXPECT_EQ(window->isMaximized(), maximised) << where;
    EXPECT_EQ(window->isFullScreen(), fullScreen) << where;
    ExpectEverythingInside();
  }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Projector, Zooming, testing::Values(
    // The form's size at each step, up to 250 %: 1363 × 929 leaves the screen.
    Trial{"normal", {{' ', 100, {454, 310}, false, false}, {'+', 110, {500, 341}, false, false},
        {'+', 125, {568, 387}, false, false}, {'+', 150, {682, 464}, false, false},
        {'+', 175, {795, 542}, false, false}, {'+', 200, {909, 619}, false, false},
        {'+', 250, {1136, 774}, false, false}, {'+', 250, {1136, 774}, false, false},
        {'-', 200, {909, 619}, false, false}, {'0', 100, {454, 310}, false, false},
        {'-', 90, {409, 279}, false, false}}},
    // Up to 150 %, where the chart keeps its room beside the form.
    Trial{"maximised", {{' ', 100, kMaximised, true, true}, {'+', 110, kMaximised, true, true},
        {'+', 125, kMaximised, true, true}, {'+', 150, kMaximised, true, true},
        {'+', 150, kMaximised, true, true}, {'-', 125, kMaximised, true, true},
        {'0', 100, kMaximised, true, true}, {'-', 90, kMaximised, true, true}}},
    Trial{"fullscreen", {{' ', 100, kProjector, true, true}, {'+', 110, kProjector, true, true},
        {'+', 125, kProjector, true, true}, {'+', 150, kProjector, true, true},
        {'+', 150, kProjector, true, true}, {'0', 100, kProjector, true, true}}},
    // Maximised, zoomed to 150 % and restored: the form's size.
    Trial{"restored", {{' ', 150, {682, 464}, false, false}, {'+', 175, {795, 542}, false, false},
        {'-', 150, {682, 464}, false, false}, {'0', 100, {454, 310}, false, false},
        {'-', 90, {409, 279}, false, false}}},
    // 1100 × 700 by hand, grown to 1174 wide for the chart at 150 %.
    Trial{"enlarged", {{' ', 100, {1100, 700}, true, true}, {'+', 110, {1100, 700}, true, true},
        {'+', 125, {1100, 700}, true, true}, {'+', 150, {1174, 700}, true, true},
        {'+', 150, {1174, 700}, true, true}, {'-', 125, {1100, 700}, true, true},
        {'0', 100, {1100, 700}, true, true}, {'-', 90, {1100, 700}, true, true}}},
    Trial{"enlarged-restored", {{' ', 150, {1174, 700}, true, true},
        {'-', 125, {1100, 700}, true, true}, {'0', 100, {1100, 700}, true, true}}}),
    [](const testing::TestParamInfo<Trial>& info) {
      std::string name = info.param.name;
      std::replace(name.begin(), name.end(), '-', '_');
      return name;
    });
// clang-format on

}  // namespace
}  // namespace corvale

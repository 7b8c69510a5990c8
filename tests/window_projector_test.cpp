// The real window on a 1280 × 800 projector (one of the offscreen platform's
// screens): the zoom, the window's size and where the chart and the runs
// compared stand, from each state of the window. These are the faults of
// trials, each as it was met: maximised, zoomed and restored, the window came
// back at its first size, Loops and Continue outside it; enlarged by hand so
// that the chart stood beside the form, Ctrl++ shrank the window to the
// zoomed form and put the chart back in its tab.
#include "window_fixture.h"

namespace corvale {
namespace {

// The real window on the projector, its screen's available area 1280 × 800.
class Projector : public Window {
 protected:
  void SetUp() override {
    for (QScreen* candidate : QGuiApplication::screens()) {
      if (candidate->name() == QLatin1String("projector")) screen = candidate;
    }
    if (!screen) GTEST_SKIP() << "no projector screen: QT_QPA_PLATFORM names another platform";
    AnswerMessages();
    Open(QLocale(QLocale::English, QLocale::UnitedStates), screen);
    pointSize = Loops()->font().pointSizeF();
  }

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
  qreal pointSize = 0;
};

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

// The real window on the offscreen platform's 1280 × 800 projector screen.
#include "tests/window/window_fixture.h"

namespace corvale {
namespace {

class Projector : public Window {
 protected:
  void SetUp() override {
    for (QScreen* candidate : QGuiApplication::screens())
      if (candidate->name() == QLatin1String("projector")) screen = candidate;
    if (!screen) GTEST_SKIP() << "no projector screen: QT_QPA_PLATFORM names another platform";
    AnswerMessages();
    Open(QLocale(QLocale::English, QLocale::UnitedStates), screen);
    pointSize = Box("Loops")->font().pointSizeF();
  }

  QTabBar* Switch() const { return window->findChild<QTabBar*>("view-switch"); }
  QStringList Tabs() const {
    QStringList tabs;
    for (int i = 0; i < Switch()->count(); ++i) tabs << Switch()->tabText(i);
    return Switch()->isVisible() ? tabs : QStringList();
  }
  double Scale() const { return Box("Loops")->font().pointSizeF() / pointSize; }
  bool Beside(const char* name) const {
    QWidget* const widget = Find(name);
    return widget->parentWidget() == window.get() && widget->isVisible();
  }
  static void Settle() {
    for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();  // the window manager's part
  }
  void Press(char key) const {  // '+', '-' or '0' with Ctrl
    QTest::keyClick(Box("Loops"), key, Qt::ControlModifier);
    Settle();
  }
  void Enlarge(QSize size) const { window->resize(size), Settle(); }
  void Maximise() const { window->showMaximized(), Settle(); }
  void ExpectEverythingInside() const {
    const QRect client(QPoint(), window->size());
    for (const char* control : kControls) {
      const QString name = QString(control).section(u' ', 0, 0);
      EXPECT_TRUE(client.contains(Find(name.toLatin1())->geometry())) << control;
    }
    for (const char* name : {"chart", "comparison"})
      EXPECT_TRUE(!Beside(name) || client.contains(Find(name)->geometry())) << name;
    EXPECT_TRUE(screen->availableGeometry().contains(window->frameGeometry()));
  }

  QScreen* screen = nullptr;
  qreal pointSize = 0;
};

// Maximised, the runs compared stand under the form, left of the chart.
TEST_F(Projector, AMaximisedWindowPutsTheComparisonUnderTheForm) {
  Maximise();  // at 100 %: chart_placement_test.cpp
  for (int i = 0; i < 3; ++i) Press('+');
  EXPECT_EQ(Find("comparison")->geometry(), QRect(24, 476, 637, 308));
  EXPECT_EQ(Find("chart")->geometry(), QRect(682, 12, 582, 772));
  EXPECT_TRUE(Tabs() == QStringList({"Table", "Loop"}) &&
              !Find("comparison")->accessibleName().isEmpty());
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

// The switch pages what has no room beside the form; the page chosen comes back.
TEST_F(Projector, TheSwitchShowsWhatHasNoRoomBesideTheForm) {
  EXPECT_EQ(Tabs(), QStringList({"Table", "Chart", "Runs", "Loop"}));
  Switch()->setCurrentIndex(2);
  EXPECT_TRUE(Find("comparison")->isVisible() && !Find("table")->isVisible());
  Enlarge({1280, 430});
  EXPECT_TRUE(Beside("chart") && !Beside("comparison") && Find("comparison")->isVisible());
  EXPECT_EQ(Tabs(), QStringList({"Table", "Runs", "Loop"}));
  Enlarge({1200, 700});
  EXPECT_TRUE(Beside("chart") && Beside("comparison") && Find("table")->isVisible());
  EXPECT_EQ(Tabs(), QStringList({"Table", "Loop"}));
  Enlarge({454, 310});
  EXPECT_EQ(Tabs(), QStringList({"Table", "Chart", "Runs", "Loop"}));
  EXPECT_TRUE(Switch()->currentIndex() == 2 && Find("comparison")->isVisible());
}

// Beside the form, the chart and the runs compared come after Continue.
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

// Every control inside, the window on the screen, at every zoom from every state. Faults
// met: restored after a zoom, Loops and Continue outside; enlarged, Ctrl++ shrank it.
struct Trial {
  std::string name;
  const char* keys;              // ' ' for the state before the first key, then '+', '-' or '0'
  std::vector<int> percent;      // after each
  bool beside;                   // the chart and the runs compared
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
    EXPECT_EQ(std::tuple(Beside("chart"), Beside("comparison"), window->isMaximized(),
                         window->isFullScreen()),
              std::tuple(trial.beside, trial.beside, trial.name == "maximised",
                         trial.name == "fullscreen"))
        << where;
    ExpectEverythingInside();
  }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Projector, Zooming, testing::Values(
    // The form's size at each step, up to 250 %: 1363 × 929 leaves the screen.
    Trial{"normal", " +++++++-0-", {100, 110, 125, 150, 175, 200, 250, 250, 200, 100, 90}, false},
    // Up to 150 %, where the chart keeps its room beside the form.
    Trial{"maximised", " ++++-0-", {100, 110, 125, 150, 150, 125, 100, 90}, true, {kMaximised}},
    Trial{"fullscreen", " ++++0", {100, 110, 125, 150, 150, 100}, true, {kProjector}},
    // Maximised, zoomed to 150 % and restored: the form's size.
    Trial{"restored", " +-0-", {150, 175, 150, 100, 90}, false},
    // 1100 × 700 by hand, grown to 1174 wide for the chart at 150 %.
    Trial{"enlarged", " ++++-0-", {100, 110, 125, 150, 150, 125, 100, 90}, true, {{1100, 700},
        {1100, 700}, {1100, 700}, {1174, 700}, {1174, 700}, {1100, 700}, {1100, 700}, {1100, 700}}},
    Trial{"enlarged_restored", " -0", {150, 125, 100}, true, {{1174, 700}, {1100, 700}, {1100, 700}}}),
    [](const testing::TestParamInfo<Trial>& info) { return info.param.name; });
// clang-format on

}  // namespace
}  // namespace corvale

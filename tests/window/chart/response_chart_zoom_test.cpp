// The step axis zoomed and panned, worked out by hand as in
// tests/labbook/step_window_test.cpp: a zoom by 2 keeps half the steps, the
// step it is around at the same fraction of the axis.
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QTest>
#include <QWheelEvent>
#include <memory>

#include "tests/window/chart/chart_fixture.h"
#include "window/access/announcer.h"

namespace corvale {
namespace {

class ChartZoom : public ChartFixture {
 protected:
  void SetUp() override {
    ChartFixture::SetUp();
    chart.SetStepTones(false);
    Simulate({".5 .5 .5 5 400"});
    Measure();
    Render(800, 600);
  }
  QString Said() const {
    const Announcer* announcer = chart.findChild<Announcer*>();
    return announcer ? announcer->findChild<QLabel*>()->text() : QString();
  }
  StepRange Shown() const { return chart.Steps().Range(); }
};

// + around the cursor at step 201, twice, then End, Shift+Left and 0; each said.
TEST_F(ChartZoom, KeysZoomAroundTheCursorPanAndSayTheSteps) {
  QTest::keyClick(&chart, Qt::Key_Home);
  for (int i = 0; i < 5; ++i) QTest::keyClick(&chart, Qt::Key_PageDown);  // a tenth: 40 steps
  ASSERT_EQ(chart.Cursor(), 200);
  const std::pair<QKeyCombination, std::pair<StepRange, const char*>> keys[] = {
      // 200/399 of the way: 201 - 99.75 = 101.25.
      {Qt::Key_Plus, {{101, 300}, "Steps 101 to 300 of 400."}},
      // 100/199 of the way: 201 - 49.75 = 151.25.
      {Qt::Key_Equal, {{151, 250}, "Steps 151 to 250 of 400."}},
      // The cursor to the last step takes the steps along: all new ones, said.
      {Qt::Key_End, {{301, 400}, "Steps 301 to 400 of 400."}},
      {Qt::ShiftModifier | Qt::Key_Left, {{291, 390}, "Steps 291 to 390 of 400."}},
      {Qt::Key_BracketRight, {{301, 400}, "Steps 301 to 400 of 400."}},
      {Qt::Key_0, {{}, "Steps 1 to 400: the whole run."}},
      {Qt::KeypadModifier | Qt::Key_Plus, {{201, 400}, "Steps 201 to 400 of 400."}}};
  for (const auto& [key, shown] : keys) {
    QTest::keyClick(&chart, key.key(), key.keyboardModifiers());
    EXPECT_EQ(Shown(), shown.first) << shown.second;
    EXPECT_EQ(Said(), shown.second);
  }
  EXPECT_EQ(chart.Cursor(), 399);
  // A step at a time within them, and out of them by one: nothing more said.
  QTest::keyClick(&chart, Qt::Key_0);
  for (int i = 0; i < 3; ++i) QTest::keyClick(&chart, Qt::Key_Plus);  // 50 steps, 351 to 400
  const int spoken = chart.findChild<Announcer*>()->Spoken();
  for (int i = 0; i < 51; ++i) QTest::keyClick(&chart, Qt::Key_Left);
  EXPECT_EQ(Shown(), (StepRange{349, 398}));
  EXPECT_EQ(chart.findChild<Announcer*>()->Spoken(), spoken);
  EXPECT_TRUE(chart.Description().contains("plus and minus, zoom"));
}

// The zoomed axis draws its steps alone, PV's point per row from edge to edge, and a copy
// draws the same; a Continue keeps the steps, a Compute shows the whole run. More steps shown
// than the plot has pixel columns: each column's range, of the columns on the plot alone.
TEST_F(ChartZoom, AZoomedAxisDrawsItsStepsAlone) {
  QTest::keyClick(&chart, Qt::Key_Minus);  // the whole run already
  EXPECT_EQ(Said(), "Steps 1 to 400: the whole run.");
  for (int i = 0; i < 3; ++i) QTest::keyClick(&chart, Qt::Key_Plus);  // around 200.5, the middle
  ASSERT_EQ(Shown(), (StepRange{176, 225}));
  const ChartReport report = chart.Report();
  EXPECT_EQ(report.steps.Scale().low, 176);
  EXPECT_EQ(report.steps.Scale().high, 225);
  for (const ChartReport::Text& text : report.texts)  // the step axis' labels
    EXPECT_TRUE(text.part != ChartReport::Part::kAxis || text.rect.top() < report.bottom.bottom() ||
                (text.text.toInt() >= 176 && text.text.toInt() <= 225))
        << text.text.toStdString();
  const ChartReport::Path* pv = report.PathNamed("PV");
  ASSERT_NE(pv, nullptr);
  ASSERT_EQ(pv->points.size(), 50);
  EXPECT_DOUBLE_EQ(pv->points.front().x(), report.top.left());
  EXPECT_DOUBLE_EQ(pv->points.back().x(), report.top.right());
  for (const char* name : {"SP", "X"})
    for (const QPointF& p : report.PathNamed(name)->points)
      EXPECT_TRUE(p.x() >= report.top.left() && p.x() <= report.top.right()) << name;
  QImage image(chart.size(), QImage::Format_RGB32);
  QPainter painter(&image);
  EXPECT_EQ(chart.Draw(painter, chart.size(), true).steps.Scale().low, 176);
  Press("+ .5 .5 .5 5 100");
  Show({});
  EXPECT_EQ(Shown(), (StepRange{176, 225}));
  EXPECT_EQ(chart.Report().steps.Scale().high, 225);
  Simulate({".5 .5 .5 5 4000"});
  EXPECT_TRUE(chart.Steps().Whole());
  QTest::keyClick(&chart, Qt::Key_Plus);  // 2,000 steps, around the middle
  ASSERT_EQ(Shown(), (StepRange{1001, 3000}));
  const ChartReport columns = chart.Report();
  for (const char* name : {"PV", "X"}) {
    const ChartReport::Path* path = columns.PathNamed(name);
    ASSERT_TRUE(path && path->decimated) << name;
    EXPECT_EQ(path->points.size(), 2 * static_cast<qsizetype>(columns.top.width())) << name;
    for (const QPointF& p : path->points)
      EXPECT_TRUE(p.x() > columns.top.left() && p.x() < columns.top.right()) << name;
  }
}

// The wheel zooms around the pointer's step, Shift's turns pan, a drag pans, and the menu
// shows the whole run again.
TEST_F(ChartZoom, TheWheelAndTheMouseZoomAndPan) {
  const auto wheel = [this](double step, QPoint angle, Qt::KeyboardModifiers mods) {
    const QPointF at(chart.Report().steps.ToPixel(step), chart.Report().top.center().y());
    QWheelEvent event(at, chart.mapToGlobal(at), {}, angle, Qt::NoButton, mods, Qt::NoScrollPhase,
                      false);
    QApplication::sendEvent(&chart, &event);
  };
  wheel(101, {0, 60}, Qt::NoModifier);  // half a notch: nothing yet
  EXPECT_TRUE(chart.Steps().Whole());
  wheel(101, {0, 60}, Qt::NoModifier);  // a notch: 320 steps, 100/399 of the way from 101
  EXPECT_EQ(Shown(), (StepRange{21, 340}));
  wheel(101, {0, -120}, Qt::ShiftModifier);  // a tenth of them on
  EXPECT_EQ(Shown(), (StepRange{53, 372}));
  wheel(101, {120, 0}, Qt::NoModifier);  // a horizontal wheel, back
  EXPECT_EQ(Shown(), (StepRange{21, 340}));
  // Dragged left by an eighth of the plot: 40 steps on.
  const ChartReport report = chart.Report();
  const int y = static_cast<int>(report.top.center().y());
  const QPoint from(static_cast<int>(report.top.center().x()), y);
  QTest::mousePress(&chart, Qt::LeftButton, {}, from);
  const int by = static_cast<int>(std::lround(report.top.width() / 8));
  QMouseEvent move(QEvent::MouseMove, QPointF(from.x() - by, y),
                   chart.mapToGlobal(QPointF(from.x() - by, y)), Qt::NoButton, Qt::LeftButton,
                   Qt::NoModifier);
  QApplication::sendEvent(&chart, &move);
  QTest::mouseRelease(&chart, Qt::LeftButton, {}, QPoint(from.x() - by, y));
  EXPECT_NEAR(static_cast<double>(chart.Steps().First()), 61, 1);
  EXPECT_EQ(Said(),
            QString("Steps %1 to %2 of 400.").arg(chart.Steps().First()).arg(chart.Steps().Last()));
  const std::unique_ptr<QMenu> menu(chart.CreateContextMenu());
  QAction* whole = menu->findChild<QAction*>("whole-run");
  ASSERT_TRUE(whole && whole->isEnabled());
  whole->trigger();
  EXPECT_TRUE(chart.Steps().Whole());
  EXPECT_EQ(Said(), "Steps 1 to 400: the whole run.");
}

}  // namespace
}  // namespace corvale

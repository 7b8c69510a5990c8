// The chart as a class reads it off a projector: how much of the window its plot takes, the
// legend's lines and the figures it writes out, maximised and zoomed, and at the first size.
#include <QComboBox>
#include <set>

#include "tests/window/shell/projector_fixture.h"

namespace corvale {
namespace {

class ProjectorChart : public Projector {
 protected:
  // The two-lag lesson: Kp 4 and Ki .2 overshoot by 12.4 %, Kd 10 takes it away; the run
  // without D kept.
  void TwoLags() {
    auto* plant = window->findChild<QComboBox*>("plantModel");
    plant->setCurrentIndex(2);
    emit plant->activated(2);
    Window::Press(
        "Command1",
        {{"guiKP", "4"}, {"guiKI", ".2"}, {"guiKD", "0"}, {"guiSP", "5"}, {"Loops", "100"}});
    Window::Press("Command1", {{"guiKD", "10"}});
  }
  std::vector<QString> Texts(const ChartReport& report, ChartReport::Part part) const {
    std::vector<QString> texts;
    for (const ChartReport::Text& text : report.texts)
      if (text.part == part) texts.push_back(text.text);
    return texts;
  }
  static std::size_t Lines(const ChartReport& report, ChartReport::Part part) {
    std::set<int> tops;
    for (const ChartReport::Text& text : report.texts)
      if (text.part == part) tops.insert(qRound(text.rect.top()));
    return tops.size();
  }
  static bool Begins(const std::vector<QString>& texts, const char* start) {
    return std::any_of(texts.begin(), texts.end(),
                       [start](auto& t) { return t.startsWith(start); });
  }
};

// Maximised at 150 % (Ctrl++ three times), the box fills the window and shows the chart: its
// panels half the window or more, the legend on two lines at most, and rise, peak and settling
// written out. Beside the form they had 434 × 320 of 1276 × 796, 12 %, a legend of three lines
// and four of the six sentences.
TEST_F(ProjectorChart, MaximisedAndZoomedThePlotTakesHalfTheWindow) {
  TwoLags();
  Maximise();
  for (int i = 0; i < 3; ++i) Press('+');
  ASSERT_NEAR(Scale(), 1.5, 1e-9);
  ASSERT_TRUE(Chart()->isVisible());
  const ChartReport report = Chart()->Report();
  const QRectF plot = report.top.united(report.bottom);
  EXPECT_GE(plot.width() * plot.height(), 0.5 * window->width() * window->height())
      << plot.width() << " x " << plot.height();
  EXPECT_LE(Lines(report, ChartReport::Part::kLegend), 2u);
  const std::vector<QString> figures = Texts(report, ChartReport::Part::kFigures);
  for (const char* start : {"Rise time: ", "Peak: ", "Settling time: "})
    EXPECT_TRUE(Begins(figures, start)) << start;
  EXPECT_EQ(report.hiddenSentences, 0);
}

// At the first size the chart's page shows the rise first, the most useful figure; an X that
// never reached a limit is not written on the chart at all. It once showed "X at 0 or 255:
// never." alone, the one sentence short enough.
TEST_F(ProjectorChart, AtTheFirstSizeTheMostUsefulFigureComesFirst) {
  Click("Command1");  // the values the window opens with: X never at a limit
  Switch()->setCurrentIndex(1);
  Settle();
  const std::vector<QString> figures = Texts(Chart()->Report(), ChartReport::Part::kFigures);
  ASSERT_FALSE(figures.empty());
  EXPECT_EQ(figures.front(), "Rise time: 4 steps, step 2 to 6.");
  EXPECT_FALSE(Begins(figures, "X at"));
  EXPECT_TRUE(Chart()->toolTip().contains("X at 0 or 255: never."));  // where all are said
}

}  // namespace
}  // namespace corvale

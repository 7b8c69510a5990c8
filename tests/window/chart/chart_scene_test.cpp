// The chart's lines, panels, shading, legend and focus frame, read off its pixels and its report.
#include "form/sweep_command.h"
#include "tests/window/chart/chart_fixture.h"
#include "tests/window/chart/chart_menu_fixture.h"

namespace corvale {
namespace {

using ChartDrawing = ChartFixture;

// Kp 2.5 gives X 12.5 at step 2, 0 at step 3, and so on; SP 300 is out of reach. Many rows a
// column: shaded from the column where the stretch begins, step 50,002 when SP becomes 300.
TEST_F(ChartDrawing, ShadesTheStepsAtALimitAndNoOthers) {
  // clang-format off
  const std::pair<std::vector<std::string>, std::vector<std::pair<double, double>>> cases[] = {
      {{"2.5 0 0 5 8"}, {{3, 3}, {5, 5}, {7, 7}}}, {{".5 .5 .5 300 30"}, {{2, 30}}},
      {{".5 .5 .5 5 30"}, {}}, {{"2.5 0 0 5 100000"}, {{3, 99999}}},
      {{".5 .5 .5 300 100000"}, {{2, 100000}}},
      {{".5 .5 .5 5 50000", ".5 .5 .5 300 50000"}, {{50002, 100000}}},  // from step to step
      // X at 255 until the wound-up integral has unwound, at step 2405 as the transcript has it:
      // one stretch to its end and not past it.
      {{".5 .5 .5 300 1000", ".5 .5 .5 5 100000"}, {{2, 2405}}}};
  // clang-format on
  for (const auto& [runs, steps] : cases) {
    SCOPED_TRACE(runs[0]);
    const ChartReport report = Afresh({runs});
    const AxesReading axes(report);
    ASSERT_EQ(report.shaded.size(), steps.size());
    // Half a step either side of the steps, or the pixel columns they fall in.
    const double half = std::max(0.5 * (axes.StepX(2) - axes.StepX(1)), 1.0);
    for (std::size_t i = 0; i < steps.size(); ++i) {
      EXPECT_NEAR(report.shaded[i].first,
                  std::max(axes.StepX(steps[i].first) - half, report.top.left()), 1.5);
      EXPECT_NEAR(report.shaded[i].second,
                  std::min(axes.StepX(steps[i].second) + half, report.top.right()), 1.5);
    }
  }
}

TEST_F(ChartDrawing, OneStepStandsMidAxisAndNoneDrawsNoLine) {
  Render(400, 300);
  ChartReport report = chart.Report();
  for (const ChartReport::Path& path : report.paths) EXPECT_TRUE(path.points.isEmpty());
  EXPECT_TRUE(report.shaded.empty() && report.marks.empty());
  report = Afresh({{".5 .5 .5 5 1"}}, {400, 300});
  const ChartReport::Path* pv = report.PathNamed("PV");
  ASSERT_TRUE(pv && pv->points.size() == 1);
  EXPECT_NEAR(pv->points[0].x(), report.top.center().x(), 1);
  const QPoint at = pv->points[0].toPoint();  // a dot, where a line of one point draws nothing
  EXPECT_TRUE(Pv(image.pixelColor(at))) << at.x() << "," << at.y();
  for (int dx = -6; dx <= 6; ++dx)  // without SP's outline
    for (int dy = -6; dy <= 6; ++dy) EXPECT_FALSE(Sp(image.pixelColor(at + QPoint(dx, dy))));
}

// Then twice the zoom: lines twice as thick.
TEST_F(ChartDrawing, DrawsPvAtItsValueSpDashedAndXBelowAndFollowsTheZoom) {
  Levels();
  Render(800, 770);
  EXPECT_GE(chart.TextPixelSize(), 18);  // a large chart, large text
  Render();
  const double pv0 = Middle(Rows(0.25, Pv)), pv2 = Middle(Rows(0.5, Pv)),
               pv8 = Middle(Rows(0.85, Pv));
  ASSERT_GT(pv0, pv8 + 40);  // 0 low, 8 high, a panel's height apart
  EXPECT_NEAR(pv2, pv0 + (pv8 - pv0) / 4, 1.5);
  const double sp = Middle(Rows(0.25, Sp));
  EXPECT_NEAR(sp, (pv0 + pv8) / 2, 1.5);
  // Dashes: along SP's row, SP's colour comes and goes.
  int changes = 0;
  for (int x = image.width() / 5; x < image.width() * 4 / 5; ++x)
    changes += Sp(image.pixelColor(x, int(sp))) != Sp(image.pixelColor(x + 1, int(sp)));
  EXPECT_GT(changes, 20);
  // X in a panel of its own, below PV's.
  const std::vector<int> x = Rows(0.5, X);
  EXPECT_TRUE(!x.empty() && x.front() > pv0 + 5 && x.back() < image.height() - 10);
  const std::size_t thickness = Rows(0.5, Pv).size();
  chart.SetZoom(2);
  Render();
  EXPECT_GE(Rows(0.5, Pv).size(), thickness * 3 / 2);
}

// A set point of ±1.7e308 overflows the integral at its second step.
TEST_F(ChartDrawing, ExtremeSetPointsDrawPvAcrossThePlot) {
  for (const char* run : {"-1.7e308 100", "1.7e308 100", "1e-300 100", "0 100"}) {
    Afresh({{".5 .5 .5 5 60", std::string(".5 .5 .5 ") + run}}, {420, 190});
    ASSERT_GE(history.Current().Size(), 61u) << run;
    for (double at : {0.35, 0.6, 0.9}) {
      const std::vector<int> pv = Rows(at, Pv);
      // In PV's panel.
      EXPECT_TRUE(!pv.empty() && pv.back() < image.height() * 3 / 4) << run << " at " << at;
    }
  }
  // 1e-300: PV rises and swings about SP, over much of the panel's height.
  Afresh({{".5 .5 .5 1e-300 100"}}, {420, 190});
  int high = image.height(), low = 0;
  for (double at = 0.1; at < 0.4; at += 0.02) {
    const std::vector<int> pv = Rows(at, Pv);
    if (!pv.empty()) high = std::min(high, pv.front()), low = std::max(low, pv.back());
  }
  EXPECT_GT(low - high, chart.Report().top.height() / 3);  // a flat line is 3
}

TEST_F(ChartDrawing, TheLegendWritesNumbersInTheWindowsLocale) {
  ResponseChart german(&history, QLocale(QLocale::German, QLocale::Germany));
  Simulate({".5 0 0 5 30"});
  Simulate({"1.5 .25 0 5 30"});
  german.Follow(BookChange::Afresh(), {});
  german.resize(800, 600);
  const ChartReport report = german.Report();
  for (const char* entry : {"PV, Kp 1,5, Ki 0,25", "Kp 0,5, Ki 0"})
    EXPECT_TRUE(Find(report, ChartReport::Part::kLegend, entry)) << entry;
  // Step 2: X = 1.5 × 5 + 0.25 × 5 = 8.75, PV half of it, as the table writes it: with the
  // separator the runs were written in, here the fixture's point.
  EXPECT_TRUE(german.RowDescription(1).contains("PV 4.3750"));
}

// One Compute: the Loop page's boxes and choices it is made under, the others as the window
// starts.
struct LoopRun {
  std::vector<std::pair<Box, const char*>> boxes;
  FormFields::Choices choices;
  const char* command;
};

// Each run named by what sets it apart from the others: the plant, the gains, SP and the
// options, Kb only with back-calculation, a seed only with noise; runs alike in all of them
// by their gains. The current run first, "PV, ...", then the kept one.
TEST_F(ChartDrawing, TheLegendNamesEachRunByWhatSetsItApart) {
  using B = Box;
  const FormFields::Choices none, onPv{.antiWindup = AntiWindup::None, .derivativeOnPv = true},
      conditional{.antiWindup = AntiWindup::Conditional, .derivativeOnPv = false},
      back{.antiWindup = AntiWindup::BackCalculation, .derivativeOnPv = false};
  // clang-format off
  const std::pair<std::vector<LoopRun>, std::vector<const char*>> cases[] = {
      {{{{}, none, "4 .2 0 5 60"}, {{{B::PlantLag1, "5"}}, none, "4 .2 10 5 60"}},
       {"PV, T1 5, Kd 10", "T1 0, Kd 0"}},
      {{{{}, conditional, ".5 .5 .5 300 50"}, {{}, back, ".5 .5 .5 300 50"}},
       {"PV, Anti-windup: back-calculation, Kb 0.5", "Anti-windup: conditional"}},
      {{{{{B::PlantGain, "1"}, {B::PlantDeadTime, "3"}}, onPv, ".5 .5 .5 5 30"},
        {{}, none, ".5 .5 .5 5 30"}},
       {"PV, K 0.5, Dead time 0, D on error", "K 1, Dead time 3, D on PV"}},
      {{{{}, none, ".5 .5 .5 5 60"},
        {{{B::LoadSize, "20"}, {B::LoadStep, "50"}, {B::Noise, ".5"}, {B::NoiseSeed, "3"}}, none,
         ".5 .5 .5 5 60"}},
       {"PV, Load 20 from step 50, Noise 0.5, seed 3", "PV without the noise", "Load 0, Noise 0"}},
      {{{{{B::NoiseSeed, "3"}}, none, ".5 .5 .5 5 30"}, {{}, none, ".5 .5 .5 5 30"}},
       {"PV, Kp 0.5, Ki 0.5, Kd 0.5", "Kp 0.5, Ki 0.5, Kd 0.5"}},
  };
  // clang-format on
  for (const auto& [runs, legend] : cases) {
    Forget();
    for (const LoopRun& run : runs) {
      fields = MemoryFormFields();
      for (const auto& [box, text] : run.boxes) fields.SetBox(box, text);
      fields.SetChoices(run.choices);
      ASSERT_TRUE(Press(std::string("C ") + run.command)) << run.command;
    }
    Show({});
    Render(800, 600);
    std::vector<QString> named = Texts(chart.Report(), ChartReport::Part::kLegend);
    named.resize(std::find(named.begin(), named.end(), "SP") - named.begin());
    EXPECT_EQ(named, std::vector<QString>(legend.begin(), legend.end()));
  }
}

// A sweep is named once, by what it swept from its first run to its last, the current one.
TEST_F(ChartDrawing, TheLegendNamesASweepOnce) {
  ASSERT_TRUE(Press("C 3 0 0 5 30"));
  ASSERT_TRUE(OnSweep(history, fields, {Box::Kp, ".5", "1.5", 3}).ok());
  Show({});
  Render(800, 600);
  std::vector<QString> named = Texts(chart.Report(), ChartReport::Part::kLegend);
  named.resize(std::find(named.begin(), named.end(), "SP") - named.begin());
  EXPECT_EQ(named, (std::vector<QString>{"PV, Kp 1.5", "Kp 3", "Kp 0.5 \u2026 1.5"}));
}

// Five runs of a lesson, the last on another plant, fit two lines of a chart 1280 pixels wide.
TEST_F(ChartDrawing, TheLegendOfFiveRunsFitsTwoLinesOfAWideChart) {
  for (const char* run : {".5 0 0 5 30", "1 0 0 5 30", "1.5 0 0 5 30", ".5 .5 .5 5 30"})
    Simulate({run});
  fields.SetBox(Box::PlantLag1, "5");
  Simulate({"4 .2 10 5 60"});
  chart.SetVisibleRows(10, 19);
  Render(1280, 600);
  const ChartReport report = chart.Report();
  const ChartReport::Text* current = Find(report, ChartReport::Part::kLegend);
  ASSERT_TRUE(current && current->text == "PV, T1 5, Kp 4, Ki 0.2, Kd 10");
  std::vector<double> tops;  // of the legend's lines, each entry on one
  for (const ChartReport::Text& text : report.texts) {
    if (text.part != ChartReport::Part::kLegend) continue;
    EXPECT_EQ(text.rect.height(), current->rect.height()) << text.text.toStdString();
    if (std::find(tops.begin(), tops.end(), text.rect.top()) == tops.end())
      tops.push_back(text.rect.top());
  }
  EXPECT_LE(tops.size(), 2u);
}

// As the screen shows it: taking the focus redraws the chart.
TEST_F(ChartMenu, AFocusedChartIsFramedOnEverySide) {
  Compute(".5");
  const auto shown = [this] {
    QCoreApplication::processEvents();
    const QPoint at = chart->mapTo(window.get(), QPoint());
    return chart->screen()
        ->grabWindow(window->winId(), at.x(), at.y(), chart->width(), chart->height())
        .toImage();
  };
  const QImage before = shown();
  chart->setFocus();
  const QImage focused = shown();
  const int w = focused.width(), h = focused.height();
  const auto changed = [&](int x, int y) { return before.pixel(x, y) != focused.pixel(x, y); };
  int edges[4] = {};  // left, right, top, bottom: pixels the frame changed
  for (int y = 0; y < h; ++y) edges[0] += changed(0, y), edges[1] += changed(w - 1, y);
  for (int x = 0; x < w; ++x) edges[2] += changed(x, 0), edges[3] += changed(x, h - 1);
  for (int i = 0; i < 4; ++i) EXPECT_GT(edges[i], (i < 2 ? h : w) / 4) << "edge " << i;
}

}  // namespace
}  // namespace corvale

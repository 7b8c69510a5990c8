#include <QFontMetricsF>
#include <QTest>
#include <QWidget>
#include <algorithm>

#include "tests/window/chart/chart_fixture.h"
#include "window/words/brief_response_text.h"

namespace corvale {
namespace {

const double kZooms[] = {0.5, 0.67, 0.8, 0.9, 1, 1.1, 1.25, 1.5, 1.75, 2, 2.5, 3, 4};

struct Lesson {
  const char* name;
  std::vector<std::string> commands;
  std::vector<QString> legend;  // what the legend must name
};
const Lesson kLessons[] = {
    {"three runs compared",
     {"C .5 0 0 5 30", "C 1 0 0 5 30", "C 1.5 0 0 5 30"},
     {"PV, Kp 1.5", "Kp 0.5", "Kp 1", "SP", "X", "Rows shown in the table"}},
    {"the window's first run", {"C .5 .5 .5 5 100"}, {"PV", "SP", "X", "Rows shown in the table"}},
    {"windup, then SP 5", {"C .5 .5 .5 300 100", "+ .5 .5 .5 5 300"}, {"PV", "X at 0 or 255"}},
    {"too much gain", {"C 2.5 0 0 5 100"}, {"PV", "X at 0 or 255"}},
    {"five runs, two set points",
     {"C .5 0 0 5 30", "C 1 0 0 5 30", "C 1.5 0 0 5 30", "C .5 .5 .5 5 60", "C .5 .5 .5 7 100"},
     {"PV, Kp 0.5, Ki 0.5, Kd 0.5, SP 7", "Kp 1, Ki 0, Kd 0, SP 5",
      "Kp 0.5, Ki 0.5, Kd 0.5, SP 5"}},
    {"the windup's gains again, SP unchanged",
     {"C .5 .5 .5 300 100", "+ .5 .5 .5 5 300", "C .5 .5 .5 5 100"},
     {"PV, SP 5", "SP 300 \u2192 5"}},
    {"SP changed three times, then once",
     {"C 1 0 0 1 9", "+ 1 0 0 2 9", "+ 1 0 0 3 9", "+ 1 0 0 4 9", "C 1 0 0 1 9", "+ 1 0 0 4 9"},
     {"PV, SP 1 \u2192 4", "SP 1 \u2192 \u2026 \u2192 4"}},
};

class ChartLayout : public ChartFixture {
 protected:
  void Run(const Lesson& lesson) { Forget(), Press(lesson.commands); }
  void ExpectWhole(ResponseChart& on, const Lesson& lesson, QSize size, double zoom,
                   const std::string& where) {
    SCOPED_TRACE(where + " at " + std::to_string(qRound(zoom * 100)) + " %");
    const std::optional<StepFigures>& figures = history.CurrentFigures();
    const QString sentences = figures ? ResponseText(*figures, on.locale()) : QString();
    on.Follow(BookChange::Afresh(), sentences);
    on.SetVisibleRows(10, 19);
    on.SetZoom(zoom);
    on.resize(size);
    if (lesson.legend.empty()) QTest::keyClick(&on, Qt::Key_End);  // a readout, before the figures
    const ChartReport report = on.Report();
    QFont font = on.font();
    font.setPixelSize(on.TextPixelSize());
    const QFontMetricsF metrics(font);
    const QRectF bounds(QPointF(0, 0), on.size());
    // The chart's own fewer words.
    const QStringList whole = (figures ? BriefResponseText(*figures, on.locale()) : QString())
                                  .split('\n', Qt::SkipEmptyParts);
    for (std::size_t i = 0; i < report.texts.size(); ++i) {
      const ChartReport::Text& a = report.texts[i];
      SCOPED_TRACE(a.text.toStdString());
      EXPECT_TRUE(bounds.contains(a.rect));
      // Its rectangle holds it, a title standing upright turned.
      const bool upright = a.part == ChartReport::Part::kTitle && a.text != "Step";
      const QSizeF room = upright ? a.rect.size().transposed() : a.rect.size();
      const QRectF needed =
          metrics.boundingRect(QRectF(0, 0, room.width(), 1e6), Qt::TextWordWrap, a.text);
      EXPECT_TRUE(needed.width() <= room.width() + 0.5 && needed.height() <= room.height() + 0.5 &&
                  room.height() >= metrics.height() - 0.5);
      for (std::size_t j = i + 1; j < report.texts.size(); ++j) {
        EXPECT_FALSE(a.rect.intersects(report.texts[j].rect)) << report.texts[j].text.toStdString();
      }
      if (a.part == ChartReport::Part::kFigures) {
        EXPECT_TRUE(whole.contains(a.text) || a.text == "More in the tooltip." ||
                    a.text == "The figures are in the tooltip.");
        // Over the plot, or in a room of their own clear of both panels.
        EXPECT_TRUE(report.top.contains(a.rect) ||
                    (!report.top.intersects(a.rect) && !report.bottom.intersects(a.rect)));
      }
    }
    // Some sentences, or where they are, in any room the window gives.
    EXPECT_TRUE(lesson.legend.empty() || whole.isEmpty() ||
                std::any_of(report.texts.begin(), report.texts.end(),
                            [](auto& t) { return t.part == ChartReport::Part::kFigures; }))
        << "no figures";
    for (const QString& name : lesson.legend)
      EXPECT_TRUE(Find(report, ChartReport::Part::kLegend, name)) << "no " << name.toStdString();
    for (const ScaleMap* axis : {&report.values, &report.inputs})
      EXPECT_GE(axis->Scale().ticks.size(), 3u);
    // The upper panel twice the lower, above it.
    EXPECT_NEAR(report.top.height(), 2 * report.bottom.height(), 1.5);
    EXPECT_GT(report.bottom.top(), report.top.bottom());
  }
};

// At any size and zoom nothing is cut, in the box, beside the form in the room it leaves a
// window maximised on a projector, or at any size; a chart too small for its legend leaves
// some out, and the figures.
TEST_F(ChartLayout, InTheBoxOrBesideTheFormAtEveryZoomAndAtAnySizeNothingIsCut) {
  QWidget box;
  ResponseChart chart(&history, QLocale(QLocale::English, QLocale::UnitedStates), &box);
  for (const Lesson& lesson : kLessons) {
    Run(lesson);
    for (double zoom : kZooms) {  // the box's room, under its switch, grows with the zoom
      ExpectWhole(chart, lesson, QSize(qRound(425 * zoom), qRound(190 * zoom)), zoom,
                  std::string(lesson.name) + " in the box");
      const QSize beside(1280 - qRound(454 * zoom) - qRound(8 * zoom), 770 - 2 * qRound(8 * zoom));
      if (beside.width() >= 320 * zoom)  // else the chart goes into the box
        ExpectWhole(chart, lesson, beside, zoom, std::string(lesson.name) + " beside the form");
    }
  }
  Lesson lesson = kLessons[0];
  lesson.legend.clear();
  Run(lesson);
  for (QSize size : {QSize(120, 80), QSize(200, 120), QSize(300, 300), QSize(530, 250),
                     QSize(800, 780), QSize(1600, 400), QSize(400, 1600), QSize(2400, 1400)})
    for (double zoom : {0.5, 1.0, 2.0, 4.0})
      ExpectWhole(chart, lesson, size, zoom,
                  std::to_string(size.width()) + "×" + std::to_string(size.height()));
}

// Over the plot, the figures stand where they cover least: PV counts four times what SP does,
// and of corners that tie, the first, the lower right, does. Here PV (8) runs along the top,
// SP (2) along the foot. Then they leave the settling step's line free, as every mark: PV rings
// mid-plot until step 50 of 60, its peak at step 26, the rise marked at the lower left; only
// the upper left is free.
TEST_F(ChartLayout, TheFiguresStandWhereTheyCoverLeast) {
  const auto figures = [this] {  // in the box's room at 100 %: no room of their own
    Render(425, 175);
    QRectF box;
    for (const ChartReport::Text& text : chart.Report().texts)
      if (text.part == ChartReport::Part::kFigures) box |= text.rect;
    return box;
  };
  Made(std::vector<ResponseSample>(60, ResponseSample{20, 8}), Gains{1, 0, 0, 2});
  Show("First sentence.\nSecond sentence.");
  QRectF box = figures();
  const ChartReport report = chart.Report();
  ASSERT_FALSE(box.isEmpty());
  EXPECT_GT(box.top(), report.top.center().y());
  EXPECT_GT(box.left(), report.top.center().x());
  for (const QPointF& p : report.PathNamed("PV")->points) EXPECT_FALSE(box.contains(p));
  std::vector<ResponseSample> samples(60, ResponseSample{20, 5});
  samples[0].pv = 0;
  for (int r = 1; r < 50; ++r) samples[r].pv = r % 2 ? 5.4 : 4;
  samples[25].pv = 6;
  Made(samples, Gains{1, 0, 0, 10});
  Measure();
  ASSERT_EQ(MeasureStep(history.Current())->settledFrom, 51);
  box = figures();
  const double settled = AxesReading(chart.Report()).StepX(51);
  EXPECT_FALSE(box.isEmpty() || (box.left() <= settled && settled <= box.right()));
}

TEST_F(ChartLayout, TheStepAxisCountsWholeSteps) {
  for (const int loops : {1, 2, 3, 4, 5, 7, 30}) {
    const ChartReport report = Afresh({{".5 .5 .5 5 " + std::to_string(loops)}}, {530, 250});
    int labels = 0;
    for (const ChartReport::Text& text : report.texts) {
      if (text.part != ChartReport::Part::kAxis || text.rect.top() < report.bottom.bottom())
        continue;
      bool whole = false;
      const int step = text.text.toInt(&whole);
      EXPECT_TRUE(whole && step >= 1 && step <= loops) << loops << ": " << text.text.toStdString();
      ++labels;
    }
    EXPECT_GT(labels, 0) << loops;
  }
}

}  // namespace
}  // namespace corvale

#include <QAccessible>
#include <QBuffer>
#include <QFontMetricsF>
#include <QSignalSpy>
#include <QSvgGenerator>
#include <QSvgRenderer>
#include <QTest>
#include <cmath>

#include "chart_cursor.h"
#include "chart_fixture.h"
#include "chart_style.h"

namespace corvale {
namespace {

using ChartParts = ChartFixture;

TEST_F(ChartParts, EachTextsRectangleHoldsIt) {
  for (const QSize size : {QSize(425, 190), QSize(800, 780), QSize(1060, 380)}) {
    Forget();
    Simulate({".5 0 0 5 30"});
    Simulate({".5 .5 .5 300 100"});
    Continue(".5 .5 .5 5 300");
    Measure();
    chart.SetVisibleRows(10, 19);
    Render(size.width(), size.height());
    QTest::keyClick(&chart, Qt::Key_End);
    QFont font = chart.font();
    font.setPixelSize(chart.TextPixelSize());
    const QFontMetricsF metrics(font);
    const ChartReport report = chart.Report();
    ASSERT_GT(report.texts.size(), 20u);
    for (const ChartReport::Text& text : report.texts) {
      const bool upright = text.part == ChartReport::Part::kTitle && text.text != "Step";
      const QSizeF room = upright ? text.rect.size().transposed() : text.rect.size();
      const QRectF needed =
          metrics.boundingRect(QRectF(0, 0, room.width(), 1e6), Qt::TextWordWrap, text.text);
      EXPECT_LE(needed.height(), room.height() + 0.5) << text.text.toStdString();
      EXPECT_LE(needed.width(), room.width() + 0.5) << text.text.toStdString();
      EXPECT_GE(room.height(), metrics.height() - 0.5) << text.text.toStdString();
    }
  }
}

// Kp 2.5 gives X 12.5 at step 2, 0 at step 3, and so on; SP 300 is out of reach.
TEST_F(ChartParts, ShadesTheStepsAtALimitAndNoOthers) {
  struct Case {
    const char* run;
    QSize size;
    std::vector<std::pair<double, double>> steps;  // the shaded stretches, from step to step
  } const cases[] = {
      {"2.5 0 0 5 8", {800, 600}, {{3, 3}, {5, 5}, {7, 7}}},
      {".5 .5 .5 300 30", {800, 600}, {{2, 30}}},
      {".5 .5 .5 5 30", {800, 600}, {}},
      {"2.5 0 0 5 100000", {800, 600}, {{3, 99999}}},
      {".5 .5 .5 300 100000", {800, 600}, {{2, 100000}}},
  };
  for (const Case& c : cases) {
    Forget();
    Simulate({c.run});
    Render(c.size.width(), c.size.height());
    const ChartReport report = chart.Report();
    const AxesReading axes(report);
    ASSERT_EQ(report.shaded.size(), c.steps.size()) << c.run;
    for (std::size_t i = 0; i < c.steps.size(); ++i) {
      // Half a step either side of the steps, or the pixel columns they fall in.
      const double half = std::max(0.5 * (axes.StepX(2) - axes.StepX(1)), 1.0);
      EXPECT_NEAR(report.shaded[i].first,
                  std::max(axes.StepX(c.steps[i].first) - half, report.top.left()), 1.5)
          << c.run;
      EXPECT_NEAR(report.shaded[i].second,
                  std::min(axes.StepX(c.steps[i].second) + half, report.top.right()), 1.5)
          << c.run;
    }
  }
}

// Many rows a column: X at 255 until the wound-up integral has unwound, shaded
// as one stretch to its end and not past it.
TEST_F(ChartParts, ShadesAStretchOfManyRowsToItsEnd) {
  Simulate({".5 .5 .5 300 1000"});
  Continue(".5 .5 .5 5 100000");
  Render(800, 600);
  std::size_t last = 1;  // the last row at 255
  for (std::size_t r = 1; r < history.Current().Size(); ++r)
    if (history.Current().Sample(r).x == 255) last = r;
  ASSERT_GT(last, 1000u);
  ASSERT_LT(last, 50000u);
  const ChartReport report = chart.Report();
  const AxesReading axes(report);
  ASSERT_EQ(report.shaded.size(), 1u);
  EXPECT_NEAR(report.shaded[0].first, report.top.left(), 1);
  EXPECT_NEAR(report.shaded[0].second, axes.StepX(last + 1.0), 2);
}

// And from the column where it begins: X at 255 from step 50,002, when SP becomes 300.
TEST_F(ChartParts, ShadesAStretchOfManyRowsFromItsStart) {
  Simulate({".5 .5 .5 5 50000", ".5 .5 .5 300 50000"});
  Render(800, 600);
  const ChartReport report = chart.Report();
  ASSERT_EQ(report.shaded.size(), 1u);
  EXPECT_NEAR(report.shaded[0].first, AxesReading(report).StepX(50002), 2);
  EXPECT_NEAR(report.shaded[0].second, report.top.right(), 1);
}

TEST_F(ChartParts, TheReadoutStandsBesideTheCursor) {
  Simulate({".5 .5 .5 5 100"});
  Measure();
  Render(800, 600);
  for (const ChartReport::Text& text : chart.Report().texts)
    EXPECT_NE(text.part, ChartReport::Part::kReadout) << "no cursor, no readout";
  // Tall, and wide with the figures beside the plot.
  for (const QSize size : {QSize(800, 600), QSize(1060, 380)}) {
    for (const Qt::Key key : {Qt::Key_Home, Qt::Key_PageDown, Qt::Key_End}) {
      Render(size.width(), size.height());
      QTest::keyClick(&chart, key);
      const ChartReport report = chart.Report();
      const double x = report.steps.ToPixel(chart.Cursor() + 1.0);
      Render(size.width(), size.height());
      for (const QRectF& panel : {report.top, report.bottom}) {
        int dark = 0;
        for (int y = int(panel.top()) + 2; y < int(panel.bottom()) - 2; ++y)
          dark += image.pixelColor(int(x), y).lightness() < 80;
        EXPECT_GT(dark, 0.8 * panel.height()) << chart.Cursor();
      }
      const auto readout = std::find_if(
          report.texts.begin(), report.texts.end(),
          [](const ChartReport::Text& t) { return t.part == ChartReport::Part::kReadout; });
      ASSERT_NE(readout, report.texts.end());
      EXPECT_EQ(readout->text, chart.RowDescription(chart.Cursor()));
      EXPECT_TRUE(report.top.contains(readout->rect)) << chart.Cursor();
      EXPECT_TRUE(readout->rect.right() < x || readout->rect.left() > x) << chart.Cursor();
      // Close to it, on whichever side: on its left at the last step.
      EXPECT_LT(std::min(std::abs(readout->rect.right() - x), std::abs(readout->rect.left() - x)),
                chart.TextPixelSize())
          << chart.Cursor();
      if (key == Qt::Key_End) {
        EXPECT_LT(readout->rect.right(), x);
      }
      EXPECT_LT(readout->rect.top() - report.top.top(), chart.TextPixelSize());
    }
  }
}

TEST_F(ChartParts, NamesXsLimitAtItsLinesEnd) {
  for (const auto& [run, name] : {std::pair{".5 .5 .5 300 30", "255"}, {"2.5 0 0 5 30", "0"}}) {
    Forget();
    Simulate({run});
    Render(800, 600);
    const ChartReport report = chart.Report();
    const auto label =
        std::find_if(report.texts.begin(), report.texts.end(), [&](const ChartReport::Text& t) {
          return t.part == ChartReport::Part::kMark && t.text == name;
        });
    ASSERT_NE(label, report.texts.end()) << run;
    EXPECT_LE(label->rect.right(), report.bottom.right());
    EXPECT_GT(label->rect.left(), report.bottom.right() - 3 * chart.TextPixelSize());
    const double y = report.inputs.ToPixel(std::stod(name));
    if (std::string(name) == "255") {
      EXPECT_GE(label->rect.top(), y);
    } else {
      EXPECT_LE(label->rect.bottom(), y);
    }
  }
}

TEST_F(ChartParts, OneStepStandsMidAxisAndNoneDrawsNoLine) {
  Render(400, 300);
  ChartReport report = chart.Report();
  for (const ChartReport::Path& path : report.paths) EXPECT_TRUE(path.points.isEmpty());
  EXPECT_TRUE(report.shaded.empty() && report.marks.empty());
  Simulate({".5 .5 .5 5 1"});
  Render(400, 300);
  report = chart.Report();
  const ChartReport::Path* pv = report.PathNamed("PV");
  ASSERT_TRUE(pv && pv->points.size() == 1);
  EXPECT_NEAR(pv->points[0].x(), report.top.center().x(), 1);
  EXPECT_EQ(report.steps.Scale().ticks, std::vector<double>{1});
  const QPoint at = pv->points[0].toPoint();  // a dot, where a line of one point draws nothing
  EXPECT_TRUE(Pv(image.pixelColor(at))) << at.x() << "," << at.y();
}

// Here PV runs along the top, and the lower corners are free.
TEST_F(ChartParts, TheFiguresStandWhereTheyCoverLeast) {
  std::vector<ResponseSample> samples(60, ResponseSample{20, 10});
  samples[0].pv = 0;
  history.Start();
  history.Append(samples, Gains{1, 0, 0, 10});
  chart.Refresh(std::nullopt, "First sentence.\nSecond sentence.");
  Render(425, 190);  // the box's room at 100 %: no room of their own
  const ChartReport report = chart.Report();
  QRectF box;
  for (const ChartReport::Text& text : report.texts)
    if (text.part == ChartReport::Part::kFigures) box |= text.rect;
  ASSERT_FALSE(box.isEmpty());
  EXPECT_GT(box.top(), report.top.center().y());   // a lower corner
  EXPECT_GT(box.left(), report.top.center().x());  // the first of them, on the right
  for (const QPointF& p : report.PathNamed("PV")->points) EXPECT_FALSE(box.contains(p));
}

TEST_F(ChartParts, OnlyALeftClickOnThePlotMovesTheCursor) {
  Simulate({".5 .5 .5 5 100"});
  Render(800, 600);
  const ChartReport report = chart.Report();
  const QPoint step50(qRound(report.steps.ToPixel(50)), qRound(report.top.center().y()));
  QTest::mouseClick(&chart, Qt::RightButton, {}, step50);
  EXPECT_EQ(chart.Cursor(), -1);
  QTest::mouseClick(&chart, Qt::LeftButton, {}, QPoint(step50.x(), 2));
  EXPECT_EQ(chart.Cursor(), -1);
  QTest::mouseClick(&chart, Qt::LeftButton, {}, step50);
  EXPECT_EQ(chart.Cursor(), 49);
  QTest::mouseClick(&chart, Qt::LeftButton, {},
                    QPoint(step50.x(), qRound(report.bottom.center().y())));
  EXPECT_EQ(chart.Cursor(), 49);  // the lower panel too
}

TEST_F(ChartParts, TheUpperPanelIsTwiceTheLower) {
  Simulate({".5 .5 .5 5 100"});
  for (const QSize size : {QSize(425, 190), QSize(800, 780)}) {
    Render(size.width(), size.height());
    const ChartReport report = chart.Report();
    EXPECT_NEAR(report.top.height(), 2 * report.bottom.height(), 1.5);
    EXPECT_GT(report.bottom.top(), report.top.bottom());
  }
}

TEST_F(ChartParts, DrawsPvAtItsValueSpDashedAndXBelow) {
  Levels();
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
  ASSERT_FALSE(x.empty());
  EXPECT_GT(x.front(), pv0 + 5);
  EXPECT_LT(x.back(), image.height() - 10);
}

TEST_F(ChartParts, ExtremeSetPointsDrawPvAcrossThePlot) {
  // A set point of ±1.7e308 overflows the integral at its second step.
  for (const char* run : {"-1.7e308 100", "1.7e308 100", "1e-300 100", "0 100"}) {
    Forget();
    Simulate({".5 .5 .5 5 60", std::string(".5 .5 .5 ") + run});
    ASSERT_GE(history.Current().Size(), 61u) << run;
    Render();
    for (double at : {0.35, 0.6, 0.9}) {
      const std::vector<int> pv = Rows(at, Pv);
      ASSERT_FALSE(pv.empty()) << run << " at " << at;
      EXPECT_LT(pv.back(), image.height() * 3 / 4) << run;  // in PV's panel
    }
  }
  // 1e-300: PV rises and swings about SP, over much of the panel's height.
  Forget();
  Simulate({".5 .5 .5 1e-300 100"});
  Render();
  int high = image.height(), low = 0;
  for (double at = 0.1; at < 0.4; at += 0.02) {
    const std::vector<int> pv = Rows(at, Pv);
    if (!pv.empty()) high = std::min(high, pv.front()), low = std::max(low, pv.back());
  }
  EXPECT_GT(low - high, chart.Report().top.height() / 3);  // a flat line is 3
}

TEST_F(ChartParts, ClicksAndKeysMoveTheCursorAndAskForTheRow) {
  Levels();
  Render();
  QSignalSpy asked(&chart, &ResponseChart::RowRequested);
  QAccessibleInterface* chartView = QAccessible::queryAccessibleInterface(&chart);
  ASSERT_TRUE(chartView);
  EXPECT_EQ(chartView->role(), QAccessible::Chart);
  EXPECT_EQ(chartView->text(QAccessible::Name), "Step response");
  ASSERT_EQ(chartView->childCount(), 99);
  QAccessibleInterface* row = chartView->child(13);
  EXPECT_EQ(row->text(QAccessible::Name), "Step 14: PV .0000, SP 4, X 10.4848");
  EXPECT_EQ(chartView->indexOfChild(row), 13);
  EXPECT_EQ(chartView->child(13), row);               // the same one, kept by Qt's registry
  EXPECT_EQ(chartView->indexOfChild(chartView), -1);  // not one of its rows
  for (int row : {0, 40}) {                           // the first step too
    const QPoint at = chart.mapFromGlobal(chartView->child(row)->rect().center());
    QTest::mouseClick(&chart, Qt::LeftButton, {}, at);
    EXPECT_EQ(asked.takeFirst().at(0).toInt(), row);
  }
  EXPECT_EQ(chart.Cursor(), 40);
  const std::pair<Qt::Key, int> keys[] = {
      {Qt::Key_Right, 41}, {Qt::Key_Left, 40},   {Qt::Key_PageDown, 49}, {Qt::Key_End, 98},
      {Qt::Key_Right, 98}, {Qt::Key_PageUp, 89}, {Qt::Key_Home, 0},      {Qt::Key_Left, 0}};
  for (const auto& [key, cursor] : keys) {
    QTest::keyClick(&chart, key);
    EXPECT_EQ(chart.Cursor(), cursor);
    EXPECT_EQ(asked.takeFirst().at(0).toInt(), cursor);
  }
  chart.Refresh(std::nullopt, "Sentence one.\nSentence two.");
  // The figures, then the keys.
  EXPECT_TRUE(chartView->text(QAccessible::Description)
                  .startsWith("Sentence one.\nSentence two.\nKeys: Left and Right"));
}

TEST_F(ChartParts, TextAndLinesFollowTheZoomAndALargeChart) {
  Levels();
  Render(800, 770);
  EXPECT_GE(chart.TextPixelSize(), 18);
  Render();
  const int text = chart.TextPixelSize();
  const double line = chart.LineWidth();
  const std::size_t thickness = Rows(0.5, Pv).size();
  chart.SetZoom(2);
  Render();
  EXPECT_NEAR(chart.TextPixelSize(), 2 * text, 1);
  EXPECT_DOUBLE_EQ(chart.LineWidth(), 2 * line);
  EXPECT_GE(Rows(0.5, Pv).size(), thickness * 3 / 2);
}

// A key places the cursor on the first row in view, one row too; with none, on the first.
TEST(ChartCursor, AKeyPlacesItOnTheFirstRowInView) {
  for (const auto& [first, last, row] : {std::tuple{5, 9, 5}, {5, 5, 5}, {9, 5, 0}})
    EXPECT_EQ(CursorAfterKey(Qt::Key_Right, -1, 100, first, last), row) << first << ".." << last;
}

// An SVG's painter takes no clipping.
TEST(ChartStyle, HatchesInsideTheRectangleAlone) {
  for (const QRectF rect : {QRectF(10, 10, 30, 60), QRectF(20.5, 5, 3, 40), QRectF(5, 30, 80, 8)}) {
    QBuffer svg;
    QSvgGenerator generator;
    generator.setOutputDevice(&svg);
    generator.setSize(QSize(100, 80));
    generator.setViewBox(QRect(0, 0, 100, 80));
    QPainter painter(&generator);
    Hatch(painter, rect, Qt::black, 5);
    painter.end();
    QImage image(100, 80, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter drawn(&image);
    QSvgRenderer(svg.data()).render(&drawn);
    drawn.end();
    int inside = 0;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) {
        if (image.pixelColor(x, y) == Qt::white) continue;
        EXPECT_TRUE(rect.adjusted(-1, -1, 1, 1).contains(QPointF(x + 0.5, y + 0.5)))
            << x << "," << y;
        ++inside;
      }
    EXPECT_GT(inside, rect.width() * rect.height() / 10);  // a line every 5 pixels
  }
}

TEST(ChartStyle, MixesTheThemesColours) {
  struct Case {
    QColor a, b;
    double share;
    QColor mixed;
  } const cases[] = {
      {Qt::black, QColor(0, 0, 255), 0.45, QColor(0, 0, 115)},  // X from text and PV
      {QColor(255, 0, 0), QColor(0, 0, 255), 0.25, QColor(191, 0, 64)},
      {QColor(0, 200, 100), Qt::white, 0.5, QColor(128, 228, 178)},
  };
  for (const Case& c : cases) {
    const QColor mixed = Mixed(c.a, c.b, c.share);
    EXPECT_NEAR(mixed.red(), c.mixed.red(), 1) << c.share;
    EXPECT_NEAR(mixed.green(), c.mixed.green(), 1) << c.share;
    EXPECT_NEAR(mixed.blue(), c.mixed.blue(), 1) << c.share;
  }
}

}  // namespace
}  // namespace corvale

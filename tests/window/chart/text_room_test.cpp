#include <QFontMetricsF>
#include <QTest>

#include "tests/window/chart/chart_fixture.h"

namespace corvale {
namespace {

using ChartTexts = ChartFixture;

// Each text in its rectangle, the upper panel twice the lower, at every size.
TEST_F(ChartTexts, EachTextsRectangleHoldsIt) {
  for (const QSize size : {QSize(425, 190), QSize(800, 780), QSize(1060, 380)}) {
    Afresh({{".5 0 0 5 30"}, {".5 .5 .5 300 100", ".5 .5 .5 5 300"}});
    Measure();
    chart.SetVisibleRows(10, 19);
    Render(size.width(), size.height());
    QTest::keyClick(&chart, Qt::Key_End);
    QFont font = chart.font();
    font.setPixelSize(chart.TextPixelSize());
    const QFontMetricsF metrics(font);
    const ChartReport report = chart.Report();
    EXPECT_NEAR(report.top.height(), 2 * report.bottom.height(), 1.5);
    EXPECT_GT(report.bottom.top(), report.top.bottom());
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

}  // namespace
}  // namespace corvale

#include "window/chart/chart_style.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>
#include <QSvgRenderer>

namespace corvale {
namespace {

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
  // clang-format off
  const std::tuple<QColor, QColor, double, QColor> cases[] = {
      {Qt::black, QColor(0, 0, 255), 0.45, QColor(0, 0, 115)},  // X from text and PV
      {QColor(255, 0, 0), QColor(0, 0, 255), 0.25, QColor(191, 0, 64)},
      {QColor(0, 200, 100), Qt::white, 0.5, QColor(128, 228, 178)}};
  // clang-format on
  for (const auto& [a, b, share, expected] : cases) {
    const QColor mixed = Mixed(a, b, share);
    EXPECT_NEAR(mixed.red(), expected.red(), 1) << share;
    EXPECT_NEAR(mixed.green(), expected.green(), 1) << share;
    EXPECT_NEAR(mixed.blue(), expected.blue(), 1) << share;
  }
}

}  // namespace
}  // namespace corvale

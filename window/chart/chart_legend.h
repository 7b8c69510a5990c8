#pragma once

#include <QBrush>
#include <QPainter>
#include <QPen>
#include <QString>
#include <vector>

#include "window/chart/chart_style.h"
#include "window/chart/text_room.h"

namespace corvale {

// One line of the legend: a sample of what is drawn, and its name.
struct LegendEntry {
  enum class Sample { kLine, kFill, kHatch };
  QString name;
  Sample sample = Sample::kLine;
  QPen pen;
  QColor fill;
};

// The legend over the plots: its entries side by side, onto more lines
// where the chart is narrow, an entry's name itself wrapped at its words
// where it is wider than the chart. Never cut.
class ChartLegend {
 public:
  ChartLegend(std::vector<LegendEntry> entries, const ChartStyle& style)
      : entries_(std::move(entries)), style_(style) {}

  // The height the entries take in `width`.
  double HeightFor(double width) const;
  void Draw(QPainter& painter, const QRectF& area, TextRoom& room) const;

 private:
  struct Placed {
    std::size_t entry;
    QRectF swatch;
    QRectF text;
  };
  std::vector<Placed> Arrange(const QRectF& area) const;

  std::vector<LegendEntry> entries_;
  const ChartStyle& style_;
};

}  // namespace corvale

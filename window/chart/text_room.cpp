#include "window/chart/text_room.h"

#include "window/chart/path_clearance.h"

namespace corvale {

bool TextRoom::Fits(const QRectF& rect) const {
  if (rect.isEmpty()) return false;
  // A rounding error of the text's measure is no cut.
  if (!bounds_.adjusted(-0.01, -0.01, 0.01, 0.01).contains(rect)) return false;
  const QRectF spaced = rect.adjusted(-gap_, -gap_, gap_, gap_);
  for (const QRectF& other : taken_) {
    if (spaced.intersects(other)) return false;
  }
  return true;
}

bool TextRoom::OverLines(const QRectF& rect) const { return paths_ && PathsMeet(*paths_, rect); }

void TextRoom::Take(const QRectF& rect, ChartReport::Part part, const QString& text) {
  taken_.push_back(rect);
  if (report_) report_->texts.push_back({part, text, rect});
}

bool TextRoom::Draw(QPainter& painter, const QRectF& rect, int flags, const QString& text,
                    ChartReport::Part part) {
  if (!Fits(rect)) return false;
  Take(rect, part, text);
  painter.drawText(rect, flags, text);
  return true;
}

}  // namespace corvale

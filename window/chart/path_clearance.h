#pragma once

#include <QPointF>
#include <QPolygonF>
#include <QRectF>
#include <vector>

#include "window/chart/chart_report.h"

namespace corvale {

// Whether the line from a to b passes through `rect`, its edges included: a
// box drawn there would hide part of it. A point when a == b.
bool SegmentMeets(QPointF a, QPointF b, const QRectF& rect);
// Whether a series' line, as drawPolyline draws it, does; a single point too.
bool PathMeets(const QPolygonF& path, const QRectF& rect);
// Whether any of the series drawn does: a label there would hide data.
bool PathsMeet(const std::vector<ChartReport::Path>& paths, const QRectF& rect);

}  // namespace corvale

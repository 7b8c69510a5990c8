#include "window/chart/path_clearance.h"

#include <algorithm>

namespace corvale {

bool SegmentMeets(QPointF a, QPointF b, const QRectF& rect) {
  // Liang and Barsky's clipping: the part of a + t (b - a), 0 <= t <= 1,
  // within each of the four edges in turn; the line meets the rectangle where
  // some part is left.
  const double dx = b.x() - a.x(), dy = b.y() - a.y();
  double t0 = 0, t1 = 1;
  // Within one edge where p t <= q.
  const auto within = [&t0, &t1](double p, double q) {
    if (p == 0) return q >= 0;
    const double t = q / p;
    if (p < 0) {
      t0 = std::max(t0, t);
    } else {
      t1 = std::min(t1, t);
    }
    return t0 <= t1;
  };
  return within(-dx, a.x() - rect.left()) && within(dx, rect.right() - a.x()) &&
         within(-dy, a.y() - rect.top()) && within(dy, rect.bottom() - a.y());
}

bool PathMeets(const QPolygonF& path, const QRectF& rect) {
  if (path.size() == 1) return SegmentMeets(path[0], path[0], rect);
  for (qsizetype i = 1; i < path.size(); ++i) {
    const QPointF a = path[i - 1], b = path[i];
    // Most segments lie wholly to one side: no clipping for them.
    if (std::max(a.x(), b.x()) < rect.left() || std::min(a.x(), b.x()) > rect.right()) continue;
    if (SegmentMeets(a, b, rect)) return true;
  }
  return false;
}

bool PathsMeet(const std::vector<ChartReport::Path>& paths, const QRectF& rect) {
  return std::any_of(paths.begin(), paths.end(), [&rect](const ChartReport::Path& path) {
    return PathMeets(path.points, rect);
  });
}

}  // namespace corvale

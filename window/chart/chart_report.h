#pragma once

#include <QPolygonF>
#include <QRectF>
#include <QString>
#include <utility>
#include <vector>

#include "labbook/term_ranges.h"
#include "window/chart/scale_map.h"

namespace corvale {

// A panel of one of the controller's terms, under X's.
struct TermPanel {
  Term term = Term::P;
  QRectF rect;
  ScaleMap values;
};

// What one drawing of the chart put where, for tests and for the widget's
// own use (clicks, a screen reader's rectangles): every text with its
// rectangle, every mark with the step it stands at, every series' path, and
// the maps that placed them.
struct ChartReport {
  enum class Part { kLegend, kAxis, kTitle, kMark, kFigures, kReadout };
  struct Text {
    Part part;
    QString text;
    QRectF rect;
  };
  struct Mark {
    QString name;  // "rise from", "rise to", "peak", "settled", "limit"
    double step = 0;
    QPointF at;
    bool labelled = false;
  };
  struct Path {
    QString name;  // "PV", "X", "SP", "kept 0"...
    QPolygonF points;
    bool decimated = false;  // one column's range per point pair, not one point per row
    std::size_t look = 0;    // a kept run's colour and dashes
  };

  std::vector<Text> texts;
  std::vector<Mark> marks;
  std::vector<Path> paths;
  std::vector<std::pair<double, double>> shaded;  // from x to x: the steps X sat at a limit
  ScaleMap steps, values, inputs;                 // step → x; PV → y above; X → y below
  QRectF top, bottom;                             // the panels
  std::vector<TermPanel> terms;                   // under them
  int hiddenSentences = 0;                        // figures left to the tooltip
  int droppedLabels = 0;                          // mark labels without room

  const Path* PathNamed(const QString& name) const {
    for (const Path& path : paths)
      if (path.name == name) return &path;
    return nullptr;
  }
};

}  // namespace corvale

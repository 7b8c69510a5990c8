#include "window/table/overview_scroll_bar.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionSlider>
#include <algorithm>

#include "labbook/column_split.h"
#include "labbook/lab_book.h"

namespace corvale {

OverviewScrollBar::OverviewScrollBar(const LabBook* runs, QWidget* parent)
    : QScrollBar(Qt::Vertical, parent), runs_(runs) {}

const ResponseTrace& OverviewScrollBar::Trace() const { return runs_->Current(); }

void OverviewScrollBar::Refresh() {
  pixels_.clear();
  update();
}

QRect OverviewScrollBar::Groove() const {
  QStyleOptionSlider option;
  initStyleOption(&option);
  return style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarGroove, this);
}

int OverviewScrollBar::Rows() const { return static_cast<int>(Trace().Size()); }

int OverviewScrollBar::RowAt(int y) const {
  const QRect groove = Groove();
  if (groove.height() <= 0) return 0;
  const qint64 row = qint64(y - groove.top()) * Rows() / groove.height();
  return static_cast<int>(std::clamp<qint64>(row, 0, std::max(0, Rows() - 1)));
}

void OverviewScrollBar::paintEvent(QPaintEvent* event) {
  QScrollBar::paintEvent(event);
  const int rows = Rows();
  const QRect groove = Groove().adjusted(2, 0, -2, 0);
  if (rows == 0 || groove.height() <= 0 || groove.width() <= 0) return;
  // Made again when the runs or the groove's height changed (by a resize,
  // or by a style, which can change the groove without resizing the bar).
  const ResponseTrace& trace = Trace();
  if (pixels_.size() != static_cast<std::size_t>(groove.height()) ||
      pixelsRevision_ != runs_->Revision()) {
    pixelsRevision_ = runs_->Revision();
    // The rows split as the chart splits them into its pixel columns; a
    // pixel row between two rows shows the one before.
    const ColumnSplit split(0, static_cast<double>(rows),
                            static_cast<std::size_t>(groove.height()));
    pixels_.assign(split.Columns(), ValueRange{});
    const auto range = [&trace](std::size_t a, std::size_t b) { return trace.PvRange(a, b); };
    for (const ColumnRange& pixel :
         Decimate(split, static_cast<std::size_t>(rows), range, Decimation::kNearest))
      pixels_[pixel.column] = pixel.range;
  }
  QPainter painter(this);
  // Across the groove from the lowest PV or set point (or 0) to the highest;
  // halves, so that a span as wide as numbers go stays finite.
  const ValueRange extent = trace.Extent();
  const double half = extent.high / 2 - extent.low / 2;
  const auto at = [&](double value) {
    return groove.left() + (half > 0 ? (value / 2 - extent.low / 2) / half * groove.width() : 0);
  };
  painter.setPen(palette().color(QPalette::Highlight));
  for (int y = 0; y < groove.height(); ++y) {
    const ValueRange range = pixels_[static_cast<std::size_t>(y)];
    painter.drawLine(QPointF(at(range.low), groove.top() + y + 0.5),
                     QPointF(at(range.high) + 1, groove.top() + y + 0.5));
  }
  // The rows in view.
  const qreal perRow = qreal(groove.height()) / rows;
  painter.setPen(QPen(palette().color(QPalette::WindowText), 1));
  painter.drawRect(QRectF(groove.left() - 1.5, groove.top() + value() * perRow + 0.5,
                          groove.width() + 2, std::max(2.0, pageStep() * perRow - 1)));
}

void OverviewScrollBar::mousePressEvent(QMouseEvent* event) {
  QStyleOptionSlider option;
  initStyleOption(&option);
  const QStyle::SubControl part = style()->hitTestComplexControl(QStyle::CC_ScrollBar, &option,
                                                                 event->position().toPoint(), this);
  // On the groove, outside the handle: that place in the overview comes into view.
  if (event->button() == Qt::LeftButton && Rows() > 0 &&
      (part == QStyle::SC_ScrollBarAddPage || part == QStyle::SC_ScrollBarSubPage)) {
    setValue(RowAt(event->position().toPoint().y()) - pageStep() / 2);
    event->accept();
    return;
  }
  QScrollBar::mousePressEvent(event);
}

}  // namespace corvale

#include "transcript_header.h"

#include <QPainter>

#include "response_painter.h"
#include "response_trace.h"

namespace corvale {
TranscriptHeader::TranscriptHeader(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {
  // The names over the numbers' last digits, the scale under them.
  setDefaultAlignment(Qt::AlignRight | Qt::AlignTop);
}

QString TranscriptHeader::Caption() const {
  if (!trace_ || trace_->Size() == 0) return {};
  const ResponseScale scale = trace_->Scale();
  // Names and numbers only, the same in every language.
  return QStringLiteral("PV %1\u2013%2 \u00B7 X 0\u2013255")
      .arg(locale_.toString(scale.low, 'g', 6), locale_.toString(scale.high, 'g', 6));
}

QSize TranscriptHeader::sizeHint() const {
  QSize size = QHeaderView::sizeHint();
  size.setHeight(size.height() + fontMetrics().lineSpacing());
  return size;
}

void TranscriptHeader::paintEvent(QPaintEvent* event) {
  QHeaderView::paintEvent(event);
  const QString caption = Caption();
  if (caption.isEmpty()) return;
  // The legend's bottom line: a stroke of PV's colour, a swatch of X's, and
  // the scales, across the whole box and not scrolled with the columns.
  QPainter painter(viewport());
  const int line = fontMetrics().lineSpacing();
  const QRect band(0, height() - line - 2, viewport()->width(), line);
  const int swatch = fontMetrics().horizontalAdvance(u'0') * 2;
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(ResponsePainter::PvColor(), 2));
  painter.drawLine(QPointF(4, band.center().y() + 0.5),
                   QPointF(4 + swatch, band.center().y() + 0.5));
  painter.fillRect(QRect(4 + swatch + 2, band.top() + 2, swatch / 2, line - 4),
                   ResponsePainter::XColor());
  painter.setPen(palette().color(QPalette::ButtonText));
  painter.drawText(band.adjusted(4 + swatch * 2, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                   caption);
}

}  // namespace corvale

#include "response_chart.h"

#include <QPainter>

#include "response_trace.h"

namespace corvale {

ResponseChart::ResponseChart(const ResponseTrace* trace, QLocale locale, QWidget* parent)
    : QWidget(parent), trace_(trace), locale_(std::move(locale)) {
  setFocusPolicy(Qt::StrongFocus);
}

void ResponseChart::Refresh(const std::optional<StepFigures>& figures, const QString& figuresText) {
  figures_ = figures;
  figuresText_ = figuresText;
  update();
}

void ResponseChart::SetVisibleRows(int first, int last) {
  firstVisible_ = first;
  lastVisible_ = last;
  update();
}

void ResponseChart::SetZoom(double scale) {
  zoom_ = scale;
  update();
}

void ResponseChart::SetCursor(int row) {
  cursor_ = row;
  update();
}

QString ResponseChart::RowDescription(int row) const { return QString::number(row + 1); }

void ResponseChart::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawText(rect(), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, figuresText_);
}

void ResponseChart::mousePressEvent(QMouseEvent* event) { QWidget::mousePressEvent(event); }
void ResponseChart::keyPressEvent(QKeyEvent* event) { QWidget::keyPressEvent(event); }
void ResponseChart::changeEvent(QEvent* event) { QWidget::changeEvent(event); }

}  // namespace corvale

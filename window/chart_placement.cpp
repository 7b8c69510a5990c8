#include "chart_placement.h"

#include <QWidget>

#include "response_chart.h"
#include "transcript_box.h"

namespace corvale {
namespace {

// The least a chart beside the form needs, at 100 %: axes, ticks and a
// legend around a plot that shows a response's shape.
constexpr QSize kLeast{320, 240};
constexpr int kMargin = 8;

}  // namespace

ChartPlacement::ChartPlacement(QWidget* window, TranscriptBox* box, ResponseChart* chart)
    : window_(window), box_(box), chart_(chart) {
  box_->SetChart(chart_);
}

QRect ChartPlacement::Space(QSize window, QSize form, double scale) {
  const int margin = qRound(kMargin * scale);
  const QRect right(form.width(), margin, window.width() - form.width() - margin,
                    window.height() - 2 * margin);
  const QRect below(margin, form.height(), window.width() - 2 * margin,
                    window.height() - form.height() - margin);
  const auto area = [](QRect r) { return r.isValid() ? qint64(r.width()) * r.height() : 0; };
  const QRect larger = area(right) >= area(below) ? right : below;
  const QSize least = kLeast * scale;
  return larger.width() >= least.width() && larger.height() >= least.height() ? larger : QRect();
}

void ChartPlacement::Place(QSize form, double scale) {
  const QRect space = Space(window_->size(), form, scale);
  const bool beside = space.isValid();
  if (beside != beside_) {
    const bool hadFocus = chart_->hasFocus();
    if (beside) {
      box_->SetChart(nullptr);
      chart_->setParent(window_);
    } else {
      box_->SetChart(chart_);
    }
    beside_ = beside;
    if (beside_) chart_->show();
    if (hadFocus) chart_->setFocus();
  }
  if (beside_) chart_->setGeometry(space);
}

}  // namespace corvale

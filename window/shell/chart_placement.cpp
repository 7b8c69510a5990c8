#include "window/shell/chart_placement.h"

#include <QWidget>

#include "window/chart/response_chart.h"
#include "window/shell/transcript_box.h"

namespace corvale {
namespace {

// The least a chart beside the form needs, at 100 %: axes, ticks and a
// legend around a plot that shows a response's shape.
constexpr QSize kLeast{320, 240};
// The least for the runs compared: a header and a few rows of figures.
constexpr QSize kLeastComparison{240, 120};
constexpr int kMargin = 8;

int Margin(double scale) { return qRound(kMargin * scale); }

bool Holds(QRect space, QSize least) {
  return space.width() >= least.width() && space.height() >= least.height();
}

}  // namespace

ChartPlacement::ChartPlacement(QWidget* window, TranscriptBox* box, ResponseChart* chart)
    : window_(window), box_(box), chart_(chart) {
  box_->SetChart(chart_);
}

void ChartPlacement::SetComparison(QWidget* comparison) {
  if (comparison_ && comparisonBeside_) comparison_->hide();
  comparison_ = comparison;
  comparisonBeside_ = false;
  box_->SetComparison(comparison_);
}

QRect ChartPlacement::Space(QSize window, QSize form, double scale) {
  const int margin = Margin(scale);
  const QRect right(form.width(), margin, window.width() - form.width() - margin,
                    window.height() - 2 * margin);
  const QRect below(margin, form.height(), window.width() - 2 * margin,
                    window.height() - form.height() - margin);
  const QSize least = kLeast * scale;
  const auto area = [least](QRect r) {
    return Holds(r, least) ? qint64(r.width()) * r.height() : 0;
  };
  if (area(right) == 0 && area(below) == 0) return QRect();
  return area(right) >= area(below) ? right : below;
}

bool ChartPlacement::Fills(QSize window, QSize form, double scale) {
  const QRect beside = Space(window, form, scale);
  return 2 * qint64(beside.width()) * beside.height() < qint64(window.width()) * window.height();
}

QSize ChartPlacement::LeastWindow(QSize form, double scale, bool right) {
  const int margin = Margin(scale);
  const QSize least = kLeast * scale;
  if (right) {
    return {form.width() + least.width() + margin,
            std::max(form.height(), least.height() + 2 * margin)};
  }
  return {std::max(form.width(), least.width() + 2 * margin),
          form.height() + least.height() + margin};
}

QRect ChartPlacement::ComparisonSpace(QSize window, QSize form, QRect chart, QRect column,
                                      double scale) {
  if (!chart.isValid()) return QRect();
  const int margin = Margin(scale);
  // Under the form, a margin clear of its buttons, as far down as the chart.
  const QRect space = chart.left() >= form.width()
                          ? QRect(column.left(), form.height() + margin, column.width(),
                                  window.height() - form.height() - 2 * margin)
                          : QRect(form.width(), margin, window.width() - form.width() - margin,
                                  form.height() - margin);
  return Holds(space, kLeastComparison * scale) ? space : QRect();
}

void ChartPlacement::Place(QSize form, double scale, bool kept) {
  const QSize window = window_->size();
  const bool fills = kept && Fills(window, form, scale);
  growth_ = fills ? (window - form).expandedTo(QSize(0, 0)) : QSize(0, 0);
  const QRect chart = fills ? QRect() : Space(window, form, scale);
  const QRect comparison =
      comparison_ ? ComparisonSpace(window, form, chart, box_->geometry(), scale) : QRect();
  const bool wasBeside = beside_;
  Move(chart_, chart.isValid(), beside_);
  if (beside_) chart_->setGeometry(chart);
  // The chart in view stays in view: one that the zoom moved from beside the
  // form into the box that fills the window is the page it shows.
  if (wasBeside && fills) box_->ShowPage(chart_);
  if (!comparison_) return;
  Move(comparison_, comparison.isValid(), comparisonBeside_);
  if (comparisonBeside_) comparison_->setGeometry(comparison);
}

void ChartPlacement::Move(QWidget* page, bool beside, bool& wasBeside) {
  if (beside == wasBeside) return;
  const bool hadFocus = page->hasFocus();
  if (page == chart_) {
    box_->SetChart(beside ? nullptr : chart_);
  } else {
    box_->SetComparison(beside ? nullptr : page);
  }
  if (beside) {
    page->setParent(window_);
    page->show();
  }
  wasBeside = beside;
  if (hadFocus) page->setFocus();
}

}  // namespace corvale

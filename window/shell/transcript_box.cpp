#include "window/shell/transcript_box.h"

#include <QLocale>
#include <QStackedLayout>
#include <QTabBar>
#include <QVBoxLayout>
#include <algorithm>

#include "window/chart/response_chart.h"
#include "window/table/transcript_view.h"

namespace corvale {

TranscriptBox::TranscriptBox(const LabBook* runs, QWidget* parent)
    : QWidget(parent), table_(new TranscriptView(runs, this)), switch_(new QTabBar(this)) {
  auto* const layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  pages_ = new QStackedLayout;
  pages_->addWidget(table_);
  layout->addLayout(pages_, 1);
  // Under the pages, as a spreadsheet's sheets are.
  switch_->setObjectName(QLatin1String("view-switch"));
  switch_->setShape(QTabBar::RoundedSouth);
  switch_->setDrawBase(false);
  switch_->setExpanding(false);
  switch_->setDocumentMode(true);
  switch_->setAccessibleName(tr("View"));
  layout->addWidget(switch_, 0, Qt::AlignLeft);
  Rebuild();
  connect(switch_, &QTabBar::currentChanged, this, [this](int tab) {
    if (tab < 0 || tab >= static_cast<int>(tabs_.size())) return;
    chosen_ = tabs_[tab];
    pages_->setCurrentWidget(chosen_);
  });
}

void TranscriptBox::SetChart(ResponseChart* chart) {
  if (chart == chart_) return;
  if (chart_) pages_->removeWidget(chart_);
  chart_ = chart;
  if (chart_) pages_->addWidget(chart_);
  Rebuild();
}

void TranscriptBox::SetComparison(QWidget* comparison) {
  if (comparison == comparison_) return;
  if (comparison_) pages_->removeWidget(comparison_);
  comparison_ = comparison;
  if (comparison_) pages_->addWidget(comparison_);
  Rebuild();
}

void TranscriptBox::SetLoopPage(QWidget* page) {
  loopPage_ = page;
  pages_->addWidget(page);
  Rebuild();
}

QWidget* TranscriptBox::CurrentPage() const { return pages_->currentWidget(); }

void TranscriptBox::ShowPage(QWidget* page) {
  const auto tab = std::find(tabs_.begin(), tabs_.end(), page);
  if (tab != tabs_.end()) switch_->setCurrentIndex(static_cast<int>(tab - tabs_.begin()));
}

bool TranscriptBox::ShowsChart() const {
  return chart_ && CurrentPage() == static_cast<QWidget*>(chart_);
}

void TranscriptBox::ShowChart(bool shown) {
  ShowPage(shown ? static_cast<QWidget*>(chart_) : static_cast<QWidget*>(table_));
}

void TranscriptBox::Rebuild() {
  const QSignalBlocker quiet(switch_);
  while (switch_->count() > 0) switch_->removeTab(0);
  tabs_ = {table_};
  switch_->addTab(tr("Table"));
  if (chart_) {
    tabs_.push_back(chart_);
    switch_->addTab(tr("Chart"));
  }
  if (comparison_) {
    tabs_.push_back(comparison_);
    // The runs, the current one and those before it, side by side.
    switch_->addTab(tr("Runs"));
  }
  if (loopPage_) {
    tabs_.push_back(loopPage_);
    switch_->addTab(tr("Loop"));
  }
  // A screen reader hears every choice with the one it is on.
  QStringList names;
  for (int tab = 0; tab < switch_->count(); ++tab) names << switch_->tabText(tab);
  const QString choices = QLocale().createSeparatedList(names);
  for (int tab = 0; tab < switch_->count(); ++tab) {
    switch_->setAccessibleTabName(tab, tr("%1 (choices: %2)").arg(names[tab], choices));
  }
  // The page the user chose comes back with it, when it left the box for a
  // while; the table stands in for it meanwhile.
  const auto tab = std::find(tabs_.begin(), tabs_.end(), chosen_);
  const int current = tab != tabs_.end() ? static_cast<int>(tab - tabs_.begin()) : 0;
  switch_->setCurrentIndex(current);
  pages_->setCurrentWidget(tabs_[current]);
  switch_->setVisible(tabs_.size() > 1);
  // What the pages are that the switch has now: beside the form, the chart
  // leaves it.
  QString pages =
      chart_ && comparison_
          ? tr("The transcript's rows as a table, the run as a chart, or the runs compared.")
      : chart_ ? tr("The transcript's rows as a table, or the run as a chart.")
               : tr("The transcript's rows as a table, or the runs compared.");
  if (loopPage_) pages += u' ' + tr("Loop: the plant and the loop's options.");
  switch_->setToolTip(pages);
}

}  // namespace corvale

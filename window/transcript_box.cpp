#include "transcript_box.h"

#include <QStackedLayout>
#include <QTabBar>
#include <QVBoxLayout>

#include "response_chart.h"
#include "transcript_view.h"

namespace corvale {

TranscriptBox::TranscriptBox(const RunHistory* runs, QWidget* parent)
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
  switch_->addTab(tr("Table"));
  switch_->addTab(tr("Chart"));
  switch_->setAccessibleName(tr("Show the transcript as"));
  switch_->setToolTip(tr("The transcript's rows as a table, or the run as a chart."));
  switch_->hide();
  layout->addWidget(switch_, 0, Qt::AlignLeft);
  connect(switch_, &QTabBar::currentChanged, this, [this](int page) {
    if (chart_) pages_->setCurrentIndex(page);
  });
}

void TranscriptBox::SetChart(ResponseChart* chart) {
  if (chart == chart_) return;
  if (chart_) pages_->removeWidget(chart_);
  chart_ = chart;
  if (chart_) {
    pages_->addWidget(chart_);
    pages_->setCurrentIndex(switch_->currentIndex());
  } else {
    pages_->setCurrentWidget(table_);
  }
  switch_->setVisible(chart_ != nullptr);
}

bool TranscriptBox::ShowsChart() const { return chart_ && pages_->currentWidget() == chart_; }

void TranscriptBox::ShowChart(bool shown) { switch_->setCurrentIndex(shown ? 1 : 0); }

}  // namespace corvale

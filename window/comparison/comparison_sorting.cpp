#include "window/comparison/comparison_sorting.h"

#include <QHeaderView>

#include "window/comparison/run_comparison_model.h"
#include "window/comparison/run_comparison_view.h"

namespace corvale {

ComparisonSorting::ComparisonSorting(RunComparisonView* view,
                                     std::function<void(const QString&)> say)
    : QObject(view), view_(view), say_(std::move(say)) {
  auto* model = static_cast<RunComparisonModel*>(view->model());
  QHeaderView* header = view->horizontalHeader();
  header->setSortIndicator(0, Qt::AscendingOrder);  // the order they ran
  view->setSortingEnabled(true);                    // the model sorts as the header says
  // The order they ran needs no arrow, which would crowd the runs' narrow column.
  const auto showIndicator = [model, header] {
    header->setSortIndicatorShown(model->SortColumn() != RunComparisonModel::kRun ||
                                  model->SortOrder() != Qt::AscendingOrder);
  };
  connect(header, &QHeaderView::sortIndicatorChanged, this, [this, model, showIndicator] {
    showIndicator();
    if (!quiet_) say_(model->SortedSentence());
  });
  // Columns come and go with the runs: the indicator stays on the model's.
  connect(model, &QAbstractItemModel::modelReset, this, [this, model, header, showIndicator] {
    quiet_ = true;
    header->setSortIndicator(model->SectionOf(model->SortColumn()), model->SortOrder());
    quiet_ = false;
    showIndicator();
  });
  connect(view, &QAbstractItemView::activated, this, [header](const QModelIndex& index) {
    const bool again = header->sortIndicatorSection() == index.column();
    const bool up = !again || header->sortIndicatorOrder() == Qt::DescendingOrder;
    header->setSortIndicator(index.column(), up ? Qt::AscendingOrder : Qt::DescendingOrder);
  });
}

}  // namespace corvale

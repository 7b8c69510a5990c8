#include "window/comparison/run_comparison_view.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <algorithm>

#include "window/access/cell_reading.h"
#include "window/comparison/comparison_copy.h"
#include "window/comparison/run_comparison_model.h"

namespace corvale {

RunComparisonView::RunComparisonView(RunComparisonModel* model, QWidget* parent)
    : QTableView(parent), model_(model) {
  model_->setParent(this);
  setModel(model_);
  setSelectionBehavior(SelectRows);
  setSelectionMode(ExtendedSelection);
  setEditTriggers(NoEditTriggers);
  setTabKeyNavigation(false);  // Tab leaves the table, as in every other control
  setWordWrap(false);
  verticalHeader()->hide();
  verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  horizontalHeader()->setHighlightSections(false);
  setAccessibleName(tr("Runs compared"));
  setToolTip(
      tr("One row per run: the gains and SP it ran with, the plant and options where the runs "
         "differ in them, and the figures of its last step response. Ctrl+C copies the selected "
         "rows; Delete forgets the selected earlier runs."));
  setAccessibleDescription(toolTip());
  Refresh();
}

void RunComparisonView::Refresh() {
  model_->Refresh();
  // No current cell is set here: Qt reports a view's current cell to a
  // screen reader as focused even while the focus is elsewhere, and each
  // Compute would have the table read out over the figures.
  resizeColumnsToContents();
}

std::vector<int> RunComparisonView::SelectedRows() const {
  std::vector<int> rows;
  for (const QModelIndex& index : selectionModel()->selectedRows()) rows.push_back(index.row());
  std::sort(rows.begin(), rows.end());
  if (rows.empty() && currentIndex().isValid()) rows.push_back(currentIndex().row());
  return model_->WholeEntries(rows);
}

std::vector<RunId> RunComparisonView::SelectedKept() const {
  std::vector<RunId> kept;
  for (int row : SelectedRows()) {
    if (const auto id = model_->KeptIdOf(row)) kept.push_back(*id);
  }
  return kept;
}

void RunComparisonView::Copy() {
  const std::vector<int> rows = SelectedRows();
  if (rows.empty()) return;
  QGuiApplication::clipboard()->setMimeData(
      RowsAsMimeData(*model_, rows, RunComparisonModel::kValueRole));
}

void RunComparisonView::ForgetSelected() {
  const std::vector<RunId> kept = SelectedKept();
  if (!kept.empty()) emit ForgetRequested(kept);
}

QMenu* RunComparisonView::CreateContextMenu() {
  auto* menu = new QMenu(this);
  QAction* copy = menu->addAction(
      tr("&Copy") + u'\t' + QKeySequence(QKeySequence::Copy).toString(QKeySequence::NativeText));
  copy->setEnabled(!SelectedRows().empty());
  connect(copy, &QAction::triggered, this, &RunComparisonView::Copy);
  QAction* all = menu->addAction(tr("Select &All"));
  connect(all, &QAction::triggered, this, &QAbstractItemView::selectAll);
  menu->addSeparator();
  QAction* one = menu->addAction(tr("&Forget this run") + u'\t' +
                                 QKeySequence(Qt::Key_Delete).toString(QKeySequence::NativeText));
  one->setEnabled(!SelectedKept().empty());
  connect(one, &QAction::triggered, this, &RunComparisonView::ForgetSelected);
  QAction* earlier = menu->addAction(tr("Forget &earlier runs"));
  earlier->setEnabled(!model_->IsCurrent(0) && model_->rowCount() > 0);
  connect(earlier, &QAction::triggered, this, &RunComparisonView::ForgetAllRequested);
  return menu;
}

void RunComparisonView::keyPressEvent(QKeyEvent* event) {
  if (event->matches(QKeySequence::Copy)) return Copy();
  if (event->key() == Qt::Key_Delete && event->modifiers() == Qt::NoModifier) {
    return ForgetSelected();
  }
  QTableView::keyPressEvent(event);
}

void RunComparisonView::changeEvent(QEvent* event) {
  QTableView::changeEvent(event);
  // The zoom changes the font: the columns fit the new text.
  if (event->type() == QEvent::FontChange) resizeColumnsToContents();
}

void RunComparisonView::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
  model_->Reading().Follow(current, previous);
  TellNamesChanged(*this, previous, current);
  QTableView::currentChanged(current, previous);
}

void RunComparisonView::contextMenuEvent(QContextMenuEvent* event) {
  QMenu* menu = CreateContextMenu();
  menu->setAttribute(Qt::WA_DeleteOnClose);
  menu->popup(event->globalPos());
}

}  // namespace corvale

#include "window/comparison/run_comparison_view.h"

#include <QAccessible>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <algorithm>

#include "window/access/announcer.h"
#include "window/access/cell_reading.h"
#include "window/access/spoken_menu.h"
#include "window/comparison/comparison_copy.h"
#include "window/comparison/run_comparison_model.h"
#include "window/words/contexts.h"
#include "window/words/prose_number.h"

namespace corvale {

RunComparisonView::RunComparisonView(RunComparisonModel* model, QWidget* parent)
    : QTableView(parent), model_(model), announcer_(new Announcer(this)) {
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
  if (rows.empty()) return announcer_->Say(ComparisonWords::tr("No run to copy."));
  QGuiApplication::clipboard()->setMimeData(
      RowsAsMimeData(*model_, rows, RunComparisonModel::kValueRole));
  announcer_->Say(rows.size() == 1
                      ? ComparisonWords::tr("Copied 1 run.")
                      : ComparisonWords::tr("Copied %1 runs.")
                            .arg(ProseCount(static_cast<std::int64_t>(rows.size()), locale())));
}

void RunComparisonView::ForgetSelected() {
  const std::vector<int> rows = SelectedRows();
  const std::vector<RunId> kept = SelectedKept();
  if (rows.empty()) return announcer_->Say(ComparisonWords::tr("No run to forget."));
  if (kept.empty()) {
    return announcer_->Say(
        ComparisonWords::tr("The current run stays, as the transcript shows it: Delete forgets "
                            "earlier runs."));
  }
  const QString said =
      kept.size() == 1
          ? ComparisonWords::tr("Run %1 forgotten.").arg(ProseCount(rows.front() + 1, locale()))
          : ComparisonWords::tr("%1 runs forgotten.")
                .arg(ProseCount(static_cast<std::int64_t>(kept.size()), locale()));
  const bool focused = hasFocus();
  emit ForgetRequested(kept);
  // The rows were made again: the focus stays where the first forgotten run
  // stood, and the reader hears, last and whole, what went and where it is.
  if (!focused || model_->rowCount() == 0) return announcer_->Say(said);
  const int row = std::min(rows.front(), model_->rowCount() - 1);
  selectionModel()->setCurrentIndex(model_->index(row, 0), QItemSelectionModel::NoUpdate);
  announcer_->Say(
      said + u' ' +
      ComparisonWords::tr("Now on run %1 of %2.")
          .arg(ProseCount(row + 1, locale()), ProseCount(model_->rowCount(), locale())));
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
  const int key = event->key();
  const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
  if (event->matches(QKeySequence::Copy)) return Copy();
  if (key == Qt::Key_Delete && modifiers == Qt::NoModifier) return ForgetSelected();
  if (key == Qt::Key_F10 && modifiers == Qt::ShiftModifier) {
    return ShowMenu(MenuPoint(*this));
  }
  const int before = currentIndex().row();
  QTableView::keyPressEvent(event);
  // Up on the first row or Down on the last moves nothing: said, not silent.
  if (modifiers == Qt::NoModifier && before >= 0 && currentIndex().row() == before) {
    if (key == Qt::Key_Up) announcer_->Say(ComparisonWords::tr("First run."));
    if (key == Qt::Key_Down) announcer_->Say(ComparisonWords::tr("Last run."));
  }
  const bool extends = modifiers.testFlag(Qt::ShiftModifier) &&
                       (key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_Home ||
                        key == Qt::Key_End || key == Qt::Key_PageUp || key == Qt::Key_PageDown);
  if (extends || event == QKeySequence::SelectAll) SaySelection();
}

void RunComparisonView::SaySelection() {
  const std::vector<int> rows = SelectedRows();
  const auto count = static_cast<int>(rows.size());
  const auto number = [this](int row) { return ProseCount(row + 1, locale()); };
  if (count == 0) return announcer_->Say(ComparisonWords::tr("No run selected."));
  if (count == 1)
    return announcer_->Say(ComparisonWords::tr("Run %1 selected.").arg(number(rows[0])));
  if (count == model_->rowCount()) {
    return announcer_->Say(
        ComparisonWords::tr("All %1 runs selected.").arg(ProseCount(count, locale())));
  }
  // Rows picked one by one need not stand together.
  announcer_->Say(rows.back() - rows.front() + 1 == count
                      ? ComparisonWords::tr("Runs %1 to %2 selected.")
                            .arg(number(rows.front()), number(rows.back()))
                      : ComparisonWords::tr("%1 runs selected.").arg(ProseCount(count, locale())));
}

void RunComparisonView::focusInEvent(QFocusEvent* event) {
  // On entry a cell is current, so that a screen reader reads its row and
  // where it stands, and Delete has a run to forget; not scrolled to.
  if (!currentIndex().isValid() && model_->rowCount() > 0) {
    const bool scrolls = hasAutoScroll();
    setAutoScroll(false);
    selectionModel()->setCurrentIndex(model_->index(0, 0), QItemSelectionModel::NoUpdate);
    setAutoScroll(scrolls);
  }
  QTableView::focusInEvent(event);
  // The window tells a screen reader of the table after this; the cell
  // after that, so that it is what the reader speaks last.
  if (QAccessible::isActive()) {
    QMetaObject::invokeMethod(
        this, [this] { TellFocused(*this); }, Qt::QueuedConnection);
  }
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

void RunComparisonView::ShowMenu(QPoint global) {
  PopUpSpoken(CreateContextMenu(), ComparisonWords::tr("Runs compared menu"), global, *announcer_);
}

void RunComparisonView::contextMenuEvent(QContextMenuEvent* event) {
  ShowMenu(MenuPoint(*this, event));
  event->accept();
}

}  // namespace corvale

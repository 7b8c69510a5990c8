#include "window/table/transcript_view.h"

#include <QAccessible>
#include <QFontMetricsF>
#include <QHeaderView>
#include <QMenu>
#include <QScrollBar>
#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

#include "window/access/announcer.h"
#include "window/access/cell_reading.h"
#include "window/table/overview_scroll_bar.h"
#include "window/table/transcript_model.h"

namespace corvale {
namespace {

// Qt's own words, in Qt's own translation, as its text boxes' menus show them.
QString QtText(const char* context, const char* text) {
  return QCoreApplication::translate(context, text);
}

}  // namespace

TranscriptView::TranscriptView(const LabBook* runs, QWidget* parent)
    : QTableView(parent),
      model_(new TranscriptModel(runs, this)),
      overview_(new OverviewScrollBar(runs, this)),
      announcer_(new Announcer(this)) {
  setModel(model_);
  setVerticalScrollBar(overview_);
  setEditTriggers(NoEditTriggers);
  setSelectionMode(ContiguousSelection);
  setSelectionBehavior(SelectItems);
  setTabKeyNavigation(false);  // Tab leaves the table, as it leaves a text box
  setShowGrid(false);
  setWordWrap(false);
  setCornerButtonEnabled(false);
  setHorizontalScrollMode(ScrollPerPixel);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  verticalHeader()->hide();  // the Step column numbers the rows
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  verticalHeader()->setMinimumSectionSize(1);
  QHeaderView* const header = horizontalHeader();
  // The names over the numbers' last digits.
  header->setDefaultAlignment(Qt::AlignRight | Qt::AlignVCenter);
  header->setHighlightSections(false);
  // The header asks its selection model, for each column it paints, whether
  // every row is selected: with the view's, a million rows' worth at every
  // change of the selection. It highlights nothing, so it needs none of it.
  header->setSelectionModel(new QItemSelectionModel(model_, header));
  Measure();
}

void TranscriptView::ShowRow(int row, ScrollHint hint) {
  const QModelIndex index = model_->index(row, 0);
  if (hasFocus()) {
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
  } else {
    resume_ = index;
  }
  updateGeometries();  // the scroll range takes in rows just added
  scrollTo(index, hint);
  horizontalScrollBar()->setValue(0);
}

void TranscriptView::RefreshOverview() { overview_->Refresh(); }

std::pair<int, int> TranscriptView::VisibleRows() const {
  const int first = rowAt(0);
  if (first < 0) return {0, -1};
  const int last = rowAt(viewport()->height() - 1);
  return {first, last < 0 ? model_->rowCount() - 1 : last};
}

QMenu* TranscriptView::CreateContextMenu() {
  auto* menu = new QMenu(this);
  const auto add = [menu](const char* name, const QString& text, QKeySequence::StandardKey key) {
    QAction* action =
        menu->addAction(text + u'\t' + QKeySequence(key).toString(QKeySequence::NativeText));
    action->setObjectName(QLatin1String(name));
    return action;
  };
  QAction* copy = add("edit-copy", QtText("QWidgetTextControl", "&Copy"), QKeySequence::Copy);
  copy->setEnabled(selectionModel()->hasSelection());
  connect(copy, &QAction::triggered, this, &TranscriptView::Copy);
  QAction* all =
      add("select-all", QtText("QWidgetTextControl", "Select All"), QKeySequence::SelectAll);
  all->setEnabled(model_->rowCount() > 0);
  connect(all, &QAction::triggered, this, &QAbstractItemView::selectAll);
  return menu;
}

QRect TranscriptView::SelectedBlock() const {
  // The selection is one block, though it may be held in several ranges.
  QRect block;
  for (const QItemSelectionRange& range : selectionModel()->selection()) {
    block |= QRect(QPoint(range.left(), range.top()), QPoint(range.right(), range.bottom()));
  }
  return block;
}

int TranscriptView::CurrentRow() const {
  return hasFocus() || !resume_.isValid() ? currentIndex().row() : resume_.row();
}

void TranscriptView::focusOutEvent(QFocusEvent* event) {
  // Qt tells a screen reader that the current cell is focused whichever
  // widget has the focus: the cell is kept aside until the focus comes back.
  if (currentIndex().isValid()) {
    resume_ = currentIndex();
    selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
  }
  QTableView::focusOutEvent(event);
}

void TranscriptView::focusInEvent(QFocusEvent* event) {
  // Back where it was, without scrolling: a screen reader hears that cell.
  if (resume_.isValid() && !currentIndex().isValid()) {
    const bool scrolls = hasAutoScroll();
    setAutoScroll(false);
    selectionModel()->setCurrentIndex(resume_, QItemSelectionModel::NoUpdate);
    setAutoScroll(scrolls);
  }
  resume_ = QPersistentModelIndex();
  QTableView::focusInEvent(event);
  // The window tells a screen reader of the table after this; the cell is
  // told of after that, so that it is what the reader speaks last.
  if (QAccessible::isActive()) {
    QMetaObject::invokeMethod(
        this, [this] { TellFocused(*this); }, Qt::QueuedConnection);
  }
}

void TranscriptView::scrollContentsBy(int dx, int dy) {
  QTableView::scrollContentsBy(dx, dy);
  if (dy != 0) EmitVisibleRows();
}

void TranscriptView::resizeEvent(QResizeEvent* event) {
  QTableView::resizeEvent(event);
  EmitVisibleRows();
}

void TranscriptView::EmitVisibleRows() {
  const auto [first, last] = VisibleRows();
  emit VisibleRowsChanged(first, last);
}

QItemSelectionModel::SelectionFlags TranscriptView::selectionCommand(const QModelIndex& index,
                                                                     const QEvent* event) const {
  const QItemSelectionModel::SelectionFlags command = QTableView::selectionCommand(index, event);
  return rowsPicked_ ? command | QItemSelectionModel::Rows : command;
}

void TranscriptView::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
  model_->Reading().Follow(current, previous);
  TellNamesChanged(*this, previous, current);
  QTableView::currentChanged(current, previous);
}

void TranscriptView::selectionChanged(const QItemSelection& selected,
                                      const QItemSelection& deselected) {
  // QTableView tells a screen reader of the first cell selected and the first
  // deselected, but finds each by listing every cell of the selection: for
  // Ctrl+A on a million rows, seconds and hundreds of megabytes. The first
  // cell of each is at hand.
  if (QAccessible::isActive()) {
    const auto announce = [this](const QItemSelection& cells, QAccessible::Event type) {
      if (cells.isEmpty()) return;
      const QModelIndex first = cells.first().topLeft();
      QAccessibleEvent event(this, type);
      event.setChild(AccessibleChild(*this, first));
      QAccessible::updateAccessibility(&event);
    };
    announce(selected, QAccessible::SelectionAdd);
    announce(deselected, QAccessible::SelectionRemove);
  }
  QAbstractItemView::selectionChanged(selected, deselected);
}

void TranscriptView::reset() {
  QTableView::reset();
  model_->Reading().Forget();
  resume_ = QPersistentModelIndex();
  overview_->Refresh();
  rowsPicked_ = false;
  widest_ = {};
  widestEstimate_ = {};
  Widen();
  EmitVisibleRows();
}

void TranscriptView::rowsInserted(const QModelIndex& parent, int first, int last) {
  QTableView::rowsInserted(parent, first, last);
  Widen();
  EmitVisibleRows();  // rows added under the last row in view come into view
}

void TranscriptView::changeEvent(QEvent* event) {
  QTableView::changeEvent(event);
  if (event->type() == QEvent::FontChange) Measure();
}

void TranscriptView::Widen() {
  // The widest text of a column is that of its largest or its smallest
  // value, and of the Step column that of the last step: only those are made
  // as text, so that a million rows cost nothing here.
  const int rows = model_->rowCount();
  const ColumnRanges& ranges = model_->Book().CurrentRanges();
  if (rows == 0 || ranges.IsEmpty()) return;
  bool widened = false;
  const auto take = [&](std::size_t column, std::string field) {
    const qreal estimate = Estimate(field);
    if (estimate <= widestEstimate_[column]) return;
    widestEstimate_[column] = estimate;
    widest_[column] = std::move(field);
    widened = true;
  };
  take(0, model_->RowFields(rows - 1)[0]);
  const std::string_view point = model_->Book().Numbers().decimalSeparator;
  for (std::size_t column = 1; column < kColumns; ++column) {
    const ValueRange& range = ranges.columns[column - 1];
    take(column, FormatValue(range.low, point));
    take(column, FormatValue(range.high, point));
  }
  if (widened) FitColumns();
}

qreal TranscriptView::Estimate(std::string_view text) const {
  qreal width = 0;
  for (const char c : text) width += byteAdvances_[static_cast<unsigned char>(c)];
  return width;
}

void TranscriptView::Measure() {
  const QFontMetricsF metrics(font());
  // ASCII by its own advance; a character of more bytes, such as a locale's
  // decimal separator, by an average one on its first byte.
  for (int byte = 0; byte < 256; ++byte) {
    byteAdvances_[byte] = byte < 0x80    ? metrics.horizontalAdvance(QChar(byte))
                          : byte >= 0xC0 ? metrics.averageCharWidth()
                                         : 0;
  }
  for (std::size_t column = 0; column < kColumns; ++column) {
    widestEstimate_[column] = Estimate(widest_[column]);
  }
  const int rowHeight = QFontMetrics(font()).lineSpacing() + 2;
  if (verticalHeader()->defaultSectionSize() != rowHeight) {
    verticalHeader()->setDefaultSectionSize(rowHeight);
  }
  FitColumns();
  EmitVisibleRows();
}

void TranscriptView::FitColumns() {
  const QFontMetricsF metrics(font());
  // The cell's margins, and a space between one column's values and the next.
  const int margin = style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1;
  const qreal padding = 2 * margin + metrics.horizontalAdvance(u' ');
  QHeaderView* const header = horizontalHeader();
  for (std::size_t column = 0; column < kColumns; ++column) {
    const int section = static_cast<int>(column);
    const qreal widest = metrics.horizontalAdvance(QString::fromStdString(widest_[column]));
    header->resizeSection(section, std::max(header->sectionSizeHint(section),
                                            static_cast<int>(std::ceil(widest + padding))));
  }
}

}  // namespace corvale

#include "window/access/cell_reading.h"

#include <QAccessible>
#include <QTableView>

namespace corvale {

void CellReading::Follow(const QModelIndex& current, const QModelIndex& previous) {
  row_ = current.isValid() ? current.row() : -1;
  column_ = current.isValid() ? current.column() : -1;
  alongRow_ = current.isValid() && previous.isValid() && current.row() == previous.row() &&
              current.column() != previous.column();
}

CellReading::Voice CellReading::Of(const QModelIndex& index) const {
  if (!index.isValid() || index.row() != row_) return Voice::kNamed;
  if (index.column() != column_) return Voice::kSilent;
  return alongRow_ ? Voice::kBare : Voice::kRow;
}

int AccessibleChild(const QTableView& view, const QModelIndex& index) {
  // Cells are numbered row by row after the header's, with a place for the
  // (hidden) row header in each row.
  return (index.row() + 1) * (view.model()->columnCount() + 1) + index.column() + 1;
}

void TellNamesChanged(QTableView& view, const QModelIndex& previous, const QModelIndex& current) {
  if (!QAccessible::isActive()) return;
  const auto tell = [&view](const QModelIndex& cell) {
    QAccessibleEvent event(&view, QAccessible::NameChanged);
    event.setChild(AccessibleChild(view, cell));
    QAccessible::updateAccessibility(&event);
  };
  const bool sameRow = previous.isValid() && current.isValid() && previous.row() == current.row();
  for (const QModelIndex& cell : {previous, current}) {
    if (!cell.isValid()) continue;
    if (sameRow) {
      tell(cell);
      continue;
    }
    for (int column = 0; column < view.model()->columnCount(); ++column) {
      tell(cell.siblingAtColumn(column));
    }
  }
}

void TellFocused(QTableView& view) {
  if (!QAccessible::isActive() || !view.hasFocus() || !view.currentIndex().isValid()) return;
  QAccessibleEvent focus(&view, QAccessible::Focus);
  focus.setChild(AccessibleChild(view, view.currentIndex()));
  QAccessible::updateAccessibility(&focus);
}

}  // namespace corvale

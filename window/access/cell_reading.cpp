#include "window/access/cell_reading.h"

#include <QAccessible>
#include <QTableView>

namespace corvale {

void CellReading::Follow(const QModelIndex& current, const QModelIndex& previous) {
  const bool alongRow = current.isValid() && previous.isValid() &&
                        current.row() == previous.row() && current.column() != previous.column();
  row_ = alongRow ? current.row() : -1;
  column_ = alongRow ? current.column() : -1;
}

int AccessibleChild(const QTableView& view, const QModelIndex& index) {
  // Cells are numbered row by row after the header's, with a place for the
  // (hidden) row header in each row.
  return (index.row() + 1) * (view.model()->columnCount() + 1) + index.column() + 1;
}

void TellNamesChanged(QTableView& view, const QModelIndex& previous, const QModelIndex& current) {
  if (!QAccessible::isActive()) return;
  for (const QModelIndex& cell : {previous, current}) {
    if (!cell.isValid()) continue;
    QAccessibleEvent event(&view, QAccessible::NameChanged);
    event.setChild(AccessibleChild(view, cell));
    QAccessible::updateAccessibility(&event);
  }
}

}  // namespace corvale

#pragma once

#include <QModelIndex>

class QTableView;

namespace corvale {

// How a screen reader reads a table's cells. Down and Up read a whole row
// without its headers, so each cell's name there is its column's and its
// value; along a row (Left, Right) the reader says the column's header before
// the cell, so that cell is its value alone and the column is named once.
class CellReading {
 public:
  // The current cell moved from `previous`: the one now reached along its
  // row, if it was, is read bare.
  void Follow(const QModelIndex& current, const QModelIndex& previous);
  // The rows were made again: no cell is reached.
  void Forget() { row_ = column_ = -1; }
  bool IsBare(const QModelIndex& index) const {
    return index.row() == row_ && index.column() == column_;
  }

 private:
  int row_ = -1;
  int column_ = -1;
};

// A cell's number among the table's children, as a screen reader counts them.
int AccessibleChild(const QTableView& view, const QModelIndex& index);
// The cells' names changed: a screen reader holding them (Orca, libatspi
// cache them) is told to take them again.
void TellNamesChanged(QTableView& view, const QModelIndex& previous, const QModelIndex& current);

}  // namespace corvale

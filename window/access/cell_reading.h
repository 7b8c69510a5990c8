#pragma once

#include <QModelIndex>
#include <QString>

class QTableView;

namespace corvale {

// How a screen reader reads a table's cells. A reader moving to another row
// reads every cell of it that the window shows, so that a wide row would be
// heard only as far as the window shows it: the current cell, reached from
// another row, speaks the whole row, each value named by its column, and the
// row's other cells say nothing. Along a row (Left, Right) the reader says
// the column's header before the cell, so that cell is its value alone and
// the column is named once.
class CellReading {
 public:
  enum class Voice {
    kNamed,   // a cell of another row: its column's name and its value
    kBare,    // the current cell, reached along its row: its value alone
    kRow,     // the current cell, reached from another row: the whole row
    kSilent,  // the current row's other cells, which the whole row said
  };
  // What a silent cell says: a view reads an empty text as "say the shown one".
  static QString Silence() { return QStringLiteral(" "); }

  // The current cell moved from `previous`.
  void Follow(const QModelIndex& current, const QModelIndex& previous);
  // The rows were made again: no cell is current.
  void Forget() { *this = CellReading(); }
  Voice Of(const QModelIndex& index) const;
  bool IsBare(const QModelIndex& index) const { return Of(index) == Voice::kBare; }

 private:
  int row_ = -1;
  int column_ = -1;
  bool alongRow_ = false;
};

// A cell's number among the table's children, as a screen reader counts them.
int AccessibleChild(const QTableView& view, const QModelIndex& index);
// The cells' names changed, those of the rows of both when the row changed:
// a screen reader holding them (Orca, libatspi cache them) is told to take
// them again.
void TellNamesChanged(QTableView& view, const QModelIndex& previous, const QModelIndex& current);
// The current cell is told of as focused, so that a screen reader reads it.
void TellFocused(QTableView& view);

}  // namespace corvale

#pragma once

#include <QTableView>
#include <array>
#include <string>
#include <string_view>
#include <utility>

#include "simulation/transcript.h"

class QMenu;

namespace corvale {

class Announcer;
class OverviewScrollBar;
class LabBook;
class TranscriptModel;

// The transcript as a read-only table under its column names. Whole rows are
// selected in the Step column (by mouse, or by Shift with Up and Down), with
// Shift+Space or with Ctrl+A, any other block of cells by mouse or by Shift
// with the arrows; a selection made by keys and a copy are spoken. A copy
// carries exactly
// the selected cells, as TAB-separated lines and as an HTML table that a
// spreadsheet pastes into cells. Every column is as wide as its widest value
// so far, measured on the rows as they arrive. Its scroll bar shows the
// current run of the window's runs whole.
class TranscriptView : public QTableView {
  Q_OBJECT

 public:
  // `runs` must outlive the view.
  explicit TranscriptView(const LabBook* runs, QWidget* parent = nullptr);

  TranscriptModel* Model() const { return model_; }
  // The runs changed: the scroll bar's overview is drawn anew.
  void RefreshOverview();
  // The rows in view, first and last; last < first when there are none.
  std::pair<int, int> VisibleRows() const;
  // Makes the row the current one and shows it, first or where `hint` says.
  void ShowRow(int row, ScrollHint hint = PositionAtTop);
  // The current row, also while the focus is elsewhere; -1 for none.
  int CurrentRow() const;
  // Copy and Select All, in the user's language; the caller owns it.
  QMenu* CreateContextMenu();
  // What it tells a screen reader of its selection, copies and keys.
  const Announcer& Speech() const { return *announcer_; }

 signals:
  void VisibleRowsChanged(int first, int last);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;
  void resizeEvent(QResizeEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void changeEvent(QEvent* event) override;
  QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                       const QEvent* event) const override;
  void selectionChanged(const QItemSelection& selected, const QItemSelection& deselected) override;
  void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
  void reset() override;
  void rowsInserted(const QModelIndex& parent, int first, int last) override;

 private:
  void EmitVisibleRows();
  void Copy();
  void SelectWholeRows();
  // Shift with Up or Down from the Step column picks whole rows, as a drag
  // down it does.
  bool StartsInStepColumn() const;
  void ShowMenu(QPoint global);
  // Takes in the run's widest values; fits the columns if one widened.
  void Widen();
  // The font's advances for the estimates, the rows' height and the columns.
  void Measure();
  // Each column as wide as its widest value, or its name.
  void FitColumns();
  // A text's width judged by its bytes' advances, cheaply.
  qreal Estimate(std::string_view text) const;
  // The cells selected, as columns (x) and rows (y); empty when none are.
  QRect SelectedBlock() const;

  TranscriptModel* model_;
  OverviewScrollBar* overview_;
  Announcer* announcer_;
  std::array<std::string, kColumns> widest_;  // each column's widest value so far
  std::array<qreal, kColumns> widestEstimate_{};
  std::array<qreal, 256> byteAdvances_{};  // by UTF-8 byte, in the current font
  bool rowsPicked_ = false;                // the selection is of whole rows
  QPersistentModelIndex resume_;           // the current cell while the focus is elsewhere
};

}  // namespace corvale

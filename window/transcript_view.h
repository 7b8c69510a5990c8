#pragma once

#include <QFont>
#include <QTableView>
#include <array>
#include <string>

#include "transcript.h"

class QMenu;

namespace corvale {

class TranscriptModel;

// The transcript as a read-only table under its column names. Whole rows are
// selected in the Step column, with Shift+Space or with Ctrl+A, any other
// block of cells by mouse or by Shift with the arrows; a copy carries exactly
// the selected cells, as TAB-separated lines and as an HTML table that a
// spreadsheet pastes into cells. Every column is as wide as its widest value
// so far, measured on the rows as they arrive. It zooms for a projector (Ctrl
// with the wheel, +, - or 0).
class TranscriptView : public QTableView {
  Q_OBJECT

 public:
  explicit TranscriptView(QWidget* parent = nullptr);

  TranscriptModel* Model() const { return model_; }
  // Makes the row the current one and shows it first.
  void ShowRow(int row);
  // Makes the text larger (steps > 0) or smaller, within bounds.
  void Zoom(int steps);
  void ResetZoom();
  // Copy and Select All, in the user's language; the caller owns it.
  QMenu* CreateContextMenu();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void changeEvent(QEvent* event) override;
  QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                       const QEvent* event) const override;
  void selectionChanged(const QItemSelection& selected, const QItemSelection& deselected) override;
  void reset() override;
  void rowsInserted(const QModelIndex& parent, int first, int last) override;
  void dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                   const QList<int>& roles) override;

 private:
  void Copy();
  void SelectWholeRows();
  // Takes in the widest values of these rows; fits the columns if one widened.
  void Widen(int firstRow, int lastRow);
  // Sizes rows and columns for the font.
  void Fit();
  void ZoomTo(int level);

  TranscriptModel* model_;
  std::array<std::string, kColumns> widest_;  // each column's widest value so far
  std::array<qreal, kColumns> widestEstimate_{};
  std::array<qreal, 256> byteAdvances_{};  // by UTF-8 byte, in the current font
  bool rowsPicked_ = false;                // the selection is of whole rows
  const QFont baseFont_;
  int zoomLevel_;
  int wheelAngle_ = 0;  // what the wheel turned short of a whole step
};

}  // namespace corvale

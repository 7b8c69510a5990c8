#pragma once

#include <QTableView>
#include <cstddef>
#include <vector>

#include "labbook/kept_run.h"

class QMenu;

namespace corvale {

class Announcer;
class RunComparisonModel;

// The comparison of the runs as a table a screen reader reads as one, each
// value named by its column once (CellReading), a row whole with its place
// among the runs, on entry too. Whole rows are selected; Ctrl+C copies them
// under the column names for a spreadsheet, and Delete forgets the selected
// earlier runs, or the current row's (the current run is the transcript's: it
// stays), and says what it did.
class RunComparisonView : public QTableView {
  Q_OBJECT

 public:
  explicit RunComparisonView(RunComparisonModel* model, QWidget* parent = nullptr);

  // The runs changed: the rows made again, the columns fitted to them.
  void Refresh();
  // Copy, Select All, Forget this run and Forget earlier runs; the caller owns it.
  QMenu* CreateContextMenu();
  // The rows selected, in order, each with the rest of its entry (a sweep is
  // copied and forgotten whole); the current row where none is.
  std::vector<int> SelectedRows() const;
  // What it tells a screen reader of its keys.
  const Announcer& Speech() const { return *announcer_; }

 signals:
  // Kept runs, by their ids.
  void ForgetRequested(std::vector<corvale::RunId> kept);
  void ForgetAllRequested();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void changeEvent(QEvent* event) override;
  void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;

 private:
  void Copy();
  void ForgetSelected();
  std::vector<RunId> SelectedKept() const;
  void ShowMenu(QPoint global);
  // What is selected, said: "Runs 1 to 2 selected."
  void SaySelection();

  RunComparisonModel* model_;
  Announcer* announcer_;
};

}  // namespace corvale

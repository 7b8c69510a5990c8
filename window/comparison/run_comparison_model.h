#pragma once

#include <QAbstractTableModel>
#include <QLocale>
#include <optional>
#include <vector>

#include "labbook/lab_book.h"
#include "labbook/run_differences.h"
#include "window/access/cell_reading.h"

namespace corvale {

struct ComparisonCell;

// The runs side by side, one row a run, the earlier ones first and the
// current one last and marked: the gains and SP it ran under, its steps, and
// the figures of its last step; the plant and the options only where some
// run differs from another in them, so that the table stays narrow where
// they are all alike. Numbers are written as the figures' sentences write
// them; each number cell also carries its value, for a copy, and its words
// for a screen reader, with the column's name and unit.
class RunComparisonModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  // Every column there can be, in the order they stand; a section of the
  // model is one of those shown (ColumnAt).
  enum Column {
    kRun,
    kPlantGain,
    kLag1,
    kLag2,
    kDeadTime,
    kKp,
    kKi,
    kKd,
    kSP,
    kAntiWindup,
    kTrackingGain,
    kDerivativeOn,
    kLoad,
    kLoadStep,
    kNoise,
    kNoiseSeed,
    kSteps,
    kRise,
    kPeak,
    kOvershoot,
    kSettling,
    kSettledFrom,
    kError,
    kAtZero,
    kAtFull,
    kColumnCount
  };
  // A number cell's value as a double; none for text.
  static constexpr int kValueRole = Qt::UserRole;

  RunComparisonModel(const LabBook* runs, QLocale locale, QObject* parent = nullptr);

  // The runs changed: their rows made again.
  void Refresh();
  // The kept run a row shows; none for the current run's row.
  std::optional<RunId> KeptIdOf(int row) const;
  bool IsCurrent(int row) const { return hasCurrent_ && row == currentRow_; }
  // The rows of every entry of the kept runs (a run, or a sweep's runs) that
  // one of `rows` is of, in order: a sweep is copied and forgotten whole.
  std::vector<int> WholeEntries(const std::vector<int>& rows) const;
  CellReading& Reading() { return reading_; }
  // The column a section shows, and the section that shows a column; -1
  // where it is hidden, as the runs are all alike in it.
  Column ColumnAt(int section) const { return columns_[static_cast<std::size_t>(section)]; }
  int SectionOf(Column column) const;
  // What of a run a column shows; none for the run's number and its figures.
  static std::optional<RunField> FieldOf(Column column);

  // Sorts the rows by a section's column, and keeps them so sorted as runs
  // come and go, until another sort; by the runs' numbers, ascending, they
  // stand in the order they ran. The current cell stays on its run.
  void sort(int section, Qt::SortOrder order = Qt::AscendingOrder) override;
  Column SortColumn() const { return sortColumn_; }
  Qt::SortOrder SortOrder() const { return sortOrder_; }
  // The sort in words, with the run it puts first: "Sorted by Settling
  // time, shortest first: Kp 0.6, Settling time 12 steps."
  QString SortedSentence() const;

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  // A row as a screen reader hears it read whole: "Run 2 of 3", then each
  // column's value named by the column, with its unit.
  QString SpokenRow(int row) const;

 private:
  ComparisonCell CellOf(std::size_t row, Column column) const;
  // The rows put in the order of the sort.
  void ApplySort();

  const LabBook* runs_;
  const QLocale locale_;
  std::vector<RunSummary> rows_;
  std::vector<RunId> ids_;      // of each row
  std::vector<RunId> entries_;  // of each row: its entry of the kept runs
  std::vector<int> numbers_;    // of each row: its place in the order they ran, from 1
  int currentRow_ = -1;
  Column sortColumn_ = kRun;
  Qt::SortOrder sortOrder_ = Qt::AscendingOrder;
  std::vector<Column> columns_;  // those shown, in order
  bool hasCurrent_ = false;
  CellReading reading_;
};

}  // namespace corvale

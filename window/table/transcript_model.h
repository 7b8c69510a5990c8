#pragma once

#include <QAbstractTableModel>
#include <string>
#include <string_view>

#include "cell_reading.h"
#include "transcript_lines.h"

namespace corvale {

// The transcript as a read-only table: its text kept once, as the runs wrote
// it, each cell's text made only when a view asks for it. The first line is
// the column names (or empty, when Continue ran before any Compute), which
// the view shows as its header; each line after it is a row.
class TranscriptModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  explicit TranscriptModel(QObject* parent = nullptr);
  ~TranscriptModel() override;

  const TranscriptLines& Lines() const { return lines_; }
  // The line that holds a row.
  static std::size_t LineOf(int row) { return static_cast<std::size_t>(row) + 1; }

  void SetText(std::string_view text);
  // One insertion for all the rows a run adds.
  void Append(std::string text);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation,
                      int role = Qt::DisplayRole) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

  // Each cell's accessible text is the column's name and the value, as a
  // row read whole needs; the cell reached along its row, its value alone.
  CellReading& Reading() { return reading_; }

 signals:
  // The text of rows already there is about to change or go: whatever still
  // refers to them takes what it needs now.
  void RowsAboutToChange();

 private:
  TranscriptLines lines_;
  CellReading reading_;
};

}  // namespace corvale

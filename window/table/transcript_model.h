#pragma once

#include <QAbstractTableModel>
#include <array>
#include <string>

#include "labbook/lab_book.h"
#include "simulation/transcript.h"
#include "window/access/cell_reading.h"

namespace corvale {

// The lab book's current run as a read-only table, one row a step under the
// transcript's column names: each cell's text is made from the run's numbers
// only when a view asks for it, so that a million rows cost what a screen of
// them shows.
class TranscriptModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  // `book` must outlive the model.
  explicit TranscriptModel(const LabBook* book, QObject* parent = nullptr);

  const LabBook& Book() const { return *book_; }
  // The book changed: rows added, or a new run in place of the old.
  void Follow(const BookChange& change);
  // A row's seven fields as the transcript writes them.
  std::array<std::string, kColumns> RowFields(int row) const;

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation,
                      int role = Qt::DisplayRole) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

  // What a screen reader reads of each cell: the current one, reached from
  // another row, the whole row with each value named by its column; reached
  // along its row, its value alone (CellReading).
  CellReading& Reading() { return reading_; }

 private:
  QString Cell(const QModelIndex& index) const;
  // A value named by its column, as a row read whole says it.
  QString Named(int column, const QString& value) const;
  // The whole row, each value named.
  QString SpokenRow(int row) const;

  const LabBook* book_;
  int rows_ = 0;  // as the views were last told
  CellReading reading_;
};

}  // namespace corvale

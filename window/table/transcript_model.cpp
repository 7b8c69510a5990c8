#include "window/table/transcript_model.h"

#include <algorithm>
#include <climits>

namespace corvale {

TranscriptModel::TranscriptModel(const LabBook* book, QObject* parent)
    : QAbstractTableModel(parent), book_(book) {}

void TranscriptModel::Follow(const BookChange& change) {
  const int rows = static_cast<int>(std::min<std::size_t>(book_->Current().Size(), INT_MAX));
  if (change.newRun) {
    beginResetModel();
    rows_ = rows;
    endResetModel();
  } else if (rows > rows_) {
    beginInsertRows({}, rows_, rows - 1);
    rows_ = rows;
    endInsertRows();
  }
}

std::array<std::string, kColumns> TranscriptModel::RowFields(int row) const {
  const StepRecord r = book_->Current().Record(static_cast<std::size_t>(row));
  const std::string_view point = book_->Numbers().decimalSeparator;
  std::array<std::string, kColumns> fields;
  fields[0] = std::to_string(r.Step);
  const auto values = ColumnValues(r);
  for (std::size_t c = 0; c < values.size(); ++c) fields[c + 1] = FormatValue(values[c], point);
  return fields;
}

QString TranscriptModel::Cell(const QModelIndex& index) const {
  return QString::fromStdString(RowFields(index.row())[static_cast<std::size_t>(index.column())]);
}

QString TranscriptModel::Named(int column, const QString& value) const {
  return headerData(column, Qt::Horizontal, Qt::DisplayRole).toString() + u' ' + value;
}

QString TranscriptModel::SpokenRow(int row) const {
  // Each value named by its column ("X 7.5000"), the step first.
  const std::array<std::string, kColumns> fields = RowFields(row);
  QStringList named;
  for (std::size_t c = 0; c < fields.size(); ++c) {
    named << Named(static_cast<int>(c), QString::fromStdString(fields[c]));
  }
  return named.join(QLatin1String(", "));
}

int TranscriptModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : rows_;
}

int TranscriptModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(kColumns);
}

QVariant TranscriptModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rows_) return {};
  switch (role) {
    case Qt::DisplayRole:
      return Cell(index);
    case Qt::AccessibleTextRole:
      switch (reading_.Of(index)) {
        case CellReading::Voice::kBare:
          return Cell(index);
        case CellReading::Voice::kSilent:
          return CellReading::Silence();
        case CellReading::Voice::kRow:
          return SpokenRow(index.row());
        default:
          return Named(index.column(), Cell(index));
      }
    case Qt::TextAlignmentRole:  // numbers, their separators one above the other
      return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    default:
      return {};
  }
}

QVariant TranscriptModel::headerData(int section, Qt::Orientation orientation, int role) const {
  // A row's header, which a screen reader names a row by, is its step.
  if (orientation == Qt::Vertical) {
    return role == Qt::DisplayRole ? data(index(section, 0), role) : QVariant();
  }
  if (section < 0 || section >= columnCount()) return {};
  if (role != Qt::DisplayRole) return {};
  static const std::string header = HeaderText();
  return QString::fromUtf8(SplitFields(header)[static_cast<std::size_t>(section)]);
}

Qt::ItemFlags TranscriptModel::flags(const QModelIndex& index) const {
  return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

}  // namespace corvale

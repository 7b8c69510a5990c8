#include "transcript_model.h"

#include <utility>

#include "transcript.h"

namespace corvale {
TranscriptModel::TranscriptModel(QObject* parent) : QAbstractTableModel(parent) {}

TranscriptModel::~TranscriptModel() { emit RowsAboutToChange(); }

void TranscriptModel::SetText(std::string_view text) {
  emit RowsAboutToChange();
  beginResetModel();
  lines_.Assign(text);
  endResetModel();
}

void TranscriptModel::Append(std::string text) {
  if (text.empty()) return;
  const int lastRow = rowCount() - 1;
  // All the memory first: a run that cannot have it leaves the table as it was.
  const int added = static_cast<int>(lines_.Prepare(text));
  // A run's rows each start with a line break; other text goes on the last line.
  const bool lastLineChanges = TranscriptLines::ExtendsLastLine(text);
  if (lastLineChanges) emit RowsAboutToChange();
  if (added > 0) beginInsertRows({}, lastRow + 1, lastRow + added);
  lines_.Commit(std::move(text));
  if (added > 0) endInsertRows();
  if (lastLineChanges && lastRow >= 0) {
    emit dataChanged(index(lastRow, 0), index(lastRow, columnCount() - 1));
  }
}

int TranscriptModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(lines_.LineCount() - 1);
}

int TranscriptModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(kColumns);
}

QVariant TranscriptModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  switch (role) {
    case Qt::DisplayRole:
      return QString::fromUtf8(
          SplitFields(lines_.Line(LineOf(index.row())))[static_cast<std::size_t>(index.column())]);
    case Qt::AccessibleTextRole: {
      // A screen reader reading a whole row names each value by its column.
      const auto column = static_cast<std::size_t>(index.column());
      const QString value =
          QString::fromUtf8(SplitFields(lines_.Line(LineOf(index.row())))[column]);
      if (reading_.IsBare(index)) return value;
      return headerData(index.column(), Qt::Horizontal, Qt::DisplayRole).toString() + u' ' + value;
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

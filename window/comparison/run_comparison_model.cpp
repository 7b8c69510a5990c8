#include "window/comparison/run_comparison_model.h"

#include <QCoreApplication>

#include "window/comparison/comparison_cells.h"
#include "window/comparison/comparison_speech.h"
#include "window/words/prose_number.h"

namespace corvale {

RunComparisonModel::RunComparisonModel(const LabBook* runs, QLocale locale, QObject* parent)
    : QAbstractTableModel(parent), runs_(runs), locale_(std::move(locale)) {
  Refresh();
}

void RunComparisonModel::Refresh() {
  beginResetModel();
  reading_.Forget();
  rows_.clear();
  ids_.clear();
  for (const KeptRun& kept : runs_->Kept()) {
    rows_.push_back(kept.summary);
    ids_.push_back(kept.id);
  }
  hasCurrent_ = runs_->Current().Size() > 0;
  if (hasCurrent_) {
    rows_.push_back(runs_->CurrentSummary());
    ids_.push_back(runs_->CurrentId());
  }
  endResetModel();
}

std::optional<RunId> RunComparisonModel::KeptIdOf(int row) const {
  if (row < 0 || row >= rowCount() || IsCurrent(row)) return std::nullopt;
  return ids_[static_cast<std::size_t>(row)];
}

int RunComparisonModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int RunComparisonModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kColumnCount;
}

QVariant RunComparisonModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) return {};
  const RunSummary& run = rows_[static_cast<std::size_t>(index.row())];
  const auto column = static_cast<Column>(index.column());
  if (role == Qt::TextAlignmentRole) {
    return QVariant::fromValue(column == kRun ? Qt::AlignLeft | Qt::AlignVCenter
                                              : Qt::AlignRight | Qt::AlignVCenter);
  }
  if (role != Qt::DisplayRole && role != kValueRole && role != Qt::AccessibleTextRole) return {};
  ComparisonCell cell;
  switch (column) {
    case kRun: {
      const QString number = ProseCount(index.row() + 1, locale_);
      cell.text = IsCurrent(index.row())
                      ? QCoreApplication::translate("RunComparison", "%1, current").arg(number)
                      : number;
      break;
    }
    case kKp:
      cell = {ProseNumber(run.gains.Kp, locale_), run.gains.Kp};
      break;
    case kKi:
      cell = {ProseNumber(run.gains.Ki, locale_), run.gains.Ki};
      break;
    case kKd:
      cell = {ProseNumber(run.gains.Kd, locale_), run.gains.Kd};
      break;
    case kSP:
      cell = {ProseNumber(run.gains.SP, locale_), run.gains.SP};
      break;
    default:
      cell = FigureCell(run, column, locale_);
  }
  if (role == kValueRole) return cell.value ? QVariant(*cell.value) : QVariant();
  if (role == Qt::AccessibleTextRole) return SpokenCell(column, cell, reading_.IsBare(index));
  return cell.text;
}

QVariant RunComparisonModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || section < 0 || section >= kColumnCount) return {};
  const auto column = static_cast<Column>(section);
  if (role == Qt::DisplayRole) return ColumnName(column);
  if (role == Qt::ToolTipRole) return ColumnExplanation(column);
  // Qt's header cell takes this before the shown name: a name by ear, with its unit.
  if (role == Qt::AccessibleTextRole) return SpokenColumnName(column);
  return {};
}

}  // namespace corvale

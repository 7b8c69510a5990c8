#include "window/comparison/run_comparison_model.h"

#include <QCoreApplication>
#include <algorithm>

#include "window/comparison/comparison_cells.h"
#include "window/comparison/comparison_speech.h"
#include "window/comparison/setting_cells.h"
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
  // The gains and SP always, as the runs' first difference; the plant and
  // the options where they differ.
  const RunFields differing = DifferingFields(rows_);
  columns_.clear();
  for (int c = 0; c < kColumnCount; ++c) {
    const auto column = static_cast<Column>(c);
    const std::optional<RunField> field = FieldOf(column);
    const bool always = !field || (column >= kKp && column <= kSP);
    if (always || differing.Has(*field)) columns_.push_back(column);
  }
  endResetModel();
}

std::optional<RunId> RunComparisonModel::KeptIdOf(int row) const {
  if (row < 0 || row >= rowCount() || IsCurrent(row)) return std::nullopt;
  return ids_[static_cast<std::size_t>(row)];
}

int RunComparisonModel::SectionOf(Column column) const {
  const auto at = std::find(columns_.begin(), columns_.end(), column);
  return at == columns_.end() ? -1 : static_cast<int>(at - columns_.begin());
}

std::optional<RunField> RunComparisonModel::FieldOf(Column column) {
  // The run's settings stand in RunField's order, a column each.
  static_assert(kNoiseSeed - kPlantGain + 1 == static_cast<int>(RunField::kCount));
  if (column < kPlantGain || column > kNoiseSeed) return std::nullopt;
  return static_cast<RunField>(column - kPlantGain);
}

int RunComparisonModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int RunComparisonModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

ComparisonCell RunComparisonModel::CellAt(int row, int section) const {
  const RunSummary& run = rows_[static_cast<std::size_t>(row)];
  const Column column = ColumnAt(section);
  if (column == kRun) {
    const QString number = ProseCount(row + 1, locale_);
    return {IsCurrent(row) ? QCoreApplication::translate("RunComparison", "%1, current").arg(number)
                           : number,
            std::nullopt};
  }
  if (const std::optional<RunField> field = FieldOf(column))
    return SettingCell(run, *field, locale_);
  return FigureCell(run, column, locale_);
}

QString RunComparisonModel::SpokenRow(int row) const {
  // The run first, with its place among them all, then every column named.
  const QString number = ProseCount(row + 1, locale_);
  const QString count = ProseCount(rowCount(), locale_);
  QStringList named{
      IsCurrent(row)
          ? QCoreApplication::translate("RunComparison", "Run %1 of %2, current").arg(number, count)
          : QCoreApplication::translate("RunComparison", "Run %1 of %2").arg(number, count)};
  for (int section = 0; section < columnCount(); ++section) {
    const Column column = ColumnAt(section);
    if (column != kRun) named << SpokenCell(column, CellAt(row, section), false);
  }
  return named.join(QLatin1String(", "));
}

QVariant RunComparisonModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount()) return {};
  const Column column = ColumnAt(index.column());
  if (role == Qt::TextAlignmentRole) {
    const bool text = column == kRun || column == kAntiWindup || column == kDerivativeOn;
    return QVariant::fromValue(text ? Qt::AlignLeft | Qt::AlignVCenter
                                    : Qt::AlignRight | Qt::AlignVCenter);
  }
  if (role != Qt::DisplayRole && role != kValueRole && role != Qt::AccessibleTextRole) return {};
  if (role == Qt::AccessibleTextRole) {
    switch (reading_.Of(index)) {
      case CellReading::Voice::kSilent:
        return CellReading::Silence();
      case CellReading::Voice::kRow:
        return SpokenRow(index.row());
      default:
        return SpokenCell(column, CellAt(index.row(), index.column()), reading_.IsBare(index));
    }
  }
  const ComparisonCell cell = CellAt(index.row(), index.column());
  if (role == kValueRole) return cell.value ? QVariant(*cell.value) : QVariant();
  return cell.text;
}

QVariant RunComparisonModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || section < 0 || section >= columnCount()) return {};
  const Column column = ColumnAt(section);
  if (role == Qt::DisplayRole) return ColumnName(column);
  if (role == Qt::ToolTipRole) return ColumnExplanation(column);
  // Qt's header cell takes this before the shown name: a name by ear, with its unit.
  if (role == Qt::AccessibleTextRole) return SpokenColumnName(column);
  return {};
}

}  // namespace corvale

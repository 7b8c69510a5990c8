#include "window/comparison/run_comparison_model.h"

#include <QCoreApplication>
#include <algorithm>
#include <numeric>
#include <tuple>

#include "window/comparison/comparison_cells.h"
#include "window/comparison/comparison_sort.h"
#include "window/comparison/comparison_speech.h"
#include "window/comparison/setting_cells.h"
#include "window/words/contexts.h"
#include "window/words/prose_number.h"
#include "window/words/run_names.h"

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
  entries_.clear();
  for (const KeptRun& kept : runs_->Kept()) {
    rows_.push_back(kept.summary);
    ids_.push_back(kept.id);
    entries_.push_back(EntryOf(kept));
  }
  hasCurrent_ = runs_->Current().Size() > 0;
  currentRow_ = hasCurrent_ ? static_cast<int>(rows_.size()) : -1;
  if (hasCurrent_) {
    rows_.push_back(runs_->CurrentSummary());
    ids_.push_back(runs_->CurrentId());
    entries_.push_back(EntryOf(rows_.back(), ids_.back()));
  }
  numbers_.resize(rows_.size());
  std::iota(numbers_.begin(), numbers_.end(), 1);
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
  // A column no longer shown sorts nothing: the order they ran.
  if (SectionOf(sortColumn_) < 0)
    std::tie(sortColumn_, sortOrder_) = std::pair(kRun, Qt::AscendingOrder);
  ApplySort();
  endResetModel();
}

void RunComparisonModel::ApplySort() {
  std::vector<SortKey> keys;
  for (std::size_t row = 0; row < rows_.size(); ++row) {
    const ComparisonCell cell = CellOf(row, sortColumn_);
    // The runs by their numbers; the words of a cell only where it holds words.
    const bool words = sortColumn_ == kAntiWindup || sortColumn_ == kDerivativeOn;
    keys.push_back({sortColumn_ == kRun ? std::optional<double>(numbers_[row]) : cell.value,
                    words && cell.text != NoFigure() ? cell.text : QString()});
  }
  const std::vector<std::size_t> order = SortedOrder(keys, sortOrder_);
  const auto reorder = [&order](auto& values) {
    auto old = values;
    for (std::size_t i = 0; i < order.size(); ++i) values[i] = old[order[i]];
  };
  reorder(rows_);
  reorder(ids_);
  reorder(entries_);
  reorder(numbers_);
  const auto current = std::find(order.begin(), order.end(), static_cast<std::size_t>(currentRow_));
  currentRow_ = hasCurrent_ ? static_cast<int>(current - order.begin()) : -1;
}

void RunComparisonModel::sort(int section, Qt::SortOrder order) {
  if (section < 0 || section >= columnCount()) return;
  emit layoutAboutToBeChanged();
  const QModelIndexList before = persistentIndexList();
  std::vector<std::pair<RunId, int>> runs;  // each persistent index's run and section
  for (const QModelIndex& index : before)
    runs.emplace_back(ids_[static_cast<std::size_t>(index.row())], index.column());
  sortColumn_ = ColumnAt(section);
  sortOrder_ = order;
  ApplySort();
  QModelIndexList after;
  for (const auto& [id, column] : runs) {
    const auto row = std::find(ids_.begin(), ids_.end(), id) - ids_.begin();
    after.push_back(index(static_cast<int>(row), column));
  }
  changePersistentIndexList(before, after);
  emit layoutChanged();
}

QString RunComparisonModel::SortedSentence() const {
  const QString sorted =
      ComparisonWords::tr("Sorted by %1, %2")
          .arg(SortColumnName(sortColumn_), SortDirection(sortColumn_, sortOrder_));
  if (rows_.empty() || sortColumn_ == kRun) return sorted + u'.';
  const QString name = RunNames(rows_, locale_).front();
  const ComparisonCell first = CellOf(0, sortColumn_);
  const QString said = ComparisonWords::tr("%1: %2, %3", "sorted by …: the run first, its value")
                           .arg(sorted, name, SpokenCell(sortColumn_, first, false));
  // Which value comes first is half the answer: how many share it, the other.
  int alike = 0;
  while (static_cast<std::size_t>(alike) + 1 < rows_.size() &&
         CellOf(static_cast<std::size_t>(alike) + 1, sortColumn_).text == first.text)
    ++alike;
  if (alike == 0) return said + u'.';
  if (alike == 1) return ComparisonWords::tr("%1; the next run alike.").arg(said);
  return ComparisonWords::tr("%1; the next %2 runs alike.").arg(said, ProseCount(alike, locale_));
}

std::vector<int> RunComparisonModel::WholeEntries(const std::vector<int>& rows) const {
  std::vector<RunId> entries;
  for (const int row : rows) {
    if (row >= 0 && row < rowCount()) entries.push_back(entries_[static_cast<std::size_t>(row)]);
  }
  std::vector<int> whole;
  for (int row = 0; row < rowCount(); ++row) {
    if (std::find(entries.begin(), entries.end(), entries_[static_cast<std::size_t>(row)]) !=
        entries.end())
      whole.push_back(row);
  }
  return whole;
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

QString RunComparisonModel::SpokenRow(int row) const {
  // The run first, by its number among them all, then every column named.
  const QString number = ProseCount(numbers_[static_cast<std::size_t>(row)], locale_);
  const QString count = ProseCount(rowCount(), locale_);
  QStringList named{
      IsCurrent(row)
          ? QCoreApplication::translate("RunComparison", "Run %1 of %2, current").arg(number, count)
          : QCoreApplication::translate("RunComparison", "Run %1 of %2").arg(number, count)};
  for (int section = 0; section < columnCount(); ++section) {
    const Column column = ColumnAt(section);
    if (column != kRun)
      named << SpokenCell(column, CellOf(static_cast<std::size_t>(row), column), false);
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
        break;
    }
  }
  const ComparisonCell cell = CellOf(static_cast<std::size_t>(index.row()), column);
  if (role == kValueRole) return cell.value ? QVariant(*cell.value) : QVariant();
  if (role == Qt::AccessibleTextRole) return SpokenCell(column, cell, reading_.IsBare(index));
  return cell.text;
}

ComparisonCell RunComparisonModel::CellOf(std::size_t row, Column column) const {
  const RunSummary& run = rows_[row];
  ComparisonCell cell;
  if (column == kRun) {
    const QString number = ProseCount(numbers_[row], locale_);
    cell.text = IsCurrent(static_cast<int>(row))
                    ? QCoreApplication::translate("RunComparison", "%1, current").arg(number)
                    : number;
  } else if (const std::optional<RunField> field = FieldOf(column)) {
    cell = SettingCell(run, *field, locale_);
  } else {
    cell = FigureCell(run, column, locale_);
  }
  return cell;
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

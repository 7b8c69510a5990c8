#include "window/comparison/comparison_sort.h"

#include <algorithm>
#include <numeric>

#include "window/comparison/comparison_speech.h"
#include "window/words/contexts.h"

namespace corvale {

std::vector<std::size_t> SortedOrder(const std::vector<SortKey>& keys, Qt::SortOrder order) {
  std::vector<std::size_t> rows(keys.size());
  std::iota(rows.begin(), rows.end(), 0);
  const bool up = order == Qt::AscendingOrder;
  std::stable_sort(rows.begin(), rows.end(), [&keys, up](std::size_t a, std::size_t b) {
    const SortKey& x = keys[a];
    const SortKey& y = keys[b];
    if (x.Missing() || y.Missing()) return !x.Missing() && y.Missing();
    // Numbers before words, a column holding both (a rise "under 1").
    if (x.value.has_value() != y.value.has_value()) return x.value.has_value();
    if (x.value) return up ? *x.value < *y.value : *y.value < *x.value;
    const int compared = QString::localeAwareCompare(x.text, y.text);
    return up ? compared < 0 : compared > 0;
  });
  return rows;
}

QString SortColumnName(RunComparisonModel::Column column) {
  using C = RunComparisonModel;
  switch (column) {
    case C::kRise:
      return ComparisonWords::tr("Rise time");
    case C::kSettling:
      return ComparisonWords::tr("Settling time");
    case C::kOvershoot:
      return ComparisonWords::tr("Overshoot");
    case C::kSteps:
      return ComparisonWords::tr("Steps");
    default:
      return SpokenColumnName(column);
  }
}

QString SortDirection(RunComparisonModel::Column column, Qt::SortOrder order) {
  using C = RunComparisonModel;
  const bool up = order == Qt::AscendingOrder;
  switch (column) {
    case C::kRun:
      return up ? ComparisonWords::tr("in the order they ran")
                : ComparisonWords::tr("latest first");
    case C::kRise:
    case C::kSettling:
      return up ? ComparisonWords::tr("shortest first") : ComparisonWords::tr("longest first");
    case C::kSettledFrom:
    case C::kLoadStep:
      return up ? ComparisonWords::tr("earliest first") : ComparisonWords::tr("latest first");
    case C::kAntiWindup:
    case C::kDerivativeOn:
      return up ? ComparisonWords::tr("in alphabetical order")
                : ComparisonWords::tr("in reverse alphabetical order");
    default:
      return up ? ComparisonWords::tr("smallest first") : ComparisonWords::tr("largest first");
  }
}

}  // namespace corvale

#include "run_series.h"

#include <algorithm>

#include "run_marks.h"

namespace corvale {

std::vector<SeriesId> SeriesOf(const RunHistory& history) {
  using K = SeriesId::Kind;
  std::vector<SeriesId> all = {{K::Pv}, {K::X}, {K::Error}, {K::P}, {K::I}, {K::D}};
  for (std::size_t k = 0; k < history.Kept().size(); ++k) all.push_back({K::KeptPv, k});
  return all;
}

std::optional<double> SeriesValue(const RunHistory& history, SeriesId series, std::size_t row) {
  using K = SeriesId::Kind;
  if (series.kind == K::KeptPv) {
    if (series.kept >= history.Kept().size()) return std::nullopt;
    const KeptSeries& pv = history.Kept()[series.kept].pv;
    if (row >= pv.Size()) return std::nullopt;
    return pv.Value(row);
  }
  const ResponseTrace& trace = history.Current();
  if (row >= trace.Size()) return std::nullopt;
  const ResponseSample& s = trace.Sample(row);
  switch (series.kind) {
    case K::X:
      return s.x;
    case K::Error:
      return s.error;
    case K::P:
      return s.p;
    case K::I:
      return s.i;
    case K::D:
      return s.d;
    default:
      return s.pv;
  }
}

std::vector<double> SeriesValues(const RunHistory& history, SeriesId series) {
  std::vector<double> values;
  for (std::size_t row = 0;; ++row) {
    const std::optional<double> value = SeriesValue(history, series, row);
    if (!value) return values;
    values.push_back(*value);
  }
}

std::vector<ResponseTrace::Run> SeriesSetPoints(const RunHistory& history, SeriesId series) {
  if (series.kind != SeriesId::Kind::KeptPv) return history.Current().Runs();
  if (series.kept >= history.Kept().size()) return {};
  return history.Kept()[series.kept].summary.setPoints;
}

PitchScale SeriesScale(const RunHistory& history, SeriesId series) {
  using K = SeriesId::Kind;
  if (series.kind == K::X) return {0, 255};
  ValueRange range;
  if (series.kind == K::Pv || series.kind == K::KeptPv) {
    range = history.Current().Extent();
    for (const KeptRun& run : history.Kept()) {
      range.low = std::min(range.low, run.summary.extent.low);
      range.high = std::max(range.high, run.summary.extent.high);
    }
    return {range.low, range.high};
  }
  for (const double value : SeriesValues(history, series)) {
    range.low = std::min(range.low, value);
    range.high = std::max(range.high, value);
  }
  return {range.low, range.high};
}

std::vector<std::size_t> SeriesCrossings(const RunHistory& history, SeriesId series) {
  const SeriesId pv = series.kind == SeriesId::Kind::KeptPv ? series : SeriesId{};
  return Crossings(SeriesValues(history, pv), SeriesSetPoints(history, pv));
}

}  // namespace corvale

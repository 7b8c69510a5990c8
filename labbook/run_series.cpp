#include "labbook/run_series.h"

#include <algorithm>

namespace corvale {

std::vector<SeriesId> SeriesOf(const LabBook& book) {
  using K = SeriesId::Kind;
  std::vector<SeriesId> all = {{K::Pv}, {K::X}, {K::Error}, {K::P}, {K::I}, {K::D}};
  for (const KeptRun& run : book.Kept()) all.push_back({K::KeptPv, run.id});
  return all;
}

namespace {

double ValueOf(const ResponseTrace& trace, SeriesId::Kind kind, std::size_t row) {
  using K = SeriesId::Kind;
  switch (kind) {
    case K::X:
      return trace.Sample(row).x;
    case K::Error:
      return trace.Record(row).Error;
    case K::P:
      return trace.Record(row).P;
    case K::I:
      return trace.Record(row).I;
    case K::D:
      return trace.Record(row).D;
    default:
      return trace.Sample(row).pv;
  }
}

}  // namespace

std::optional<double> SeriesValue(const LabBook& book, SeriesId series, std::size_t row) {
  if (series.kind == SeriesId::Kind::KeptPv) {
    const KeptRun* run = book.FindKept(series.kept);
    if (!run || row >= run->pv.Size()) return std::nullopt;
    return run->pv.Value(row);
  }
  if (row >= book.Current().Size()) return std::nullopt;
  return ValueOf(book.Current(), series.kind, row);
}

std::vector<double> SeriesValues(const LabBook& book, SeriesId series) {
  std::vector<double> values;
  if (series.kind == SeriesId::Kind::KeptPv) {
    const KeptRun* run = book.FindKept(series.kept);
    if (!run) return values;
    values.reserve(run->pv.Size());
    for (std::size_t row = 0; row < run->pv.Size(); ++row) values.push_back(run->pv.Value(row));
    return values;
  }
  const ResponseTrace& trace = book.Current();
  values.reserve(trace.Size());
  for (std::size_t row = 0; row < trace.Size(); ++row) {
    values.push_back(ValueOf(trace, series.kind, row));
  }
  return values;
}

std::vector<ResponseTrace::Run> SeriesSetPoints(const LabBook& book, SeriesId series) {
  if (series.kind != SeriesId::Kind::KeptPv) return book.Current().Runs();
  const KeptRun* run = book.FindKept(series.kept);
  return run ? run->summary.setPoints : std::vector<ResponseTrace::Run>{};
}

const std::vector<RunMark>& SeriesMarks(const LabBook& book, SeriesId series) {
  static const std::vector<RunMark> none;
  if (series.kind != SeriesId::Kind::KeptPv) return book.CurrentMarks();
  const KeptRun* run = book.FindKept(series.kept);
  return run ? run->marks : none;
}

PitchScale SeriesScale(const LabBook& book, SeriesId series) {
  using K = SeriesId::Kind;
  ValueRange range;
  if (series.kind == K::Pv || series.kind == K::KeptPv) {
    range = book.Current().Extent();
    for (const KeptRun& run : book.Kept()) {
      range.low = std::min(range.low, run.summary.extent.low);
      range.high = std::max(range.high, run.summary.extent.high);
    }
    return {range.low, range.high};
  }
  for (const double value : SeriesValues(book, series)) {
    range.low = std::min(range.low, value);
    range.high = std::max(range.high, value);
  }
  return {range.low, range.high};
}

}  // namespace corvale

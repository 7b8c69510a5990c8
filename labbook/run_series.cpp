#include "labbook/run_series.h"

#include <algorithm>

namespace corvale {

std::optional<Term> TermOf(SeriesId::Kind kind) {
  using K = SeriesId::Kind;
  switch (kind) {
    case K::Error:
      return Term::Error;
    case K::P:
      return Term::P;
    case K::I:
      return Term::I;
    case K::D:
      return Term::D;
    default:
      return std::nullopt;
  }
}

SeriesId::Kind KindOf(Term term) {
  constexpr SeriesId::Kind kinds[] = {SeriesId::Kind::Error, SeriesId::Kind::P, SeriesId::Kind::I,
                                      SeriesId::Kind::D};
  return kinds[static_cast<std::size_t>(term)];
}

std::vector<SeriesId> SeriesOf(const LabBook& book) {
  using K = SeriesId::Kind;
  std::vector<SeriesId> all = {{K::Pv}, {K::X}, {K::Error}, {K::P}, {K::I}, {K::D}};
  if (book.Current().Noisy()) all.insert(all.begin() + 1, {K::TruePv});
  for (const KeptRun& run : book.Kept()) all.push_back({K::KeptPv, run.id});
  return all;
}

namespace {

double ValueOf(const ResponseTrace& trace, SeriesId::Kind kind, std::size_t row) {
  if (const std::optional<Term> term = TermOf(kind))
    return TermsOf(trace.Record(row))[static_cast<std::size_t>(*term)];
  if (kind == SeriesId::Kind::TruePv) return trace.TruePv(row);
  return kind == SeriesId::Kind::X ? trace.Sample(row).x : trace.Sample(row).pv;
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

MarkKinds MarkKindsOf(SeriesId::Kind kind) {
  using K = SeriesId::Kind;
  using M = RunMark::Kind;
  if (kind == K::Pv || kind == K::KeptPv) return kEveryMark;
  if (kind == K::X) return KindsOf({M::LimitExit, M::LimitEntry, M::SetPointChange, M::LoadChange});
  return KindsOf({M::SetPointChange, M::LoadChange});
}

std::vector<Level> SetPointLevels(const LabBook& book, SeriesId series) {
  std::vector<Level> levels;
  for (const ResponseTrace::Run& run : SeriesSetPoints(book, series)) {
    // As the marks have it: any other SP is a change.
    if (levels.empty() || run.SetPoint() != levels.back().value)
      levels.push_back({levels.empty() ? 0 : run.firstRow, run.SetPoint()});
  }
  return levels;
}

PitchScale SeriesScale(const LabBook& book, SeriesId series) {
  using K = SeriesId::Kind;
  ValueRange range;
  if (series.kind == K::Pv || series.kind == K::KeptPv || series.kind == K::TruePv) {
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

#include "run_series.h"

#include <algorithm>

namespace corvale {

std::vector<SeriesId> SeriesOf(const RunHistory& history) {
  using K = SeriesId::Kind;
  std::vector<SeriesId> all = {{K::Pv}, {K::X}, {K::Error}, {K::P}, {K::I}, {K::D}};
  for (std::size_t k = 0; k < history.Kept().size(); ++k) all.push_back({K::KeptPv, k});
  return all;
}

namespace {

// The controller's terms up to a row, worked out again from PV and each
// command's gains in the loop's own order (D afresh at each command, the sum
// of the errors carried on), so that a run keeps only X and PV a row.
class Terms {
 public:
  explicit Terms(const RunHistory& history) : history_(history) {}
  void Step(std::size_t row) {
    const auto& runs = history_.Current().Runs();
    if (command_ + 1 < runs.size() && runs[command_ + 1].firstRow == row) ++command_, last_ = 0;
    const Gains& g = history_.CommandGains()[command_];
    error_ = g.SP - history_.Current().Sample(row).pv;
    integral_ = integral_ + error_;
    p_ = g.Kp * error_;
    d_ = g.Kd * (error_ - last_);
    i_ = g.Ki * integral_;
    last_ = error_;
  }
  double Of(SeriesId::Kind kind) const {
    using K = SeriesId::Kind;
    return kind == K::Error ? error_ : kind == K::P ? p_ : kind == K::I ? i_ : d_;
  }

 private:
  const RunHistory& history_;
  std::size_t command_ = 0;
  double last_ = 0, integral_ = 0, error_ = 0, p_ = 0, i_ = 0, d_ = 0;
};

bool IsTerm(SeriesId::Kind kind) {
  using K = SeriesId::Kind;
  return kind == K::Error || kind == K::P || kind == K::I || kind == K::D;
}

}  // namespace

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
  if (IsTerm(series.kind)) {
    Terms terms(history);
    for (std::size_t r = 0; r <= row; ++r) terms.Step(r);
    return terms.Of(series.kind);
  }
  return series.kind == K::X ? trace.Sample(row).x : trace.Sample(row).pv;
}

std::vector<double> SeriesValues(const RunHistory& history, SeriesId series) {
  std::vector<double> values;
  if (IsTerm(series.kind)) {
    Terms terms(history);
    for (std::size_t row = 0; row < history.Current().Size(); ++row) {
      terms.Step(row);
      values.push_back(terms.Of(series.kind));
    }
    return values;
  }
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

}  // namespace corvale

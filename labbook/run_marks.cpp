#include "labbook/run_marks.h"

#include <algorithm>
#include <utility>

namespace corvale {
namespace {

using Kind = RunMark::Kind;

void AddFigures(std::vector<RunMark>& marks, const StepFigures& f) {
  const auto add = [&marks](std::optional<std::int64_t> step, Kind kind) {
    if (step && *step >= 1) marks.push_back({static_cast<std::size_t>(*step - 1), kind});
  };
  add(f.riseFrom, Kind::RiseStart);
  add(f.riseTo, Kind::RiseEnd);
  add(f.peakStep, Kind::Peak);
  add(f.settledFrom, Kind::Settled);
}

constexpr std::size_t kBlock = ResponseTrace::kBlockRows;

// Whether every row of the block from `row` sits at `limit`, None for none.
bool AllAt(const ResponseTrace& trace, std::size_t row, Limit limit) {
  const std::size_t atZero = trace.CountAt(Limit::AtZero, row, row + kBlock);
  const std::size_t atFull = trace.CountAt(Limit::AtFull, row, row + kBlock);
  if (limit == Limit::None) return atZero + atFull == 0;
  return (limit == Limit::AtZero ? atZero : atFull) == kBlock;
}

void AddLimits(std::vector<RunMark>& marks, const ResponseTrace& trace) {
  Limit before = Limit::None;
  const std::size_t most = marks.size() + kMostMarks;
  for (std::size_t row = 0; row < trace.Size() && marks.size() < most; ++row) {
    // A block that stays where X was adds no mark.
    while (row % kBlock == 0 && row + kBlock <= trace.Size() && AllAt(trace, row, before)) {
      row += kBlock;
    }
    if (row == trace.Size()) break;
    const Limit now = trace.LimitAt(row);
    if (now == before) continue;
    if (before != Limit::None) marks.push_back({row, Kind::LimitExit, before});
    if (now != Limit::None) marks.push_back({row, Kind::LimitEntry, now});
    before = now;
  }
}

int SideOf(double value, double setPoint, double band) {
  return value > setPoint + band ? 1 : value < setPoint - band ? -1 : 0;
}

// `blockAt(row)`: the range of the block of values from `row`, where the walk
// may pass over it; none where it may not.
template <typename ValueAt, typename BlockAt>
std::vector<std::size_t> CrossingsOf(std::size_t size, ValueAt valueAt, BlockAt blockAt,
                                     std::span<const ResponseTrace::Run> setPoints, double band) {
  std::vector<std::size_t> rows;
  int side = 0;             // the last side seen off SP, 0 for none yet
  std::size_t onSince = 0;  // the first row of the stretch on SP
  bool on = false;
  double setPoint = 0;
  std::size_t run = 0;
  for (std::size_t row = 0; row < size && rows.size() < kMostMarks; ++row) {
    while (run < setPoints.size() && setPoints[run].firstRow == row) {
      if (row == 0 || setPoints[run].SetPoint() != setPoint) side = 0, on = false;
      setPoint = setPoints[run++].SetPoint();
    }
    // A block wholly on one side of SP, or on it, where the walk already
    // stands, and under one set point, changes nothing but the stretch on SP.
    if (const std::optional<ValueRange> block = blockAt(row);
        block && (run == setPoints.size() || setPoints[run].firstRow >= row + kBlock)) {
      const int low = SideOf(block->low, setPoint, band);
      if (low == SideOf(block->high, setPoint, band) && (low == 0 || low == side)) {
        if (low == 0 && !on) onSince = row;
        on = low == 0;
        row += kBlock - 1;
        continue;
      }
    }
    const int now = SideOf(valueAt(row), setPoint, band);
    if (now == 0) {
      if (!on) onSince = row;
      on = true;
      continue;
    }
    if (side != 0 && now != side) rows.push_back(on ? onSince : row);
    side = now;
    on = false;
  }
  return rows;
}

void AddSetPointChanges(std::vector<RunMark>& marks, std::span<const ResponseTrace::Run> runs) {
  for (std::size_t r = 1; r < runs.size(); ++r) {
    if (runs[r].SetPoint() != runs[r - 1].SetPoint())
      marks.push_back({runs[r].firstRow, Kind::SetPointChange});
  }
}

// Where the load on the plant's input changes: at a command's first row
// where it differs from the row before, and at the step the command's load
// begins.
void AddLoads(std::vector<RunMark>& marks, std::span<const ResponseTrace::Run> runs,
              std::size_t size) {
  double before = 0;
  for (std::size_t r = 0; r < runs.size(); ++r) {
    const std::size_t first = runs[r].firstRow;
    const std::size_t end = r + 1 < runs.size() ? runs[r + 1].firstRow : size;
    if (first >= end) continue;
    const LoopOptions& options = runs[r].options;
    const auto load = [&options](std::size_t row) {
      return options.LoadOn(ResponseTrace::StepOf(row));
    };
    if (load(first) != before) marks.push_back({first, Kind::LoadChange});
    const auto begins = static_cast<std::size_t>(std::max<std::int64_t>(options.loadStep - 1, 0));
    if (options.loadSize != 0 && begins > first && begins < end)
      marks.push_back({begins, Kind::LoadChange});
    before = load(end - 1);
  }
}

bool Before(const RunMark& a, const RunMark& b) {
  return a.row != b.row ? a.row < b.row : a.kind < b.kind;
}

}  // namespace

std::vector<std::size_t> Crossings(std::span<const double> values,
                                   std::span<const ResponseTrace::Run> setPoints, double band) {
  return CrossingsOf(
      values.size(), [values](std::size_t row) { return values[row]; },
      [](std::size_t) { return std::optional<ValueRange>(); }, setPoints, band);
}

double CrossingBand(const ValueRange& extent) { return (extent.high - extent.low) / 1000; }

std::vector<RunMark> FindMarks(const ResponseTrace& trace,
                               const std::optional<StepFigures>& figures) {
  std::vector<RunMark> marks;
  if (figures && figures->settled) AddFigures(marks, *figures);
  std::sort(marks.begin(), marks.end(), Before);
  // Every other kind's marks come in row order, each kind merged in as it
  // comes: a noisy PV crosses SP tens of thousands of times, which a sort of
  // them all would cost far more than.
  const auto merged = [&marks](std::size_t from) {
    std::inplace_merge(marks.begin(), marks.begin() + static_cast<std::ptrdiff_t>(from),
                       marks.end(), Before);
  };
  std::size_t from = marks.size();
  AddLimits(marks, trace);
  merged(std::exchange(from, marks.size()));
  AddSetPointChanges(marks, trace.Runs());
  merged(std::exchange(from, marks.size()));
  AddLoads(marks, trace.Runs(), trace.Size());
  merged(std::exchange(from, marks.size()));
  const auto pv = [&trace](std::size_t row) { return trace.Sample(row).pv; };
  const auto block = [&trace](std::size_t row) -> std::optional<ValueRange> {
    if (row % kBlock != 0 || row + kBlock > trace.Size()) return std::nullopt;
    return trace.PvRange(row, row + kBlock);
  };
  for (const std::size_t row :
       CrossingsOf(trace.Size(), pv, block, trace.Runs(), CrossingBand(trace.Extent())))
    marks.push_back({row, Kind::Crossing});
  merged(from);
  return marks;
}

std::vector<std::size_t> CrossingRows(const std::vector<RunMark>& marks) {
  std::vector<std::size_t> rows;
  for (const RunMark& mark : marks)
    if (mark.kind == Kind::Crossing) rows.push_back(mark.row);
  return rows;
}

std::vector<std::size_t> LoadRows(const std::vector<RunMark>& marks) {
  std::vector<std::size_t> rows;
  for (const RunMark& mark : marks)
    if (mark.kind == Kind::LoadChange) rows.push_back(mark.row);
  return rows;
}

double LoadAt(std::span<const ResponseTrace::Run> commands, std::size_t row) {
  const auto after = std::upper_bound(
      commands.begin(), commands.end(), row,
      [](std::size_t r, const ResponseTrace::Run& run) { return r < run.firstRow; });
  if (after == commands.begin()) return 0;
  return std::prev(after)->options.LoadOn(ResponseTrace::StepOf(row));
}

MarkKinds KindsOf(std::initializer_list<RunMark::Kind> kinds) {
  MarkKinds set;
  for (const RunMark::Kind kind : kinds) set.set(static_cast<std::size_t>(kind));
  return set;
}

std::optional<std::size_t> NextMarkRow(const std::vector<RunMark>& marks, long long row,
                                       bool forward, bool crossings, MarkKinds kinds) {
  const auto wanted = [crossings, kinds](const RunMark& m) {
    return (m.kind == Kind::Crossing) == crossings && kinds.test(static_cast<std::size_t>(m.kind));
  };
  if (forward) {
    const auto next = std::find_if(marks.begin(), marks.end(), [&](const RunMark& m) {
      return static_cast<long long>(m.row) > row && wanted(m);
    });
    if (next == marks.end()) return std::nullopt;
    return next->row;
  }
  const auto previous = std::find_if(marks.rbegin(), marks.rend(), [&](const RunMark& m) {
    return static_cast<long long>(m.row) < row && wanted(m);
  });
  if (previous == marks.rend()) return std::nullopt;
  return previous->row;
}

}  // namespace corvale

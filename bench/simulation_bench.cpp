// Speed of the simulation on its own: one value, one step with its row, and
// a whole run into in-memory fields.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <random>
#include <vector>

#include "form/commands.h"
#include "form/memory_form_fields.h"
#include "form/sweep_command.h"
#include "labbook/kept_series.h"
#include "labbook/lab_book.h"
#include "labbook/run_marks.h"
#include "simulation/step.h"
#include "simulation/transcript.h"

namespace corvale {
namespace {

void BM_FormatValue(benchmark::State& state) {
  std::mt19937_64 random(1);
  std::uniform_real_distribution<double> values(-300, 300);
  std::vector<double> inputs(4096);
  for (double& v : inputs) v = values(random);
  std::string out;
  std::size_t i = 0;
  for (auto _ : state) {
    out.clear();
    AppendFormattedValue(out, inputs[i++ & 4095], ".");
    benchmark::DoNotOptimize(out.data());
  }
}
BENCHMARK(BM_FormatValue);

void BM_StepWithRow(benchmark::State& state) {
  LoopState loop;
  const Gains gains{.Kp = 0.5, .Ki = 0.5, .Kd = 0.5, .SP = 5};
  double lastError = 0;
  std::string row;
  for (auto _ : state) {
    row.clear();
    const StepRecord record = StepOnce(loop, lastError, gains);
    RowText(row, record, ".");
    CommitStep(loop, record);
    lastError = record.Error;
    benchmark::DoNotOptimize(row.data());
  }
}
BENCHMARK(BM_StepWithRow);

// A million steps of the law alone, on the default loop (0) and on the
// lessons' hardest (1): two lags, a dead time of 10, noise and
// back-calculation. The second may cost at most a little more.
void BM_MillionSteps(benchmark::State& state) {
  LoopOptions options;
  if (state.range(0) == 1) {
    options = {.plant = {.K = 1, .T1 = 5, .T2 = 5, .deadTime = 10},
               .antiWindup = AntiWindup::BackCalculation,
               .trackingGain = 0.5,
               .noise = 0.1,
               .noiseSeed = 1};
  }
  const Gains gains{.Kp = 4, .Ki = 0.2, .Kd = 10, .SP = 5};
  for (auto _ : state) {
    LoopState loop;
    ResetState(loop, options.noiseSeed);
    double lastError = 0;
    double sum = 0;
    for (int n = 0; n < 1'000'000; ++n) {
      const StepRecord record = StepOnce(loop, lastError, gains, options);
      CommitStep(loop, record);
      lastError = record.Error;
      sum += record.PV;
    }
    benchmark::DoNotOptimize(sum);
  }
}
BENCHMARK(BM_MillionSteps)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

long PeakResidentKiB() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

// Run alone (--benchmark_filter=Run/1000000) for a meaningful peak memory.
void BM_Run(benchmark::State& state) {
  const auto steps = std::to_string(state.range(0));
  std::size_t transcriptBytes = 0;
  // Google Benchmark calls this more than once (a trial run first): the peak
  // is the process's before the first call.
  static const long peakBefore = PeakResidentKiB();
  for (auto _ : state) {
    LabBook book;
    MemoryFormFields fields;
    fields.SetBox(Box::Loops, steps);
    if (!OnCompute(book, fields).ok()) state.SkipWithError("run failed");
    transcriptBytes = book.TextBytes();
  }
  state.counters["transcript_MiB"] = static_cast<double>(transcriptBytes) / (1 << 20);
  state.counters["peak_rss_growth_MiB"] =
      static_cast<double>(PeakResidentKiB() - peakBefore) / 1024;
}
BENCHMARK(BM_Run)->Arg(100)->Arg(32766)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

// A million-step Compute on the default loop (0) and on the lessons' hardest
// (1): two lags, dead time 10, noise and back-calculation. The second is to
// cost at most 1.15 times the first.
void BM_ComputeOnPlant(benchmark::State& state) {
  MemoryFormFields fields;
  // The two-lag lesson's gains, on either plant.
  const std::pair<Box, const char*> gains[] = {
      {Box::Kp, "4"}, {Box::Ki, ".2"}, {Box::Kd, "10"}, {Box::Loops, "1000000"}};
  for (const auto& [box, text] : gains) fields.SetBox(box, text);
  if (state.range(0) == 1) {
    const std::pair<Box, const char*> boxes[] = {{Box::PlantGain, "1"}, {Box::PlantLag1, "5"},
                                                 {Box::PlantLag2, "5"}, {Box::PlantDeadTime, "10"},
                                                 {Box::Noise, ".1"},    {Box::NoiseSeed, "1"}};
    for (const auto& [box, text] : boxes) fields.SetBox(box, text);
    fields.SetChoices({AntiWindup::BackCalculation, false});
  }
  for (auto _ : state) {
    LabBook book;
    if (!OnCompute(book, fields).ok()) state.SkipWithError("run failed");
  }
}
BENCHMARK(BM_ComputeOnPlant)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The marks N and C stop at on a million-step run, found once as it changes;
// a kept run keeps those it had.
void BM_Marks(benchmark::State& state) {
  LabBook book;
  MemoryFormFields fields;
  fields.SetBox(Box::Loops, "1000000");
  if (!OnCompute(book, fields).ok()) return state.SkipWithError("run failed");
  const std::optional<StepFigures> figures = MeasureStep(book.Current());
  for (auto _ : state) {
    const std::vector<RunMark> marks = FindMarks(book.Current(), figures);
    benchmark::DoNotOptimize(marks.data());
  }
}
BENCHMARK(BM_Marks)->Unit(benchmark::kMillisecond);

// A million-step run reduced to be kept behind the next one: its PV and
// its four terms, as a Compute after it does.
void BM_KeepRun(benchmark::State& state) {
  LabBook book;
  MemoryFormFields fields;
  fields.SetBox(Box::Loops, "1000000");
  if (!OnCompute(book, fields).ok()) return state.SkipWithError("run failed");
  for (auto _ : state) {
    const KeptSeries pv = KeptSeries::OfPv(book.Current());
    const std::array<KeptSeries, kTerms> terms = KeptSeries::OfTerms(book.Current());
    benchmark::DoNotOptimize(pv.Size() + terms[0].Size());
  }
}
BENCHMARK(BM_KeepRun)->Unit(benchmark::kMillisecond);

// A sweep of Kp in 50 runs of 1,000 steps each, P alone, as a class finds
// the Kp that settles fastest: every run measured and kept reduced.
void BM_Sweep(benchmark::State& state) {
  MemoryFormFields fields;
  const std::pair<Box, const char*> boxes[] = {
      {Box::Ki, "0"}, {Box::Kd, "0"}, {Box::Loops, "1000"}};
  for (const auto& [box, text] : boxes) fields.SetBox(box, text);
  for (auto _ : state) {
    LabBook book;
    if (!OnSweep(book, fields, {Box::Kp, ".1", "2", 50}).ok()) state.SkipWithError("sweep failed");
    benchmark::DoNotOptimize(book.Kept().size());
  }
}
BENCHMARK(BM_Sweep)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace corvale

BENCHMARK_MAIN();

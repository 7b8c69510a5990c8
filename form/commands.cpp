#include "form/commands.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <new>
#include <string>
#include <utility>
#include <variant>

#include "form/option_boxes.h"
#include "simulation/parse_number.h"
#include "simulation/plant.h"
#include "simulation/step.h"
#include "simulation/transcript.h"

namespace corvale {
namespace {

// Everything a run needs, read and checked before it changes anything.
struct PreparedRun {
  std::array<std::string, kBoxCount> texts;  // as typed, by Box
  Gains gains;
  LoopOptions options;
  std::int64_t steps = 0;
  NumberFormat numbers;
};

// The loop counter starts at 1 and a step is done while it is at most the
// bound, a whole number.
std::int64_t StepsForBound(double bound) {
  if (!(bound >= 1)) return 0;
  if (bound > static_cast<double>(kMaxStepsPerRun + 1)) return kMaxStepsPerRun + 1;
  return static_cast<std::int64_t>(bound);
}

// The box whose number drove the step out of binary64's finite range, taken
// from the first value in evaluation order that is not finite; none when
// every value is finite. The output needs no check: a sum of finite terms
// that overflows is still rightly limited to 0 or 255.
std::optional<Box> OverflowSource(const StepRecord& r, const LoopOptions& options) {
  if (!std::isfinite(r.lag) || !std::isfinite(r.truePv)) {
    // A load beyond the output's own range is what a large plant input
    // comes from.
    const bool load = options.LoadAt(r.Step) && std::abs(options.loadSize) > kOutputHigh;
    return load ? Box::LoadSize : Box::PlantGain;
  }
  if (!std::isfinite(r.PV)) return Box::Noise;
  if (!std::isfinite(r.Error) || !std::isfinite(r.Integral)) return Box::SP;
  if (!std::isfinite(r.P)) return Box::Kp;
  if (!std::isfinite(r.D)) return Box::Kd;
  if (!std::isfinite(r.I)) return Box::Ki;
  if (!std::isfinite(r.nextIntegral)) return Box::TrackingGain;
  return std::nullopt;
}

std::variant<PreparedRun, Failure> PrepareRun(const FormFields& fields, const NumberFormat& numbers,
                                              std::int64_t lastStep) {
  PreparedRun run;
  run.numbers = numbers;
  for (Box box : {Box::Ki, Box::Kd, Box::Kp, Box::SP, Box::Loops}) {
    run.texts[IndexOf(box)] = fields.ReadBox(box);
  }
  const std::string& loops = run.texts[IndexOf(Box::Loops)];

  const ParsedNumber bound = ParseNumber(loops, run.numbers);
  // A bound beyond binary64's range still asks for far too many steps.
  const bool hugeBound = bound.error == ParseError::OutOfRange && bound.value > 0;
  if (!bound.ok() && !hugeBound) return UnreadBox(Box::Loops, loops, bound.error);
  // The tooltip asks for a whole number; a fraction is more likely a slip
  // than a wish for fewer steps.
  if (bound.ok() && std::floor(bound.value) != bound.value) {
    return Failure{Box::Loops, loops, 0, FailureReason::NotAWholeNumber};
  }
  run.steps = StepsForBound(bound.value);
  if (run.steps > kMaxStepsPerRun ||
      run.steps > std::numeric_limits<std::int64_t>::max() - lastStep) {
    return Failure{Box::Loops, loops, 0, FailureReason::TooManySteps};
  }
  if (run.steps == 0) return run;  // no step will use the gains

  // In the order the first step uses them, so the failure named is the one a
  // step would meet first.
  const std::pair<Box, double*> inputs[] = {{Box::SP, &run.gains.SP},
                                            {Box::Kp, &run.gains.Kp},
                                            {Box::Kd, &run.gains.Kd},
                                            {Box::Ki, &run.gains.Ki}};
  for (const auto& [box, value] : inputs) {
    const std::string& text = run.texts[IndexOf(box)];
    const ParsedNumber parsed = ParseNumber(text, run.numbers);
    if (!parsed.ok()) return UnreadBox(box, text, parsed.error);
    *value = parsed.value;
  }
  auto options = ReadLoopOptions(fields, run.numbers, run.texts);
  if (auto* failure = std::get_if<Failure>(&options)) return std::move(*failure);
  run.options = std::get<LoopOptions>(options);
  return run;
}

std::optional<Failure> OverflowFailure(const StepRecord& record, const PreparedRun& run) {
  const auto box = OverflowSource(record, run.options);
  if (!box) return std::nullopt;
  return Failure{*box, run.texts[IndexOf(*box)], record.Step, FailureReason::Overflow};
}

RunOutcome Execute(LabBook& book, PreparedRun run, BookChange change) {
  RunOutcome outcome;
  outcome.change = std::move(change);
  LoopState next = book.State();
  SeedNoise(next, run.options.noiseSeed);
  const std::size_t transcriptRoom =
      kMaxTranscriptText - std::min(kMaxTranscriptText, book.TextBytes());
  std::vector<ResponseSample> rows;
  std::vector<double> truePv;  // where PV is read with noise
  RowsWritten written;
  try {
    rows.reserve(static_cast<std::size_t>(run.steps));
    if (run.options.noise != 0) truePv.reserve(static_cast<std::size_t>(run.steps));
    // A row's text is made only when it is shown, read or copied; here its
    // size alone is counted against the budgets.
    const std::size_t separatorBytes = run.numbers.decimalSeparator.size();
    double lastError = 0;
    for (std::int64_t n = 0; n < run.steps; ++n) {
      const StepRecord record = StepOnce(next, lastError, run.gains, run.options);
      if ((outcome.failure = OverflowFailure(record, run))) break;
      const std::size_t after = written.textBytes + RowTextLength(record, separatorBytes);
      if (after > kMaxRunText || after > transcriptRoom) {
        outcome.failure = Failure{
            Box::Loops, run.texts[IndexOf(Box::Loops)], record.Step,
            after > kMaxRunText ? FailureReason::RunTooLong : FailureReason::TranscriptTooLong};
        break;
      }
      written.textBytes = after;
      written.ranges.Take(record);
      CommitStep(next, record);
      lastError = record.Error;
      rows.push_back(ResponseSample::Of(record));
      if (run.options.noise != 0) truePv.push_back(record.truePv);
    }
    if (book.Add(std::move(rows), run.gains, next, written, outcome.change, run.options, truePv)) {
      return outcome;
    }
  } catch (const std::bad_alloc&) {
  }
  // Nothing of the run reached the book, so nothing of it is kept.
  outcome.failure = Failure{Box::Loops, std::move(run.texts[IndexOf(Box::Loops)]),
                            book.State().Step + 1, FailureReason::OutOfMemory};
  return outcome;
}

RunOutcome Compute(LabBook& book, const FormFields& fields, bool keep) {
  auto run = PrepareRun(fields, book.Numbers(), 0);
  if (auto* failure = std::get_if<Failure>(&run)) return RunOutcome::Failed(std::move(*failure));
  PreparedRun& prepared = std::get<PreparedRun>(run);
  // A first step that cannot be computed would leave a transcript of the
  // header alone: the old one is kept instead.
  if (prepared.steps > 0) {
    LoopState fresh;
    ResetState(fresh, prepared.options.noiseSeed);
    const StepRecord first = StepOnce(fresh, 0, prepared.gains, prepared.options);
    if (auto failure = OverflowFailure(first, prepared)) {
      return RunOutcome::Failed(std::move(*failure));
    }
  }
  BookChange change = book.Restart(keep);
  return Execute(book, std::move(prepared), std::move(change));
}

// A command that cannot even read its boxes for want of memory changes nothing.
template <typename Command>
RunOutcome Guarded(const LabBook& book, Command command) {
  try {
    return command();
  } catch (const std::bad_alloc&) {
    return RunOutcome::Failed(
        {Box::Loops, std::string(), book.State().Step + 1, FailureReason::OutOfMemory});
  }
}

}  // namespace

RunOutcome OnCompute(LabBook& book, const FormFields& fields) {
  return Guarded(book, [&] { return Compute(book, fields, true); });
}

RunOutcome OnComputeInPlace(LabBook& book, const FormFields& fields) {
  return Guarded(book, [&] { return Compute(book, fields, false); });
}

std::optional<Failure> CheckBoxes(const LabBook& book, const FormFields& fields) {
  auto run = PrepareRun(fields, book.Numbers(), 0);
  if (auto* failure = std::get_if<Failure>(&run)) return std::move(*failure);
  return std::nullopt;
}

RunOutcome OnContinue(LabBook& book, const FormFields& fields) { return PID(book, fields); }

RunOutcome PID(LabBook& book, const FormFields& fields) {
  return Guarded(book, [&] {
    auto run = PrepareRun(fields, book.Numbers(), book.State().Step);
    if (auto* failure = std::get_if<Failure>(&run)) return RunOutcome::Failed(std::move(*failure));
    return Execute(book, std::move(std::get<PreparedRun>(run)), {});
  });
}

}  // namespace corvale

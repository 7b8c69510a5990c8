#include "commands.h"

#include <cmath>
#include <limits>
#include <string>
#include <tuple>
#include <utility>
#include <variant>

#include "parse_number.h"
#include "step.h"
#include "transcript.h"

namespace corvale {
namespace {

// Everything a run needs, read and checked before it changes anything.
struct PreparedRun {
  std::string Ki, Kd, Kp, SP;
  Gains gains;
  std::int64_t steps = 0;
  NumberFormat numbers;
};

Failure FailureBeforeSteps(Box box, std::string text, ParseError error) {
  return {box, std::move(text), 0,
          error == ParseError::TooLarge ? FailureReason::TooLarge : FailureReason::NotANumber};
}

// The loop counter starts at 1 and a step is done while it is at most the
// bound, whatever number the bound is.
std::int64_t StepsForBound(double bound) {
  if (!(bound >= 1)) return 0;
  if (bound > static_cast<double>(kMaxStepsPerRun + 1)) return kMaxStepsPerRun + 1;
  return static_cast<std::int64_t>(std::floor(bound));
}

const std::string& TextOf(const PreparedRun& run, Box box) {
  switch (box) {
    case Box::Kp:
      return run.Kp;
    case Box::Ki:
      return run.Ki;
    case Box::Kd:
      return run.Kd;
    case Box::SP:
    case Box::Loops:
      break;
  }
  return run.SP;
}

std::variant<PreparedRun, Failure> PrepareRun(const FormFields& fields, std::int64_t lastStep) {
  PreparedRun run;
  run.numbers = fields.Numbers();
  run.Ki = fields.ReadBox(Box::Ki);
  run.Kd = fields.ReadBox(Box::Kd);
  run.Kp = fields.ReadBox(Box::Kp);
  run.SP = fields.ReadBox(Box::SP);

  std::string loops = fields.ReadBox(Box::Loops);
  const ParsedNumber bound = ParseNumber(loops, run.numbers);
  if (!bound.ok()) return FailureBeforeSteps(Box::Loops, std::move(loops), bound.error);
  run.steps = StepsForBound(bound.value);
  if (run.steps > kMaxStepsPerRun ||
      run.steps > std::numeric_limits<std::int64_t>::max() - lastStep) {
    return Failure{Box::Loops, std::move(loops), 0, FailureReason::TooManySteps};
  }
  if (run.steps == 0) return run;  // no step will use the gains

  // In the order the first step uses them, so the failure named is the one a
  // step would meet first.
  const std::tuple<Box, const std::string*, double*> inputs[] = {{Box::SP, &run.SP, &run.gains.SP},
                                                                 {Box::Kp, &run.Kp, &run.gains.Kp},
                                                                 {Box::Kd, &run.Kd, &run.gains.Kd},
                                                                 {Box::Ki, &run.Ki, &run.gains.Ki}};
  for (const auto& [box, text, value] : inputs) {
    const ParsedNumber parsed = ParseNumber(*text, run.numbers);
    if (!parsed.ok()) return FailureBeforeSteps(box, *text, parsed.error);
    *value = parsed.value;
  }
  return run;
}

RunOutcome Execute(LoopState& state, FormFields& fields, PreparedRun run) {
  RunOutcome outcome;
  std::string rows;
  // A row is rarely longer than this; growth covers the rest.
  constexpr std::size_t kTypicalRowLength = 56;
  rows.reserve(static_cast<std::size_t>(run.steps) * kTypicalRowLength);

  double lastError = 0;
  for (std::int64_t n = 0; n < run.steps; ++n) {
    const StepRecord record = StepOnce(state, lastError, run.gains);
    if (const auto box = OverflowSource(record)) {
      outcome.failure = Failure{*box, TextOf(run, *box), record.Step, FailureReason::Overflow};
      break;
    }
    AppendRowText(rows, record, run.numbers.decimalSeparator);
    CommitStep(state, record);
    lastError = record.Error;
    ++outcome.rowsAdded;
  }
  if (!rows.empty()) fields.AppendTranscript(rows);

  state.Ki = std::move(run.Ki);
  state.Kd = std::move(run.Kd);
  state.Kp = std::move(run.Kp);
  state.SP = std::move(run.SP);
  return outcome;
}

}  // namespace

RunOutcome OnCompute(LoopState& state, FormFields& fields) {
  auto run = PrepareRun(fields, 0);
  if (auto* failure = std::get_if<Failure>(&run)) return {0, std::move(*failure)};
  ResetState(state);
  fields.WriteTranscript(HeaderText());
  return Execute(state, fields, std::move(std::get<PreparedRun>(run)));
}

RunOutcome OnContinue(LoopState& state, FormFields& fields) { return PID(state, fields); }

RunOutcome PID(LoopState& state, FormFields& fields) {
  auto run = PrepareRun(fields, state.Step);
  if (auto* failure = std::get_if<Failure>(&run)) return {0, std::move(*failure)};
  return Execute(state, fields, std::move(std::get<PreparedRun>(run)));
}

}  // namespace corvale

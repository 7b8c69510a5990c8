#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

#include "failure.h"
#include "form_fields.h"
#include "loop_state.h"
#include "response_trace.h"
#include "step.h"

namespace corvale {

// One run may add at most this many rows, and at most this much text; the
// transcript may hold at most this much text. Text is counted in UTF-8 bytes
// with CR LF as two, the run's rows and the transcript alike, so that a run
// that stops at a budget leaves no room for the next one to use. Together
// they keep the window under 1 GiB whatever values the boxes hold: a typo
// cannot exhaust memory.
inline constexpr std::int64_t kMaxStepsPerRun = 1'000'000;
inline constexpr std::size_t kMaxRunText = 64'000'000;
inline constexpr std::size_t kMaxTranscriptText = 100'000'000;

struct RunOutcome {
  std::int64_t rowsAdded = 0;
  std::optional<Failure> failure;
  // What the rows added show, under the gains and set point the run read,
  // for the window to draw, to measure and to compare; never part of the
  // transcript's text.
  std::vector<ResponseSample> samples;
  Gains gains;

  bool ok() const { return !failure; }
  static RunOutcome Failed(Failure failure) {
    RunOutcome outcome;
    outcome.failure = std::move(failure);
    return outcome;
  }
};

// Compute: a fresh simulation, the header, then a run. Every text, and the
// first step, is checked first: a Compute that cannot start changes neither
// the state nor the transcript.
RunOutcome OnCompute(LoopState& state, FormFields& fields);

// Continue: a run that carries on from the state as it stands.
RunOutcome OnContinue(LoopState& state, FormFields& fields);

// The run both commands share: reads the boxes, performs the steps that
// Loops asks for and appends one row per step. A step whose result leaves
// binary64's finite range, or whose row would break a text budget, stops the
// run before it changes anything; the rows before it stay. The state is
// committed only once the rows are in the transcript, so the two always
// agree, even when memory runs out.
RunOutcome PID(LoopState& state, FormFields& fields);

}  // namespace corvale

#pragma once

#include <cstdint>
#include <optional>

#include "failure.h"
#include "form_fields.h"
#include "loop_state.h"

namespace corvale {

// One run may add at most this many rows, so that no typo in Loops can
// exhaust memory.
inline constexpr std::int64_t kMaxStepsPerRun = 1'000'000;

struct RunOutcome {
  std::int64_t rowsAdded = 0;
  std::optional<Failure> failure;

  bool ok() const { return !failure; }
};

// Compute: a fresh simulation, the header, then a run. Every text is checked
// first: a command that cannot start changes neither the state nor the
// transcript.
RunOutcome OnCompute(LoopState& state, FormFields& fields);

// Continue: a run that carries on from the state as it stands.
RunOutcome OnContinue(LoopState& state, FormFields& fields);

// The run both commands share: reads the boxes, performs the steps that
// Loops asks for and appends one row per step. A step whose result leaves
// binary64's finite range stops the run before it changes anything; the rows
// before it stay.
RunOutcome PID(LoopState& state, FormFields& fields);

}  // namespace corvale

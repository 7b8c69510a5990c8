#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

#include "form/failure.h"
#include "form/form_fields.h"
#include "labbook/lab_book.h"

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

// What a command did: what it changed in the lab book, for the views to
// follow, and the failure that stopped it, if one did.
struct RunOutcome {
  BookChange change;
  std::optional<Failure> failure;

  std::int64_t RowsAdded() const { return static_cast<std::int64_t>(change.rowsAdded); }
  bool ok() const { return !failure; }
  static RunOutcome Failed(Failure failure) {
    RunOutcome outcome;
    outcome.failure = std::move(failure);
    return outcome;
  }
};

// Compute: a fresh simulation, the header, then a run. Every text, and the
// first step, is checked first: a Compute that cannot start changes nothing
// in the lab book.
RunOutcome OnCompute(LabBook& book, const FormFields& fields);
// The same Compute, but the current run goes unkept: it gives way to the new
// one, as the runs between a live change and the next do.
RunOutcome OnComputeInPlace(LabBook& book, const FormFields& fields);

// What would stop a Compute of these boxes before its first step: a text
// its box cannot take; none where it can start. Changes nothing.
std::optional<Failure> CheckBoxes(const LabBook& book, const FormFields& fields);

// Continue: a run that carries on from the state as it stands.
RunOutcome OnContinue(LabBook& book, const FormFields& fields);

// The run both commands share: reads the boxes, performs the steps that
// Loops asks for and adds one row per step to the current run. A step whose
// result leaves binary64's finite range, or whose row would break a text
// budget, stops the run before it changes anything; the rows before it stay.
// The rows and the state after them go into the book together, so the two
// always agree, even when memory runs out.
RunOutcome PID(LabBook& book, const FormFields& fields);

}  // namespace corvale

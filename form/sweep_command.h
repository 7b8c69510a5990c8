#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "form/commands.h"
#include "form/failure.h"
#include "form/form_fields.h"
#include "labbook/lab_book.h"
#include "labbook/run_field.h"

namespace corvale {

// A sweep: one box's number from `from` to `to`, both ends included, evenly
// spaced over `runs` Computes, every other box as typed.
struct SweepRequest {
  Box box = Box::Kp;
  std::string from;  // as typed, read as the boxes are
  std::string to;
  int runs = 10;
};

inline constexpr int kLeastSweepRuns = 2;
inline constexpr int kMostSweepRuns = 50;
// The steps of all a sweep's runs together. Each kept run costs about 120
// bytes a step up to its first 16,384 steps, so a sweep stays within some
// 12 MB, about what one long run costs kept, and runs in a moment.
inline constexpr std::int64_t kMaxSweepSteps = kMaxStepsPerRun / 10;

// The boxes a sweep can vary: the gains, SP and the plant's and the loop's
// numbers that are no count of steps and no seed. Dead time, a whole number
// of steps, takes each value rounded to the nearest whole one.
bool Sweepable(Box box);
std::vector<Box> SweepableBoxes();
// The field of a run that the box sets.
RunField FieldOf(Box box);

// What a sweep cannot start with, of its own inputs.
struct SweepInputFailure {
  enum class Input { From, To, Runs };
  enum class Reason { NotANumber, OutOfRange, OutOfBounds, TooManySteps };
  Input input = Input::From;
  std::string text;  // as typed; the number of runs for Runs
  Reason reason = Reason::NotANumber;
  std::int64_t steps = 0;  // for TooManySteps: the runs times Loops

  friend bool operator==(const SweepInputFailure&, const SweepInputFailure&) = default;
};

// What a sweep did: what it changed in the lab book, how many runs it
// began, and what stopped it. A failure of its inputs, or of a box at either
// end, stops it before it changes anything; a run that fails at a step keeps
// its rows and ends the sweep there, the runs before it kept.
struct SweepOutcome {
  BookChange change;
  int runs = 0;
  std::optional<SweepInputFailure> input;
  std::optional<Failure> failure;

  bool ok() const { return !input && !failure; }
};

// The swept values: from, to, and evenly between, `runs` in all (2 or more).
std::vector<double> SweepValues(double from, double to, int runs);
// A value as a box's text that reads back as the same double.
std::string SweepText(double value, const NumberFormat& numbers);

// Checks a sweep as OnSweep would, running nothing.
SweepOutcome CheckSweep(const LabBook& book, const FormFields& fields, const SweepRequest& request);
// The sweep, one entry of the kept runs: its last run is the current one.
SweepOutcome OnSweep(LabBook& book, const FormFields& fields, const SweepRequest& request);

}  // namespace corvale

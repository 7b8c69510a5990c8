#pragma once

#include <cstdint>
#include <string>
#include <utility>

#include "form/box.h"
#include "simulation/parse_number.h"

namespace corvale {

enum class FailureReason {
  NotANumber,         // the text is no number
  NotAWholeNumber,    // a number of steps with a fraction
  Negative,           // a lag, a size or a gain below 0 that must be 0 or more
  OutOfBounds,        // a whole number beyond what its box allows
  OutOfRange,         // the number lies beyond the range of binary64
  TooManySteps,       // the run would add more rows than one run may
  Overflow,           // a step's result left the finite range
  RunTooLong,         // the step's row would take the run's text past its budget
  TranscriptTooLong,  // the step's row would take the transcript past its budget
  OutOfMemory,        // the machine had no memory for the rows
};

// Why a run stopped. A run that fails before its first step has changed
// nothing; one that fails at a step keeps the rows before that step.
struct Failure {
  Box box = Box::Loops;
  std::string text;       // the box's text as typed
  std::int64_t step = 0;  // the step that failed, 0 when no step was begun
  FailureReason reason = FailureReason::NotANumber;

  friend bool operator==(const Failure&, const Failure&) = default;
};

// A box whose text could not be read as a number, before any step.
inline Failure UnreadBox(Box box, std::string text, ParseError error) {
  return {box, std::move(text), 0,
          error == ParseError::OutOfRange ? FailureReason::OutOfRange : FailureReason::NotANumber};
}

}  // namespace corvale

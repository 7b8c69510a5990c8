#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace corvale {

// The input boxes, named by the labels the user sees beside them.
enum class Box { Kp, Ki, Kd, SP, Loops };

std::string_view BoxLabel(Box box);

enum class FailureReason {
  NotANumber,    // the text is no number
  TooLarge,      // the number lies beyond the range of binary64
  TooManySteps,  // the run would add more rows than one run may
  Overflow,      // a step's result left the finite range
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

}  // namespace corvale

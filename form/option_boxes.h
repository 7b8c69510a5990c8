#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <variant>

#include "form/failure.h"
#include "form/form_fields.h"
#include "simulation/loop_options.h"

namespace corvale {

// What the options' boxes take: any number, one of 0 or more, or a whole
// number within bounds.
enum class BoxTakes { AnyNumber, NotNegative, WholeNumber };
BoxTakes WhatBoxTakes(Box box);

// The whole numbers a box takes, for the boxes that take whole numbers.
struct WholeBounds {
  std::int64_t low = 0;
  std::int64_t high = 0;
};
WholeBounds BoundsOf(Box box);

// The plant and the loop's options as the boxes and choices hold them, each
// box's text kept in `texts` (by Box) for a message. A box that does not
// apply (Kb without back-calculation) is not read, so that its text cannot
// stop a run. The first box, in the form's order, whose text is not what it
// takes is the failure.
std::variant<LoopOptions, Failure> ReadLoopOptions(const FormFields& fields,
                                                   const NumberFormat& numbers,
                                                   std::array<std::string, kBoxCount>& texts);

}  // namespace corvale

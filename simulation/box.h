#pragma once

#include <string>
#include <string_view>

#include "number_format.h"

namespace corvale {

// The input boxes, named by the labels the user sees beside them.
enum class Box { Kp, Ki, Kd, SP, Loops };

inline constexpr Box kAllBoxes[] = {Box::Kp, Box::Ki, Box::Kd, Box::SP, Box::Loops};

std::string_view BoxLabel(Box box);

// What the box holds when the window opens: gains of one half, written with
// the locale's separator so that the very first Compute reads them.
std::string InitialText(Box box, const NumberFormat& numbers);

}  // namespace corvale

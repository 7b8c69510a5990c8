#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <variant>

#include "simulation/number_format.h"

namespace corvale {

// A box's text after a step of one of its digits, and where the caret then
// stands, a byte offset into the UTF-8 text.
struct SteppedText {
  std::string text;
  std::size_t caret = 0;
};

// Why a text was left as it was.
enum class StepRefusal {
  NotAPlainNumber,  // not digits with at most one separator and a sign: "abc", "1e3", ""
  TooManyDigits,    // more digits than a step can count exactly
};

// Adds `units` units of the digit the caret stands after (`caret` a byte
// offset into `text`): ".5|" up one is ".6", "0|.5" up one is "1.5". A caret
// after the separator counts in the digit before it, a caret before every
// digit in the first one. The text keeps its own form: as many decimals, its
// leading separator where the whole part is zero (".5"), a leading zero
// where it had one ("0.5"), zeros it was padded with ("007"), its digits'
// script and its sign's form; a whole part that grows or shrinks takes the
// digits it needs ("9.9" up one is "10.0"). A result of zero has no sign:
// "-0.1" up one is "0.0". The caret keeps its place from the text's end, so
// that it stands after the same digit. The separator is the locale's alone,
// as the commands read it; an exponent or anything else is refused.
std::variant<SteppedText, StepRefusal> StepDigit(std::string_view text, std::size_t caret,
                                                 int units, const NumberFormat& numbers);

}  // namespace corvale

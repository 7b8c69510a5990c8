#pragma once

#include <string_view>

#include "number_format.h"

namespace corvale {

enum class ParseError { None, NotANumber, TooLarge };

struct ParsedNumber {
  double value = 0;
  ParseError error = ParseError::None;

  bool ok() const { return error == ParseError::None; }
};

// Reads a number as a user types it: blanks (spaces, TABs) around, an
// optional sign ("+", "-" or the locale's minus sign), ASCII digits with at
// most one decimal separator (the locale's), at least one digit, and an
// optional exponent ("e" or "E", an optional sign, digits). Anything else is
// not a number. A value beyond binary64's range is too large; one too small
// to represent becomes 0.
ParsedNumber ParseNumber(std::string_view text, const NumberFormat& format);

}  // namespace corvale

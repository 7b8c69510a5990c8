#pragma once

#include <string_view>

#include "simulation/number_format.h"

namespace corvale {

enum class ParseError { None, NotANumber, OutOfRange };

struct ParsedNumber {
  double value = 0;  // an infinity of the number's sign when out of range
  ParseError error = ParseError::None;

  bool ok() const { return error == ParseError::None; }
};

// Reads a number as a user types it: blanks (spaces, TABs) around, an
// optional sign, digits with at most one decimal separator (the locale's), at
// least one digit, and an optional exponent ("e", "E" or the locale's own
// symbol, an optional sign, digits). A sign is "+", "-", U+2212 or the
// locale's own, with or without the bidirectional marks that some locales put
// around it. A digit is an ASCII one or the locale's own, in any mix; where
// the locale's own are Arabic-Indic (U+0660..U+0669) or Persian
// (U+06F0..U+06F9), both of those. Each is read as the ASCII digit of its
// value, so the value is the same to the last bit. Anything else is not a
// number. A value beyond binary64's range is out of range; one too small to
// represent becomes 0.
ParsedNumber ParseNumber(std::string_view text, const NumberFormat& format);

}  // namespace corvale

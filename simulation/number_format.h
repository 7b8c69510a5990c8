#pragma once

#include <string>

namespace corvale {

// How the user's locale reads and writes numbers, its texts in UTF-8. A
// point, ASCII signs and ASCII digits unless the window says otherwise.
struct NumberFormat {
  std::string decimalSeparator = ".";
  std::string minusSign = "-";
  std::string plusSign = "+";
  // The locale's digit zero, one code point; the other nine follow it, as
  // they do in every script's run of decimal digits.
  std::string zeroDigit = "0";
  // What the locale writes between a number and its exponent: "E", "×10^",
  // Arabic's "اس". Its digits, if any, may be typed in any digits read.
  std::string exponential = "e";
};

}  // namespace corvale

#pragma once

#include <string>

namespace corvale {

// The parts of the user's locale that numbers are read and written with, as
// UTF-8. A point and ASCII signs unless the window says otherwise.
struct NumberFormat {
  std::string decimalSeparator = ".";
  std::string minusSign = "-";
  std::string plusSign = "+";
};

}  // namespace corvale

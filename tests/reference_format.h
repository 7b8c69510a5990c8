#pragma once

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace corvale::testing_support {

// The four-decimal format computed another way than the program does: glibc's
// printf for the 15 significant digits, then the rounding to four places in
// exact integer arithmetic. Shared by the tests and the fuzzer.
inline std::string ReferenceFormat(double value) {
  if (std::isnan(value)) return "nan";
  if (std::isinf(value)) return value < 0 ? "-inf" : "inf";

  char text[64];
  std::snprintf(text, sizeof text, "%.14e", std::fabs(value));
  const std::string significand = std::string(1, text[0]) + std::string(text + 2, 14);
  const int exponent = std::atoi(text + 17);

  // value * 10^4 as decimal digits.
  std::string digits;
  if (exponent >= 14) {
    // Every significant digit lies left of the point: nothing to round.
    digits = significand + std::string(exponent - 14 + 4, '0');
  } else {
    // value * 10^4 = significand * 10^shift with shift < 4; below 10^18 it
    // fits a 64-bit integer.
    const int shift = exponent - 14 + 4;
    long long scaled = std::atoll(significand.c_str());
    if (shift >= 0) {
      for (int i = 0; i < shift; ++i) scaled *= 10;
    } else if (shift < -15) {
      scaled = 0;  // less than a twentieth of the last place
    } else {
      long long divisor = 1;
      for (int i = 0; i < -shift; ++i) divisor *= 10;
      const long long remainder = scaled % divisor;
      scaled = scaled / divisor + (2 * remainder >= divisor ? 1 : 0);
    }
    digits = std::to_string(scaled);
    if (scaled == 0) digits.clear();
  }
  while (digits.size() < 4) digits.insert(digits.begin(), '0');
  const std::string integer = digits.substr(0, digits.size() - 4);
  std::string result = value < 0 ? "-" : "";
  result += integer == std::string(integer.size(), '0') ? "" : integer;
  return result + "." + digits.substr(digits.size() - 4);
}

}  // namespace corvale::testing_support

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
  // value * 10^4 = significand * 10^shift
  const int shift = std::atoi(text + 17) - 14 + 4;
  std::string digits;
  if (shift >= 0) {  // every significant digit left of the point: nothing to round
    digits = significand + std::string(shift, '0');
  } else if (shift >= -15) {  // below 10^18, so it fits a 64-bit integer
    long long divisor = 1;
    for (int i = 0; i < -shift; ++i) divisor *= 10;
    const long long scaled = std::atoll(significand.c_str());
    const long long rounded = scaled / divisor + (2 * (scaled % divisor) >= divisor ? 1 : 0);
    if (rounded > 0) digits = std::to_string(rounded);
  }  // else less than a twentieth of the last place: zero
  if (digits.size() < 4) digits.insert(0, 4 - digits.size(), '0');
  std::string result = value < 0 ? "-" : "";
  const std::string integer = digits.substr(0, digits.size() - 4);
  if (integer.find_first_not_of('0') != std::string::npos) result += integer;
  return result + "." + digits.substr(digits.size() - 4);
}

}  // namespace corvale::testing_support

// The number reader accepts exactly what a regular expression of the grammar
// accepts, and a number it reads, printed, reads back within half the last digit.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <regex>
#include <string>

#include "parse_number.h"
#include "transcript.h"

// A sign is "+", "-" or U+2212, with or without bidirectional marks around it.
static std::regex Grammar(const std::string& separator) {
  const std::string mark = "(\xE2\x80\x8E|\xE2\x80\x8F|\xD8\x9C)*";
  const std::string sign = "(" + mark + "([+-]|\xE2\x88\x92)" + mark + ")?";
  return std::regex("^[ \\t]*" + sign + "([0-9]+(" + separator + "[0-9]*)?|" + separator +
                    "[0-9]+)([eE]" + sign + "[0-9]+)?[ \\t]*$");
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const bool comma = data[0] & 1;  // then a Persian-like minus: U+200E U+2212
  const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);
  const corvale::NumberFormat format =
      comma ? corvale::NumberFormat{",", "\u200E\u2212", "+"} : corvale::NumberFormat{};
  const corvale::ParsedNumber parsed = corvale::ParseNumber(text, format);
  static const std::regex pointGrammar = Grammar("\\."), commaGrammar = Grammar(",");
  const bool grammatical = std::regex_match(text, comma ? commaGrammar : pointGrammar);
  if (grammatical != (parsed.error != corvale::ParseError::NotANumber)) std::abort();
  if (!parsed.ok()) return 0;
  if (!std::isfinite(parsed.value)) std::abort();

  const std::string printed = corvale::FormatValue(parsed.value, format.decimalSeparator);
  const corvale::ParsedNumber back = corvale::ParseNumber(printed, format);
  const double magnitude = std::fabs(parsed.value);
  // Only values whose 15 digits round up past the largest binary64 go out of range.
  if (back.error == corvale::ParseError::OutOfRange && magnitude >= 1.797693134862315e308) return 0;
  // Half a unit of the fourth decimal, or of the 15th significant digit, and
  // half a unit in the last place, by which reading the printed digits back
  // rounds in its turn.
  const double halfUlp = (std::nextafter(magnitude, HUGE_VAL) - magnitude) / 2;
  const double tolerance = (0.5e-4 + 0.5e-14 * magnitude) * (1 + 1e-12) + halfUlp;
  if (!back.ok() || std::fabs(back.value - parsed.value) > tolerance) std::abort();
  return 0;
}

// Feeds arbitrary text to the number reader. It must never crash, must accept
// exactly what the grammar allows (checked by a regular expression written
// apart from the reader), and an accepted number must survive being printed
// and read back, within half a unit of the last printed digit.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <regex>
#include <string>

#include "parse_number.h"
#include "transcript.h"

namespace {

using corvale::NumberFormat;
using corvale::ParseError;

// The grammar with the given decimal separator (a regular expression). A sign
// is "+", "-" or U+2212, with or without bidirectional marks around it.
std::regex Grammar(const std::string& separator) {
  const std::string mark = "(\xE2\x80\x8E|\xE2\x80\x8F|\xD8\x9C)*";
  const std::string sign = "(" + mark + "([+-]|\xE2\x88\x92)" + mark + ")?";
  return std::regex("^[ \\t]*" + sign + "([0-9]+(" + separator + "[0-9]*)?|" + separator +
                    "[0-9]+)([eE]" + sign + "[0-9]+)?[ \\t]*$");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const bool comma = data[0] & 1;
  const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);
  // Persian writes its minus sign with a left-to-right mark before it.
  const NumberFormat format =
      comma ? NumberFormat{",", "\u200E\u2212", "+"} : NumberFormat{".", "-", "+"};

  const corvale::ParsedNumber parsed = corvale::ParseNumber(text, format);
  static const std::regex pointGrammar = Grammar("\\."), commaGrammar = Grammar(",");
  const bool grammatical = std::regex_match(text, comma ? commaGrammar : pointGrammar);
  if (grammatical != (parsed.error != ParseError::NotANumber)) std::abort();
  if (!parsed.ok()) return 0;
  if (!std::isfinite(parsed.value)) std::abort();

  const std::string printed = corvale::FormatValue(parsed.value, format.decimalSeparator);
  const corvale::ParsedNumber back = corvale::ParseNumber(printed, format);
  const double magnitude = std::fabs(parsed.value);
  if (back.error == ParseError::OutOfRange) {
    // Only values whose 15 digits round up past the largest binary64.
    if (magnitude < 1.797693134862315e308) std::abort();
    return 0;
  }
  if (!back.ok()) std::abort();
  // Half a unit of the fourth decimal, or of the 15th significant digit.
  const double tolerance = (0.5e-4 + 0.5e-14 * magnitude) * (1 + 1e-12);
  if (std::fabs(back.value - parsed.value) > tolerance) std::abort();
  return 0;
}

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

const std::regex& PointGrammar() {
  static const std::regex grammar(
      R"(^[ \t]*[+-]?([0-9]+(\.[0-9]*)?|\.[0-9]+)([eE][+-]?[0-9]+)?[ \t]*$)");
  return grammar;
}

const std::regex& CommaGrammar() {
  // A comma for the separator and U+2212 as another minus sign.
  static const std::regex grammar(
      "^[ \\t]*([+-]|\xE2\x88\x92)?([0-9]+(,[0-9]*)?|,[0-9]+)([eE][+-]?[0-9]+)?[ \\t]*$");
  return grammar;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const bool comma = data[0] & 1;
  const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);
  const NumberFormat format = comma ? NumberFormat{",", "\u2212"} : NumberFormat{".", "-"};

  const corvale::ParsedNumber parsed = corvale::ParseNumber(text, format);
  const bool grammatical = std::regex_match(text, comma ? CommaGrammar() : PointGrammar());
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

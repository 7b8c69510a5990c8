// The number reader accepts exactly what a regular expression of the grammar
// accepts, and a number it reads, printed, reads back within half the last
// digit, the same to the bit in the locale's digits as in ASCII's.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <regex>
#include <string>

#include "simulation/parse_number.h"
#include "simulation/transcript.h"

// A sign is "+", "-" or U+2212, with or without bidirectional marks around it.
// A digit, and the exponent's symbol, as the format reads them.
static std::regex Grammar(const std::string& separator, const std::string& digit,
                          const std::string& exponent) {
  const std::string mark = "(\xE2\x80\x8E|\xE2\x80\x8F|\xD8\x9C)*";
  const std::string sign = "(" + mark + "([+-]|\xE2\x88\x92)" + mark + ")?";
  return std::regex("^[ \\t]*" + sign + "(" + digit + "+(" + separator + digit + "*)?|" +
                    separator + digit + "+)(" + exponent + sign + digit + "+)?[ \\t]*$");
}

// Bit 0 of the first byte: a decimal comma and a Persian-like minus, U+200E
// U+2212. Bit 1: the locale's own digits, Persian with Persian's exponent
// "×۱۰^" beside the comma (so Arabic-Indic ones too), Devanagari beside the point.
struct Case {
  corvale::NumberFormat format;
  std::regex grammar;
};

static const Case kCases[] = {
    {{}, Grammar("\\.", "[0-9]", "[eE]")},
    {{",", "\u200E\u2212", "+"}, Grammar(",", "[0-9]", "[eE]")},
    {{".", "-", "+", "\u0966", "E"}, Grammar("\\.", "([0-9]|\xE0\xA5[\xA6-\xAF])", "[eE]")},
    {{",", "\u200E\u2212", "+", "\u06F0", "\u00D7\u06F1\u06F0^"},
     Grammar(",", "([0-9]|\xD9[\xA0-\xA9]|\xDB[\xB0-\xB9])",
             "([eE]|\xC3\x97(1|\xD9\xA1|\xDB\xB1)(0|\xD9\xA0|\xDB\xB0)\\^)")},
};

// ASCII digits written as the format's own; its zero's last byte leaves room for nine.
static std::string InOwnDigits(const std::string& ascii, const std::string& zero) {
  std::string own;
  for (char c : ascii) {
    const bool digit = c >= '0' && c <= '9' && zero != "0";
    own += digit ? zero : std::string(1, c);
    if (digit) own.back() = static_cast<char>(own.back() + (c - '0'));
  }
  return own;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const Case& chosen = kCases[data[0] & 3];
  const corvale::NumberFormat& format = chosen.format;
  const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);
  const corvale::ParsedNumber parsed = corvale::ParseNumber(text, format);
  const bool grammatical = std::regex_match(text, chosen.grammar);
  if (grammatical != (parsed.error != corvale::ParseError::NotANumber)) std::abort();
  if (!parsed.ok()) return 0;
  if (!std::isfinite(parsed.value)) std::abort();

  const std::string printed = corvale::FormatValue(parsed.value, format.decimalSeparator);
  const corvale::ParsedNumber back = corvale::ParseNumber(printed, format);
  const corvale::ParsedNumber own =
      corvale::ParseNumber(InOwnDigits(printed, format.zeroDigit), format);
  if (own.error != back.error || std::memcmp(&own.value, &back.value, sizeof back.value) != 0)
    std::abort();
  const double magnitude = std::fabs(parsed.value);
  // Only values whose 15 digits round up past the largest binary64 go out of range.
  if (back.error == corvale::ParseError::OutOfRange && magnitude >= 1.797693134862315e308) return 0;
  // Half a unit of the fourth decimal, or of the 15th significant digit, and half a unit in the
  // last place, by which reading the printed digits back rounds in its turn.
  const double halfUlp = (std::nextafter(magnitude, HUGE_VAL) - magnitude) / 2;
  const double tolerance = (0.5e-4 + 0.5e-14 * magnitude) * (1 + 1e-12) + halfUlp;
  if (!back.ok() || std::fabs(back.value - parsed.value) > tolerance) std::abort();
  return 0;
}

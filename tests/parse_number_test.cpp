#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "parse_number.h"

namespace corvale {
namespace {

// Values and edges that the commands' tables do not reach: the texts that are
// no number go through every box there.
TEST(ParseNumber, ReadsWhatAUserTypes) {
  const NumberFormat point, persian{"\u066B", "\u200E\u2212", "\u200E+"};
  const double inf = std::numeric_limits<double>::infinity(), nan = std::nan("");
  const std::tuple<const char*, const NumberFormat&, ParseError, double> readings[] = {
      {"+.5", point, ParseError::None, 0.5},
      {" \t5.E+1\t", point, ParseError::None, 50},
      {"0.1", point, ParseError::None, 0.1},
      {"1.7976931348623157e308", point, ParseError::None, 1.7976931348623157e308},
      {"4.9e-324", point, ParseError::None, 4.9e-324},
      {"1e-99999999999999999999", point, ParseError::None, 0},
      {"0e99999", point, ParseError::None, 0},
      {"123456789012345678901234567890", point, ParseError::None, 1.2345678901234568e29},
      {"\u22122e\u22121", point, ParseError::None, -0.2},
      {"\u200F-\u200F2", point, ParseError::None, -2},
      {"\u200E\u22121\u066B5e\u200E+1", persian, ParseError::None, -15},
      {"1.8e308", point, ParseError::OutOfRange, inf},
      {"-99999999999999999999e300", point, ParseError::OutOfRange, -inf},
      {"0.000001e315", point, ParseError::OutOfRange, inf},
      {"1.5", persian, ParseError::NotANumber, nan},
      {"5\u200E", point, ParseError::NotANumber, nan},
      {"\u2212\u22125", point, ParseError::NotANumber, nan},
      {"1e5.5", point, ParseError::NotANumber, nan},
      {".e5", point, ParseError::NotANumber, nan},
  };
  for (const auto& [text, format, error, value] : readings) {
    const ParsedNumber parsed = ParseNumber(text, format);
    EXPECT_TRUE(parsed.error == error && (parsed.value == value || error == ParseError::NotANumber))
        << '"' << text << "\" gives " << parsed.value;
  }
  const std::string nines(100'000, '9');
  EXPECT_EQ(ParseNumber(nines, point).error, ParseError::OutOfRange);
  EXPECT_EQ(ParseNumber("0." + nines, point).value, 1.0);
  // 10^400, written with a long exponent that must not be misread as an underflow.
  EXPECT_EQ(ParseNumber("1" + std::string(2400, '0') + "e-2000", point).value, inf);
  EXPECT_TRUE(std::signbit(ParseNumber("-1e-999", point).value));
}

}  // namespace
}  // namespace corvale

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "parse_number.h"

namespace corvale {
namespace {

// Values and edges; the commands' tests put the texts that are no number in every box.
TEST(ParseNumber, ReadsWhatAUserTypes) {
  const NumberFormat point, persian{"\u066B", "\u200E\u2212", "\u200E+"};
  // clang-format off
  const std::pair<const char*, double> numbers[] = {
      {"+.5", 0.5}, {" \t5.E+1\t", 50}, {"0.1", 0.1}, {"4.9e-324", 4.9e-324},
      {"1.7976931348623157e308", 1.7976931348623157e308}, {"1e-99999999999999999999", 0},
      {"0e99999", 0}, {"123456789012345678901234567890", 1.2345678901234568e29},
      {"\u22122e\u22121", -0.2}, {"\u061C-\u200F2", -2},  // U+2212 and marks around signs
      {"1.8e308", HUGE_VAL}, {"-99999999999999999999e300", -HUGE_VAL}, {"0.000001e315", HUGE_VAL}};
  // clang-format on
  for (const auto& [text, value] : numbers) {
    const ParsedNumber parsed = ParseNumber(text, point);
    EXPECT_EQ(parsed.error, std::isinf(value) ? ParseError::OutOfRange : ParseError::None) << text;
    EXPECT_EQ(parsed.value, value) << text;
  }
  for (const char* text : {"5\u200E", "\u2212\u22125", "1e5.5", ".e5"}) {
    EXPECT_EQ(ParseNumber(text, point).error, ParseError::NotANumber) << text;
  }
  EXPECT_EQ(ParseNumber("\u200E\u22121\u066B5e\u200E+1", persian).value, -15);
  EXPECT_EQ(ParseNumber("1.5", persian).error, ParseError::NotANumber);
  const std::string nines(100'000, '9');
  EXPECT_EQ(ParseNumber(nines, point).error, ParseError::OutOfRange);
  EXPECT_EQ(ParseNumber("0." + nines, point).value, 1.0);
  // 10^400, written with a long exponent that must not be misread as an underflow.
  EXPECT_EQ(ParseNumber("1" + std::string(2400, '0') + "e-2000", point).value, HUGE_VAL);
  EXPECT_TRUE(std::signbit(ParseNumber("-1e-999", point).value));
}

}  // namespace
}  // namespace corvale

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <tuple>

#include "simulation/parse_number.h"

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
  for (const char* text : {"5\u200E", "\u2212\u22125", "1e5.5", ".e5"})
    EXPECT_EQ(ParseNumber(text, point).error, ParseError::NotANumber) << text;
  EXPECT_EQ(ParseNumber("\u200E\u22121\u066B5e\u200E+1", persian).value, -15);
  EXPECT_EQ(ParseNumber("1.5", persian).error, ParseError::NotANumber);
  const std::string nines(100'000, '9');
  EXPECT_EQ(ParseNumber(nines, point).error, ParseError::OutOfRange);
  EXPECT_EQ(ParseNumber("0." + nines, point).value, 1.0);
  // 10^400, written with a long exponent that must not be misread as an underflow.
  EXPECT_EQ(ParseNumber("1" + std::string(2400, '0') + "e-2000", point).value, HUGE_VAL);
  EXPECT_TRUE(std::signbit(ParseNumber("-1e-999", point).value));
}

// Arabic-Indic and Persian alike where either is its own; not other scripts'
// nor the group separator, an empty exponent or an overlong "٠" (NaN).
TEST(ParseNumber, ReadsTheLocalesDigitsExactlyAsAscii) {
  const NumberFormat point, arabic{"\u066B", "\u061C-", "\u061C+", "\u0660", "\u0627\u0633"},
      persian{"\u066B", "\u200E\u2212", "\u200E+", "\u06F0", "\u00D7\u06F1\u06F0^"},
      marathi{".", "-", "+", "\u0966", "E"};
  // clang-format off
  const std::tuple<const NumberFormat&, const char*, double> numbers[] = {
      {arabic, "١٢٣٫٥", 123.5}, {arabic, "\u061C-٠٫١", -0.1}, {arabic, "١اس\u061C+٢", 100},
      {arabic, "٤٫٩e-٣٢٤", 4.9e-324}, {arabic, "١٫٧٩٧٦٩٣١٣٤٨٦٢٣١٥٧اس٣٠٨", 1.7976931348623157e308},
      {arabic, "١اس٣٠٩", HUGE_VAL}, {arabic, "۱٢3٫٠", 123}, {persian, "۱٫۵e۳", 1500},
      {persian, "۲×۱۰^\u200E\u2212۲", 0.02}, {persian, "2×10^2", 200},
      {persian, "-۹e۹۹۹۹۹۹", -HUGE_VAL}, {marathi, "१.५E१", 15}, {marathi, "0.१", 0.1},
      {arabic, "१", NAN}, {arabic, "١٬٠٠٠", NAN}, {arabic, "١اس", NAN}, {point, "٣", NAN},
      {arabic, "\xE0\x99\xA0", NAN}, {point, "۳", NAN}, {marathi, "٣", NAN}, {persian, "١e١٫٥", NAN}};
  // clang-format on
  for (const auto& [format, text, value] : numbers) {
    const ParsedNumber parsed = ParseNumber(text, format);
    EXPECT_EQ(parsed.error, std::isnan(value)   ? ParseError::NotANumber
                            : std::isinf(value) ? ParseError::OutOfRange
                                                : ParseError::None)
        << text;
    EXPECT_TRUE(std::isnan(value) || parsed.value == value) << text;
  }
}

}  // namespace
}  // namespace corvale

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "parse_number.h"

namespace corvale {
namespace {

const NumberFormat kPoint{".", "-"};
const NumberFormat kComma{",", "\u2212"};  // as in locales that write U+2212 for minus

struct Accepted {
  const char* text;
  double value;

  friend void PrintTo(const Accepted& a, std::ostream* os) { *os << '"' << a.text << '"'; }
};

class AcceptedNumbers : public testing::TestWithParam<Accepted> {};

TEST_P(AcceptedNumbers, ConvertToTheirValue) {
  const ParsedNumber parsed = ParseNumber(GetParam().text, kPoint);
  ASSERT_TRUE(parsed.ok()) << GetParam().text;
  EXPECT_EQ(parsed.value, GetParam().value) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Point, AcceptedNumbers,
    testing::Values(Accepted{".5", 0.5}, Accepted{"5", 5}, Accepted{"100", 100}, Accepted{"5.", 5},
                    Accepted{"0.5", 0.5}, Accepted{"+.5", 0.5}, Accepted{"-2.5", -2.5},
                    Accepted{" 7 ", 7}, Accepted{"\t7\t", 7}, Accepted{"  -1.25e2  ", -125},
                    Accepted{"1E3", 1000}, Accepted{"1e+3", 1000}, Accepted{"25e-1", 2.5},
                    Accepted{"007", 7}, Accepted{"0.1", 0.1}, Accepted{"1e308", 1e308},
                    Accepted{"1.7976931348623157e308", 1.7976931348623157e308},
                    Accepted{"4.9e-324", 4.9e-324}, Accepted{"1e-999", 0}, Accepted{"0e99999", 0},
                    Accepted{"1e-99999999999999999999", 0},
                    Accepted{"0.00000000000000000000000000000000000000001e-300", 0},
                    Accepted{"123456789012345678901234567890", 123456789012345678901234567890.0}));

class RejectedTexts : public testing::TestWithParam<const char*> {};

TEST_P(RejectedTexts, AreNotNumbers) {
  const ParsedNumber parsed = ParseNumber(GetParam(), kPoint);
  EXPECT_EQ(parsed.error, ParseError::NotANumber) << '"' << GetParam() << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Point, RejectedTexts,
    testing::Values("", " ", "\t \t", ".", "-", "+", "+-5", "--5", "5-", "abc", "5a", "a5", "1..2",
                    "1.2.3", ",5", "1,000", "1 000", "1_000", "1e", "e5", "1e+", "1e5.5", "1e--5",
                    ".e5", "inf", "-inf", "infinity", "nan", "NaN", "0x10", "0b1", "1f",
                    "\xEF\xBC\x95", "\xD9\xA5", "\xE0\xA5\xAB", "5\n", "\n5", "5\r",
                    "\xC2\xA0"
                    "5",
                    "\u200F5", "5\u200E", "\xFF", "1e5 5", "5 .5", "$5", "5%", "(5)"));

TEST(ParseNumber, ValuesBeyondTheRangeAreOutOfRange) {
  for (const char* text : {"1e999", "-1e999", "1.8e308", "1e99999999999999999999999",
                           "99999999999999999999e300", "0.000001e315"}) {
    EXPECT_EQ(ParseNumber(text, kPoint).error, ParseError::OutOfRange) << text;
  }
  const std::string hugeDigits(100'000, '9');
  EXPECT_EQ(ParseNumber(hugeDigits, kPoint).error, ParseError::OutOfRange);
  EXPECT_EQ(ParseNumber("0." + hugeDigits, kPoint).value, 1.0);
}

TEST(ParseNumber, FollowsTheLocalesSeparatorAndMinusSign) {
  EXPECT_EQ(ParseNumber(",5", kComma).value, 0.5);
  EXPECT_EQ(ParseNumber("\u22122,5", kComma).value, -2.5);
  EXPECT_EQ(ParseNumber("-2,5e1", kComma).value, -25);
  EXPECT_EQ(ParseNumber("5", kComma).value, 5);
  for (const char* text : {".5", "1.5", "1,5,5", "1.000,5", "\u2212\u22125", ",", "\u2212"}) {
    EXPECT_EQ(ParseNumber(text, kComma).error, ParseError::NotANumber) << text;
  }
  const NumberFormat arabic{"\u066B", "-"};
  EXPECT_EQ(ParseNumber("1\u066B5", arabic).value, 1.5);
  EXPECT_EQ(ParseNumber("1.5", arabic).error, ParseError::NotANumber);
}

TEST(ParseNumber, KeepsTheSignOfZero) {
  EXPECT_TRUE(std::signbit(ParseNumber("-0", kPoint).value));
  EXPECT_TRUE(std::signbit(ParseNumber("-1e-999", kPoint).value));
}

}  // namespace
}  // namespace corvale

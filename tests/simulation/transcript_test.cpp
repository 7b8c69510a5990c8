#include <gtest/gtest.h>

#include <bit>
#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

#include "simulation/transcript.h"

namespace corvale {
namespace {

// The format worked out another way than the program's: glibc's printf for the
// 15 significant digits, then exact integer arithmetic for the four decimals.
std::string ReferenceFormat(double value) {
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

TEST(FormatValue, PrintsFourDecimalsWithTiesAwayFromZero) {
  // clang-format off
  const std::pair<double, const char*> cases[] = {
      {0, ".0000"}, {-0.0, ".0000"}, {2.5, "2.5000"}, {-12250, "-12250.0000"},  // exact
      {2.03125, "2.0313"}, {-1.6796875, "-1.6797"}, {0.99996, "1.0000"},        // away from 0
      {-0.00004, "-.0000"}, {0.00005, ".0001"}, {-0.00005, "-.0001"},           // near 0
      {4.999999999999999e-5, ".0001"},  // to 15 digits, 5.00000000000000e-5: a tie
      {99999.99995, "100000.0000"}, {1e-300, ".0000"},
      {123456789012345.67, "123456789012346.0000"}, {HUGE_VAL, "inf"}, {-std::nan(""), "nan"}};
  // clang-format on
  for (const auto& [value, expected] : cases) {
    EXPECT_EQ(FormatValue(value, "."), expected);
    EXPECT_EQ(FormattedLength(value, 1), std::string_view(expected).size()) << value;
  }
  EXPECT_EQ(FormatValue(1e300, "."), "1" + std::string(300, '0') + ".0000");
  EXPECT_EQ(FormatValue(-DBL_MAX, "."), "-179769313486232" + std::string(294, '0') + ".0000");
  EXPECT_EQ(FormatValue(-1.875, "\u066B"), "-1\u066B8750");
}

TEST(FormatValue, AgreesWithAnIndependentReferenceOnMillionsOfValues) {
  std::mt19937_64 random(20261206);
  std::uniform_real_distribution<double> magnitude(-8, 22);
  std::uniform_int_distribution<std::int64_t> tenThousandths(-9'999'999'999, 9'999'999'999);
  int mismatches = 0;
  auto check = [&](double value) {
    const std::string reference = ReferenceFormat(value);
    if ((FormatValue(value, ".") != reference || FormattedLength(value, 1) != reference.size()) &&
        ++mismatches == 1) {
      ADD_FAILURE() << "the first mismatch: " << std::hexfloat << value;
    }
  };
  for (int i = 0; i < 400'000; ++i) {
    // Any bit pattern; magnitudes spread over both signs; ties at the fourth
    // decimal and the values either side of each.
    check(std::bit_cast<double>(random()));
    const double value = std::pow(10.0, magnitude(random));
    check(i % 2 ? value : -value);
    const double tie = (static_cast<double>(tenThousandths(random)) + 0.5) / 10000;
    for (double near : {tie, std::nextafter(tie, 0.0), std::nextafter(tie, tie * 2)}) check(near);
    // Just short of a tie, where rounding to 15 digits first may reach it.
    for (double short_ : {1e-15, 3e-15, 5e-15, 7e-15, 3e-14}) check(tie - std::fabs(tie) * short_);
  }
  // Where a rounding up adds an integer digit: just below each power of ten.
  for (double power = 1; power < 1e18; power *= 10) {
    for (double below : {power, power - 0.00005, power * 0.9999}) {
      for (double near : {below, std::nextafter(below, 0.0), std::nextafter(below, power * 2)}) {
        check(near);
        check(-near);
      }
    }
  }
  EXPECT_EQ(mismatches, 0);
}

TEST(RowTextLength, IsTheSizeOfTheRowWrittenInAnySeparator) {
  std::mt19937_64 random(20261209);
  std::uniform_real_distribution<double> magnitude(-6, 17);
  auto value = [&] { return (random() % 2 ? -1 : 1) * std::pow(10.0, magnitude(random)); };
  for (std::int64_t step : {std::int64_t{1}, std::int64_t{9}, std::int64_t{10},
                            std::int64_t{1'000'000}, INT64_MAX, std::int64_t{0}}) {
    for (int i = 0; i < 1000; ++i) {
      const StepRecord record{.Step = step,
                              .X = value(),
                              .PV = value(),
                              .Error = value(),
                              .Integral = 0,
                              .P = value(),
                              .I = value(),
                              .D = value()};
      for (std::string_view separator : {".", "\u066B"}) {
        std::string row;
        RowText(row, record, separator);
        ASSERT_EQ(RowTextLength(record, separator.size()), row.size()) << row;
      }
    }
  }
}

}  // namespace
}  // namespace corvale

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <iomanip>
#include <limits>
#include <random>
#include <string>

#include "reference_format.h"
#include "transcript.h"

namespace corvale {
namespace {

using testing_support::ReferenceFormat;

struct FormatCase {
  double value;
  const char* expected;

  friend void PrintTo(const FormatCase& c, std::ostream* os) {
    *os << std::setprecision(17) << c.value << " -> " << c.expected;
  }
};

class FormatValueTable : public testing::TestWithParam<FormatCase> {};

TEST_P(FormatValueTable, PrintsFourDecimals) {
  EXPECT_EQ(FormatValue(GetParam().value, "."), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    PublishedExamples, FormatValueTable,
    testing::Values(FormatCase{0, ".0000"}, FormatCase{0.5, ".5000"}, FormatCase{2.5, "2.5000"},
                    FormatCase{127.5, "127.5000"}, FormatCase{255, "255.0000"},
                    FormatCase{-1.875, "-1.8750"}, FormatCase{-12250, "-12250.0000"},
                    FormatCase{2.03125, "2.0313"}, FormatCase{0.3515625, ".3516"},
                    FormatCase{-1.6796875, "-1.6797"}, FormatCase{2.00005, "2.0001"},
                    FormatCase{0.99996, "1.0000"}, FormatCase{-0.00004, "-.0000"}));

INSTANTIATE_TEST_SUITE_P(
    Edges, FormatValueTable,
    testing::Values(
        FormatCase{-0.0, ".0000"}, FormatCase{0.00005, ".0001"}, FormatCase{0.00004999, ".0000"},
        FormatCase{-0.00005, "-.0001"}, FormatCase{0.000049999999999999, ".0000"},
        FormatCase{4.999999999999999e-5, ".0001"}, FormatCase{9.99995, "10.0000"},
        FormatCase{99999.99995, "100000.0000"}, FormatCase{-99999.99995, "-100000.0000"},
        FormatCase{1e-300, ".0000"}, FormatCase{-1e-300, "-.0000"},
        FormatCase{std::numeric_limits<double>::denorm_min(), ".0000"},
        FormatCase{123456789012345.67, "123456789012346.0000"},
        FormatCase{1e15, "1000000000000000.0000"}, FormatCase{0.1 + 0.2, ".3000"},
        FormatCase{1.00005, "1.0001"}, FormatCase{1.00015, "1.0002"}, FormatCase{1.00025, "1.0003"},
        FormatCase{std::numeric_limits<double>::infinity(), "inf"},
        FormatCase{-std::numeric_limits<double>::infinity(), "-inf"},
        FormatCase{std::numeric_limits<double>::quiet_NaN(), "nan"}));

TEST(FormatValue, PrintsEveryIntegerDigitOfHugeValues) {
  EXPECT_EQ(FormatValue(1e300, "."), "1" + std::string(300, '0') + ".0000");
  const std::string max = FormatValue(std::numeric_limits<double>::max(), ".");
  EXPECT_EQ(max, "179769313486232" + std::string(294, '0') + ".0000");
  EXPECT_EQ(FormatValue(-std::numeric_limits<double>::max(), "."), "-" + max);
}

TEST(FormatValue, UsesTheGivenDecimalSeparator) {
  EXPECT_EQ(FormatValue(-1.875, ","), "-1,8750");
  EXPECT_EQ(FormatValue(0.5, "\u066B"), "\u066B5000");
}

TEST(FormatValue, AgreesWithAnIndependentReferenceOnMillionsOfValues) {
  std::mt19937_64 random(20261206);
  std::uniform_real_distribution<double> magnitude(-8, 22);
  std::uniform_int_distribution<std::int64_t> tenThousandths(-9'999'999'999, 9'999'999'999);
  int mismatches = 0;
  auto check = [&](double value) {
    const std::string expected = ReferenceFormat(value);
    const std::string actual = FormatValue(value, ".");
    if (actual != expected && ++mismatches <= 10) {
      ADD_FAILURE() << "value " << std::hexfloat << value << ": " << actual << " vs " << expected;
    }
  };
  for (int i = 0; i < 400'000; ++i) {
    // Spread over magnitudes, both signs.
    const double value = std::pow(10.0, magnitude(random));
    check(i % 2 ? value : -value);
  }
  for (int i = 0; i < 400'000; ++i) {
    // Ties at the fourth decimal, and their neighbours on either side.
    const double tie = (static_cast<double>(tenThousandths(random)) + 0.5) / 10000;
    check(tie);
    check(std::nextafter(tie, 0.0));
    check(std::nextafter(tie, tie * 2));
  }
  EXPECT_EQ(mismatches, 0);
}

}  // namespace
}  // namespace corvale

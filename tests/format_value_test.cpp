#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <string>

#include "reference_format.h"
#include "transcript.h"

namespace corvale {
namespace {

TEST(FormatValue, PrintsFourDecimalsWithTiesAwayFromZero) {
  const double max = std::numeric_limits<double>::max();
  const std::pair<double, std::string> cases[] = {
      {0, ".0000"},
      {-0.0, ".0000"},
      {2.5, "2.5000"},
      {-12250, "-12250.0000"},
      {2.03125, "2.0313"},
      {-1.6796875, "-1.6797"},
      {0.99996, "1.0000"},
      {-0.00004, "-.0000"},
      {0.00005, ".0001"},
      {-0.00005, "-.0001"},
      {4.999999999999999e-5, ".0001"},  // 15 digits first: 5.00000000000000e-5
      {99999.99995, "100000.0000"},
      {1e-300, ".0000"},
      {123456789012345.67, "123456789012346.0000"},
      {1e300, "1" + std::string(300, '0') + ".0000"},
      {-max, "-179769313486232" + std::string(294, '0') + ".0000"},
      {std::numeric_limits<double>::infinity(), "inf"},
      {std::nan(""), "nan"}};
  for (const auto& [value, expected] : cases) EXPECT_EQ(FormatValue(value, "."), expected);
  EXPECT_EQ(FormatValue(-1.875, "\u066B"), "-1\u066B8750");
}

TEST(FormatValue, AgreesWithAnIndependentReferenceOnMillionsOfValues) {
  std::mt19937_64 random(20261206);
  std::uniform_real_distribution<double> magnitude(-8, 22);
  std::uniform_int_distribution<std::int64_t> tenThousandths(-9'999'999'999, 9'999'999'999);
  int mismatches = 0;
  auto check = [&](double value) {
    const std::string expected = testing_support::ReferenceFormat(value);
    if (FormatValue(value, ".") != expected && ++mismatches <= 10) {
      ADD_FAILURE() << std::hexfloat << value << ": " << FormatValue(value, ".") << " vs "
                    << expected;
    }
  };
  for (int i = 0; i < 400'000; ++i) {
    // Spread over magnitudes, both signs; then ties at the fourth decimal and
    // the values either side of each.
    const double value = std::pow(10.0, magnitude(random));
    check(i % 2 ? value : -value);
    const double tie = (static_cast<double>(tenThousandths(random)) + 0.5) / 10000;
    check(tie);
    check(std::nextafter(tie, 0.0));
    check(std::nextafter(tie, tie * 2));
  }
  EXPECT_EQ(mismatches, 0);
}

}  // namespace
}  // namespace corvale

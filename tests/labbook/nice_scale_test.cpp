#include "labbook/nice_scale.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <utility>

namespace corvale {
namespace {

constexpr double kMax = std::numeric_limits<double>::max();

// Heckbert's loose labelling worked by hand: the nice range, a quarter of it;
// the values, the ticks and their decimals.
TEST(NiceScale, OrdinarySpans) {
  const std::tuple<double, double, std::vector<double>, int> cases[] = {
      {0, 5.5, {0, 2, 4, 6}, 0},                  // range 10, step 2.5 → 2
      {0, 127.5, {0, 50, 100, 150}, 0},           // range 200, step 50
      {0, 45, {0, 10, 20, 30, 40, 50}, 0},        // range 50, step 12.5 → 10
      {-3, 7, {-4, -2, 0, 2, 4, 6, 8}, 0},        // range 10, step 2
      {0, 1e6, {0, 2e5, 4e5, 6e5, 8e5, 1e6}, 0},  // range 1e6, step 2e5
      {0, 0.3, {0, 0.1, 0.2, 0.3}, 1},            // range 0.5, step 0.1
      {4.9, 5.3, {4.9, 5, 5.1, 5.2, 5.3}, 1}};
  for (const auto& [low, high, ticks, decimals] : cases) {
    const NiceScale s = MakeNiceScale(low, high, 5);
    ASSERT_EQ(s.ticks.size(), ticks.size()) << low << ".." << high;
    for (std::size_t i = 0; i < ticks.size(); ++i) EXPECT_NEAR(s.ticks[i], ticks[i], 1e-9);
    EXPECT_EQ(std::pair(s.decimals, s.exponent), std::pair(decimals, false));
    EXPECT_NEAR(s.low, s.ticks.front(), 1e-9);
    EXPECT_NEAR(s.high, s.ticks.back(), 1e-9);
  }
  // Two ticks asked for, as a narrow step axis asks: the ends alone (range 10, step 10).
  EXPECT_EQ(MakeNiceScale(0, 10, 2).ticks, (std::vector<double>{0, 10}));
  // A tight scale keeps its ends and the ticks within them.
  const NiceScale steps = MakeNiceScale(1, 100, 5, false);
  EXPECT_EQ(std::tuple(steps.low, steps.high, steps.ticks),
            std::tuple(1.0, 100.0, std::vector<double>{20, 40, 60, 80, 100}));
}

// Every scale is finite, covers its values, and tells its ticks apart.
void ExpectSound(const NiceScale& s, double low, double high) {
  ASSERT_GE(s.ticks.size(), 2u) << low << ".." << high;
  for (double t : s.ticks) EXPECT_TRUE(std::isfinite(t));
  for (std::size_t i = 1; i < s.ticks.size(); ++i) EXPECT_LT(s.ticks[i - 1], s.ticks[i]);
  EXPECT_TRUE(std::isfinite(s.low) && std::isfinite(s.high) && s.step > 0);
  EXPECT_TRUE(s.low <= low && s.high >= high && s.low < s.high) << s.low << ".." << s.high;
  const double middle = (low + high) / 2;
  EXPECT_TRUE(std::isfinite(FractionOf(s, middle)));
  EXPECT_TRUE(FractionOf(s, low) >= 0 && FractionOf(s, high) <= 1);
}

TEST(NiceScale, ExtremeSpans) {
  // clang-format off
  const std::tuple<double, double, bool> cases[] = {{-1.7e308, 0, true}, {0, 1.7e308, true}, {-1.7e308, 1.7e308, true},
               {-kMax, kMax, true}, {0, 1e-300, true}, {1e-300, 1e-300, true}, {0, 0, false},
               {5, 5, false}, {-kMax, -kMax, true}, {4.9e-324, 4.9e-324, true}};
  // clang-format on
  for (const auto& [low, high, exponent] : cases) {
    const NiceScale s = MakeNiceScale(low, high, 5);
    ExpectSound(s, low, high);
    EXPECT_EQ(s.exponent, exponent) << low << ".." << high;
  }
  // Halves: a span past the largest double still gets its nice step.
  EXPECT_EQ(MakeNiceScale(-1.7e308, 1.7e308, 5).step, 1e308);
  EXPECT_EQ(MakeNiceScale(-1.7e308, 0, 5).step, 5e307);
  // 1e-300 is divided as 1 is: step 2e-301, two significant digits.
  const NiceScale tiny = MakeNiceScale(0, 1e-300, 5);
  EXPECT_DOUBLE_EQ(tiny.step, 2e-301);
  EXPECT_EQ(std::pair(tiny.ticks.size(), tiny.digits), std::pair(std::size_t{6}, 2));
  // One value gets a range around it; zero one of ±1.
  EXPECT_EQ(MakeNiceScale(0, 0, 5).ticks, (std::vector<double>{-1, -0.5, 0, 0.5, 1}));
  const NiceScale five = MakeNiceScale(5, 5, 5);
  EXPECT_TRUE(five.low < 5 && five.high > 5) << five.low << ".." << five.high;
  // No negative zero, no NaN even from NaN or infinities.
  for (bool loose : {true, false})
    for (double t : MakeNiceScale(-0.3, 2, 5, loose).ticks) EXPECT_FALSE(t == 0 && std::signbit(t));
  ExpectSound(MakeNiceScale(std::nan(""), -std::numeric_limits<double>::infinity(), 5), -kMax, 0);
}

TEST(NiceScale, SpansOfAFewUlps) {
  const auto up = [](double value, int ulps) {
    for (int i = 0; i < ulps; ++i) value = std::nextafter(value, kMax);
    return value;
  };
  const double smallestNormal = std::numeric_limits<double>::min();
  const double smallestSubnormal = std::numeric_limits<double>::denorm_min();
  // clang-format off
  const std::pair<double, double> cases[] = {
      {5, up(5, 1)}, {0.3, 0.30000000000000004}, {0.1 + 0.2, 0.3},  // the other way round
      {5, up(5, 4)}, {-7, up(-7, 3)}, {1, up(1, 64)}, {1e15, up(1e15, 2)},
      {123456789.0, up(123456789.0, 5)}, {1e-200, up(1e-200, 3)}, {1e300, up(1e300, 3)},
      {0, smallestSubnormal}, {-smallestSubnormal, smallestSubnormal}, {1e-310, up(1e-310, 5)},
      {smallestNormal, up(smallestNormal, 2)}, {std::nextafter(kMax, 0), kMax},
      {std::nextafter(std::nextafter(kMax, 0), 0), kMax}, {-kMax, std::nextafter(-kMax, 0)}};
  // clang-format on
  for (const auto& [low, high] : cases) {
    SCOPED_TRACE(testing::Message() << std::hexfloat << low << ".." << high);
    for (bool loose : {true, false}) {
      const NiceScale s = MakeNiceScale(low, high, 5, loose);
      EXPECT_LE(s.ticks.size(), 11u);
      if (loose) ExpectSound(s, std::min(low, high), std::max(low, high));
    }
  }
}

}  // namespace
}  // namespace corvale

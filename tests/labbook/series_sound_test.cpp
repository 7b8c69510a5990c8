// The chart's sound as numbers: pitch read back by zero crossings and by the
// Goertzel filter, against frequencies worked out from the scale by hand.
#include "labbook/series_sound.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>
#include <tuple>

namespace corvale {
namespace {

// The amplitude of `hz` in samples first..first+count.
double Amplitude(const Pcm& pcm, std::size_t first, std::size_t count, double hz) {
  const double w = 2 * std::numbers::pi * hz / kSampleRate;
  double s1 = 0, s2 = 0;
  for (std::size_t n = first; n < first + count; ++n)
    std::tie(s1, s2) = std::pair(pcm[n] + 2 * std::cos(w) * s1 - s2, s1);
  return 2 * std::sqrt(s1 * s1 + s2 * s2 - 2 * std::cos(w) * s1 * s2) / static_cast<double>(count);
}

double CrossingHz(const Pcm& pcm, std::size_t first, std::size_t count) {
  int crossings = 0;
  for (std::size_t n = first + 1; n < first + count; ++n)
    crossings += (pcm[n - 1] < 0) != (pcm[n] < 0);
  return crossings / 2.0 / (static_cast<double>(count) / kSampleRate);
}

// 220 × 4^(fraction of the range) Hz, within it; the range may be wider than the largest
// double (high - low is inf) or the narrowest there is: at a quarter from the top, 622.254 Hz.
TEST(SeriesSound, PitchIsLogarithmicOverAnyRange) {
  constexpr double max = std::numeric_limits<double>::max();
  constexpr double tiny = std::numeric_limits<double>::denorm_min();
  // clang-format off
  const std::tuple<double, double, double, double> cases[] = {
      {0, 10, 0, 220}, {0, 10, 5, 440}, {0, 10, 10, 880}, {0, 10, 2.5, 311.127}, {0, 10, -3, 220},
      {0, 10, 40, 880}, {0, 10, NAN, 440}, {3, 3, 3, 440},  // one value: the middle
      {-9e307, 9e307, 0, 440}, {-9e307, 9e307, 9e307, 880}, {-9e307, 9e307, -9e307, 220},
      {-9e307, 9e307, 4.5e307, 622.254}, {-max, max, 0, 440}, {-max, max, max, 880},
      {-max, max, -max / 2, 311.127}, {0, tiny, tiny, 880}, {-tiny, tiny, 0, 440}};
  // clang-format on
  for (const auto& [low, high, value, hz] : cases)
    EXPECT_NEAR((PitchScale{low, high}).FrequencyOf(value), hz, 0.001) << low << ".." << value;
}

TEST(SeriesSound, AToneIsItsPitchFadedAtBothEnds) {
  const Pcm tone = ToneOf(440, 0.08);
  ASSERT_EQ(tone.size(), 3840u);
  EXPECT_NEAR(CrossingHz(tone, 0, tone.size()), 440, 13);  // one crossing in 70
  EXPECT_NEAR(Amplitude(tone, 480, 2880, 440), 8192, 200);
  EXPECT_TRUE(std::abs(tone.front()) <= 10 && std::abs(tone.back()) <= 200);
}

// Ten rows over one second: a slice each, 220 × 4^(k/9) Hz.
TEST(SeriesSound, ARisingSeriesRisesInPitch) {
  const std::vector<double> values = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
  const Pcm pcm = SeriesSound(values, {0, 9}, {}, 1);
  ASSERT_EQ(pcm.size(), 48000u);
  const double expected[] = {220, 256.6, 299.4, 349.2, 407.4, 475.2, 554.4, 646.7, 754.4, 880};
  for (std::size_t k = 0; k < 10; ++k)
    EXPECT_NEAR(CrossingHz(pcm, k * 4800 + 600, 3600), expected[k], expected[k] * 0.03) << k;
}

// 100,000 rows swinging between 0 and 10 each row, over two seconds: 200 slices of 480 samples,
// each 220 Hz then 880 Hz (its first row is 0), not a note a row.
TEST(SeriesSound, ALongRunPlaysEachSlicesRange) {
  std::vector<double> values(100'000);
  for (std::size_t r = 1; r < values.size(); r += 2) values[r] = 10;
  const Pcm pcm = SeriesSound(values, {0, 10}, {}, 2);
  ASSERT_EQ(pcm.size(), 96000u);
  for (const std::size_t slice : {20u, 100u, 180u}) {
    const std::size_t at = slice * 480;
    EXPECT_GT(Amplitude(pcm, at, 240, 220), 2 * Amplitude(pcm, at, 240, 880)) << slice;
    EXPECT_GT(Amplitude(pcm, at + 240, 240, 880), 2 * Amplitude(pcm, at + 240, 240, 220)) << slice;
  }
}

// A click at row 5 of 10 over one second: 3 kHz for 4 ms at 0.5 s, on the tone and nowhere else.
// A crossing clicks: 4 ms at 3 kHz; a change of the load knocks: 30 ms at 700 Hz.
TEST(SeriesSound, ACrossingClicksAndALoadKnocks) {
  const std::vector<double> values(10, 4);
  const Pcm plain = SeriesSound(values, {0, 10}, {}, 1);
  const std::vector<std::size_t> at5{5};
  const struct {
    bool knock;
    std::size_t length;
    double hz;
  } cases[] = {{false, 192, 3000}, {true, 1440, 700}};
  for (const auto& c : cases) {
    const Pcm marked =
        SeriesSound(values, {0, 10}, c.knock ? SoundCues{{}, at5} : SoundCues{at5}, 1);
    ASSERT_EQ(marked.size(), plain.size());
    Pcm mark(plain.size());
    for (std::size_t n = 0; n < plain.size(); ++n) {
      mark[n] = static_cast<std::int16_t>(marked[n] - plain[n]);
      EXPECT_TRUE((n >= 24000 && n < 24000 + c.length) || mark[n] == 0) << n;
    }
    EXPECT_NEAR(Amplitude(mark, 24000, c.length, c.hz), 0.5 * 0.3 * 32767, 300);  // Hann-windowed
    // ... and so it fades out to nothing, with no crack at its end.
    for (std::size_t n = 24000 + c.length - 6; n < 24000 + c.length; ++n)
      EXPECT_LT(std::abs(mark[n]), 100) << n;
  }
  EXPECT_TRUE(SeriesSound({}, {0, 1}, {}, 1).empty());
}

// SP 10 to row 5 of 10, then 0, beside a PV of 0 over one second: a voice a fifth as loud as
// the series' (1,638), 880 Hz for half a second, then 220 Hz, a tick of 12 ms at 1.5 kHz at the
// change; PV's 220 Hz still counted by its zero crossings under a voice four times as high.
TEST(SeriesSound, ALevelSoundsSoftlyBesideTheSeriesAndTicksWhereItChanges) {
  const std::vector<double> values(10, 0);
  const std::vector<Level> levels = {{0, 10}, {5, 0}};
  const Pcm plain = SeriesSound(values, {0, 10}, {}, 1);
  const Pcm heard = SeriesSound(values, {0, 10}, {.levels = levels}, 1);
  ASSERT_EQ(heard.size(), plain.size());
  Pcm voice(plain.size());
  for (std::size_t n = 0; n < plain.size(); ++n)
    voice[n] = static_cast<std::int16_t>(heard[n] - plain[n]);
  const std::tuple<std::size_t, std::size_t, double, double> cases[] = {
      {2400, 19200, 880, 1638},
      {2400, 19200, 220, 0},
      {26400, 19200, 220, 1638},
      {26400, 19200, 880, 0},
      {24000, 576, 1500, 4915}};  // the tick, Hann-windowed
  for (const auto& [first, count, hz, amplitude] : cases)
    EXPECT_NEAR(Amplitude(voice, first, count, hz), amplitude, 300) << first << " " << hz;
  EXPECT_NEAR(CrossingHz(heard, 2400, 19200), 220, 7);
}

}  // namespace
}  // namespace corvale

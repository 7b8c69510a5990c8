#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace corvale {

// Sound as the chart plays it: signed 16-bit mono samples at 48 kHz.
inline constexpr int kSampleRate = 48000;
using Pcm = std::vector<std::int16_t>;

// Pitch for value: low..high spread over lowHz..highHz on a log scale, so
// that equal changes of value are equal musical intervals; values outside
// are held at the ends, and a range of one value plays its middle.
struct PitchScale {
  double low = 0;
  double high = 1;
  double lowHz = 220;
  double highHz = 880;

  double FrequencyOf(double value) const;
};

// One tone of `seconds`, faded in and out over a few milliseconds so that
// it starts and stops without a crack.
Pcm ToneOf(double frequency, double seconds);

// A value held from a row on, until the next level's row: SP under the
// commands of a run.
struct Level {
  std::size_t firstRow = 0;
  double value = 0;

  bool operator==(const Level&) const = default;
};

// What sounds with a series besides its own pitch: a soft click at each of
// `clicks` (rows), a lower, longer knock at each of `knocks`, and `levels`
// as a second, quieter voice that holds each level's pitch from its row on,
// with a tick of its own where one level gives way to the next.
struct SoundCues {
  std::span<const std::size_t> clicks = {};
  std::span<const std::size_t> knocks = {};
  std::span<const Level> levels = {};
};

// The series as sound over `seconds`: time runs along the rows, pitch
// follows the value. The rows fall into time slices, about 100 a second and
// never more than there are rows; each plays its smallest and its largest
// value in the order the slice runs, so that a long run's swings are heard
// without a note a row.
Pcm SeriesSound(std::span<const double> values, const PitchScale& scale, const SoundCues& cues,
                double seconds);

}  // namespace corvale

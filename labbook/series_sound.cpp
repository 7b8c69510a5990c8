#include "labbook/series_sound.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace corvale {
namespace {

constexpr double kLoudness = 0.25 * 32767;  // leaves room for a click on top
constexpr double kFadeSeconds = 0.005;
constexpr double kSlicesPerSecond = 100;
constexpr double kClickHz = 3000;
constexpr double kClickSeconds = 0.004;
constexpr double kClickLoudness = 0.3 * 32767;
// The levels' voice a fifth as loud as the series': heard beside it, and
// never so loud that it moves the series' zero crossings, by which its pitch
// is measured (a fifth of the amplitude at up to four times the pitch
// changes sign slower than the series does).
constexpr double kLevelLoudness = kLoudness / 5;
// A change of level: a click between a crossing's and a knock in pitch and
// in length.
constexpr double kTickHz = 1500;
constexpr double kTickSeconds = 0.012;

// A sine whose pitch changes without a jump in its phase.
class Oscillator {
 public:
  explicit Oscillator(double loudness = kLoudness) : loudness_(loudness) {}

  void Play(std::vector<double>& out, double frequency, std::size_t samples) {
    const double advance = 2 * std::numbers::pi * frequency / kSampleRate;
    for (std::size_t n = 0; n < samples; ++n) {
      out.push_back(loudness_ * std::sin(phase_));
      phase_ = std::fmod(phase_ + advance, 2 * std::numbers::pi);
    }
  }

 private:
  double loudness_;
  double phase_ = 0;
};

void Fade(std::vector<double>& wave) {
  const std::size_t fade =
      std::min(wave.size() / 2, static_cast<std::size_t>(kFadeSeconds * kSampleRate));
  for (std::size_t n = 0; n < fade; ++n) {
    const double gain = static_cast<double>(n) / static_cast<double>(fade);
    wave[n] *= gain;
    wave[wave.size() - 1 - n] *= gain;
  }
}

// A knock: as a click, lower and longer, for what happens to the loop from
// outside it rather than what the series does.
constexpr double kKnockHz = 700;
constexpr double kKnockSeconds = 0.03;

void AddClick(std::vector<double>& wave, std::size_t at, double hz = kClickHz,
              double seconds = kClickSeconds) {
  const auto length = static_cast<std::size_t>(seconds * kSampleRate);
  for (std::size_t n = 0; n < length && at + n < wave.size(); ++n) {
    const double t = static_cast<double>(n) / static_cast<double>(length);
    const double window = 0.5 - 0.5 * std::cos(2 * std::numbers::pi * t);
    wave[at + n] += kClickLoudness * window *
                    std::sin(2 * std::numbers::pi * hz * static_cast<double>(n) / kSampleRate);
  }
}

// The levels' voice added to `wave`, the series' sound of `rows` rows: each
// level's pitch from its row's time to the next level's, and a tick at each
// change.
void AddLevels(std::vector<double>& wave, std::span<const Level> levels, const PitchScale& scale,
               std::size_t rows) {
  if (levels.empty()) return;
  const std::size_t total = wave.size();
  const auto at = [&](std::size_t row) { return std::min(row, rows) * total / rows; };
  std::vector<double> voice;
  voice.reserve(total);
  Oscillator oscillator(kLevelLoudness);
  for (std::size_t k = 0; k < levels.size(); ++k) {
    const std::size_t end = k + 1 < levels.size() ? at(levels[k + 1].firstRow) : total;
    if (end > voice.size())
      oscillator.Play(voice, scale.FrequencyOf(levels[k].value), end - voice.size());
  }
  Fade(voice);
  for (std::size_t n = 0; n < total; ++n) wave[n] += voice[n];
  for (std::size_t k = 1; k < levels.size(); ++k) {
    const std::size_t row = levels[k].firstRow;
    if (row > 0 && row < rows) AddClick(wave, at(row), kTickHz, kTickSeconds);
  }
}

Pcm ToPcm(const std::vector<double>& wave) {
  Pcm pcm(wave.size());
  std::transform(wave.begin(), wave.end(), pcm.begin(), [](double v) {
    return static_cast<std::int16_t>(std::lround(std::clamp(v, -32768.0, 32767.0)));
  });
  return pcm;
}

}  // namespace

double PitchScale::FrequencyOf(double value) const {
  double t = 0.5;
  if (high > low && !std::isnan(value)) {
    const double v = std::clamp(value, low, high);
    // A range wider than the largest double (-9e307 to 9e307) overflows to
    // inf; on halves it cannot, and a range that fits keeps the full
    // difference, which halving would lose among the subnormals.
    const double range = high - low;
    t = std::isfinite(range) ? (v - low) / range : (v / 2 - low / 2) / (high / 2 - low / 2);
    t = std::clamp(t, 0.0, 1.0);
  }
  if (std::isnan(t)) t = 0.5;  // an infinite end
  return lowHz * std::pow(highHz / lowHz, t);
}

Pcm ToneOf(double frequency, double seconds) {
  std::vector<double> wave;
  Oscillator().Play(wave, frequency, static_cast<std::size_t>(seconds * kSampleRate));
  Fade(wave);
  return ToPcm(wave);
}

Pcm SeriesSound(std::span<const double> values, const PitchScale& scale, const SoundCues& cues,
                double seconds) {
  const std::size_t rows = values.size();
  const auto total = static_cast<std::size_t>(seconds * kSampleRate);
  if (rows == 0 || total == 0) return {};
  const std::size_t slices =
      std::clamp<std::size_t>(static_cast<std::size_t>(seconds * kSlicesPerSecond), 1, rows);
  std::vector<double> wave;
  wave.reserve(total);
  Oscillator oscillator;
  for (std::size_t k = 0; k < slices; ++k) {
    const std::span<const double> slice =
        values.subspan(k * rows / slices, (k + 1) * rows / slices - k * rows / slices);
    const std::size_t samples = (k + 1) * total / slices - k * total / slices;
    const auto low = std::min_element(slice.begin(), slice.end());
    const auto high = std::max_element(slice.begin(), slice.end());
    // In the order the slice reaches them: a rise plays low then high.
    const bool lowFirst = low <= high;
    oscillator.Play(wave, scale.FrequencyOf(lowFirst ? *low : *high), samples / 2);
    oscillator.Play(wave, scale.FrequencyOf(lowFirst ? *high : *low), samples - samples / 2);
  }
  Fade(wave);
  AddLevels(wave, cues.levels, scale, rows);
  for (const std::size_t row : cues.clicks) {
    if (row < rows) AddClick(wave, row * total / rows);
  }
  for (const std::size_t row : cues.knocks) {
    if (row < rows) AddClick(wave, row * total / rows, kKnockHz, kKnockSeconds);
  }
  return ToPcm(wave);
}

}  // namespace corvale

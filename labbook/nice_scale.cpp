#include "labbook/nice_scale.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace corvale {
namespace {

constexpr double kLargest = std::numeric_limits<double>::max();
// Spans below this are widened: their steps would fall among the subnormals,
// where multiples of a step are no longer distinct.
constexpr double kSmallestHalfSpan = 1e-305;
// Nor may a span be a mere rounding error of its values (5 and the double
// after it, 0.3 and 0.1 + 0.2): its step would be a few units in their last
// place, the multiples of it that reach them beyond 2^53 and so no longer
// distinct, and the ticks' loop endless. At this share the multiples stay
// below 10^12 times the ticks asked for.
constexpr double kSmallestRelativeHalfSpan = 1e-12;
// However many ticks are asked for: far more than an axis has room for, and
// with it the multiples stay below 2^53.
constexpr int kMostTicks = 1000;

// value × 10^power, in parts so that neither the power of ten nor a partial
// product leaves double's range before the result does.
double Scale(double value, int power) {
  while (power > 300) value *= 1e300, power -= 300;
  while (power < -300) value *= 1e-300, power += 300;
  return value * std::pow(10.0, power);
}

// A nice number, mantissa × 10^power with mantissa 1, 2, 5 or 10, near
// fraction × 10^power: the next above it, or with `round` the nearest.
struct Nice {
  double mantissa;
  int power;
};

Nice NiceNumber(double fraction, int power, bool round) {
  const int shift = static_cast<int>(std::floor(std::log10(fraction)));
  double f = Scale(fraction, -shift);
  power += shift;
  // log10 may miss by one at exact powers of ten.
  if (f >= 10) f /= 10, ++power;
  if (f < 1) f *= 10, --power;
  double m;
  if (round) {
    m = f < 1.5 ? 1 : f < 3 ? 2 : f < 7 ? 5 : 10;
  } else {
    m = f <= 1 ? 1 : f <= 2 ? 2 : f <= 5 ? 5 : 10;
  }
  return {m, power};
}

// A nice number one notch smaller: 10 → 5 → 2 → 1 → 0.5.
Nice Smaller(Nice n) {
  if (n.mantissa == 10) return {5, n.power};
  if (n.mantissa == 5) return {2, n.power};
  if (n.mantissa == 2) return {1, n.power};
  return {5, n.power - 1};
}

double Sanitized(double value) {
  if (std::isnan(value)) return 0;
  return std::clamp(value, -kLargest, kLargest);
}

}  // namespace

NiceScale MakeNiceScale(double low, double high, int ticks, bool loose) {
  low = Sanitized(low);
  high = Sanitized(high);
  if (low > high) std::swap(low, high);
  ticks = std::clamp(ticks, 2, kMostTicks);
  // Halves: high - low itself may pass the largest double.
  double halfSpan = high / 2 - low / 2;
  const double magnitude = std::max(std::abs(low), std::abs(high));
  if (halfSpan < std::max(kSmallestHalfSpan, magnitude * kSmallestRelativeHalfSpan)) {
    // One value, or all but: a range around it, a tenth of it each way.
    // Tiny, so its difference is finite; halves of the smallest doubles are 0.
    const double middle = low + (high - low) / 2;
    const double reach = middle == 0 ? 1 : std::max(std::abs(middle) / 10, 2 * kSmallestHalfSpan);
    low = std::max(middle - reach, -kLargest);
    high = std::min(middle + reach, kLargest);
    halfSpan = high / 2 - low / 2;
  }
  // The span is 2 × halfSpan; its nice number is taken on the decimal
  // exponent, never as a double that might overflow.
  const int spanPower = static_cast<int>(std::floor(std::log10(halfSpan)));
  const double spanFraction = 2 * Scale(halfSpan, -spanPower);
  const Nice range = NiceNumber(spanFraction, spanPower, false);
  Nice step = NiceNumber(range.mantissa / (ticks - 1), range.power, true);
  double d = Scale(step.mantissa, step.power);
  while (!std::isfinite(d)) step = Smaller(step), d = Scale(step.mantissa, step.power);

  NiceScale scale;
  scale.step = d;
  // A value a rounding error off a multiple of the step counts as on it.
  constexpr double kSlack = 1e-9;
  const double first = loose ? std::floor(low / d + kSlack) : std::ceil(low / d - kSlack);
  const double last = loose ? std::ceil(high / d - kSlack) : std::floor(high / d + kSlack);
  for (double k = first; k <= last; ++k) {
    const double tick = k * d + 0.0;  // + 0.0: never a negative zero
    if (std::isfinite(tick)) scale.ticks.push_back(tick);
  }
  scale.low = low;
  scale.high = high;
  if (loose && !scale.ticks.empty()) {
    scale.low = std::min(low, scale.ticks.front());
    scale.high = std::max(high, scale.ticks.back());
  }

  // The step's own decimals tell the ticks apart; an exponent serves once
  // they are more than a handful of digits, either way.
  const int stepPower = step.mantissa >= 10 ? step.power + 1 : step.power;
  const double largest = std::max(std::abs(scale.low), std::abs(scale.high));
  const int largestPower = static_cast<int>(std::floor(std::log10(std::max(largest, d))));
  scale.exponent = stepPower < -4 || largestPower >= 7;
  scale.decimals = scale.exponent ? 0 : std::max(-stepPower, 0);
  scale.digits = std::clamp(largestPower - stepPower + 1, 1, 17);
  return scale;
}

double FractionOf(const NiceScale& scale, double value) {
  const double half = scale.high / 2 - scale.low / 2;
  if (!(half > 0) || std::isnan(value)) return 0.5;
  return (Sanitized(value) / 2 - scale.low / 2) / half;
}

}  // namespace corvale

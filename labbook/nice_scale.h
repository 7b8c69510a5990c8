#pragma once

#include <vector>

namespace corvale {

// Round-number ticks for an axis, as Heckbert's "Nice Numbers for Graph
// Labels" (Graphics Gems, 1990) makes them: a step of 1, 2 or 5 times a power
// of ten. Any finite range works, from one of a single value or of 1e-300 to
// one of -1.7e308 to 1.7e308: nothing in the making overflows, and the
// result holds no infinity and no NaN.
struct NiceScale {
  std::vector<double> ticks;  // ascending, each a multiple of `step`
  double step = 1;
  // The axis' ends. A loose scale ends at ticks that enclose the values (where
  // such a tick would pass the largest double, at the value itself); a tight
  // one at the values, its ticks within them.
  double low = 0;
  double high = 1;
  // How the labels tell the ticks apart: with `decimals` digits after the
  // point, or, when `exponent`, in exponent form with `digits` significant
  // digits.
  int decimals = 0;
  bool exponent = false;
  int digits = 1;
};

// Ticks for values from `low` to `high`, about `ticks` of them (at most
// 1000 asked for). A single value gets a range around it, and so do values
// whose span is a mere rounding error of them (0.3 and 0.1 + 0.2); NaN counts
// as 0 and infinities as the largest doubles.
NiceScale MakeNiceScale(double low, double high, int ticks, bool loose = true);

// Where `value` lies from the scale's low end (0) to its high end (1), computed
// on halves so that a range as wide as doubles go stays finite.
double FractionOf(const NiceScale& scale, double value);

}  // namespace corvale

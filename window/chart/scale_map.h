#pragma once

#include <algorithm>

#include "labbook/nice_scale.h"

namespace corvale {

// Values to pixels along one axis: the scale's low end at pixel `from`, its
// high end at `to` (to < from for an axis that grows upward).
class ScaleMap {
 public:
  ScaleMap() = default;
  ScaleMap(NiceScale scale, double from, double to)
      : scale_(std::move(scale)), from_(from), to_(to) {}

  const NiceScale& Scale() const { return scale_; }
  double From() const { return from_; }
  double To() const { return to_; }
  // Far outside the scale is still a finite coordinate, a few lengths away.
  double ToPixel(double value) const {
    return from_ + std::clamp(FractionOf(scale_, value), -2.0, 3.0) * (to_ - from_);
  }
  double ToValue(double pixel) const {
    if (to_ == from_) return scale_.low;
    const double fraction = (pixel - from_) / (to_ - from_);
    return scale_.low + fraction * (scale_.high - scale_.low);
  }

 private:
  NiceScale scale_;
  double from_ = 0;
  double to_ = 1;
};

}  // namespace corvale

// The zoom's levels and the form's size, as the window's decisions take them.
#pragma once

#include <algorithm>

#include "form/box.h"
#include "window/shell/zoom.h"

namespace corvale {

// The form's client area is 6816 × 4644 twips, 15 to a pixel at 100 %. The
// chart needs 320 × 240 at 100 % and a margin of 8.
inline constexpr Place kClientArea{0, 0, 6816, 4644};

inline int LevelOf(int percent) {
  const auto& p = Zoom::kPercent;
  return static_cast<int>(std::find(p.begin(), p.end(), percent) - p.begin());
}

}  // namespace corvale

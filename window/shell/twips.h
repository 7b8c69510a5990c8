#pragma once

#include <QRect>
#include <cmath>

#include "form/box.h"

namespace corvale {

// The layout is drawn in twips; at 96 dots per inch and no zoom a logical
// pixel is 15 twips, and Qt's high-DPI scaling takes it from there. A zoom
// draws the same layout `scale` times as large.
inline QRect TwipsRect(const Place& place, double scale = 1) {
  const auto pixels = [scale](int twips) {
    return static_cast<int>(std::lround(twips * scale / 15));
  };
  return QRect(pixels(place.left), pixels(place.top), pixels(place.width), pixels(place.height));
}

}  // namespace corvale

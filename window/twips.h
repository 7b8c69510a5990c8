#pragma once

#include <QRect>
#include <QSize>

#include "box.h"

namespace corvale {

// The layout is drawn in twips; at 96 dots per inch a logical pixel is 15
// twips, and Qt's high-DPI scaling takes it from there.
constexpr int TwipsToPixels(int twips) { return (twips + 7) / 15; }

constexpr QRect TwipsRect(int left, int top, int width, int height) {
  return QRect(TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width),
               TwipsToPixels(height));
}

constexpr QRect TwipsRect(const Place& place) {
  return TwipsRect(place.left, place.top, place.width, place.height);
}

constexpr QSize TwipsSize(int width, int height) {
  return QSize(TwipsToPixels(width), TwipsToPixels(height));
}

}  // namespace corvale

#include "form/box.h"

namespace corvale {

static_assert(
    [] {
      for (std::size_t i = 0; i < kBoxCount; ++i) {
        if (IndexOf(kBoxes[i].box) != i) return false;
      }
      return true;
    }(),
    "kBoxes is indexed by Box");

std::string InitialText(Box box, const NumberFormat& numbers) {
  std::string text;
  for (char c : Describe(box).initialText) {
    if (c == '.') {
      text += numbers.decimalSeparator;
    } else {
      text += c;
    }
  }
  return text;
}

}  // namespace corvale

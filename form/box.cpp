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
  return WithSeparator(Describe(box).initialText, numbers);
}

std::string WithSeparator(std::string_view text, const NumberFormat& numbers) {
  std::string out;
  for (char c : text) {
    if (c == '.') {
      out += numbers.decimalSeparator;
    } else {
      out += c;
    }
  }
  return out;
}

}  // namespace corvale

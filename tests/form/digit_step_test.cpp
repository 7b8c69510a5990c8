#include "form/digit_step.h"

#include <gtest/gtest.h>

namespace corvale {
namespace {

struct StepCase {
  const char* text;  // "|" marks the caret
  int units;
  const char* after;  // with its caret; "" where the text is refused
};

// Worked by hand, one digit at a time.
TEST(DigitStep, StepsTheDigitBeforeTheCaretKeepingTheTextsForm) {
  const NumberFormat point;
  const NumberFormat comma{.decimalSeparator = ","};
  const NumberFormat arabic{.decimalSeparator = "\u066B", .zeroDigit = "\u0660"};
  const std::tuple<const NumberFormat*, StepCase> cases[] = {
      {&point, {".5|", 1, ".6|"}},
      {&point, {"0|.5", 1, "1|.5"}},
      {&point, {"0.|5", 1, "1.|5"}},  // after the separator: the digit before it
      {&point, {"1.95|", 1, "1.96|"}},
      {&point, {"1.95|", -10, "1.85|"}},
      {&point, {"-0.1|", 1, "0.0|"}},  // zero takes no sign
      {&point, {"0.0|", -1, "-0.1|"}},
      {&point, {".0|", -1, "-.1|"}},
      {&point, {"9.9|", 1, "10.0|"}},
      {&point, {"9|.9", 1, "10|.9"}},
      {&point, {"10|.5", -10, "0|.5"}},
      {&point, {"|5", 1, "|6"}},  // before every digit: the first one
      {&point, {"-|5", 10, "|5"}},
      {&point, {"100|", -1, "99|"}},
      {&point, {"007|", 1, "008|"}},
      {&point, {"+1|", -2, "-1|"}},
      {&point, {"5.|", 1, "6.|"}},
      {&point, {" 3| ", 1, " 4| "}},
      {&comma, {"0,5|", 1, "0,6|"}},
      {&comma, {"0.5|", 1, ""}},  // not this locale's separator
      {&arabic, {"\u0660\u066B\u0665|", 1, "\u0660\u066B\u0666|"}},
      {&arabic, {"\u0660\u066B\u0669|", 1, "\u0661\u066B\u0660|"}},  // ٠٫٩ to ١٫٠
      {&point, {"abc|", 1, ""}},
      {&point, {"|", 1, ""}},
      {&point, {"1e3|", 1, ""}},
      {&point, {"123456789012345678|", 1, ""}},
  };
  for (const auto& [numbers, c] : cases) {
    const std::string text = c.text;
    const std::size_t caret = text.find('|');
    std::string plain = text;
    plain.erase(plain.begin() + static_cast<std::ptrdiff_t>(caret));
    const auto stepped = StepDigit(plain, caret, c.units, *numbers);
    std::string got;
    if (const auto* done = std::get_if<SteppedText>(&stepped)) {
      got = done->text;
      got.insert(got.begin() + static_cast<std::ptrdiff_t>(done->caret), '|');
    }
    EXPECT_EQ(got, c.after) << c.text << " by " << c.units;
  }
}

}  // namespace
}  // namespace corvale

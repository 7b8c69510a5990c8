#include "window/words/prose_number.h"

#include <gtest/gtest.h>

#include <tuple>

namespace corvale {
namespace {

TEST(ProseNumber, WritesNumbersAsASentenceDoes) {
  const QLocale en(QLocale::English, QLocale::UnitedStates), de(QLocale::German, QLocale::Germany);
  // clang-format off
  const std::tuple<QLocale, double, const char*> cases[] = {
      {en, 0.5, "0.5"}, {en, -0.0, "0"}, {en, 1.666666, "1.6667"}, {en, 3.33333, "3.3333"},
      {en, 9.99999, "10"}, {en, 9.999996e-300, "1e-299"}, {en, 1e-4, "0.0001"},
      {en, -0.00001, "-1e-5"}, {en, -1e-300, "-1e-300"}, {en, 1.7e308, "1.7e308"},
      {en, 1e15, "1e15"}, {en, 9.99996e14, "1e15"},  // its exponent once rounded to five digits
      {en, 123456789012345, "123,456,789,012,345"},
      {QLocale::c(), 1e6, "1,000,000"},  // grouped though C omits groups
      {de, 0.5, "0,5"}, {de, 1234567.25, "1.234.567"}, {de, -4.0100936e-5, "-4,0101e-5"},
      {QLocale(QLocale::Swedish), -1.5, "\u22121,5"}};
  // clang-format on
  for (const auto& [locale, value, text] : cases)
    EXPECT_EQ(ProseNumber(value, locale).toStdString(), text) << value;
  EXPECT_EQ(ProsePercent(-0.01, en), "0.0");
  EXPECT_EQ(ProsePercent(4.847, de), "4,8");
}

}  // namespace
}  // namespace corvale

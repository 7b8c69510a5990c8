#include "window/words/prose_number.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <iterator>
#include <string_view>

namespace corvale {
namespace {

constexpr int kDigits = 5;

// A locale given to the window may have been told to omit groups (the C
// locale is); prose groups them all the same.
QLocale Grouped(const QLocale& locale) {
  QLocale grouped = locale;
  grouped.setNumberOptions(locale.numberOptions() & ~QLocale::OmitGroupSeparator);
  return grouped;
}

// The zeros that a fixed number of decimals leaves at the end, and the point
// when nothing is left after it.
QString Trimmed(QString text, const QLocale& locale) {
  const QString point = locale.decimalPoint();
  if (!text.contains(point)) return text;
  const QString zero = locale.zeroDigit();
  while (text.endsWith(zero)) text.chop(zero.size());
  if (text.endsWith(point)) text.chop(point.size());
  return text;
}

}  // namespace

QString ProseNumber(double value, const QLocale& locale) {
  if (!std::isfinite(value)) return locale.toString(value);
  if (value == 0) return locale.toString(0);  // -0 too
  const QLocale grouped = Grouped(locale);
  // The exponent is the one of the value rounded to its digits, so that
  // 9.99999 is written as 10, not as 10.000 with one digit too many.
  char text[32];
  const double magnitude = std::abs(value);
  const char* const end = std::to_chars(std::begin(text), std::end(text), magnitude,
                                        std::chars_format::scientific, kDigits - 1)
                              .ptr;
  const std::string_view written(text, static_cast<std::size_t>(end - text));
  const std::size_t e = written.find('e');
  std::string_view exponentText = written.substr(e + 1);
  if (exponentText.starts_with('+')) exponentText.remove_prefix(1);
  int exponent = 0;
  std::from_chars(exponentText.data(), exponentText.data() + exponentText.size(), exponent);

  QString prose;
  if (exponent < -4 || exponent >= 15) {
    double mantissa = 0;
    std::from_chars(text, text + e, mantissa);
    prose = Trimmed(grouped.toString(mantissa, 'f', kDigits - 1), grouped) +
            grouped.exponential().toLower() + grouped.toString(exponent);
  } else {
    prose = Trimmed(grouped.toString(magnitude, 'f', std::max(0, kDigits - 1 - exponent)), grouped);
  }
  return value < 0 ? grouped.negativeSign() + prose : prose;
}

QString ProsePercent(double percent, const QLocale& locale) {
  // What rounds to 0.0 is written without a sign.
  if (std::abs(percent) < 0.05) percent = 0;
  return Grouped(locale).toString(percent, 'f', 1);
}

QString ProseFixed(double value, int decimals, const QLocale& locale) {
  return Grouped(locale).toString(value, 'f', decimals);
}

QString ProseCount(std::int64_t count, const QLocale& locale) {
  return Grouped(locale).toString(static_cast<qlonglong>(count));
}

}  // namespace corvale

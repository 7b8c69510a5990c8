#include "parse_number.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>

namespace corvale {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

std::string_view TakeDigits(std::string_view& text) {
  const auto end = std::find_if_not(text.begin(), text.end(), IsDigit);
  const std::string_view digits(text.begin(), end);
  text.remove_prefix(digits.size());
  return digits;
}

bool TakePrefix(std::string_view& text, std::string_view prefix) {
  if (prefix.empty() || !text.starts_with(prefix)) return false;
  text.remove_prefix(prefix.size());
  return true;
}

// Left-to-right, right-to-left and Arabic letter marks. Persian and Arabic
// locales write them around their signs; a user may type a sign with or
// without them.
bool TakeBidiMark(std::string_view& text) {
  return TakePrefix(text, "\u200E") || TakePrefix(text, "\u200F") || TakePrefix(text, "\u061C");
}

void SkipBidiMarks(std::string_view& text) {
  while (TakeBidiMark(text)) {
  }
}

std::string WithoutBidiMarks(std::string_view sign) {
  std::string core;
  while (!sign.empty()) {
    if (TakeBidiMark(sign)) continue;
    core += sign.front();
    sign.remove_prefix(1);
  }
  return core;
}

// The signs a number and its exponent may carry: the ASCII ones, the
// mathematical minus U+2212 and the locale's own, each without its marks.
struct Signs {
  std::string localeMinus;
  std::string localePlus;
};

enum class Sign { None, Plus, Minus };

Sign TakeSign(std::string_view& text, const Signs& signs) {
  std::string_view rest = text;
  SkipBidiMarks(rest);
  Sign sign = Sign::None;
  if (TakePrefix(rest, "-") || TakePrefix(rest, "\u2212") || TakePrefix(rest, signs.localeMinus)) {
    sign = Sign::Minus;
  } else if (TakePrefix(rest, "+") || TakePrefix(rest, signs.localePlus)) {
    sign = Sign::Plus;
  } else {
    return Sign::None;  // marks without a sign belong to no number
  }
  SkipBidiMarks(rest);
  text = rest;
  return sign;
}

// The power of ten of the leading digit, saturated far beyond binary64's
// range; it tells an overflow from an underflow once the conversion has said
// the value is out of range.
std::int64_t LeadingPowerOfTen(std::string_view integer, std::string_view fraction,
                               std::string_view exponentDigits, bool negativeExponent) {
  constexpr std::int64_t kSaturation = 1'000'000'000;
  std::int64_t exponent = 0;
  for (char c : exponentDigits) exponent = std::min(kSaturation, exponent * 10 + (c - '0'));
  if (negativeExponent) exponent = -exponent;

  const auto firstNonZero = integer.find_first_not_of('0');
  if (firstNonZero != std::string_view::npos) {
    return exponent + static_cast<std::int64_t>(integer.size() - firstNonZero) - 1;
  }
  const auto fractionNonZero = fraction.find_first_not_of('0');
  return exponent - static_cast<std::int64_t>(fractionNonZero) - 1;
}

}  // namespace

ParsedNumber ParseNumber(std::string_view text, const NumberFormat& format) {
  constexpr ParsedNumber kNotANumber{0, ParseError::NotANumber};
  std::string_view rest = TrimBlanks(text);

  const Signs signs{WithoutBidiMarks(format.minusSign), WithoutBidiMarks(format.plusSign)};
  const bool negative = TakeSign(rest, signs) == Sign::Minus;

  const std::string_view integer = TakeDigits(rest);
  std::string_view fraction;
  if (TakePrefix(rest, format.decimalSeparator)) fraction = TakeDigits(rest);
  if (integer.empty() && fraction.empty()) return kNotANumber;

  std::string_view exponentDigits;
  bool negativeExponent = false;
  if (!rest.empty() && (rest.front() == 'e' || rest.front() == 'E')) {
    rest.remove_prefix(1);
    negativeExponent = TakeSign(rest, signs) == Sign::Minus;
    exponentDigits = TakeDigits(rest);
    if (exponentDigits.empty()) return kNotANumber;
  }
  if (!rest.empty()) return kNotANumber;

  // The grammar is checked; from_chars wants the C locale's spelling.
  std::string plain;
  plain.reserve(integer.size() + fraction.size() + exponentDigits.size() + 4);
  if (negative) plain += '-';
  plain += integer;
  plain += '.';
  plain += fraction;
  if (!exponentDigits.empty()) {
    plain += negativeExponent ? "e-" : "e";
    plain += exponentDigits;
  }

  double value = 0;
  const auto [end, error] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
  if (error == std::errc::result_out_of_range) {
    if (LeadingPowerOfTen(integer, fraction, exponentDigits, negativeExponent) > 0) {
      return {negative ? -HUGE_VAL : HUGE_VAL, ParseError::OutOfRange};
    }
    return {negative ? -0.0 : 0.0, ParseError::None};
  }
  if (error != std::errc{} || end != plain.data() + plain.size()) return kNotANumber;
  return {value, ParseError::None};
}

}  // namespace corvale

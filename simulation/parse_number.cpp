#include "simulation/parse_number.h"

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

// The code point that `text` starts with and its length in UTF-8; a length of
// 0 for ASCII and for a malformed or overlong sequence, which is never a digit.
struct CodePoint {
  char32_t value = 0;
  std::size_t length = 0;
};

CodePoint LeadingCodePoint(std::string_view text) {
  const auto lead = static_cast<unsigned char>(text.front());
  const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 0;
  if (length == 0 || lead > 0xF4 || text.size() < length) return {};
  char32_t value = lead & (0x7F >> length);
  for (std::size_t i = 1; i < length; ++i) {
    const auto next = static_cast<unsigned char>(text[i]);
    if ((next & 0xC0) != 0x80) return {};
    value = value << 6 | (next & 0x3F);
  }
  constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
  if (value < kSmallest[length] || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
    return {};
  }
  return {value, length};
}

// A locale's zero that is not one whole code point adds no digits.
char32_t LocaleZero(std::string_view zeroDigit) {
  if (zeroDigit.empty()) return U'0';
  const CodePoint zero = LeadingCodePoint(zeroDigit);
  return zero.length == zeroDigit.size() ? zero.value : U'0';
}

// The runs of digits read besides ASCII's: the locale's own and, where that
// is one of the two Arabic-Indic runs, the other as well. Arabic and Persian
// keyboards each give the other's digits in places, and a code point of
// either run is a digit of the same value in both, so no text that is not a
// number becomes one. Elsewhere they stay no number, as any other script's.
struct DigitZeros {
  char32_t own = U'0';
  char32_t kin = U'0';  // ASCII's when there is none, which this mapping never meets
};

DigitZeros ZerosOf(std::string_view zeroDigit) {
  const char32_t own = LocaleZero(zeroDigit);
  return {own, own == U'\u0660' ? U'\u06F0' : own == U'\u06F0' ? U'\u0660' : U'0'};
}

std::string ToAsciiDigits(std::string_view text, DigitZeros zeros) {
  std::string ascii;
  ascii.reserve(text.size());
  while (!text.empty()) {
    const CodePoint c = LeadingCodePoint(text);
    std::size_t taken = 1;
    char mapped = text.front();
    for (char32_t zero : {zeros.own, zeros.kin}) {
      if (c.length > 0 && c.value - zero < 10) {  // unsigned: below zero wraps past 10
        mapped = static_cast<char>('0' + (c.value - zero));
        taken = c.length;
        break;
      }
    }
    ascii += mapped;
    text.remove_prefix(taken);
  }
  return ascii;
}

bool IsAscii(char c) { return static_cast<unsigned char>(c) < 0x80; }

// `text` with its digits, and `exponential` too, already in ASCII.
ParsedNumber ParseAsciiDigits(std::string_view text, const NumberFormat& format,
                              std::string_view exponential) {
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
  if (TakePrefix(rest, "e") || TakePrefix(rest, "E") || TakePrefix(rest, exponential)) {
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

}  // namespace

ParsedNumber ParseNumber(std::string_view text, const NumberFormat& format) {
  const DigitZeros zeros = ZerosOf(format.zeroDigit);
  const std::string exponential = ToAsciiDigits(format.exponential, zeros);
  // ASCII holds no other digits: most text is read as it stands, uncopied.
  if (std::all_of(text.begin(), text.end(), IsAscii)) {
    return ParseAsciiDigits(text, format, exponential);
  }
  return ParseAsciiDigits(ToAsciiDigits(text, zeros), format, exponential);
}

}  // namespace corvale

#include "simulation/transcript.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>

#include "simulation/ten_thousandths.h"

namespace corvale {
namespace {

constexpr int kSignificantDigits = 15;
constexpr int kDecimals = 4;

// Adds one unit in the last place to a string of decimal digits; returns true
// when the carry runs out of the front (all nines).
bool IncrementDigits(char* first, char* last) {
  while (last != first) {
    --last;
    if (*last != '9') {
      ++*last;
      return false;
    }
    *last = '0';
  }
  return true;
}

void AppendNonFinite(std::string& out, double value) {
  if (std::isnan(value)) {
    out += "nan";
  } else {
    out += value < 0 ? "-inf" : "inf";
  }
}

}  // namespace

std::string HeaderText() { return "Step\tX\tPV\tError\tP\tI\tD"; }

Fields SplitFields(std::string_view line) {
  Fields fields;
  for (std::size_t column = 0; column + 1 < kColumns; ++column) {
    const std::size_t tab = line.find('\t');
    fields[column] = line.substr(0, tab);
    if (tab == std::string_view::npos) return fields;
    line.remove_prefix(tab + 1);
  }
  fields[kColumns - 1] = line;
  return fields;
}

// The value from its ten-thousandths: the integer digits, if any, then the
// separator and four decimals.
void AppendTenThousandths(std::string& out, bool negative, std::uint64_t scaled,
                          std::string_view decimalSeparator) {
  std::array<char, 24> digits{};
  const auto written = std::to_chars(digits.data(), digits.data() + digits.size(), scaled);
  const std::ptrdiff_t length = written.ptr - digits.data();
  if (negative) out += '-';
  if (length > kDecimals) out.append(digits.data(), written.ptr - kDecimals);
  out += decimalSeparator;
  if (length < kDecimals) out.append(kDecimals - length, '0');
  out.append(written.ptr - std::min<std::ptrdiff_t>(length, kDecimals), written.ptr);
}

void AppendFormattedValue(std::string& out, double value, std::string_view decimalSeparator) {
  if (const std::optional<std::uint64_t> scaled = TenThousandths(std::fabs(value))) {
    AppendTenThousandths(out, value < 0, *scaled, decimalSeparator);
    return;
  }
  if (!std::isfinite(value)) {
    AppendNonFinite(out, value);
    return;
  }

  // "d.ddddddddddddddde+XXX": the 15 significant digits, correctly rounded.
  std::array<char, 32> scientific{};
  const auto written =
      std::to_chars(scientific.data(), scientific.data() + scientific.size(), std::fabs(value),
                    std::chars_format::scientific, kSignificantDigits - 1);
  std::array<char, kSignificantDigits> significand{};
  significand[0] = scientific[0];
  std::memcpy(significand.data() + 1, scientific.data() + 2, kSignificantDigits - 1);
  int exponent = 0;
  const char* exponentText = scientific.data() + kSignificantDigits + 2;
  if (*exponentText == '+') ++exponentText;
  std::from_chars(exponentText, written.ptr, exponent);

  // The value times 10^4, as digits of an integer: the significand's digits
  // down to the fourth decimal place, rounded on the first digit dropped.
  // Up to 15 significant digits plus 304 zeros for the largest binary64.
  std::array<char, kSignificantDigits + 320> scaled{};
  char* const begin = scaled.data();
  char* end = begin;
  const int kept = exponent + 1 + kDecimals;
  if (kept >= kSignificantDigits) {
    end = std::copy(significand.begin(), significand.end(), begin);
    end = std::fill_n(end, kept - kSignificantDigits, '0');
  } else if (kept >= 0) {
    end = std::copy_n(significand.begin(), kept, begin);
    if (significand[kept] >= '5' && IncrementDigits(begin, end)) {
      *end++ = '0';
      *begin = '1';
    }
  }
  // Only a zero value has leading zero digits here.
  char* const first = std::find_if(begin, end, [](char c) { return c != '0'; });
  const std::ptrdiff_t length = end - first;

  if (value < 0) out += '-';
  if (length > kDecimals) out.append(first, end - kDecimals);
  out += decimalSeparator;
  if (length < kDecimals) out.append(kDecimals - length, '0');
  out.append(end - std::min<std::ptrdiff_t>(length, kDecimals), end);
}

std::string FormatValue(double value, std::string_view decimalSeparator) {
  std::string text;
  AppendFormattedValue(text, value, decimalSeparator);
  return text;
}

std::size_t FormattedLength(double value, std::size_t separatorBytes) {
  const double magnitude = std::fabs(value);
  const std::size_t sign = value < 0 ? 1 : 0;
  // The length is the rounded ten-thousandths' digits alone, and those are
  // the whole part's of magnitude * 10^4 but where that is within its last
  // bit of a power of ten, or all nines, which rounding may carry into one
  // more digit: a test that almost never holds, so that a noisy run's values
  // cost no misjudged branch, as rounding each of them would.
  if (magnitude < 1e10) {
    const auto whole = static_cast<std::uint64_t>(magnitude * 1e4);
    const int digits = DecimalDigits(whole);
    const bool clear = digits < kDecimals
                           ? whole + 1 < ten_thousandths_detail::kPowersOfTen[kDecimals]
                           : whole + 1 != ten_thousandths_detail::kPowersOfTen[digits] &&
                                 whole != ten_thousandths_detail::kPowersOfTen[digits - 1];
    if (clear) return sign + static_cast<std::size_t>(std::max(digits, kDecimals)) + separatorBytes;
  }
  if (const std::optional<std::uint64_t> scaled = TenThousandths(magnitude)) {
    const auto digits = static_cast<std::size_t>(DecimalDigits(*scaled));
    return (value < 0 ? 1 : 0) + std::max(digits, std::size_t{kDecimals}) + separatorBytes;
  }
  // Too large, not finite, or too near a tie to tell: written to be counted.
  std::string text;
  AppendFormattedValue(text, value, std::string(separatorBytes, '.'));
  return text.size();
}

std::size_t RowTextLength(const StepRecord& record, std::size_t separatorBytes) {
  std::size_t length = 2;  // CR LF
  const auto step = static_cast<std::uint64_t>(record.Step);
  // The digit 0, or the minus sign and the magnitude's digits.
  length +=
      static_cast<std::size_t>(record.Step > 0 ? DecimalDigits(step) : 1 + DecimalDigits(0 - step));
  for (double value : ColumnValues(record)) {
    length += 1 + FormattedLength(value, separatorBytes);
  }
  return length;
}

void RowText(std::string& out, const StepRecord& record, std::string_view decimalSeparator) {
  std::array<char, 24> step{};
  const auto written = std::to_chars(step.data(), step.data() + step.size(), record.Step);
  out += "\r\n";
  out.append(step.data(), written.ptr);
  for (double value : ColumnValues(record)) {
    out += '\t';
    AppendFormattedValue(out, value, decimalSeparator);
  }
}

}  // namespace corvale

#pragma once

#include <array>
#include <bit>
#include <cstdint>
#include <optional>

// Defined here, inline, as a run counts every value's text with them.
namespace corvale {
namespace ten_thousandths_detail {

// Half a unit in the 15th significant digit, in ten-thousandths, for a
// magnitude of d digits in ten-thousandths (d from 0 to 14): 5 * 10^(d-16).
inline constexpr double kHalfUnitIn15thDigit[] = {5e-16, 5e-15, 5e-14, 5e-13, 5e-12,
                                                  5e-11, 5e-10, 5e-9,  5e-8,  5e-7,
                                                  5e-6,  5e-5,  5e-4,  5e-3,  5e-2};

// 10^0 to 10^19, every power of ten 64 bits hold.
inline constexpr auto kPowersOfTen = [] {
  std::array<std::uint64_t, 20> powers{};
  std::uint64_t power = 1;
  for (std::uint64_t& p : powers) {
    p = power;
    power *= 10;
  }
  return powers;
}();

// 2^n for n from 0 to 1023.
inline double PowerOfTwo(int n) {
  return std::bit_cast<double>(static_cast<std::uint64_t>(1023 + n) << 52);
}

}  // namespace ten_thousandths_detail

// How many decimal digits a number has; none for 0.
inline int DecimalDigits(std::uint64_t number) {
  // bit_width * log10(2), at most one too few.
  const int guess = (std::bit_width(number) * 1233) >> 12;
  return guess + (guess < 20 && number >= ten_thousandths_detail::kPowersOfTen[guess] ? 1 : 0);
}

// A magnitude (0 or more) in ten-thousandths as the transcript rounds it:
// first to 15 significant digits, then to four decimals with ties away from
// zero. Worked out in integers from the binary64 value itself, for the
// magnitudes below 10^10 that are not too near a tie to tell; none for the
// rest, which are written the slow way.
inline std::optional<std::uint64_t> TenThousandths(double magnitude) {
  using namespace ten_thousandths_detail;
  // Below this, even the 15 digits stay under half a ten-thousandth.
  if (magnitude < 4.99e-5) return 0;
  if (!(magnitude < 1e10)) return std::nullopt;  // and not NaN

  // magnitude = m * 2^-shift exactly, so that magnitude * 10^4 is
  // (m * 625) / 2^(shift - 4): a whole part and a fraction, in 64 bits, as
  // m * 625 stays below 2^63 and the magnitude's range keeps the shift
  // between 15 and 63.
  const auto bits = std::bit_cast<std::uint64_t>(magnitude);
  const std::uint64_t m = (bits & ((std::uint64_t{1} << 52) - 1)) | (std::uint64_t{1} << 52);
  const int shift = 1075 - static_cast<int>(bits >> 52) - 4;
  const std::uint64_t scaled = m * 625;
  const std::uint64_t whole = scaled >> shift;
  const std::uint64_t rest = scaled & ((std::uint64_t{1} << shift) - 1);

  // Rounding to 15 digits first moves the value by at most half a unit in
  // the 15th digit: where that carries it onto a tie of the fourth
  // decimal, the tie goes away from zero. Nearer than this margin to that
  // bound, the 15 digits are worked out exactly instead.
  const std::uint64_t half = std::uint64_t{1} << (shift - 1);
  if (rest >= half) return whole + 1;
  constexpr double kMargin = 1e-13;
  const double unit = PowerOfTwo(shift);  // a ten-thousandth, in the rest's units
  const double belowHalf = static_cast<double>(half - rest);
  const double toBound = kHalfUnitIn15thDigit[DecimalDigits(whole)] * unit;
  if (belowHalf > toBound + kMargin * unit) return whole;
  if (belowHalf <= toBound - kMargin * unit) return whole + 1;
  return std::nullopt;
}

}  // namespace corvale

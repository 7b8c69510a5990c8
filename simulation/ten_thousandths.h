#pragma once

#include <cstdint>
#include <optional>

namespace corvale {

// A magnitude (0 or more) in ten-thousandths as the transcript rounds it:
// first to 15 significant digits, then to four decimals with ties away from
// zero. Worked out in integers from the binary64 value itself, for the
// magnitudes below 10^10 that are not too near a tie to tell; none for the
// rest, which are written the slow way.
std::optional<std::uint64_t> TenThousandths(double magnitude);

}  // namespace corvale

// Formats arbitrary binary64 values and compares every one with the
// independent reference the tests use.
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "reference_format.h"
#include "transcript.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  for (; size >= sizeof(double); data += sizeof(double), size -= sizeof(double)) {
    double value = 0;
    std::memcpy(&value, data, sizeof value);
    if (corvale::FormatValue(value, ".") != corvale::testing_support::ReferenceFormat(value)) {
      std::abort();
    }
  }
  return 0;
}

#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "run_history.h"

namespace corvale {

// The kept runs' looks (colour and dashes, ChartStyle::Kept), by run: a run
// keeps its look while it is kept, however many go before it, and the look
// the oldest leaves goes to the newest. A kept run is known by its address,
// stable while it is kept, and by its steps and gains, as one forgotten may
// leave its address to another.
class KeptLooks {
 public:
  // Each kept run's look, by its place among the kept ones.
  std::vector<std::size_t> Of(const RunHistory& history) const;
  // The looks of the runs kept now, to be kept by them.
  void Remember(const RunHistory& history);

 private:
  struct Known {
    const KeptRun* run;
    std::int64_t steps;
    Gains gains;
    std::size_t look;

    bool Is(const KeptRun& other) const;
  };
  std::vector<Known> known_;
};

}  // namespace corvale

#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "labbook/lab_book.h"

namespace corvale {

// The kept runs' looks (colour and dashes, ChartStyle::Kept), by entry: the
// runs of a sweep share one, and an entry keeps its look while it is kept,
// however many go before it; the look the oldest leaves goes to the newest.
// An entry is known by its id (EntryOf).
class KeptLooks {
 public:
  // Each kept run's look, by its place among the kept ones.
  std::vector<std::size_t> Of(const LabBook& book) const;
  // The looks of the runs kept now, to be kept by them.
  void Remember(const LabBook& book);

 private:
  struct Known {
    RunId entry;
    std::size_t look;
  };
  std::vector<Known> known_;
};

}  // namespace corvale

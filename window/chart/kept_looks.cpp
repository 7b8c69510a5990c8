#include "window/chart/kept_looks.h"

#include <algorithm>

namespace corvale {

std::vector<std::size_t> KeptLooks::Of(const LabBook& book) const {
  const auto& kept = book.Kept();
  constexpr std::size_t kNone = SIZE_MAX;
  std::vector<std::size_t> looks(kept.size(), kNone);
  std::vector<bool> taken(std::max(LabBook::kKept, kept.size()), false);
  for (std::size_t i = 0; i < kept.size(); ++i) {
    for (const Known& known : known_) {
      if (known.run != kept[i].id || known.look >= taken.size() || taken[known.look]) continue;
      looks[i] = known.look;
      taken[known.look] = true;
    }
  }
  // The newcomers, the first free look each.
  for (std::size_t& look : looks) {
    if (look != kNone) continue;
    look = static_cast<std::size_t>(std::find(taken.begin(), taken.end(), false) - taken.begin());
    taken[look] = true;
  }
  return looks;
}

void KeptLooks::Remember(const LabBook& book) {
  const std::vector<std::size_t> looks = Of(book);
  known_.clear();
  for (std::size_t i = 0; i < looks.size(); ++i) {
    const KeptRun& run = book.Kept()[i];
    known_.push_back({run.id, looks[i]});
  }
}

}  // namespace corvale

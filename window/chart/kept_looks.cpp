#include "window/chart/kept_looks.h"

#include <algorithm>

namespace corvale {
namespace {

// The kept runs' entries, each once, oldest first.
std::vector<RunId> Entries(const LabBook& book) {
  std::vector<RunId> entries;
  for (const KeptRun& run : book.Kept()) {
    const RunId entry = EntryOf(run);
    if (std::find(entries.begin(), entries.end(), entry) == entries.end()) entries.push_back(entry);
  }
  return entries;
}

}  // namespace

std::vector<std::size_t> KeptLooks::Of(const LabBook& book) const {
  const std::vector<RunId> entries = Entries(book);
  constexpr std::size_t kNone = SIZE_MAX;
  std::vector<std::size_t> entryLooks(entries.size(), kNone);
  std::vector<bool> taken(std::max(LabBook::kKept + 1, entries.size()), false);
  for (std::size_t i = 0; i < entries.size(); ++i) {
    for (const Known& known : known_) {
      if (known.entry != entries[i] || known.look >= taken.size() || taken[known.look]) continue;
      entryLooks[i] = known.look;
      taken[known.look] = true;
    }
  }
  // The newcomers, the first free look each.
  for (std::size_t& look : entryLooks) {
    if (look != kNone) continue;
    look = static_cast<std::size_t>(std::find(taken.begin(), taken.end(), false) - taken.begin());
    taken[look] = true;
  }
  std::vector<std::size_t> looks;
  for (const KeptRun& run : book.Kept()) {
    const auto at = std::find(entries.begin(), entries.end(), EntryOf(run)) - entries.begin();
    looks.push_back(entryLooks[static_cast<std::size_t>(at)]);
  }
  return looks;
}

void KeptLooks::Remember(const LabBook& book) {
  const std::vector<std::size_t> looks = Of(book);
  known_.clear();
  for (std::size_t i = 0; i < looks.size(); ++i) {
    const RunId entry = EntryOf(book.Kept()[i]);
    if (known_.empty() || known_.back().entry != entry) known_.push_back({entry, looks[i]});
  }
}

}  // namespace corvale

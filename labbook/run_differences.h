#pragma once

#include <bitset>
#include <cstddef>
#include <initializer_list>
#include <optional>
#include <vector>

#include "labbook/kept_run.h"
#include "labbook/lab_book.h"

namespace corvale {

// Some of the fields.
class RunFields {
 public:
  RunFields() = default;
  RunFields(std::initializer_list<RunField> fields) {
    for (RunField field : fields) Add(field);
  }
  void Add(RunField field) { bits_.set(static_cast<std::size_t>(field)); }
  bool Has(RunField field) const { return bits_.test(static_cast<std::size_t>(field)); }
  bool None() const { return bits_.none(); }
  bool operator==(const RunFields&) const = default;

 private:
  std::bitset<static_cast<std::size_t>(RunField::kCount)> bits_;
};

// The run's value of a field, as a number (the anti-windup as its place in
// AntiWindup, D on PV as 1); none where the field does not apply to it: Kb
// but for back-calculation, the load's step without a load, the seed
// without noise. SP's is its last command's.
std::optional<double> FieldValue(const RunSummary& run, RunField field);

// SP's values in a run's commands, each change once.
std::vector<double> SetPointChanges(const std::vector<ResponseTrace::Run>& commands);

// The fields in which some of the runs differ from another. A field that
// does not apply to a run differs from one that does, and is the same as it
// is for any other run it does not apply to.
RunFields DifferingFields(const std::vector<RunSummary>& runs);

// The runs the chart and the comparison show, as they list them: the kept
// ones, oldest first, then the current one where it has rows.
std::vector<RunSummary> RunsCompared(const LabBook& book);

}  // namespace corvale

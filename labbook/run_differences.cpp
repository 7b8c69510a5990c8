#include "labbook/run_differences.h"

namespace corvale {

std::optional<double> FieldValue(const RunSummary& run, RunField field) {
  const LoopOptions& o = run.options;
  switch (field) {
    case RunField::kPlantGain:
      return o.plant.K;
    case RunField::kLag1:
      return o.plant.T1;
    case RunField::kLag2:
      return o.plant.T2;
    case RunField::kDeadTime:
      return static_cast<double>(o.plant.deadTime);
    case RunField::kKp:
      return run.gains.Kp;
    case RunField::kKi:
      return run.gains.Ki;
    case RunField::kKd:
      return run.gains.Kd;
    case RunField::kSetPoints:
      return run.gains.SP;
    case RunField::kAntiWindup:
      return static_cast<double>(o.antiWindup);
    case RunField::kTrackingGain:
      if (o.antiWindup != AntiWindup::BackCalculation) return std::nullopt;
      return o.trackingGain;
    case RunField::kDerivativeOnPv:
      return o.derivativeOnPv ? 1 : 0;
    case RunField::kLoad:
      return o.loadSize;
    case RunField::kLoadStep:
      if (o.loadSize == 0) return std::nullopt;
      return static_cast<double>(o.loadStep);
    case RunField::kNoise:
      return o.noise;
    case RunField::kNoiseSeed:
      if (o.noise == 0) return std::nullopt;
      return static_cast<double>(o.noiseSeed);
    case RunField::kCount:
      break;
  }
  return std::nullopt;
}

std::vector<double> SetPointChanges(const std::vector<ResponseTrace::Run>& commands) {
  std::vector<double> sps;
  for (const ResponseTrace::Run& command : commands)
    if (sps.empty() || sps.back() != command.SetPoint()) sps.push_back(command.SetPoint());
  return sps;
}

RunFields DifferingFields(const std::vector<RunSummary>& runs) {
  RunFields differing;
  if (runs.empty()) return differing;
  const RunSummary& first = runs.front();
  const std::vector<double> firstSetPoints = SetPointChanges(first.setPoints);
  for (std::size_t f = 0; f < static_cast<std::size_t>(RunField::kCount); ++f) {
    const auto field = static_cast<RunField>(f);
    for (const RunSummary& run : runs) {
      // The whole numbers (dead time, the load's step, the seed) stay below
      // 2^53: as doubles they are told apart exactly.
      const bool differs = field == RunField::kSetPoints
                               ? SetPointChanges(run.setPoints) != firstSetPoints
                               : FieldValue(run, field) != FieldValue(first, field);
      if (differs) {
        differing.Add(field);
        break;
      }
    }
  }
  return differing;
}

std::vector<RunSummary> RunsCompared(const LabBook& book) {
  std::vector<RunSummary> runs;
  for (const KeptRun& kept : book.Kept()) runs.push_back(kept.summary);
  if (book.Current().Size() > 0) runs.push_back(book.CurrentSummary());
  return runs;
}

}  // namespace corvale

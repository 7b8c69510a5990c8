#include "step_info.h"

namespace corvale {

std::optional<StepFigures> MeasureStep(const ResponseTrace& trace) {
  if (trace.Size() == 0) return std::nullopt;
  return StepFigures{};
}

}  // namespace corvale

#include "form/option_boxes.h"

#include <cmath>

#include "simulation/parse_number.h"

namespace corvale {

BoxTakes WhatBoxTakes(Box box) {
  switch (box) {
    case Box::PlantLag1:
    case Box::PlantLag2:
    case Box::TrackingGain:
    case Box::Noise:
      return BoxTakes::NotNegative;
    case Box::PlantDeadTime:
    case Box::LoadStep:
    case Box::NoiseSeed:
      return BoxTakes::WholeNumber;
    default:
      return BoxTakes::AnyNumber;
  }
}

WholeBounds BoundsOf(Box box) {
  switch (box) {
    case Box::PlantDeadTime:
      return {0, kMaxDeadTime};
    case Box::LoadStep:
      // Steps are counted as binary64 shows them to the unit.
      return {1, std::int64_t{1} << 53};
    default:  // the seed: every whole number binary64 holds exactly
      return {0, std::int64_t{1} << 53};
  }
}

namespace {

// The box's number, or why it is not one the box takes.
std::variant<double, Failure> Read(Box box, const std::string& text, const NumberFormat& numbers) {
  const ParsedNumber parsed = ParseNumber(text, numbers);
  if (!parsed.ok()) return UnreadBox(box, text, parsed.error);
  const double v = parsed.value;
  switch (WhatBoxTakes(box)) {
    case BoxTakes::AnyNumber:
      return v;
    case BoxTakes::NotNegative:
      if (v < 0) return Failure{box, text, 0, FailureReason::Negative};
      return v;
    case BoxTakes::WholeNumber:
      break;
  }
  if (std::floor(v) != v) return Failure{box, text, 0, FailureReason::NotAWholeNumber};
  const WholeBounds bounds = BoundsOf(box);
  if (v < static_cast<double>(bounds.low) || v > static_cast<double>(bounds.high)) {
    return Failure{box, text, 0, FailureReason::OutOfBounds};
  }
  return v;
}

}  // namespace

std::variant<LoopOptions, Failure> ReadLoopOptions(const FormFields& fields,
                                                   const NumberFormat& numbers,
                                                   std::array<std::string, kBoxCount>& texts) {
  const FormFields::Choices choices = fields.ReadChoices();
  LoopOptions o;
  o.antiWindup = choices.antiWindup;
  o.derivativeOnPv = choices.derivativeOnPv;
  double deadTime = 0, loadStep = 1, seed = 0;
  const std::pair<Box, double*> boxes[] = {
      {Box::PlantGain, &o.plant.K},
      {Box::PlantLag1, &o.plant.T1},
      {Box::PlantLag2, &o.plant.T2},
      {Box::PlantDeadTime, &deadTime},
      {Box::TrackingGain, &o.trackingGain},
      {Box::LoadSize, &o.loadSize},
      {Box::LoadStep, &loadStep},
      {Box::Noise, &o.noise},
      {Box::NoiseSeed, &seed},
  };
  for (const auto& [box, value] : boxes) {
    if (box == Box::TrackingGain && o.antiWindup != AntiWindup::BackCalculation) continue;
    std::string& text = texts[IndexOf(box)] = fields.ReadBox(box);
    auto read = Read(box, text, numbers);
    if (auto* failure = std::get_if<Failure>(&read)) return std::move(*failure);
    *value = std::get<double>(read);
  }
  o.plant.deadTime = static_cast<std::int64_t>(deadTime);
  o.loadStep = static_cast<std::int64_t>(loadStep);
  o.noiseSeed = static_cast<std::uint64_t>(seed);
  return o;
}

}  // namespace corvale

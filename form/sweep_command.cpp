#include "form/sweep_command.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <iterator>

#include "form/option_boxes.h"
#include "simulation/parse_number.h"

namespace corvale {
namespace {

constexpr Box kSweepable[] = {Box::Kp,           Box::Ki,        Box::Kd,        Box::SP,
                              Box::PlantGain,    Box::PlantLag1, Box::PlantLag2, Box::PlantDeadTime,
                              Box::TrackingGain, Box::LoadSize,  Box::Noise};

// The window's boxes, the swept one holding one of the sweep's values.
class SweptFields : public FormFields {
 public:
  SweptFields(const FormFields& fields, Box box, std::string text)
      : fields_(fields), box_(box), text_(std::move(text)) {}
  std::string ReadBox(Box box) const override { return box == box_ ? text_ : fields_.ReadBox(box); }
  Choices ReadChoices() const override { return fields_.ReadChoices(); }

 private:
  const FormFields& fields_;
  Box box_;
  std::string text_;
};

struct Ends {
  double from = 0;
  double to = 0;
};

std::optional<SweepInputFailure> ReadEnd(SweepInputFailure::Input input, const std::string& text,
                                         const NumberFormat& numbers, double& value) {
  const ParsedNumber parsed = ParseNumber(text, numbers);
  if (parsed.ok()) {
    value = parsed.value;
    return std::nullopt;
  }
  return SweepInputFailure{input, text,
                           parsed.error == ParseError::OutOfRange
                               ? SweepInputFailure::Reason::OutOfRange
                               : SweepInputFailure::Reason::NotANumber};
}

// The texts of each run's box.
std::vector<std::string> Texts(const Ends& ends, const SweepRequest& request,
                               const NumberFormat& numbers) {
  std::vector<std::string> texts;
  for (double value : SweepValues(ends.from, ends.to, request.runs)) {
    if (WhatBoxTakes(request.box) == BoxTakes::WholeNumber) value = std::round(value);
    texts.push_back(SweepText(value, numbers));
  }
  return texts;
}

SweepOutcome Check(const LabBook& book, const FormFields& fields, const SweepRequest& request,
                   std::vector<std::string>& texts) {
  using Input = SweepInputFailure::Input;
  SweepOutcome outcome;
  if (request.runs < kLeastSweepRuns || request.runs > kMostSweepRuns) {
    outcome.input = {Input::Runs, std::to_string(request.runs),
                     SweepInputFailure::Reason::OutOfBounds};
    return outcome;
  }
  Ends ends;
  if ((outcome.input = ReadEnd(Input::From, request.from, book.Numbers(), ends.from)) ||
      (outcome.input = ReadEnd(Input::To, request.to, book.Numbers(), ends.to)))
    return outcome;
  texts = Texts(ends, request, book.Numbers());
  // Every value lies between the two ends, and what a box takes is a range:
  // where both ends can start, every run can.
  for (const std::string* text : {&texts.front(), &texts.back()}) {
    if ((outcome.failure = CheckBoxes(book, SweptFields(fields, request.box, *text))))
      return outcome;
  }
  const ParsedNumber loops = ParseNumber(fields.ReadBox(Box::Loops), book.Numbers());
  // Read and bounded by the check above: a whole number of at most a run's steps.
  const auto steps =
      static_cast<std::int64_t>(std::clamp(loops.value, 0.0, static_cast<double>(kMaxStepsPerRun)));
  if (steps > kMaxSweepSteps / request.runs) {
    outcome.input = {Input::Runs, std::to_string(request.runs),
                     SweepInputFailure::Reason::TooManySteps, steps * request.runs};
  }
  return outcome;
}

}  // namespace

bool Sweepable(Box box) {
  return std::find(std::begin(kSweepable), std::end(kSweepable), box) != std::end(kSweepable);
}

std::vector<Box> SweepableBoxes() { return {std::begin(kSweepable), std::end(kSweepable)}; }

RunField FieldOf(Box box) {
  switch (box) {
    case Box::Ki:
      return RunField::kKi;
    case Box::Kd:
      return RunField::kKd;
    case Box::SP:
      return RunField::kSetPoints;
    case Box::PlantGain:
      return RunField::kPlantGain;
    case Box::PlantLag1:
      return RunField::kLag1;
    case Box::PlantLag2:
      return RunField::kLag2;
    case Box::PlantDeadTime:
      return RunField::kDeadTime;
    case Box::TrackingGain:
      return RunField::kTrackingGain;
    case Box::LoadSize:
      return RunField::kLoad;
    case Box::LoadStep:
      return RunField::kLoadStep;
    case Box::Noise:
      return RunField::kNoise;
    case Box::NoiseSeed:
      return RunField::kNoiseSeed;
    default:
      return RunField::kKp;
  }
}

std::vector<double> SweepValues(double from, double to, int runs) {
  std::vector<double> values;
  const double intervals = runs - 1;
  // Each end divided first, so that ends far apart do not overflow.
  const double step = to / intervals - from / intervals;
  for (int i = 0; i + 1 < runs; ++i) values.push_back(from + step * i);
  values.push_back(to);
  return values;
}

std::string SweepText(double value, const NumberFormat& numbers) {
  char digits[32];
  const auto end = std::to_chars(std::begin(digits), std::end(digits), value).ptr;
  std::string text;
  for (const char* c = digits; c != end; ++c) {
    if (*c == '.') {
      text += numbers.decimalSeparator;
    } else {
      text += *c;
    }
  }
  return text;
}

SweepOutcome CheckSweep(const LabBook& book, const FormFields& fields,
                        const SweepRequest& request) {
  std::vector<std::string> texts;
  return Check(book, fields, request, texts);
}

SweepOutcome OnSweep(LabBook& book, const FormFields& fields, const SweepRequest& request) {
  std::vector<std::string> texts;
  SweepOutcome outcome = Check(book, fields, request, texts);
  if (!outcome.ok()) return outcome;
  book.BeginSweep(FieldOf(request.box));
  for (const std::string& text : texts) {
    const RunOutcome run = OnCompute(book, SweptFields(fields, request.box, text));
    outcome.change += run.change;
    if (run.change.newRun) ++outcome.runs;
    if ((outcome.failure = run.failure)) break;
  }
  book.EndSweep();
  return outcome;
}

}  // namespace corvale

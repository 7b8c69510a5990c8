// The figures the README's lessons 2 to 4 quote, measured by the lab book on
// runs made through the window's own commands, with the Loop page's boxes and
// choices as the lesson sets them. Each figure is written as the README
// writes it and found there. The expected lines are the ones
// tests/labbook/lessons_reference.py prints from the two Python references
// of the loop and of stepinfo.
#include "labbook/step_info.h"
#include "tests/support/command_runs.h"
#include "tests/support/readme_text.h"

namespace corvale {
namespace {

std::string Span(const char* limit, const LimitSpan& at) {
  if (at.steps == 0) return std::string("X never at ") + limit;
  const std::string x = std::string("X at ") + limit;
  if (at.steps == 1) return x + " at step " + std::to_string(at.first) + " only";
  return x + (at.Consecutive() ? " for " : " in ") + std::to_string(at.steps) +
         (at.Consecutive() ? " steps, from step " : " steps between step ") +
         std::to_string(at.first) + (at.Consecutive() ? " to step " : " and step ") +
         std::to_string(at.last);
}

enum class Figure { Rise, Peak, Overshoot, Settling, Error, AtZero, AtFull, X, PV, I, XFrom };

struct Quote {
  Figure figure;
  std::int64_t step;  // the row's, for a value of the transcript
  const char* text;   // as the README writes it
};

std::string Measured(const Quote& q, const StepFigures& f, const ResponseTrace& trace) {
  const auto steps = [](std::int64_t from, std::int64_t to) {
    return std::to_string(to - from) + " steps, from step " + std::to_string(from) + " to step " +
           std::to_string(to);
  };
  const StepRecord row =
      trace.Record(static_cast<std::size_t>(std::max<std::int64_t>(q.step, 1) - 1));
  const std::string at = " at step " + std::to_string(q.step);
  switch (q.figure) {
    case Figure::Rise:
      return std::string(f.Falling() ? "a fall" : "a rise") + " time of " +
             steps(*f.riseFrom, *f.riseTo);
    case Figure::Peak:
      return std::string(f.Falling() ? "a lowest PV of " : "a peak of ") + Prose(f.peak) +
             " at step " + std::to_string(f.peakStep);
    case Figure::Overshoot:
      return "an overshoot of " + Fixed(f.overshootPercent, 1) + "\u00A0%";
    case Figure::Settling:
      return "a settling time of " + steps(f.firstStep, *f.settledFrom);
    case Figure::Error:
      return "a steady-state error of " + Prose(f.SteadyStateError());
    case Figure::AtZero:
      return Span("0", f.atZero);
    case Figure::AtFull:
      return Span("255", f.atFull);
    case Figure::X:
      return "X " + Prose(row.X) + at;
    case Figure::PV:
      return "PV " + Prose(row.PV) + at;
    case Figure::I:
      return "I " + Prose(row.I) + at;
    case Figure::XFrom: {
      const ValueRange x = trace.XRange(static_cast<std::size_t>(q.step - 1), trace.Size());
      return "from step " + std::to_string(q.step) + " on, X moves between " + Prose(x.low, 1) +
             " and " + Prose(x.high, 1);
    }
  }
  return {};
}

struct Scenario {
  const char* name;
  std::vector<std::pair<Box, const char*>> loopPage;  // the boxes typed there
  FormFields::Choices choices;
  std::vector<std::string> commands;
  std::vector<Quote> quoted;
};

using B = Box;
using F = Figure;
const std::vector<std::pair<Box, const char*>> kTwoLags = {
    {B::PlantGain, "1"}, {B::PlantLag1, "5"}, {B::PlantLag2, "5"}, {B::PlantDeadTime, "0"}};
const std::vector<std::pair<Box, const char*>> kNoisy = {
    {B::PlantGain, "1"}, {B::PlantLag1, "5"}, {B::PlantLag2, "5"}, {B::Noise, ".05"}};
const std::vector<std::pair<Box, const char*>> kLoad = {{B::LoadSize, "-2"}, {B::LoadStep, "51"}};
const std::vector<std::string> kWindup = {"C .5 .5 .5 300 100", "+ .5 .5 .5 5 300"};
constexpr FormFields::Choices kConditional{AntiWindup::Conditional, false};
constexpr FormFields::Choices kBack{AntiWindup::BackCalculation, false};

// clang-format off
const Scenario kLessons[] = {
    {"two lags, Kd 0", kTwoLags, {}, {"C 4 .2 0 5 300"},
     {{F::Overshoot, 0, "an overshoot of 12.4\u00A0%"}, {F::Peak, 0, "a peak of 5.6201 at step 9"},
      {F::Rise, 0, "a rise time of 5 steps, from step 2 to step 7"},
      {F::Settling, 0, "a settling time of 44 steps, from step 1 to step 45"}}},
    {"two lags, Kd 2", kTwoLags, {}, {"C 4 .2 2 5 300"}, {{F::Overshoot, 0, "an overshoot of 5.4\u00A0%"}}},
    {"two lags, Kd 10", kTwoLags, {}, {"C 4 .2 10 5 300"},
     {{F::Overshoot, 0, "an overshoot of 0.0\u00A0%"},
      {F::Rise, 0, "a rise time of 3 steps, from step 2 to step 5"},
      {F::Settling, 0, "a settling time of 49 steps, from step 1 to step 50"},
      {F::X, 2, "X 71 at step 2"}, {F::AtZero, 0, "X at 0 for 4 steps, from step 3 to step 6"},
      {F::PV, 7, "PV 4.7927 at step 7"}, {F::PV, 15, "PV 4.5456 at step 15"}}},
    {"windup, none", {}, {}, kWindup,
     {{F::I, 100, "I 8,688.75 at step 100"}, {F::AtFull, 0, "X at 255 for 137 steps, from step 101 to step 237"},
      {F::Rise, 0, "a fall time of 10 steps, from step 239 to step 249"},
      {F::Settling, 0, "a settling time of 154 steps, from step 101 to step 255"}}},
    {"windup, conditional", {}, kConditional, kWindup,
     {{F::I, 100, "I 174.8438 at step 100"}, {F::AtFull, 0, "X at 255 at step 101 only"},
      {F::Rise, 0, "a fall time of 2 steps, from step 102 to step 104"},
      {F::Peak, 0, "a lowest PV of 0.3226 at step 108"}, {F::Overshoot, 0, "an overshoot of 3.8\u00A0%"},
      {F::Settling, 0, "a settling time of 27 steps, from step 101 to step 128"}}},
    {"windup, back-calculation Kb .5", {{B::TrackingGain, ".5"}}, kBack, kWindup,
     {{F::I, 100, "I 513.75 at step 100"}, {F::AtFull, 0, "X at 255 at step 101 only"},
      {F::Rise, 0, "a fall time of 10 steps, from step 104 to step 114"},
      {F::Peak, 0, "a lowest PV of 4.8286 at step 132"},
      {F::Settling, 0, "a settling time of 21 steps, from step 101 to step 122"}}},
    {"windup, back-calculation Kb .1", {{B::TrackingGain, ".1"}}, kBack, kWindup,
     {{F::AtFull, 0, "X at 255 for 17 steps, from step 101 to step 117"},
      {F::Settling, 0, "a settling time of 35 steps, from step 101 to step 136"}}},
    {"load, P alone", kLoad, {}, {"C .5 0 0 5 100"},
     {{F::PV, 50, "PV 1 at step 50"}, {F::PV, 51, "PV 0 at step 51"},
      {F::X, 50, "X 2 at step 50"}, {F::X, 100, "X 2.4 at step 100"},
      {F::Error, 0, "a steady-state error of 4.8"}, {F::Overshoot, 0, "an overshoot of 525.0\u00A0%"}}},
    {"load with I", kLoad, {}, {"C .5 .5 0 5 100"},
     {{F::PV, 50, "PV 4.9999 at step 50"}, {F::PV, 51, "PV 3.9999 at step 51"},
      {F::X, 50, "X 9.9998 at step 50"}, {F::X, 100, "X 12 at step 100"},
      {F::Settling, 0, "a settling time of 60 steps, from step 1 to step 61"},
      {F::Error, 0, "a steady-state error of 0"}}},
    {"noise, Kd 0", kNoisy, {}, {"C 4 .2 0 5 300"},
     {{F::XFrom, 151, "from step 151 on, X moves between 4.7 and 5.2"}}},
    {"noise, Kd 10", kNoisy, {}, {"C 4 .2 10 5 300"},
     {{F::XFrom, 151, "from step 151 on, X moves between 3.7 and 6.2"}, {F::X, 2, "X 70.4557 at step 2"},
      {F::AtZero, 0, "X at 0 for 3 steps, from step 3 to step 5"},
      {F::Settling, 0, "a settling time of 54 steps, from step 1 to step 55"}}},
    {"noise, Kd 10 on PV", kNoisy, {AntiWindup::None, true}, {"C 4 .2 10 5 300"},
     {{F::XFrom, 151, "from step 151 on, X moves between 3.7 and 6.2"}, {F::X, 2, "X 20.4557 at step 2"},
      {F::AtZero, 0, "X never at 0"},
      {F::Settling, 0, "a settling time of 14 steps, from step 1 to step 15"}}},
};
// clang-format on

TEST(Lessons, TheLabBookMeasuresWhatEachLessonQuotesAndTheReadmeQuotesIt) {
  const std::string readme = Readme();
  for (const Scenario& lesson : kLessons) {
    SCOPED_TRACE(lesson.name);
    Session session;
    for (const auto& [box, text] : lesson.loopPage) session.fields.SetBox(box, text);
    session.fields.SetChoices(lesson.choices);
    session.Press(lesson.commands);
    const auto figures = MeasureStep(session.history.Current());
    ASSERT_TRUE(figures && figures->settled);
    for (const Quote& quote : lesson.quoted) {
      EXPECT_EQ(Measured(quote, *figures, session.history.Current()), quote.text);
      EXPECT_NE(readme.find(quote.text), std::string::npos) << quote.text;
    }
  }
}

}  // namespace
}  // namespace corvale

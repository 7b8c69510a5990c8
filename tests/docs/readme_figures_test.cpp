// The figures the README's lessons quote, each measured on the program's own
// runs and found in the README's text, so that neither can drift alone. The
// quoted figures were confirmed by tests/labbook/stepinfo_reference.py, which
// simulates the loop on its own.
#include <charconv>
#include <fstream>
#include <functional>
#include <iterator>
#include <regex>

#include "labbook/step_info.h"
#include "tests/support/command_runs.h"

namespace corvale {
namespace {

// The README with its line breaks and indents as single spaces.
std::string Readme() {
  std::ifstream file(CORVALE_SOURCE_DIR "/README.md");
  const std::string text{std::istreambuf_iterator<char>(file), {}};
  return std::regex_replace(text, std::regex("\\s+"), " ");
}

std::string N(std::int64_t n) { return std::to_string(n); }
std::string N(double value, int decimals) {
  char text[32];
  return std::string(
      text, std::to_chars(text, std::end(text), value, std::chars_format::fixed, decimals).ptr);
}

using Phrase = std::function<std::string(const StepFigures&, const ResponseTrace&)>;

struct Claim {
  std::vector<std::string> commands;
  const char* quoted;  // as the README writes it
  Phrase measured;     // the same words, with the run's own figures
};

TEST(ReadmeFigures, EachLessonSaysWhatItsRunShows) {
  const std::vector<std::string> p = {"C .5 0 0 5 100"}, pi = {"C .5 .5 0 5 100"},
                                 pid = {"C .5 .5 .5 5 100"}, tooMuch = {"C 1 .5 .5 5 100"},
                                 windup = {"C .5 .5 .5 300 100"},
                                 unwound = {"C .5 .5 .5 300 100", "+ .5 .5 .5 5 300"};
  const auto pvAt = [](std::int64_t step) {
    return [step](const StepFigures&, const ResponseTrace& t) {
      return N(t.Sample(std::size_t(step - 1)).pv, 2);
    };
  };
  // clang-format off
  const Claim claims[] = {
      {p, "PV jumps to 1.25 at step 2", [&](auto& f, auto& t) {
         return "PV jumps to " + pvAt(2)(f, t) + " at step " + N(f.peakStep); }},
      {p, "comes to rest at 1, a fifth", [](auto& f, auto&) {
         return "comes to rest at " + N(f.finalValue, 0) + (f.finalValue * 5 == f.setPoint ? ", a fifth" : ""); }},
      {p, "a rise of under one step, at step 2", [](auto& f, auto&) {
         return std::string(f.RiseSteps() == 0 ? "a rise of under one step" : "?") + ", at step " + N(*f.riseTo); }},
      {p, "a peak of 1.25 at step 2, an overshoot of 25.0\u00A0% of the change beyond the final value, 1",
       [](auto& f, auto&) { return "a peak of " + N(f.peak, 2) + " at step " + N(f.peakStep) + ", an overshoot of " +
                            N(f.overshootPercent, 1) + "\u00A0% of the change beyond the final value, " + N(f.finalValue, 0); }},
      {p, "a settling time of 3 steps, from step 1 to step 4; and a steady-state error of 4",
       [](auto& f, auto&) { return "a settling time of " + N(*f.settledFrom - f.firstStep) + " steps, from step " +
                            N(f.firstStep) + " to step " + N(*f.settledFrom) + "; and a steady-state error of " +
                            N(f.SteadyStateError(), 0); }},
      {pi, "a rise time of 9 steps, from step 2 to step 11; a settling time of 17 steps, from step 1 to step 18; and no steady-state error left",
       [](auto& f, auto&) { return "a rise time of " + N(*f.RiseSteps()) + " steps, from step " + N(*f.riseFrom) +
                            " to step " + N(*f.riseTo) + "; a settling time of " + N(*f.settledFrom - f.firstStep) +
                            " steps, from step " + N(f.firstStep) + " to step " + N(*f.settledFrom) +
                            (std::abs(f.SteadyStateError()) < kSmallestStep && f.overshootPercent < 0.05
                                 ? "; and no steady-state error left" : ""); }},
      {pid, "a rise time of 4 steps, from step 2 to step 6; a peak of 5.2424 at step 14, an overshoot of 4.8\u00A0%; a settling time of 27 steps, from step 1 to step 28",
       [](auto& f, auto&) { return "a rise time of " + N(*f.RiseSteps()) + " steps, from step " + N(*f.riseFrom) +
                            " to step " + N(*f.riseTo) + "; a peak of " + N(f.peak, 4) + " at step " + N(f.peakStep) +
                            ", an overshoot of " + N(f.overshootPercent, 1) + "\u00A0%; a settling time of " +
                            N(*f.settledFrom - f.firstStep) + " steps, from step " + N(f.firstStep) + " to step " +
                            N(*f.settledFrom); }},
      {tooMuch, "PV has not settled and still moves between 0 and 10 from step 91 on, and that X sat at 0 in 49 steps between step 3 and step 99, not all consecutive",
       [](auto& f, auto&) { return std::string(f.settled ? "PV has settled" : "PV has not settled") +
                            " and still moves between " + N(f.tail.low, 0) + " and " + N(f.tail.high, 0) +
                            " from step " + N(f.tailFrom) + " on, and that X sat at 0 in " + N(f.atZero.steps) +
                            " steps between step " + N(f.atZero.first) + " and step " + N(f.atZero.last) +
                            (f.atZero.Consecutive() ? "" : ", not all consecutive"); }},
      {windup, "PV settled at 127.5 with a steady-state error of 172.5, and that X sat at 255 for 99 steps, from step 2 to step 100",
       [](auto& f, auto&) { return "PV settled at " + N(f.finalValue, 1) + " with a steady-state error of " +
                            N(f.SteadyStateError(), 1) + ", and that X sat at 255 for " + N(f.atFull.steps) +
                            " steps, from step " + N(f.atFull.first) + " to step " + N(f.atFull.last); }},
      {unwound, "X at 255 for 137 steps, from step 101 to step 237; a fall time of 10 steps, from step 239 to step 249; a settling time of 154 steps, from step 101 to step 255",
       [](auto& f, auto&) { return "X at 255 for " + N(f.atFull.steps) + " steps, from step " + N(f.atFull.first) +
                            " to step " + N(f.atFull.last) + "; a " + (f.Falling() ? "fall" : "rise") + " time of " +
                            N(*f.RiseSteps()) + " steps, from step " + N(*f.riseFrom) + " to step " + N(*f.riseTo) +
                            "; a settling time of " + N(*f.settledFrom - f.firstStep) + " steps, from step " +
                            N(f.firstStep) + " to step " + N(*f.settledFrom); }},
  };
  // clang-format on
  const std::string readme = Readme();
  for (const Claim& claim : claims) {
    SCOPED_TRACE(claim.quoted);
    EXPECT_NE(readme.find(claim.quoted), std::string::npos);
    const ResponseTrace trace = TraceOf(claim.commands);
    EXPECT_EQ(claim.measured(*MeasureStep(trace), trace), claim.quoted);
  }
}

}  // namespace
}  // namespace corvale

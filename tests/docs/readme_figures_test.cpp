// The figures the README quotes (lessons 2 to 4:
// labbook/lessons_test.cpp), each measured on the program's own runs and found in the
// README's text, so that neither can drift alone. The quoted figures were confirmed by
// tests/labbook/stepinfo_reference.py, which simulates the loop on its own.
#include <functional>
#include <map>

#include "form/sweep_command.h"
#include "labbook/step_info.h"
#include "simulation/transcript.h"
#include "tests/support/command_runs.h"
#include "tests/support/readme_text.h"

namespace corvale {
namespace {

std::string N(std::int64_t n) { return std::to_string(n); }
std::string N(double value, int decimals) { return Fixed(value, decimals); }

// "9 steps, from step 2 to step 11"
std::string Steps(std::int64_t count, std::int64_t from, std::int64_t to) {
  return N(count) + " steps, from step " + N(from) + " to step " + N(to);
}
std::string Rise(const StepFigures& f) { return Steps(*f.RiseSteps(), *f.riseFrom, *f.riseTo); }
std::string Settling(const StepFigures& f) {
  return "a settling time of " + Steps(*f.settledFrom - f.firstStep, f.firstStep, *f.settledFrom);
}

struct Claim {
  std::vector<std::string> commands;
  const char* quoted;  // as the README writes it
  std::function<std::string(const StepFigures&, const ResponseTrace&)> measured;  // the same words
};

TEST(ReadmeFigures, EachLessonSaysWhatItsRunShows) {
  const std::vector<std::string> p = {"C .5 0 0 5 100"}, pi = {"C .5 .5 0 5 100"},
                                 pid = {"C .5 .5 .5 5 100"}, tooMuch = {"C 1 .5 .5 5 100"},
                                 windup = {"C .5 .5 .5 300 100"};
  // clang-format off
  const Claim claims[] = {
      {p, "PV jumps to 1.25 at step 2, swings back and comes to rest at 1, a fifth", [](auto& f, auto& t) {
         return "PV jumps to " + N(t.Sample(1).pv, 2) + " at step " + N(f.peakStep) + ", swings back and comes to rest at " +
                N(f.finalValue, 0) + (f.finalValue * 5 == f.setPoint ? ", a fifth" : ""); }},
      {p, "a rise of under one step, at step 2; a peak of 1.25 at step 2, an overshoot of 25.0\u00A0% of the change "
          "beyond the final value, 1; a settling time of 3 steps, from step 1 to step 4; and a steady-state error of 4",
       [](auto& f, auto&) { return std::string(f.RiseSteps() == 0 ? "a rise of under one step" : "?") + ", at step " +
                            N(*f.riseTo) + "; a peak of " + N(f.peak, 2) + " at step " + N(f.peakStep) + ", an overshoot of " +
                            N(f.overshootPercent, 1) + "\u00A0% of the change beyond the final value, " + N(f.finalValue, 0) +
                            "; " + Settling(f) + "; and a steady-state error of " + N(f.SteadyStateError(), 0); }},
      {pi, "a rise time of 9 steps, from step 2 to step 11; a settling time of 17 steps, from step 1 to step 18; and no steady-state error left",
       [](auto& f, auto&) { return "a rise time of " + Rise(f) + "; " + Settling(f) +
                            (std::abs(f.SteadyStateError()) < kSmallestStep && f.overshootPercent < 0.05
                                 ? "; and no steady-state error left" : ""); }},
      {pid, "a rise time of 4 steps, from step 2 to step 6; a peak of 5.2424 at step 14, an overshoot of 4.8\u00A0%; a settling time of 27 steps, from step 1 to step 28",
       [](auto& f, auto&) { return "a rise time of " + Rise(f) + "; a peak of " + N(f.peak, 4) + " at step " + N(f.peakStep) +
                            ", an overshoot of " + N(f.overshootPercent, 1) + "\u00A0%; " + Settling(f); }},
      {tooMuch, "PV has not settled and still moves between 0 and 10 from step 91 on, and that X sat at 0 in 49 steps between step 3 and step 99, not all consecutive",
       [](auto& f, auto&) { return std::string(f.settled ? "PV has settled" : "PV has not settled") +
                            " and still moves between " + N(f.tail.low, 0) + " and " + N(f.tail.high, 0) +
                            " from step " + N(f.tailFrom) + " on, and that X sat at 0 in " + N(f.atZero.steps) +
                            " steps between step " + N(f.atZero.first) + " and step " + N(f.atZero.last) +
                            (f.atZero.Consecutive() ? "" : ", not all consecutive"); }},
      {windup, "PV settled at 127.5 with a steady-state error of 172.5, and that X sat at 255 for 99 steps, from step 2 to step 100",
       [](auto& f, auto&) { return "PV settled at " + N(f.finalValue, 1) + " with a steady-state error of " +
                            N(f.SteadyStateError(), 1) + ", and that X sat at 255 for " +
                            Steps(f.atFull.steps, f.atFull.first, f.atFull.last); }},
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

TEST(ReadmeFigures, TheRunsComparedTheRowsAndTheCursorSayWhatTheRunsShow) {
  const auto figures = [](const LabBook& book, std::size_t back) {
    const auto& kept = book.Kept();
    return back == 0 ? *book.CurrentFigures() : *kept[kept.size() - back].summary.figures;
  };
  const LabBook terms = HistoryOf({"C .5 0 0 5 30", "C 1 0 0 5 30", "C 1.5 0 0 5 30"});
  std::string overshoots, errors;
  for (std::size_t back : {2, 1, 0}) {
    const StepFigures f = figures(terms, back);
    const char* separator = back == 2 ? "" : back == 1 ? ", " : " and ";
    overshoots += separator + N(f.overshootPercent, 1);
    errors += separator + Prose(f.SteadyStateError());
  }
  const LabBook withD = HistoryOf({"C .5 .5 0 5 100", "C .5 .5 .5 5 100"});
  const StepFigures before = figures(withD, 1), now = figures(withD, 0);
  const ResponseTrace windup = TraceOf({"C .5 .5 .5 300 100"});
  bool evenClimb = true;
  for (std::size_t row = 2; row < windup.Size(); ++row)
    evenClimb = evenClimb && windup.Record(row).I - windup.Record(row - 1).I == 86.25;
  const std::string topI = N(windup.Record(99).I, 2);
  const ResponseTrace pid = TraceOf({"C .5 .5 .5 5 100"}), p = TraceOf({"C .5 0 0 5 100"});
  const ValueRange pv = p.PvRange(0, p.Size());
  std::string rows = TranscriptText(HistoryOf({"C .5 .5 .5 5 3"}));
  rows = std::regex_replace(rows, std::regex("\\s+"), " ");

  const std::string readme = Readme();
  for (const std::string& measured :
       {"Kp 0.5, 1 and 1.5 overshoot by " + overshoots +
            "\u00A0% and leave a steady-state error of " + errors + ".",
        "Compared with the run before: Kd 0.5 instead of 0; rise time " + N(*now.RiseSteps()) +
            " steps instead of " + N(*before.RiseSteps()) + " steps; overshoot " +
            N(now.overshootPercent, 1) + "\u00A0% instead of " + N(before.overshootPercent, 1) +
            "\u00A0%; settled from step " + N(*now.settledFrom) + " instead of step " +
            N(*before.settledFrom) + ".",
        std::string(evenClimb ? "climb by 86.25 every step" : "climb unevenly") + ", to " +
            topI.substr(0, topI.size() - 6) + "," + topI.substr(topI.size() - 6) + " at step 100",
        "Step 15: X " + FormatValue(pid.Record(14).X, "."),
        "PV from " + Prose(pv.low) + " to " + Prose(pv.high) +
            "; SP 5 sounds first, then softly alongside.",
        rows}) {
    EXPECT_NE(readme.find(measured), std::string::npos) << measured;
  }
}

// The sweep that answers "which Kp settles fastest", sorted as the README sorts it.
TEST(ReadmeFigures, TheSweepSortedSaysWhichKpSettlesFastest) {
  Session session;
  for (Box box : {Box::Ki, Box::Kd}) session.fields.SetBox(box, "0");
  ASSERT_TRUE(OnSweep(session.history, session.fields, {Box::Kp, "0.1", "2", 20}).ok());
  std::map<std::int64_t, std::vector<double>> kps;  // by settling time, in the order they ran
  const auto take = [&kps](const StepFigures& f, double kp) {
    if (f.settled) kps[*f.settledFrom - f.firstStep].push_back(kp);
  };
  for (const KeptRun& run : session.history.Kept())
    take(*run.summary.figures, run.summary.gains.Kp);
  take(*session.history.CurrentFigures(), session.history.CurrentGains().Kp);
  const auto& [steps, fastest] = *kps.begin();
  ASSERT_EQ(fastest.size(), 2u);  // the README's words for a tie of two
  const std::string said = "Sorted by Settling time, shortest first: Kp " + Prose(fastest[0]) +
                           ", Settling time " + N(steps) + " steps; the next run alike.";
  EXPECT_NE(Readme().find(said), std::string::npos) << said;
}

TEST(ReadmeFigures, TheManualPageGivesTheLimitsAndTheSizeOfAMillionRows) {
  Session session;
  session.Press("C .5 .5 .5 5 1000000");
  const std::size_t millions = (session.history.TextBytes() + 5'000'000) / 10'000'000 * 10;
  const std::string manual = Readme("/packaging/corvale.1.in");
  for (const std::string& measured :
       {"at most " + std::to_string(kMaxRunText / 1'000'000) + " million bytes",
        "at most " + std::to_string(kMaxTranscriptText / 1'000'000) + " million",
        "a million ordinary rows take about " + std::to_string(millions) + " million",
        std::string("One run adds at most 1,000,000 steps.")}) {
    EXPECT_NE(manual.find(measured), std::string::npos) << measured;
  }
  EXPECT_EQ(kMaxStepsPerRun, 1'000'000);
}

}  // namespace
}  // namespace corvale

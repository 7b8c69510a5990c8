#include <limits>
#include <new>
#include <tuple>

#include "tests/support/command_runs.h"
#include "tests/support/failing_allocations.h"

namespace corvale {
namespace {

const std::string kHeader = "Step\tX\tPV\tError\tP\tI\tD";

class Commands : public testing::Test, protected Session {
 protected:
  RunOutcome Run(bool compute, const std::string& loops) {
    fields.SetBox(Box::Loops, loops);
    return compute ? OnCompute(history, fields) : OnContinue(history, fields);
  }
  const LoopState& state() const { return history.State(); }
  void Set(std::string_view gains) {  // "Kp Ki Kd SP"
    const std::vector<std::string> texts = Split(gains, " ");
    for (Box box : {Box::Kp, Box::Ki, Box::Kd, Box::SP}) fields.SetBox(box, texts[int(box)]);
  }
  std::vector<std::string> Lines() const { return Split(Transcript(), "\r\n"); }
  std::string Field(int line, int field) const { return Split(Lines()[line], "\t")[field]; }
};

TEST_F(Commands, ComputeGivesThePublishedRowsAndContinueNumbersOn) {
  EXPECT_EQ(Run(true, "100").RowsAdded(), 100);
  const std::string first = Transcript();
  const LoopState afterFirst = state();
  // clang-format off
  const std::vector<std::string> published = {kHeader,
      "1\t.0000\t.0000\t5.0000\t2.5000\t2.5000\t2.5000", "2\t7.5000\t3.7500\t1.2500\t.6250\t3.1250\t-1.8750",
      "3\t1.8750\t.9375\t4.0625\t2.0313\t5.1563\t1.4063", "4\t8.5938\t4.2969\t.7031\t.3516\t5.5078\t-1.6797",
      "98\t10.0001\t5.0000\t-.0000\t-.0000\t10.0000\t-.0001", "100\t10.0001\t5.0000\t-.0000\t-.0000\t10.0000\t-.0000"};
  // clang-format on
  const std::vector<std::string> lines = Lines();
  ASSERT_EQ(lines.size(), 101u);
  EXPECT_EQ(published,
            (std::vector{lines[0], lines[1], lines[2], lines[3], lines[4], lines[98], lines[100]}));
  ASSERT_TRUE(Run(false, "100").ok());
  ASSERT_EQ(Lines().size(), 201u);
  for (int step = 1; step <= 200; ++step) EXPECT_EQ(Field(step, 0), std::to_string(step));
  ASSERT_TRUE(Run(true, "100").ok());  // afresh: the same transcript again
  EXPECT_TRUE(Transcript() == first && state() == afterFirst);
  EXPECT_NEAR(state().X, 10, 1e-3);  // the state carries the last step's output on
}

TEST_F(Commands, LoopBoundsCountFromOnePast32767) {
  // -1: a fraction, no number of steps, changes nothing. No steps still start afresh.
  const std::pair<const char*, int> bounds[] = {
      {"1", 1},    {"0", 0},      {"0.99", -1}, {"1e1", 10},  {"-32766", 0},
      {"2.5", -1}, {"1e-999", 0}, {" 3 ", 3},   {"-0.5", -1}, {"1000000", 1'000'000}};
  for (const auto& [loops, rows] : bounds) {
    const std::size_t lines = Lines().size();
    const RunOutcome outcome = Run(true, loops);
    EXPECT_EQ(outcome.failure, rows >= 0 ? std::nullopt
                                         : std::optional(Failure{Box::Loops, loops, 0,
                                                                 FailureReason::NotAWholeNumber}));
    EXPECT_EQ(Lines().size(), rows < 0 ? lines : rows + 1u) << loops;
    if (rows < 0) continue;
    EXPECT_EQ(state().Step, rows);
    EXPECT_TRUE(rows > 0 || (state().Integral == 0 && state().X == 0)) << loops;
  }
  const LoopState expected = state();  // a Continue without steps uses no text
  Set("p i d s");
  ASSERT_TRUE(Run(false, "0").ok());
  EXPECT_EQ(state(), expected);
  EXPECT_EQ(Lines().size(), 1'000'001u);
  EXPECT_EQ(Field(32768, 0), "32768");
}

// A Continue carries the loop on, but starts its derivative afresh.
TEST_F(Commands, ContinueBeforeComputeWritesRowsAloneAndStartsDAfresh) {
  ASSERT_TRUE(Run(false, "2").ok());  // before any Compute: no column names
  fields.SetBox(Box::Kp, "2");
  ASSERT_TRUE(Run(false, "1").ok());
  // By hand: X 1.875, PV .9375, Error 4.0625, Integral 10.3125; D .5 Error, not .5 (Error - 1.25)
  EXPECT_EQ(Transcript(),
            "\r\n1\t.0000\t.0000\t5.0000\t2.5000\t2.5000\t2.5000"
            "\r\n2\t7.5000\t3.7500\t1.2500\t.6250\t3.1250\t-1.8750"
            "\r\n3\t1.8750\t.9375\t4.0625\t8.1250\t5.1563\t2.0313");
}

TEST_F(Commands, TheLimiterHoldsXWithin0And255) {
  Set("100 0 0 5");
  ASSERT_TRUE(Run(true, "3").ok());
  // I and D at step 2 are zero gains times negative numbers: zeros printed unsigned.
  EXPECT_EQ(Lines(),
            (std::vector<std::string>{kHeader, "1\t.0000\t.0000\t5.0000\t500.0000\t.0000\t.0000",
                                      "2\t255.0000\t127.5000\t-122.5000\t-12250.0000\t.0000\t.0000",
                                      "3\t.0000\t.0000\t5.0000\t500.0000\t.0000\t.0000"}));
}

// Every box, every kind of bad text, through both commands: a failure that
// names the box and the text, and nothing changed.
TEST_F(Commands, BadInputChangesNothing) {
  const char* const texts[] = {"-1e999", "1e999", "",       "   ",    "\t",     "abc",   "1..2",
                               "1,5",    "--5",   "5-",     "1e",     "e5",     "inf",   "nan",
                               "0x10",   "1 000", "\u0665", "\u096B", "\uFF15", "5\x01", "\u200F5"};
  ASSERT_TRUE(Run(true, "3").ok());
  fields.SetChoices({AntiWindup::BackCalculation, false});  // so that Kb is read too
  for (const BoxDescription& described : kBoxes) {
    const Box box = described.box;
    for (const std::string text : texts) {
      for (bool compute : {true, false}) {
        fields.SetBox(Box::Kp, "0.25");  // a good change that must not land either
        fields.SetBox(box, text);
        const LoopState before = state();
        const std::string transcript = Transcript();
        const FailureReason reason = !text.ends_with("1e999") ? FailureReason::NotANumber
                                     : box == Box::Loops && text[0] == '1'
                                         ? FailureReason::TooManySteps
                                         : FailureReason::OutOfRange;
        const RunOutcome outcome = Run(compute, box == Box::Loops ? text : "3");
        EXPECT_EQ(std::pair(outcome.failure, outcome.RowsAdded()),
                  std::pair(std::optional(Failure{box, text, 0, reason}), std::int64_t{0}));
        EXPECT_FALSE(outcome.change.Any()) << text;
        EXPECT_TRUE(state() == before && Transcript() == transcript) << text;
        fields.SetBox(box, InitialText(box, {}));
      }
    }
  }
  Set("5 x y ");  // the first that a step would meet is named
  for (Box box : {Box::SP, Box::Kd, Box::Ki}) {
    EXPECT_EQ(Run(true, "1").failure->box, box);
    fields.SetBox(box, "1");
  }
}

// A Compute that cannot make its first step keeps the old transcript. An output sum beyond the
// range is just 255: the last case.
TEST_F(Commands, OverflowStopsBeforeTheStepThatOverflows) {
  // clang-format off
  const std::tuple<const char*, Box, std::int64_t> cases[] = {
      {"0 -1 0 1e308", Box::SP, 2}, {"1e308 0 0 5", Box::Kp, 1}, {"0 0 1e308 5", Box::Kd, 1},
      {"0 1e308 0 5", Box::Ki, 1}, {"1e308 1e308 1e308 1", Box::Kp, 2}};
  // clang-format on
  for (const auto& [gains, box, step] : cases) {
    Set(".5 .5 .5 5");
    ASSERT_TRUE(Run(true, "3").ok());
    const LoopState before = state();
    Set(gains);
    EXPECT_EQ(Run(true, "10").failure,
              (Failure{box, fields.ReadBox(box), step, FailureReason::Overflow}));
    EXPECT_TRUE(step == 1 ? state() == before : state().Step == step - 1) << state().Step;
    EXPECT_EQ(Lines().size(), step == 1 ? 4u : static_cast<std::size_t>(step));
  }
}

// The options' boxes take what a plant and a noise can be; a Kb that no cure
// uses is not read. Their overflow is named too.
TEST_F(Commands, TheOptionsBoxesTakeWhatTheyMean) {
  const std::tuple<Box, const char*, FailureReason> cases[] = {
      {Box::PlantLag1, "-1", FailureReason::Negative},
      {Box::Noise, "-.1", FailureReason::Negative},
      {Box::PlantDeadTime, "2.5", FailureReason::NotAWholeNumber},
      {Box::PlantDeadTime, "1001", FailureReason::OutOfBounds},
      {Box::LoadStep, "0", FailureReason::OutOfBounds},
      {Box::NoiseSeed, "-1", FailureReason::OutOfBounds}};
  for (const auto& [box, text, reason] : cases) {
    fields.SetBox(box, text);
    EXPECT_EQ(Run(true, "3").failure, (Failure{box, text, 0, reason}));
    fields.SetBox(box, InitialText(box, {}));
  }
  fields.SetBox(Box::TrackingGain, "abc");
  EXPECT_TRUE(Run(true, "3").ok());
  fields.SetBox(Box::PlantDeadTime, "1000");
  EXPECT_TRUE(Run(true, "3").ok());
  fields.SetBox(Box::PlantDeadTime, "0");
  fields.SetBox(Box::PlantGain, "1e308");  // X is 7.5 after step 1
  EXPECT_EQ(Run(true, "3").failure, (Failure{Box::PlantGain, "1e308", 2, FailureReason::Overflow}));
}

// Rows of about 955 characters each: SP 1e300 makes every value 300 digits long.
TEST_F(Commands, TextBudgetsStopARunBeforeTheRowThatBreaksThem) {
  fields.SetBox(Box::SP, "1e300");
  RunOutcome outcome = Run(true, "1000000");
  const std::size_t row = Lines()[1].size() + 2;
  for (const auto& [reason, budget] : {std::pair{FailureReason::RunTooLong, kMaxRunText},
                                       {FailureReason::TranscriptTooLong, kMaxTranscriptText}}) {
    ASSERT_EQ(std::pair(outcome.failure->reason, outcome.failure->step),
              std::pair(reason, state().Step + 1));
    const std::size_t length =
        history.TextBytes() - (reason == FailureReason::RunTooLong ? kHeader.size() : 0);
    EXPECT_TRUE(length <= budget && length + row > budget) << length;
    EXPECT_EQ(history.Current().Size(), static_cast<std::size_t>(state().Step));
    do {
      outcome = Run(false, "1000000");
    } while (outcome.failure.value_or(Failure{}).reason == FailureReason::RunTooLong);
  }
}

// The state and the rows agree wherever memory runs out: a Compute leaves everything as it
// was, or the column names alone after a fresh start; a Continue leaves everything as it was.
TEST_F(Commands, OutOfMemoryEndsTheCommandAndKeepsNothingOfTheRun) {
  const Failure outOfMemory{Box::Loops, "100", 1, FailureReason::OutOfMemory};
  bool failedAfresh = false;
  for (bool compute : {true, false}) {
    for (long succeeding = 0;; ++succeeding) {
      ASSERT_TRUE(!compute || Run(true, "5").ok());
      const LoopState before = state();
      const std::string transcript = Transcript();
      RunOutcome outcome;
      {
        const FailingAllocations fail(succeeding);
        outcome = Run(compute, "100");
      }
      if (outcome.ok()) break;
      ASSERT_EQ(outcome.failure->reason, FailureReason::OutOfMemory) << succeeding;
      const bool afresh = compute && Transcript() == kHeader;
      EXPECT_TRUE(afresh ? state() == LoopState{} : Transcript() == transcript && state() == before)
          << succeeding;
      EXPECT_EQ(outcome.RowsAdded(), 0) << succeeding;
      failedAfresh = failedAfresh || (afresh && outcome.failure == outOfMemory);
    }
  }
  EXPECT_TRUE(failedAfresh);  // the rows' memory itself was among those refused
}

// The counter cannot wrap, however long a simulation runs on.
TEST(CommandsCounter, TooManyStepsForTheCounter) {
  // What a book that ran so long would hold: the state alone matters here.
  LabBook book;
  BookChange change;
  ASSERT_TRUE(book.Add({}, {}, {.Step = std::numeric_limits<std::int64_t>::max() - 1}, {}, change));
  MemoryFormFields fields;
  fields.SetBox(Box::Loops, "2");
  EXPECT_EQ(OnContinue(book, fields).failure->reason, FailureReason::TooManySteps);
  fields.SetBox(Box::Loops, "1");
  EXPECT_TRUE(OnContinue(book, fields).ok());
}

}  // namespace
}  // namespace corvale

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "commands.h"
#include "memory_form_fields.h"
#include "transcript_lines.h"

namespace corvale {
namespace {

using testing_support::Lines;

const char* const kHeader = "Step\tX\tPV\tError\tP\tI\tD";

// Splits one row into its fields.
std::vector<std::string> Fields(const std::string& row) {
  std::vector<std::string> fields;
  std::size_t start = 0;
  for (;;) {
    const auto tab = row.find('\t', start);
    fields.push_back(row.substr(start, tab - start));
    if (tab == std::string::npos) return fields;
    start = tab + 1;
  }
}

class Commands : public testing::Test {
 protected:
  RunOutcome Compute(const std::string& loops) {
    fields.SetBox(Box::Loops, loops);
    return OnCompute(state, fields);
  }
  RunOutcome Continue(const std::string& loops) {
    fields.SetBox(Box::Loops, loops);
    return OnContinue(state, fields);
  }
  std::vector<std::string> TranscriptLines() const { return Lines(fields.ReadTranscript()); }

  LoopState state;
  MemoryFormFields fields;
};

TEST_F(Commands, ComputeWithTheInitialTextsGivesThePublishedRows) {
  const RunOutcome outcome = OnCompute(state, fields);
  ASSERT_TRUE(outcome.ok());
  EXPECT_EQ(outcome.rowsAdded, 100);
  const auto lines = TranscriptLines();
  ASSERT_EQ(lines.size(), 101u);
  EXPECT_EQ(lines[0], kHeader);
  EXPECT_EQ(lines[1], "1\t.0000\t.0000\t5.0000\t2.5000\t2.5000\t2.5000");
  EXPECT_EQ(lines[2], "2\t7.5000\t3.7500\t1.2500\t.6250\t3.1250\t-1.8750");
  EXPECT_EQ(lines[3], "3\t1.8750\t.9375\t4.0625\t2.0313\t5.1563\t1.4063");
  EXPECT_EQ(lines[4], "4\t8.5938\t4.2969\t.7031\t.3516\t5.5078\t-1.6797");
  EXPECT_EQ(lines[98], "98\t10.0001\t5.0000\t-.0000\t-.0000\t10.0000\t-.0001");
  EXPECT_EQ(lines[100], "100\t10.0001\t5.0000\t-.0000\t-.0000\t10.0000\t-.0000");
  EXPECT_FALSE(fields.ReadTranscript().ends_with("\r\n"));
  EXPECT_EQ(state.Step, 100);
  EXPECT_EQ(state.Kp, ".5");
  EXPECT_EQ(state.SP, "5");
}

TEST_F(Commands, ContinueNumbersOnWithoutASecondHeader) {
  ASSERT_TRUE(OnCompute(state, fields).ok());
  ASSERT_TRUE(OnContinue(state, fields).ok());
  const auto lines = TranscriptLines();
  ASSERT_EQ(lines.size(), 201u);
  for (int step = 1; step <= 200; ++step) EXPECT_EQ(Fields(lines[step])[0], std::to_string(step));
}

TEST_F(Commands, ContinueStartsItsDerivativeAfresh) {
  ASSERT_TRUE(Compute("10").ok());
  ASSERT_TRUE(Continue("10").ok());
  const auto split = Fields(TranscriptLines()[11]);

  LoopState single;
  MemoryFormFields singleFields;
  singleFields.SetBox(Box::Loops, "20");
  ASSERT_TRUE(OnCompute(single, singleFields).ok());
  const auto whole = Fields(Lines(singleFields.ReadTranscript())[11]);

  EXPECT_EQ(split[6], ".5386");
  EXPECT_EQ(whole[6], ".6234");
  for (int column = 0; column < 6; ++column) EXPECT_EQ(split[column], whole[column]);
}

TEST_F(Commands, ComputeTwiceGivesTheSameTranscript) {
  ASSERT_TRUE(OnCompute(state, fields).ok());
  const std::string first = fields.ReadTranscript();
  const LoopState afterFirst = state;
  ASSERT_TRUE(OnContinue(state, fields).ok());
  ASSERT_TRUE(OnCompute(state, fields).ok());
  EXPECT_EQ(fields.ReadTranscript(), first);
  EXPECT_EQ(state, afterFirst);
}

TEST_F(Commands, LoopBoundsCountFromOne) {
  struct Case {
    const char* loops;
    std::size_t rows;
  };
  for (const Case c : {Case{"0", 0}, Case{"-1", 0}, Case{"-32766", 0}, Case{"0.99", 0},
                       Case{"1", 1}, Case{"2.5", 2}, Case{"2.99999", 2}, Case{" 3 ", 3},
                       Case{"1e1", 10}, Case{"1e-999", 0}, Case{"1000000", 1'000'000}}) {
    SCOPED_TRACE(c.loops);
    state.Integral = 42;
    const RunOutcome outcome = Compute(c.loops);
    ASSERT_TRUE(outcome.ok());
    EXPECT_EQ(outcome.rowsAdded, static_cast<std::int64_t>(c.rows));
    EXPECT_EQ(TranscriptLines().size(), c.rows + 1);
    EXPECT_EQ(state.Step, static_cast<std::int64_t>(c.rows));
    if (c.rows == 0) {
      EXPECT_EQ(fields.ReadTranscript(), kHeader);
      EXPECT_EQ(state.Integral, 0);
    }
  }
}

TEST_F(Commands, ContinueWithNoStepsOnlyReadsTheTexts) {
  ASSERT_TRUE(Compute("5").ok());
  const std::string transcript = fields.ReadTranscript();
  LoopState expected = state;
  fields.SetBox(Box::Kp, "abc");  // not used: no step runs
  fields.SetBox(Box::SP, "");
  ASSERT_TRUE(Continue("0").ok());
  expected.Kp = "abc";
  expected.SP = "";
  EXPECT_EQ(state, expected);
  EXPECT_EQ(fields.ReadTranscript(), transcript);
  EXPECT_TRUE(Compute("0").ok());
}

TEST_F(Commands, ContinueBeforeComputeStartsFromNothing) {
  ASSERT_TRUE(Continue("2").ok());
  EXPECT_EQ(fields.ReadTranscript(),
            "\r\n1\t.0000\t.0000\t5.0000\t2.5000\t2.5000\t2.5000"
            "\r\n2\t7.5000\t3.7500\t1.2500\t.6250\t3.1250\t-1.8750");
}

TEST_F(Commands, RowsFollowWhateverTheUserTyped) {
  ASSERT_TRUE(Compute("1").ok());
  fields.WriteTranscript(fields.ReadTranscript() + "\r\nmy note");
  ASSERT_TRUE(Continue("1").ok());
  const auto lines = TranscriptLines();
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[2], "my note");
  EXPECT_EQ(Fields(lines[3])[0], "2");
}

TEST_F(Commands, ChangedGainTakesEffectAtTheNextRun) {
  ASSERT_TRUE(Compute("1").ok());
  fields.SetBox(Box::Kp, "2");
  ASSERT_TRUE(Continue("1").ok());
  // Step 2 by hand: X 7.5, PV 3.75, Error 1.25, Integral 6.25,
  // P 2 * 1.25, I .5 * 6.25, D .5 * 1.25 (no last error in a new run).
  EXPECT_EQ(TranscriptLines()[2], "2\t7.5000\t3.7500\t1.2500\t2.5000\t3.1250\t.6250");
  EXPECT_EQ(state.Kp, "2");
}

TEST_F(Commands, LimiterCaseWithKp100) {
  fields.SetBox(Box::Kp, "100");
  fields.SetBox(Box::Ki, "0");
  fields.SetBox(Box::Kd, "0");
  ASSERT_TRUE(Compute("3").ok());
  const auto lines = TranscriptLines();
  EXPECT_EQ(lines[1], "1\t.0000\t.0000\t5.0000\t500.0000\t.0000\t.0000");
  // I and D are zero gains times negative numbers: negative zeros, printed unsigned.
  EXPECT_EQ(lines[2], "2\t255.0000\t127.5000\t-122.5000\t-12250.0000\t.0000\t.0000");
  EXPECT_EQ(lines[3], "3\t.0000\t.0000\t5.0000\t500.0000\t.0000\t.0000");
}

TEST_F(Commands, StepNumbersPass32767) {
  fields.SetBox(Box::Loops, "32768");
  ASSERT_TRUE(OnCompute(state, fields).ok());
  const auto lines = TranscriptLines();
  ASSERT_EQ(lines.size(), 32769u);
  EXPECT_EQ(Fields(lines[32767])[0], "32767");
  EXPECT_EQ(Fields(lines[32768])[0], "32768");
}

TEST_F(Commands, CommaLocaleReadsAndWritesCommas) {
  MemoryFormFields comma(NumberFormat{",", "\u2212"});
  comma.SetBox(Box::Loops, "2");
  ASSERT_TRUE(OnCompute(state, comma).ok());
  EXPECT_EQ(Lines(comma.ReadTranscript())[2], "2\t7,5000\t3,7500\t1,2500\t,6250\t3,1250\t-1,8750");
}

// Every box, every kind of bad text, through both commands: a failure that
// names the box and the text, and nothing changed.
struct BadInput {
  Box box;
  std::string text;
  FailureReason reason;

  friend void PrintTo(const BadInput& b, std::ostream* os) {
    *os << BoxLabel(b.box) << " \"" << b.text << '"';
  }
};

class BadInputChangesNothing : public testing::TestWithParam<BadInput> {};

TEST_P(BadInputChangesNothing, ThroughBothCommands) {
  for (bool compute : {true, false}) {
    SCOPED_TRACE(compute ? "Compute" : "Continue");
    LoopState state;
    MemoryFormFields fields;
    fields.SetBox(Box::Loops, "3");
    ASSERT_TRUE(OnCompute(state, fields).ok());
    fields.SetBox(Box::Kp, "0.25");  // a good change that must not land either
    fields.SetBox(GetParam().box, GetParam().text);
    const LoopState stateBefore = state;
    const std::string transcriptBefore = fields.ReadTranscript();

    const RunOutcome outcome = compute ? OnCompute(state, fields) : OnContinue(state, fields);
    ASSERT_FALSE(outcome.ok());
    EXPECT_EQ(*outcome.failure, (Failure{GetParam().box, GetParam().text, 0, GetParam().reason}));
    EXPECT_EQ(outcome.rowsAdded, 0);
    EXPECT_EQ(state, stateBefore);
    EXPECT_EQ(fields.ReadTranscript(), transcriptBefore);
  }
}

std::vector<BadInput> AllBadInputs() {
  const std::vector<std::string> notNumbers = {
      "",      "   ",   "\t",       "abc",          "1..2",         "1.2.3", "1,5",
      "--5",   "5-",    "1e",       "e5",           "inf",          "nan",   "0x10",
      "1 000", "1_000", "\xD9\xA5", "\xE0\xA5\xAB", "\xEF\xBC\x95", "5\x01", "\u200F5"};
  std::vector<BadInput> cases;
  for (Box box : {Box::Kp, Box::Ki, Box::Kd, Box::SP, Box::Loops}) {
    for (const std::string& text : notNumbers) {
      cases.push_back({box, text, FailureReason::NotANumber});
    }
    cases.push_back({box, "-1e999", FailureReason::OutOfRange});
    if (box != Box::Loops) cases.push_back({box, "1e999", FailureReason::OutOfRange});
  }
  cases.push_back({Box::Loops, "1000001", FailureReason::TooManySteps});
  cases.push_back({Box::Loops, "1e300", FailureReason::TooManySteps});
  cases.push_back({Box::Loops, "1e999", FailureReason::TooManySteps});
  cases.push_back({Box::Loops, "1000001.5", FailureReason::TooManySteps});
  return cases;
}

INSTANTIATE_TEST_SUITE_P(EveryBox, BadInputChangesNothing, testing::ValuesIn(AllBadInputs()));

TEST_F(Commands, TheFirstBadTextInStepOrderIsNamed) {
  fields.SetBox(Box::Ki, "x");
  fields.SetBox(Box::Kd, "y");
  fields.SetBox(Box::SP, "");
  EXPECT_EQ(Compute("1").failure->box, Box::SP);
  fields.SetBox(Box::SP, "5");
  EXPECT_EQ(Compute("1").failure->box, Box::Kd);
  fields.SetBox(Box::Kd, "1");
  EXPECT_EQ(Compute("1").failure->box, Box::Ki);
}

TEST_F(Commands, OverflowStopsBeforeTheStepAndKeepsTheRowsBefore) {
  // The integral doubles while the output sits at 0: SP 1e308, Ki -1 keeps
  // the output limited, and the running sum of 1e308 errors overflows at step 2.
  fields.SetBox(Box::SP, "1e308");
  fields.SetBox(Box::Ki, "-1");
  fields.SetBox(Box::Kp, "0");
  fields.SetBox(Box::Kd, "0");
  const RunOutcome outcome = Compute("10");
  ASSERT_FALSE(outcome.ok());
  EXPECT_EQ(*outcome.failure, (Failure{Box::SP, "1e308", 2, FailureReason::Overflow}));
  EXPECT_EQ(outcome.rowsAdded, 1);
  EXPECT_EQ(TranscriptLines().size(), 2u);
  EXPECT_EQ(state.Step, 1);
  EXPECT_EQ(state.Integral, 1e308);
  EXPECT_EQ(state.SP, "1e308");
}

TEST_F(Commands, GainOverflowNamesTheGain) {
  fields.SetBox(Box::Kd, "1e308");
  const RunOutcome outcome = Compute("5");
  ASSERT_FALSE(outcome.ok());
  EXPECT_EQ(*outcome.failure, (Failure{Box::Kd, "1e308", 1, FailureReason::Overflow}));
  EXPECT_EQ(fields.ReadTranscript(), kHeader);
}

TEST_F(Commands, TheStepCounterCannotWrap) {
  state.Step = std::numeric_limits<std::int64_t>::max() - 1;
  const LoopState before = state;
  EXPECT_EQ(Continue("2").failure->reason, FailureReason::TooManySteps);
  EXPECT_EQ(state, before);
  EXPECT_TRUE(Continue("1").ok());
  EXPECT_EQ(state.Step, std::numeric_limits<std::int64_t>::max());
}

// Rows of about 955 characters each: SP 1e300 makes every value 300 digits long.
TEST_F(Commands, TextBudgetsStopARunBeforeTheRowThatBreaksThem) {
  fields.SetBox(Box::SP, "1e300");
  const RunOutcome compute = Compute("1000000");
  ASSERT_FALSE(compute.ok());
  EXPECT_EQ(compute.failure->reason, FailureReason::RunTooLong);
  EXPECT_EQ(compute.failure->step, state.Step + 1);
  const std::size_t rowLength = TranscriptLines()[1].size() + 2;
  EXPECT_GT(rowLength, 900u);
  const std::size_t header = std::string(kHeader).size();
  EXPECT_LE(fields.TranscriptLength() - header, kMaxRunText);
  EXPECT_GT(fields.TranscriptLength() - header + rowLength, kMaxRunText);
  EXPECT_EQ(TranscriptLines().size(), static_cast<std::size_t>(state.Step) + 1);

  RunOutcome more = Continue("1000000");
  while (more.ok() || more.failure->reason == FailureReason::RunTooLong) {
    ASSERT_GT(more.rowsAdded, 0);
    more = Continue("1000000");
  }
  EXPECT_EQ(more.failure->reason, FailureReason::TranscriptTooLong);
  EXPECT_LE(fields.TranscriptLength(), kMaxTranscriptText);
  EXPECT_GT(fields.TranscriptLength() + rowLength, kMaxTranscriptText);
  EXPECT_EQ(TranscriptLines().size(), static_cast<std::size_t>(state.Step) + 1);
}

// A box that runs out of memory when the rows arrive.
class FullMemoryFields final : public FormFields {
 public:
  std::string ReadBox(Box box) const override { return inner.ReadBox(box); }
  std::string ReadTranscript() const override { return inner.ReadTranscript(); }
  std::size_t TranscriptLength() const override { return inner.TranscriptLength(); }
  void WriteTranscript(std::string_view text) override { inner.WriteTranscript(text); }
  void AppendTranscript(std::string) override { throw std::bad_alloc(); }
  NumberFormat Numbers() const override { return inner.Numbers(); }
  MemoryFormFields inner;
};

TEST(OutOfMemory, EndsTheCommandWithTheStateAgreeingWithTheTranscript) {
  LoopState state;
  FullMemoryFields fields;
  RunOutcome outcome = OnCompute(state, fields);
  ASSERT_FALSE(outcome.ok());
  EXPECT_EQ(*outcome.failure, (Failure{Box::Loops, "100", 1, FailureReason::OutOfMemory}));
  EXPECT_EQ(fields.ReadTranscript(), kHeader);
  EXPECT_EQ(state, LoopState{});

  fields.inner.SetBox(Box::Kp, "2");
  outcome = OnContinue(state, fields);
  EXPECT_EQ(outcome.failure->reason, FailureReason::OutOfMemory);
  EXPECT_EQ(state, LoopState{});  // not even the texts of a run that left no row
}

}  // namespace
}  // namespace corvale

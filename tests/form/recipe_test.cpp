#include "form/recipe.h"

#include "tests/support/command_runs.h"

namespace corvale {
namespace {

struct ReplayCase {
  std::vector<std::string> made;  // the commands the recipe records
  Box box;
  std::string text;
  std::vector<std::string> same;  // what the replay must equal, typed afresh
};

// A replay is the run the user would have made typing the new text into the
// last command, and a second one in place of the first keeps nothing more.
TEST(Recipe, ReplaysEachCommandWithTheChangeInTheLast) {
  // clang-format off
  const ReplayCase cases[] = {
      {{"C .5 0 0 5 30"}, Box::Kp, "0.6", {"C 0.6 0 0 5 30"}},
      {{"C .5 .5 .5 300 100", "+ .5 .5 .5 5 300"}, Box::SP, "6", {"C .5 .5 .5 300 100", "+ .5 .5 .5 6 300"}},
      {{"C .5 0 0 5 30", "+ 1 0 0 5 10"}, Box::Loops, "20", {"C .5 0 0 5 30", "+ 1 0 0 5 20"}}};
  // clang-format on
  for (const ReplayCase& c : cases) {
    Session session;
    Recipe recipe;
    for (const std::string& command : c.made) {
      ASSERT_TRUE(session.Press(command));
      recipe.Record(command[0] == 'C' ? Recipe::Command::Compute : Recipe::Command::Continue,
                    session.fields);
    }
    const std::size_t kept = session.history.Kept().size();
    ASSERT_TRUE(recipe.Replay(session.history, c.box, "999", true).ok());
    ASSERT_TRUE(recipe.Replay(session.history, c.box, c.text, false).ok());
    EXPECT_EQ(session.history.Kept().size(), kept + 1) << c.text;
    EXPECT_EQ(session.Transcript(), TranscriptText(HistoryOf(c.same))) << c.text;
    EXPECT_EQ(recipe.LastText(c.box), c.text);
    EXPECT_EQ(recipe.Size(), c.made.size());
  }
}

TEST(Recipe, AReplayThatCannotStartChangesNothing) {
  Session session;
  Recipe recipe;
  recipe.Record(Recipe::Command::Continue, session.fields);  // no Compute to start from
  EXPECT_TRUE(recipe.Empty());
  ASSERT_TRUE(session.Press("C .5 .5 .5 5 10"));
  recipe.Record(Recipe::Command::Compute, session.fields);
  const std::string before = session.Transcript();
  const RunOutcome outcome = recipe.Replay(session.history, Box::Loops, "x", false);
  EXPECT_EQ(outcome.failure->box, Box::Loops);
  EXPECT_EQ(session.Transcript(), before);
  EXPECT_EQ(recipe.LastText(Box::Loops), "10");
}

}  // namespace
}  // namespace corvale

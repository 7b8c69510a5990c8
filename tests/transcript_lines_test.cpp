

#include "transcript_lines.h"
#include "command_runs.h"
#include "transcript.h"

namespace corvale {
namespace {

TEST(TranscriptLines, FindEveryLineOfTextAddedInPieces) {
  const std::vector<std::vector<std::string>> pieces = {
      {"", ""},           {"", "\r\n1\t2"},     {"Step\tX", "\r\n1", "\r\n2\r\n"},
      {"a\r", "\nb"},     {"a\n\r", "\r\n\n"},  {"a", "b\r\nc", "d"},
      {"\r\n\r\n", "\r"}, {"\r", "\r", "\n\n"}, {"h", std::string(100'000, 'x') + "\r\ny"}};
  for (const auto& texts : pieces) {
    TranscriptLines lines;
    std::string whole;
    for (const std::string& text : texts) {
      SCOPED_TRACE(::testing::PrintToString(whole + "|" + text));
      const std::size_t before = Split(whole, "\r\n").size();
      whole += text;
      const std::vector<std::string> expected = Split(whole, "\r\n");
      EXPECT_EQ(TranscriptLines::ExtendsLastLine(text), !text.starts_with("\r\n"));
      if (&text == &texts.front()) {
        lines.Assign(text);
      } else {
        std::string buffer;
        buffer.reserve(3 * text.size());  // as a run hands its rows over, with room
        buffer = text;
        EXPECT_EQ(lines.Prepare(buffer), expected.size() - before);
        lines.Commit(std::move(buffer));
      }
      EXPECT_EQ(lines.Text(), whole);
      std::vector<std::string> found;
      for (std::size_t i = 0; i < lines.LineCount(); ++i) found.emplace_back(lines.Line(i));
      EXPECT_EQ(found, expected);
    }
  }
}

TEST(SplitFields, GivesSevenFieldsTheLastKeepingTheRest) {
  EXPECT_EQ(SplitFields(HeaderText()), (Fields{"Step", "X", "PV", "Error", "P", "I", "D"}));
  EXPECT_EQ(SplitFields("1\t.5"), (Fields{"1", ".5", "", "", "", "", ""}));
  EXPECT_EQ(SplitFields(""), Fields{});
  EXPECT_EQ(SplitFields("a\tb\tc\td\te\tf\tg\th\t"),
            (Fields{"a", "b", "c", "d", "e", "f", "g\th\t"}));
}

}  // namespace
}  // namespace corvale

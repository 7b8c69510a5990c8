#include "window/words/brief_response_text.h"

#include <gtest/gtest.h>

#include "tests/support/command_runs.h"

namespace corvale {
namespace {

// The chart's fewer words for each kind of response, the figures those of the full sentences
// (response_text_test.cpp): the most useful first, a limit never reached left out, and no
// heading.
TEST(BriefResponseText, SaysTheFiguresMostUsefulFirst) {
  // clang-format off
  const std::pair<std::vector<std::string>, const char*> cases[] = {
      {{"C .5 .5 .5 5 100"}, "Rise time: 4 steps, step 2 to 6.\n"
       "Peak: 5.2424 at step 14, overshoot 4.8\u00A0%.\n"
       "Settling time: 27 steps, step 1 to 28.\n"
       "Steady-state error: 0."},
      {{"C .5 .5 .5 300 100"}, "SP out of reach: PV never passes 127.5.\n"
       "Rise time: under one step, at step 2.\n"
       "Peak: 127.5 at step 2, overshoot 0.0\u00A0%.\n"
       "Settling time: one step, step 1 to 2.\n"
       "Steady-state error: 172.5.\n"
       "X at 255: 99 steps, step 2 to 100."},
      {{"C .5 .5 .5 300 10", "+ .5 .5 .5 50 100"}, "Fall time: 10 steps, step 28 to 38.\n"
       "Lowest point: 49.994 at step 70, overshoot 0.0\u00A0%.\n"
       "Settling time: 35 steps, step 11 to 46.\n"
       "Steady-state error: 0.00014776.\n"
       "X at 255: 17 steps, step 11 to 27."},
      {{"C 3 0 0 5 100"}, "Not settled: PV between 0 and 7.5 from step 91 on.\n"
       "X at 0: 49 steps between step 3 and 99."},
      {{"C .5 .5 .5 5 100", "+ .5 .5 .5 5.00003 100"},
       "No step: SP changed by less than 0.00005.\nSteady-state error: 0."},
      {{"C 0 0 0 5 20"}, "No response: PV stayed at 0.\nX at 0: 19 steps, step 2 to 20."}};
  // clang-format on
  for (const auto& [commands, text] : cases) {
    const auto figures = MeasureStep(TraceOf(commands));
    ASSERT_TRUE(figures) << commands.front();
    EXPECT_EQ(BriefResponseText(*figures, QLocale::c()).toStdString(), text) << commands.back();
  }
}

}  // namespace
}  // namespace corvale

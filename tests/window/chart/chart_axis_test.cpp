#include "tests/window/chart/chart_fixture.h"

namespace corvale {
namespace {

using ChartMarks = ChartFixture;

TEST_F(ChartMarks, TheStepAxisCountsWholeSteps) {
  for (const int loops : {1, 2, 3, 4, 5, 7, 30}) {
    const ChartReport report = Afresh({{".5 .5 .5 5 " + std::to_string(loops)}}, {530, 250});
    int labels = 0;
    for (const ChartReport::Text& text : report.texts) {
      if (text.part != ChartReport::Part::kAxis || text.rect.top() < report.bottom.bottom())
        continue;
      bool whole = false;
      const int step = text.text.toInt(&whole);
      EXPECT_TRUE(whole && step >= 1 && step <= loops) << loops << ": " << text.text.toStdString();
      ++labels;
    }
    EXPECT_GT(labels, 0) << loops;
  }
}

}  // namespace
}  // namespace corvale

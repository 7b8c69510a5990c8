#include <QCoreApplication>
#include <QTranslator>

#include "tests/window/chart/chart_fixture.h"

namespace corvale {
namespace {

using ChartMarks = ChartFixture;

// A language may join a step's values and its marks otherwise.
class Joiner : public QTranslator {
 public:
  QString translate(const char* context, const char* source, const char* = nullptr,
                    int = -1) const override {
    if (QLatin1String(context) != "corvale::ResponseChart") return {};
    const QLatin1String text(source);
    return text == "%1; %2" ? "%1 — %2" : text == "%1, %2" ? "%1 + %2" : QString();
  }
};

TEST_F(ChartMarks, TheReadoutJoinsAsTheLanguageDoes) {
  Simulate({"1 0 0 5 30"});  // P alone: at step 2, 10 % and 90 % of the change, and the peak
  Measure();
  Joiner joiner;  // in English, KeysWalkTheMarksAndTheSeries's first row
  QCoreApplication::installTranslator(&joiner);
  EXPECT_EQ(
      chart.RowDescription(1),
      "Step 2: PV 2.5000, SP 5, X 5.0000 — rise from here (past 10\u00a0% of the change) + rise "
      "to here (past 90\u00a0% of the change) + peak");
  QCoreApplication::removeTranslator(&joiner);
}

}  // namespace
}  // namespace corvale

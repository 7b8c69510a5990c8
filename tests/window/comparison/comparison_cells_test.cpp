#include "window/comparison/comparison_cells.h"

#include <gtest/gtest.h>

#include "window/comparison/comparison_speech.h"
#include "window/comparison/run_comparison_model.h"
#include "window/words/translations.h"

namespace corvale {
namespace {

using C = RunComparisonModel;

// A text that lupdate keeps otherwise than the program looks it up
// ("\u00b12" read as one character) would stay English.
TEST(RunComparison, NamesAndExplainsEveryColumnInGermanAndFrench) {
  for (const QLocale::Language language : {QLocale::German, QLocale::French}) {
    for (int c = 0; c < C::kColumnCount; ++c) {
      const auto column = static_cast<C::Column>(c);
      const QString name = ColumnName(column), explanation = ColumnExplanation(column),
                    spoken = SpokenColumnName(column);
      const Translations translations{QLocale(language)};
      // Symbols stay as they are; the plant's and Kb's are spelt out when spoken.
      const bool spokenKept =
          column == C::kKp || column == C::kKi || column == C::kKd || column == C::kSP;
      const bool kept = spokenKept || column == C::kPlantGain || column == C::kLag1 ||
                        column == C::kLag2 || column == C::kTrackingGain;
      EXPECT_EQ(ColumnName(column) == name, kept) << language << " " << name.toStdString();
      EXPECT_EQ(SpokenColumnName(column) == spoken, spokenKept)
          << language << " " << spoken.toStdString();
      EXPECT_NE(ColumnExplanation(column), explanation)
          << language << " " << explanation.toStdString();
    }
  }
}

}  // namespace
}  // namespace corvale

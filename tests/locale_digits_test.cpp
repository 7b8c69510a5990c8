// Every box reads the digits a locale writes, and its exponent symbol: a
// Compute typed in them gives the rows that ASCII digits give.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QLocale>
#include <array>
#include <string>

#include "commands.h"
#include "transcript_model.h"
#include "widget_form_fields.h"

namespace corvale {
namespace {

// Kp 2, Ki .25, Kd .5, SP 8 and Loops 3, each row in other digits. By hand:
// step 1 has Error 8, P 2×8, I .25×8, D .5×8 and so X 22 at step 2, PV 11,
// Error -3, P -6, I .25×5, D .5×(-11); X -10.25 limited to 0 at step 3.
TEST(LocaleDigits, EveryBoxReadsThemAsItReadsAsciiDigits) {
  const std::pair<const char*, std::array<const char*, kBoxCount>> typed[] = {
      {"C", {"2", ".25", "5e-1", "8", "3"}},
      {"ar_EG", {"٢", "٠٫٢٥", "٥اس\u061C-١", "٨", "٣"}},
      {"ar_EG", {"2", "0٫25", "۵e-1", "۸", "3"}},  // ASCII and Persian digits as well
      {"fa_IR", {"۲", "۰٫۲۵", "۵×۱۰^\u200E\u2212۱", "۸", "۳"}},
      {"fa_IR", {"٢", "٫٢٥", "5×10^-١", "8", "۳"}}};
  const std::string rows =
      "Step\tX\tPV\tError\tP\tI\tD\r\n1\t.0000\t.0000\t8.0000\t16.0000\t2.0000\t4.0000\r\n"
      "2\t22.0000\t11.0000\t-3.0000\t-6.0000\t1.2500\t-5.5000\r\n"
      "3\t.0000\t.0000\t8.0000\t16.0000\t3.2500\t5.5000";
  for (const auto& [locale, texts] : typed) {
    std::array<QLineEdit, kBoxCount> boxes;
    for (std::size_t i = 0; i < kBoxCount; ++i) boxes[i].setText(QString::fromUtf8(texts[i]));
    TranscriptModel transcript;
    WidgetFormFields fields({&boxes[0], &boxes[1], &boxes[2], &boxes[3], &boxes[4]}, &transcript,
                            QLocale(locale));
    LoopState state;
    EXPECT_TRUE(OnCompute(state, fields).ok()) << locale << " " << texts[0];
    std::string expected;  // written with the locale's separator, in ASCII digits
    for (char c : rows)
      expected += c == '.' ? QLocale(locale).decimalPoint().toStdString() : std::string(1, c);
    EXPECT_EQ(fields.ReadTranscript(), expected) << locale << " " << texts[0];
  }
}

}  // namespace
}  // namespace corvale

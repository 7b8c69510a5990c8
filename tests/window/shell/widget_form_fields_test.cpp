#include "window/shell/widget_form_fields.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <array>

#include "form/commands.h"
#include "labbook/transcript_text.h"

namespace corvale {
namespace {

// Persian writes its minus as U+200E U+2212, Arabic as U+061C "-", Swedish as
// U+2212. Kp 2, Ki .25, Kd .5, SP 8 and Loops 3 give the ASCII rows. By hand:
// step 1 has Error 8, P 2×8, I .25×8, D .5×8 and so X 22 at step 2, PV 11,
// Error -3, P -6, I .25×5, D .5×(-11); X -10.25 limited to 0 at step 3.
TEST(LocaleDigits, EveryBoxReadsThemAsItReadsAsciiDigits) {
  const std::pair<const char*, std::array<const char*, kBoxCount>> typed[] = {
      {"C", {"2", ".25", "5e-1", "8", "3"}},           {"ar_EG", {"+٢", "٠٫٢٥", "٥اس@١", "٨", "٣"}},
      {"ar_EG", {"2", "0٫25", "۵e\u22121", "۸", "3"}},  // ASCII and Persian digits, U+2212
      {"fa_IR", {"+۲", "۰٫۲۵", "۵×۱۰^@۱", "۸", "۳"}},  {"fa_IR", {"٢", "٫٢٥", "5×10^-١", "8", "۳"}},
      {"sv_SE", {"+2", ",25", "5e@1", "8", "3"}}};
  const std::string rows =
      "Step\tX\tPV\tError\tP\tI\tD\r\n1\t.0000\t.0000\t8.0000\t16.0000\t2.0000\t4.0000\r\n"
      "2\t22.0000\t11.0000\t-3.0000\t-6.0000\t1.2500\t-5.5000\r\n"
      "3\t.0000\t.0000\t8.0000\t16.0000\t3.2500\t5.5000";
  for (const auto& [locale, texts] : typed) {
    std::array<QLineEdit, kBoxCount> boxes;
    const QLocale numbers(locale);
    std::array<QLineEdit*, kBoxCount> shown;
    for (std::size_t i = 0; i < kBoxCount; ++i) {  // "+" and "@": the locale's signs
      // The options' boxes as they open, in the locale's own form.
      QString text = texts[i]
                         ? QString::fromUtf8(texts[i])
                         : QString::fromStdString(InitialText(kBoxes[i].box, NumbersOf(numbers)));
      boxes[i].setText(
          text.replace('+', numbers.positiveSign()).replace('@', numbers.negativeSign()));
      shown[i] = &boxes[i];
    }
    const WidgetFormFields fields(shown);
    LabBook book(NumbersOf(QLocale(locale)));
    EXPECT_TRUE(OnCompute(book, fields).ok()) << locale << " " << texts[0];
    std::string expected;  // written with the locale's separator, in ASCII digits
    for (char c : rows)
      expected += c == '.' ? QLocale(locale).decimalPoint().toStdString() : std::string(1, c);
    EXPECT_EQ(TranscriptText(book), expected) << locale << " " << texts[0];
    EXPECT_EQ(book.TextBytes(), expected.size());  // as the run counts
  }
}

}  // namespace
}  // namespace corvale

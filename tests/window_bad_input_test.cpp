// Texts a user might type or paste that are no number, in each of the five
// boxes, through both buttons: each gives one message and changes nothing.
#include "window_fixture.h"

namespace corvale {
namespace {

using testing_support::MessageBoxAnswerer;
using testing_support::WindowTest;

QStringList BadTexts() {
  QStringList texts;
  for (const char* text :
       {"", " ", "   ", "\t", " \t ", "abc", "x", "Kp", "five", "1..2", "1,2,3", "1,5", "--5",
        "++5", "+-5", "5-", "5+", "1e", "e5", "E5", "1e+", "1e-", "1e5e5", "1.5.5", ".", "-", "+",
        "-.", ".e1", "1e999", "-1e999", "1e99999", "inf", "-inf", "Infinity", "nan", "NaN", "0x10",
        "0X1F", "0b101", "1_000", "1 000", "1'000", "5 5", "$5", "5%", "(5)", "1/2", "<b>5</b>",
        "%1", "\x01", "5\x07", "\x7f", "5\r", "\n5",
        // other scripts' digits and look-alikes
        "\u0665", "\u096B", "\uFF15", "\u2164", "\u4E00", "\u00BD", "\u00B9",
        // invisible and direction marks, other dashes and spaces
        "\u200F5", "5\u200E", "\u202E5", "5\u00A0", "\u20135", "\u200B5"}) {
    texts << QString::fromUtf8(text);
  }
  texts << QString(100'000, QLatin1Char('9')) << QString(100'000, QLatin1Char('a'));
  return texts;
}

class BadInputThroughTheWindow : public WindowTest {};

TEST_F(BadInputThroughTheWindow, EveryBoxEveryTextBothButtons) {
  const QStringList texts = BadTexts();
  ASSERT_GE(texts.size(), 50);
  Box("Loops")->setText("3");
  Click("Command1");
  for (const char* box : {"guiKP", "guiKI", "guiKD", "guiSP", "Loops"}) {
    const QString good = Box(box)->text();
    for (const QString& text : texts) {
      for (const char* button : {"Command1", "Command2"}) {
        SCOPED_TRACE(std::string(box) + " " + button + " \"" + text.left(20).toStdString() + '"');
        Box(box)->setText(text);
        const Snapshot before = Take();
        MessageBoxAnswerer answerer;
        Click(button);
        EXPECT_EQ(answerer.messages.size(), 1u);
        EXPECT_TRUE(Take() == before);
        ASSERT_TRUE(window->isVisible());
      }
    }
    Box(box)->setText(good);
  }
}

}  // namespace
}  // namespace corvale

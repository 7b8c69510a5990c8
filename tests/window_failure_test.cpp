// Every way a command can fail, through the real buttons: a message that
// names the box and quotes the text, then everything exactly as before.
#include "window_fixture.h"

namespace corvale {
namespace {

using testing_support::MessageBoxAnswerer;
using testing_support::WindowTest;

struct BadText {
  const char* box;
  const char* label;
  const char* text;
  const char* saying;  // part of the message
};

const BadText kBadTexts[] = {
    {"guiKP", "Kp", "", "Kp is empty"},
    {"guiKI", "Ki", "   ", "Ki is empty"},
    {"guiKD", "Kd", "abc", "Kd: \u201C\u2068abc\u2069\u201D is not a number"},
    {"guiSP", "SP", "1..2", "SP: \u201C\u20681..2\u2069\u201D is not a number"},
    {"Loops", "Loops", "ten", "is not a number.\n\nType how many steps to add, for example 100."},
    {"guiKP", "Kp", "1,5", "decimal separator \u201C.\u201D"},
    {"guiSP", "SP", "1e999", "SP: \u201C\u20681e999\u2069\u201D is out of range"},
    {"guiKI", "Ki", "-1e999", "Ki: \u201C\u2068-1e999\u2069\u201D is out of range"},
    {"Loops", "Loops", "1e999", "too many steps"},
    {"Loops", "Loops", "2000000", "at most 1000000 rows"},
    {"guiKD", "Kd", "\u0665", "not a number"},
    {"guiKP", "Kp", "<b>5</b>", "\u201C\u2068<b>5</b>\u2069\u201D"},
    {"guiSP", "SP", "5\t\x01", "\u201C\u20685\u2409\u2401\u2069\u201D"},
};

class FailingCommand : public WindowTest {
 protected:
  // Runs `button` with `text` in `box` and checks that nothing changed; returns the message.
  QString FailWith(const char* button, const BadText& bad) {
    Box("guiKP")->setText("0.25");  // a good change that must not land either
    Box(bad.box)->setText(QString::fromUtf8(bad.text));
    const Snapshot before = Take();

    MessageBoxAnswerer answerer;
    Click(button);

    EXPECT_TRUE(Take() == before);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->focusWidget(), Box(bad.box));
    EXPECT_EQ(Box(bad.box)->selectedText(), Box(bad.box)->text());
    if (answerer.messages.size() != 1) {
      ADD_FAILURE() << "expected one message, got " << answerer.messages.size();
      return {};
    }
    EXPECT_TRUE(answerer.plainText[0]);
    EXPECT_FALSE(answerer.busyWhileShown[0]);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(answerer.titles[0], "Corvale by Brennick");
    return answerer.messages[0];
  }
};

TEST_F(FailingCommand, EveryBadTextThroughBothButtonsChangesNothing) {
  Box("Loops")->setText("3");
  Click("Command1");
  for (const BadText& bad : kBadTexts) {
    for (const char* button : {"Command1", "Command2"}) {
      SCOPED_TRACE(std::string(button) + " " + bad.box + " \"" + bad.text + "\"");
      const QString good = Box(bad.box)->text();
      const QString message = FailWith(button, bad);
      EXPECT_TRUE(message.contains(QString::fromUtf8(bad.saying))) << message.toStdString();
      Box(bad.box)->setText(good);
    }
  }
}

TEST_F(FailingCommand, AFailedFirstComputeLeavesTheBoxEmpty) {
  const QString message = FailWith("Command1", {"guiSP", "SP", "", "SP is empty"});
  EXPECT_TRUE(message.contains("SP is empty"));
  EXPECT_TRUE(Transcript()->toPlainText().isEmpty());
}

TEST_F(FailingCommand, LongTextsAreCutInTheMessage) {
  const std::string longText(100'000, 'x');
  Box("guiKD")->setMaxLength(200'000);
  const QString message = FailWith("Command2", {"guiKD", "Kd", longText.c_str(), "Kd"});
  EXPECT_LT(message.size(), 400);
  EXPECT_TRUE(message.contains(QStringLiteral("x\u2069\u2026\u201D")));
}

TEST_F(FailingCommand, OverflowKeepsTheRowsBeforeTheStep) {
  Box("guiSP")->setText("1e308");
  Box("guiKI")->setText("-1");
  Box("guiKP")->setText("0");
  Box("guiKD")->setText("0");
  MessageBoxAnswerer answerer;
  Click("Command1");
  ASSERT_EQ(answerer.messages.size(), 1u);
  EXPECT_TRUE(answerer.messages[0].startsWith(
      "Step 2 cannot be computed: with SP \u201C\u20681e308\u2069\u201D"));
  EXPECT_EQ(Lines().size(), 2);
  EXPECT_EQ(window->State().Step, 1);
  EXPECT_EQ(window->focusWidget(), Box("guiSP"));
}

}  // namespace
}  // namespace corvale

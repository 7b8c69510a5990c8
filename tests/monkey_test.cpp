// Drives the window with random events: typing into any box, clicking either
// button, typing at the end of the transcript, Tab. After every event the
// window must still be there, and the rows after the last header must be
// numbered 1, 2, 3, ... up to the current step without a gap.
// CORVALE_MONKEY_SEED and CORVALE_MONKEY_EVENTS repeat or lengthen a run.
#include <QTextBlock>
#include <cstdlib>
#include <random>

#include "window_fixture.h"

namespace corvale {
namespace {

using testing_support::MessageBoxAnswerer;
using testing_support::WindowTest;

unsigned long FromEnvironment(const char* name, unsigned long fallback) {
  const char* value = std::getenv(name);
  return value ? std::strtoul(value, nullptr, 10) : fallback;
}

class Monkey : public WindowTest {
 protected:
  // Walks back from the end to the last header, collecting the step numbers
  // of the rows; text the user typed on lines of its own is passed over.
  void ExpectRowsWithoutGaps() const {
    std::vector<long long> steps;
    for (QTextBlock block = Transcript()->document()->lastBlock(); block.isValid();
         block = block.previous()) {
      const QString line = block.text();
      if (line == QLatin1String("Step\tX\tPV\tError\tP\tI\tD")) break;
      const QStringList fields = line.split(QLatin1Char('\t'));
      bool isNumber = false;
      const long long step = fields[0].toLongLong(&isNumber);
      if (fields.size() == 7 && isNumber) steps.push_back(step);
    }
    ASSERT_EQ(static_cast<long long>(steps.size()), window->State().Step);
    for (std::size_t i = 0; i < steps.size(); ++i) {
      ASSERT_EQ(steps[i], static_cast<long long>(steps.size() - i));
    }
  }
};

TEST_F(Monkey, RandomEventsLeaveNoGaps) {
  const unsigned long seed = FromEnvironment("CORVALE_MONKEY_SEED", 20261206);
  const unsigned long events = FromEnvironment("CORVALE_MONKEY_EVENTS", 10'000);
  std::mt19937 random(seed);
  const auto pick = [&random](const auto& choices) {
    return choices[random() % std::size(choices)];
  };

  const char* const boxes[] = {"guiKP", "guiKI", "guiKD", "guiSP", "Loops"};
  const char keys[] = "0123456789.-+e ,a";
  const char* const numbers[] = {"0", "1", ".5", "2.5", "-3", "1e1", "10", "1e300", "abc", ""};
  // Short step counts keep the transcript, and the test, small.
  const char* const counts[] = {"0", "1", "5", "20", "50", "99", "-1", "2.5", "x", ""};

  MessageBoxAnswerer answerer;
  for (unsigned long event = 0; event < events; ++event) {
    SCOPED_TRACE("seed " + std::to_string(seed) + ", event " + std::to_string(event));
    const char* box = pick(boxes);
    const bool loops = box == std::string("Loops");
    switch (random() % 12) {
      case 0:
      case 1:
      case 2:  // a key pressed in a box; Loops stays at two characters
        if (loops && Box(box)->text().size() >= 2) Box(box)->selectAll();
        QTest::keyClick(Box(box), keys[random() % (sizeof keys - 1)]);
        break;
      case 3:
        QTest::keyClick(Box(box), Qt::Key_Backspace);
        break;
      case 4:
      case 5:  // a whole number typed over the box's text
        Box(box)->selectAll();
        QTest::keyClicks(Box(box), loops ? pick(counts) : pick(numbers));
        break;
      case 6:
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : window.get(),
                        Qt::Key_Tab);
        break;
      case 7:
      case 8:
        Click("Command1");
        break;
      case 9:
      case 10:
        Click("Command2");
        break;
      case 11: {  // the user adds a note at the end of the transcript
        QPlainTextEdit* cwin = Transcript();
        cwin->moveCursor(QTextCursor::End);
        QTest::keyClick(cwin, random() % 2 ? Qt::Key_Return : Qt::Key_Space);
        QTest::keyClicks(cwin, "note");
        break;
      }
    }
    ASSERT_TRUE(window->isVisible());
    ASSERT_NO_FATAL_FAILURE(ExpectRowsWithoutGaps());
  }
  std::printf("monkey: %lu events from seed %lu, %zu messages answered, step %lld\n", events, seed,
              answerer.messages.size(), static_cast<long long>(window->State().Step));
}

}  // namespace
}  // namespace corvale

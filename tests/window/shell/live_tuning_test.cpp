#include <QSignalSpy>

#include "tests/window/window_fixture.h"

namespace corvale {
namespace {

class LiveTuningTest : public Window {
 protected:
  // A key in Kp, and the event loop until its run is done.
  void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(Box("guiKP"), key, modifiers);
    QCoreApplication::processEvents();
  }
  QString FirstRow() const { return Lines().value(1); }
};

// Step 1 of Kp k, Ki .5, Kd .5, SP 5: X 0, PV 0, error 5, P 5k, I 2.5, D 2.5.
TEST_F(LiveTuningTest, UpReRunsInPlaceOfTheLastChangeAndUndoesWithItsRun) {
  Click("Command1");
  Box("guiKP")->setFocus();
  Box("guiKP")->end(false);
  // The key; Kp's text and step 1's P after it.
  const std::tuple<Qt::Key, Qt::KeyboardModifiers, const char*, const char*> steps[] = {
      {Qt::Key_Up, {}, ".6", "3.0000"},
      {Qt::Key_Up, {}, ".7", "3.5000"},
      {Qt::Key_Z, Qt::ControlModifier, ".6", "3.0000"},
      {Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier, ".7", "3.5000"},
      {Qt::Key_Up, Qt::ShiftModifier, "1.7", "8.5000"},
      {Qt::Key_PageDown, {}, "0.7", "3.5000"},  // "1.7" had a whole digit
  };
  for (const auto& [key, modifiers, text, p] : steps) {
    Key(key, modifiers);
    EXPECT_EQ(Box("guiKP")->text(), text);
    EXPECT_EQ(Said(), text);  // the value at once
    EXPECT_EQ(FirstRow(), QStringLiteral("1\t.0000\t.0000\t5.0000\t%1\t2.5000\t2.5000").arg(p));
    EXPECT_EQ(window->Book().Kept().size(), 1u) << text;  // the ghost alone
  }
  // Then what changed against the ghost.
  QTest::qWait(500);
  EXPECT_TRUE(Said().startsWith("Compared with the run before: Kp 0.7 instead of 0.5;"))
      << Said().toStdString();
  // Typing ends the series: the next change keeps the run before it.
  QTest::keyClick(Box("guiKP"), Qt::Key_5);
  Key(Qt::Key_Down);
  EXPECT_EQ(Box("guiKP")->text(), "0.74");
  EXPECT_EQ(window->Book().Kept().size(), 2u);
}

TEST_F(LiveTuningTest, KeysThatWaitRunOnceAndTextThatIsNoNumberStaysAsItIs) {
  Click("Command1");
  QSignalSpy runs(Table()->Model(), &QAbstractItemModel::modelReset);
  Box("guiKP")->setFocus();
  Box("guiKP")->end(false);
  for (int i = 0; i < 5; ++i)
    QCoreApplication::postEvent(Box("guiKP"), new QKeyEvent(QEvent::KeyPress, Qt::Key_Up, {}));
  // Another box's change while Kp's waits: one run takes both.
  QCoreApplication::postEvent(Box("guiKI"), new QKeyEvent(QEvent::KeyPress, Qt::Key_Up, {}));
  QCoreApplication::processEvents();
  EXPECT_EQ(Box("guiKP")->text(), "1.0");
  EXPECT_EQ(runs.count(), 1);
  EXPECT_EQ(FirstRow(), "1\t.0000\t.0000\t5.0000\t5.0000\t3.0000\t2.5000");
  Box("guiKP")->setText("abc");
  Key(Qt::Key_Up);
  EXPECT_EQ(Box("guiKP")->text(), "abc");
  EXPECT_EQ(Said(), "Not stepped: the box holds no plain number.");
}

}  // namespace
}  // namespace corvale

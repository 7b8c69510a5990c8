#include "tests/window/window_fixture.h"

namespace corvale {
namespace {

TEST_F(Window, ARunDropsTheInputThatWaitedForIt) {
  Box("Loops")->setText("1");
  const QPoint continueAt = Find("Command2")->rect().center();
  const QPointF global = Find("Command2")->mapToGlobal(QPointF(continueAt));
  QCoreApplication::postEvent(Box("guiSP"),
                              new QKeyEvent(QEvent::KeyPress, Qt::Key_9, Qt::NoModifier, "9"));
  for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
    QCoreApplication::postEvent(Find("Command2"),
                                new QMouseEvent(type, QPointF(continueAt), global, Qt::LeftButton,
                                                Qt::LeftButton, Qt::NoModifier));
  }
  QCoreApplication::postEvent(Table()->viewport(),
                              new QWheelEvent({10, 10}, {10, 10}, {}, {0, 240}, {},
                                              Qt::ControlModifier, Qt::NoScrollPhase, false));
  QMetaObject::invokeMethod(Box("guiKD"), &QLineEdit::clear, Qt::QueuedConnection);
  const qreal size = Table()->font().pointSizeF();
  Click("Command1");
  EXPECT_TRUE(Box("guiKD")->text().isEmpty());  // delivered as the run ended
  QCoreApplication::processEvents();
  EXPECT_EQ(Box("guiSP")->text(), "5");
  EXPECT_EQ(Lines().size(), 2);                                           // no Continue
  EXPECT_TRUE(Chart()->toolTip().startsWith("Step response at step 1"));  // one step measured
  EXPECT_EQ(Table()->font().pointSizeF(), size);                          // no zoom
  EXPECT_FALSE(qobject_cast<QPushButton*>(Find("Command2"))->isDown());   // not even pressed
}

}  // namespace
}  // namespace corvale

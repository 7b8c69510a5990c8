// A sweep through the window: the key, the dialog's fields as a screen reader
// names them, a text that is no number named in a message, and the runs it
// made in the runs compared.
#include "window/shell/sweep_dialog.h"

#include <QMenu>

#include "tests/window/window_fixture.h"
#include "window/comparison/run_comparison_view.h"

namespace corvale {
namespace {

TEST_F(Window, SweepsFromTheKeyThroughItsDialogIntoTheRunsCompared) {
  Press("Command1", {{"guiKI", "0"}, {"guiKD", "0"}});  // Kp .5, a run of its own
  messages.clear();
  Box("guiKD")->setFocus();
  QStringList named;
  bool filled = false;
  QTimer::singleShot(0, [&] {
    auto* dialog = qobject_cast<SweepDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    for (const char* name : {"sweepValue", "sweepFrom", "sweepTo", "sweepRuns"}) {
      QWidget* field = dialog->findChild<QWidget*>(name);
      ASSERT_NE(field, nullptr) << name;
      named << field->accessibleName();
    }
    auto* from = dialog->findChild<QLineEdit*>("sweepFrom");
    EXPECT_EQ(from->text(), "0");                                     // the focused box's, Kd
    dialog->findChild<QComboBox*>("sweepValue")->setCurrentIndex(0);  // Kp
    from->setText("x");
    dialog->accept();  // refused, with a message
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->focusWidget(), from);
    from->setText(".1");
    dialog->findChild<QLineEdit*>("sweepTo")->setText("2");
    dialog->findChild<QSpinBox*>("sweepRuns")->setValue(10);
    dialog->accept();
    filled = true;
  });
  QTest::keySequence(window.get(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_W));
  ASSERT_TRUE(filled);
  EXPECT_EQ(named, (QStringList{"Value", "From", "To", "Runs"}));
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_TRUE(
      messages[0].startsWith(QString::fromUtf8("From: \u201C\u2068x\u2069\u201D is not a number.")))
      << messages[0].toStdString();
  messages.clear();
  // The run of its own and the sweep's ten, the last of them current: Kp 2.
  const auto* compared = window->findChild<RunComparisonView*>()->model();
  EXPECT_EQ(compared->rowCount(), 11);
  EXPECT_EQ(window->Book().CurrentGains().Kp, 2);
  EXPECT_TRUE(Said().startsWith("Swept Kp from 0.1 to 2 in 10 runs.")) << Said().toStdString();
}

// Each box's menu opens by Shift+F10 too and says itself; a sweep where one can be.
TEST_F(Window, ABoxMenuOpensByKeyAndIsSpoken) {
  const std::tuple<const char*, const char*, bool> boxes[] = {{"guiKP", "Kp menu: ", true},
                                                              {"Loops", "Loops menu: ", false}};
  for (const auto& [name, said, sweeps] : boxes) {
    QTest::keyClick(Box(name), Qt::Key_F10, Qt::ShiftModifier);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr) << name;
    EXPECT_TRUE(QTest::qWaitFor([&] { return Said().startsWith(said); }, 1000)) << name;
    EXPECT_EQ(menu->findChild<QAction*>("sweep") != nullptr, sweeps) << name;
    menu->close();
  }
}

}  // namespace
}  // namespace corvale

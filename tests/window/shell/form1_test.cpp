#include "tests/window/window_fixture.h"
#include "window/access/announcer.h"
#include "window/access/cell_reading.h"
#include "window/words/translations.h"

namespace corvale {
namespace {

TEST_F(Window, ShowsEveryControlAtItsPlaceWithItsTextAndExplanation) {
  for (QLocale::Language language : {QLocale::English, QLocale::German, QLocale::French}) {
    const Translations translations{QLocale(language)};
    Open();
    EXPECT_EQ(window->windowTitle(), "Corvale by Brennick");
    EXPECT_EQ(window->size(), QSize(454, 310));
    EXPECT_TRUE(Table()->verticalScrollBar()->isVisible() &&
                Table()->horizontalScrollBar()->isVisible());  // as drawn, before any row
    ExpectPlaces(1);
    for (const char* control : kControls) {
      const QStringList f = QString(control).split(u' ');
      QWidget* widget = Find(f[0].toLatin1());
      EXPECT_EQ(widget->property("text").toString(), f[1] == "-" ? "" : f[1]);
      if (widget->focusPolicy() == Qt::NoFocus) continue;
      QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
      EXPECT_FALSE(accessible->text(QAccessible::Name).isEmpty() || widget->toolTip().isEmpty());
      // Heard at every visit: a few words at most; the tooltip and F1 say the rest.
      const QString brief = accessible->text(QAccessible::Description);
      EXPECT_LE(brief.split(u' ', Qt::SkipEmptyParts).size(), 6) << brief.toStdString();
      EXPECT_LT(brief.size(), widget->toolTip().size()) << control;
    }
    // Ready to be typed over, as if Tab had reached it.
    EXPECT_EQ(QApplication::focusWidget(), Box("guiKP"));
    EXPECT_EQ(Box("guiKP")->selectedText(), ".5");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(Box("guiKI"))->text(QAccessible::Name), "Ki");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(window.get())->role(), QAccessible::Window);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(Table())->role(), QAccessible::Table);
  }
}

// Enter and Escape in a box press nothing; Space, Enter and keypad Enter on a button do. The
// figures are heard once, by a notification, the focus kept on Compute; Qt reports a view's
// current cell focused whatever has the focus, which the table must not.
TEST_F(Window, KeysMoveAlongTheTabOrderAndRunOnlyOnAButton) {
  for (const char* name : {"guiKP", "guiKI", "guiKD", "guiSP", "Loops", "view-switch", "table",
                           "Command1", "Command2", "guiKP"}) {
    ASSERT_EQ(QApplication::focusWidget()->objectName(), name);
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape})
      if (Box(name)) QTest::keyClick(Box(name), key);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  }
  EXPECT_TRUE(Text().isEmpty());
  Find("Command1")->setFocus();
  QTest::keyClick(Find("Command1"), Qt::Key_Space);
  ASSERT_EQ(Lines().size(), 101);
  auto* announcer = Voice();
  EXPECT_EQ(announcer->Spoken(), 1);
  QAccessibleInterface* notification = QAccessible::queryAccessibleInterface(announcer);
  EXPECT_EQ(notification->role(), QAccessible::Notification);
  // In a status bar, Orca speaks a message as its words alone, every time alike.
  EXPECT_EQ(notification->parent()->role(), QAccessible::StatusBar);
  EXPECT_EQ(Said(), Chart()->toolTip());
  EXPECT_EQ(QApplication::focusWidget(), Find("Command1"));
  QAccessibleInterface* table = QAccessible::queryAccessibleInterface(Table());
  QAccessibleTableInterface* cells = table->tableInterface();
  for (int row = 0; row < 5; ++row) {
    for (int column = 0; column < 7; ++column)
      EXPECT_FALSE(cells->cellAt(row, column)->state().focused) << row << " " << column;
  }
  // Each cell read with its column's name, so a row (Orca's Down) too.
  QAccessibleInterface* cell = cells->cellAt(1, 3);
  EXPECT_EQ(cell->text(QAccessible::Name), "Error 1.2500");
  EXPECT_EQ(cells->cellAt(1, 0)->text(QAccessible::Name), "Step 2");
  EXPECT_EQ(cell->tableCellInterface()->rowIndex(), 1);
  // Qt makes the header cell anew and does not keep it.
  QAccessibleInterface* name = cell->tableCellInterface()->columnHeaderCells()[0];
  EXPECT_EQ(name->text(QAccessible::Name), "Error");
  QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(name));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
  ASSERT_EQ(QApplication::focusWidget(), Table());
  EXPECT_TRUE(cells->cellAt(0, 0)->state().focused);
  // Along a row the reader names the column by its header: the cell there is
  // its value alone; reached by Down, it reads its row whole, the row's other
  // cells silent. The key; the current cell's name; another cell, and its name.
  const std::tuple<Qt::Key, const char*, int, int, const char*> moves[] = {
      {Qt::Key_Right, ".0000", 0, 2, " "},
      {Qt::Key_Down, "Step 2, X 7.5000, PV 3.7500, Error 1.2500, P .6250, I 3.1250, D -1.8750", 0,
       1, "X .0000"},
      {Qt::Key_Right, "3.7500", 1, 1, " "}};
  for (const auto& [key, current, row, column, other] : moves) {
    QTest::keyClick(Table(), key);
    const QModelIndex at = Table()->currentIndex();
    EXPECT_EQ(cells->cellAt(at.row(), at.column())->text(QAccessible::Name), current);
    EXPECT_EQ(cells->cellAt(row, column)->text(QAccessible::Name), other);
    // The cell is told of by its number among the table's children, when its name changes.
    EXPECT_EQ(table->child(AccessibleChild(*Table(), at))->text(QAccessible::Name), current);
  }
  QTest::keyClick(Table(), Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget()->objectName(), "Command1");
  EXPECT_EQ(Table()->verticalScrollBar()->value(), 0);
  // clang-format off
  const std::tuple<const char*, Qt::Key, Qt::KeyboardModifier, int> enters[] = {
      {"Command1", Qt::Key_Return, Qt::NoModifier, 101}, {"Command2", Qt::Key_Enter, Qt::KeypadModifier, 201},
      {"Command1", Qt::Key_Enter, Qt::KeypadModifier, 101}, {"Command2", Qt::Key_Return, Qt::ShiftModifier, 101}};
  // clang-format on
  for (const auto& [button, key, modifier, lines] : enters) {
    Find(button)->setFocus();
    QTest::keyClick(Find(button), key, modifier);
    EXPECT_EQ(Lines().size(), lines) << button << " " << key;
  }
}

TEST_F(Window, AFailureIsAMessageAndChangesNothing) {
  const std::tuple<const char*, const char*, const char*> failures[] = {
      {"guiKP", " ", "Kp is empty"},
      {"guiSP", "-1e999", "SP: \u201C\u2068-1e999\u2069\u201D is out of range"},
      {"Loops", "ten", "for example 100."},
      {"Loops", "1e999", "at most 1,000,000 rows: type at most 1,000,000 in Loops"},
      {"guiKI", "<b>5\t\x01\x7F", "\u201C\u2068<b>5\u2409\u2401\u2421\u2069\u201D"}};
  Press("Command1", {{"Loops", "3"}});
  for (const auto& [box, text, saying] : failures) {
    for (const char* button : {"Command1", "Command2"}) {
      SCOPED_TRACE(std::string(button) + " " + box + " " + text);
      const QString good = Box(box)->text();
      Box("guiKP")->setText("0.25");  // a good change that must not land either
      Box(box)->setText(QString::fromUtf8(text));
      const QString transcript = Text();
      const int current = Table()->CurrentRow();
      Click(button);
      ASSERT_EQ(messages.size(), 1u);
      EXPECT_TRUE(messages[0].contains(QString::fromUtf8(saying))) << messages[0].toStdString();
      // A screen reader is given the words without the marks around the text as typed.
      if (messages[0].contains(u'\u2068')) ExpectHeardWithoutMarks(messages[0], heard[0]);
      EXPECT_TRUE(Text() == transcript && Table()->CurrentRow() == current &&
                  window->focusWidget() == Box(box));
      EXPECT_EQ(Box(box)->selectedText(), Box(box)->text());
      Box(box)->setText(good);
      messages.clear();
      heard.clear();
    }
  }
}

// Outcomes that show nothing new are told: no steps, each zoom step.
TEST_F(Window, OutcomesWithoutAChangeToSeeAreSpoken) {
  // A command pressed with no steps, or Ctrl and a key so many times: what is said.
  // clang-format off
  const std::tuple<const char*, int, const char*> cases[] = {
      {"Command1", 1, "No steps run: the table is empty."}, {"Command2", 1, "No steps run."},
      {"+", 1, "Zoom 110\u00A0%."}, {"-", 1, "Zoom 100\u00A0%."}, {"-", 4, "Zoom 50\u00A0%."},
      {"-", 1, "Zoom 50\u00A0%, as small as it goes."}, {"0", 1, "Zoom 100\u00A0%."}};
  // clang-format on
  for (const auto& [act, times, said] : cases) {
    const int spoken = Voice()->Spoken();
    if (act[1]) Press(act, {{"Loops", "0"}});
    for (int i = 0; !act[1] && i < times; ++i)
      QTest::keyClick(QApplication::focusWidget(), act[0], Qt::ControlModifier);
    EXPECT_EQ(Voice()->Spoken(), spoken + times) << said;
    EXPECT_EQ(Said(), QString::fromUtf8(said));
  }
  EXPECT_EQ(Lines(), QStringList({"Step\tX\tPV\tError\tP\tI\tD"}));
}

// Orca reads an empty table's description: what fills it, not the columns' explanation (the
// tooltip's, once there are rows). The switch is read as its page among its choices, each tab too.
TEST_F(Window, TheEmptyTableAndTheSwitchAreDescribedInAFewWords) {
  QAccessibleInterface* table = QAccessible::queryAccessibleInterface(Table());
  EXPECT_EQ(table->text(QAccessible::Description),
            "No rows yet: Compute fills the table, one row per step.");
  Click("Command1");
  EXPECT_EQ(table->text(QAccessible::Description), Table()->toolTip());
  Press("Command1", {{"Loops", "0"}});
  EXPECT_NE(table->text(QAccessible::Description), Table()->toolTip());
  auto* tabs = qobject_cast<QTabBar*>(Find("view-switch"));
  ASSERT_EQ(tabs->count(), 4);
  QAccessibleInterface* view = QAccessible::queryAccessibleInterface(tabs);
  EXPECT_EQ(view->text(QAccessible::Name), "Table (choices: Table, Chart, Runs, and Loop)");
  tabs->setCurrentIndex(2);
  EXPECT_EQ(view->text(QAccessible::Name), "Runs (choices: Table, Chart, Runs, and Loop)");
  EXPECT_EQ(view->child(1)->text(QAccessible::Name),
            "Chart (choices: Table, Chart, Runs, and Loop)");
}

}  // namespace
}  // namespace corvale

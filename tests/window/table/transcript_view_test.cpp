#include "tests/window/window_fixture.h"

namespace corvale {
namespace {

// The widest run comes first, to show that Compute starts afresh; then the
// widest D stands in a batch's last row.
TEST_F(Window, ColumnsFitTheirWidestValueAndStartAfreshWithCompute) {
  const auto expectColumnsFit = [this](const char* what) {
    const QFontMetricsF fm(Table()->font());
    const int margin = Table()->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1;
    std::vector<qreal> widest(7);
    for (const QString& line : Lines().mid(1)) {
      const QStringList fields = line.split(u'\t');
      ASSERT_EQ(fields.size(), 7);
      for (int i = 0; i < 7; ++i) widest[i] = std::max(widest[i], fm.horizontalAdvance(fields[i]));
    }
    QHeaderView* header = Table()->horizontalHeader();
    for (int i = 0; i < 7; ++i) {
      const int fit = qCeil(widest[i] + 2 * margin + fm.horizontalAdvance(u' '));
      EXPECT_EQ(Table()->columnWidth(i), std::max(fit, header->sectionSizeHint(i)))
          << what << " column " << i;
    }
    EXPECT_EQ(Table()->rowHeight(0), QFontMetrics(Table()->font()).lineSpacing() + 2) << what;
  };
  const char* const runs[][6] = {{"Command1", "3000", ".2", "1000", "-40000", "20000"},
                                 {"Command1", "1", "1", "1", "5", "1"},
                                 {"Command2", ".5", ".5", ".5", "5", "1"}};  // D: -1.2500
  for (const auto& run : runs) {
    for (int i = 0; i < 5; ++i) Box(kBoxNames[i])->setText(run[i + 1]);
    Click(run[0]);
    expectColumnsFit(run[1]);
  }
  EXPECT_EQ(Lines().last().split(u'\t').last(), "-1.2500");

  // Zoom: Ctrl with the wheel or a key, in steps, within bounds.
  Press("Command1", {{"Loops", "100"}});
  const qreal size = Table()->font().pointSizeF();
  const auto zoomed = [&] { return Table()->font().pointSizeF() / size; };
  const int scrolled = Table()->verticalScrollBar()->value();
  for (auto modifier : {Qt::NoModifier, Qt::ControlModifier, Qt::ControlModifier}) {
    QWheelEvent wheel({10, 10}, {10, 10}, {}, {0, -240}, {}, modifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(Table()->viewport(), &wheel);
  }
  EXPECT_GT(Table()->verticalScrollBar()->value(), scrolled);  // the wheel alone scrolls
  EXPECT_DOUBLE_EQ(zoomed(), 0.5);                             // two steps a turn of 240, twice
  expectColumnsFit("zoomed out");
  // clang-format off
  for (const auto& [key, times, scale] : {std::tuple{Qt::Key_Plus, 1, 0.67}, {Qt::Key_0, 1, 1.0},
           {Qt::Key_Equal, 1, 1.1}, {Qt::Key_Plus, 20, 1.75}, {Qt::Key_Minus, 20, 0.5}}) {
    // clang-format on
    for (int i = 0; i < times; ++i) QTest::keyClick(Table(), key, Qt::ControlModifier);
    EXPECT_DOUBLE_EQ(zoomed(), scale) << key;
  }
  EXPECT_EQ(Table()->horizontalHeader()->font(), Table()->font());
  expectColumnsFit("zoomed");
}

TEST_F(Window, EachRunShowsItsFirstRowAtTheTop) {
  Click("Command1");
  for (const char* loops : {"1", "100"}) {
    const int first = Lines().size() - 1;
    Press("Command2", {{"Loops", loops}});
    EXPECT_EQ(Table()->CurrentRow(), first);
  }
  EXPECT_EQ(std::pair(Table()->verticalScrollBar()->value(), Table()->rowAt(0)),
            std::pair(101, 101));
  EXPECT_TRUE(window->PID().ok());  // Continue's own command: 100 steps more
  EXPECT_EQ(window->Book().State().Step, 301);
  Click("Command1");  // afresh, from the top
  EXPECT_EQ(Table()->verticalScrollBar()->value() + Table()->CurrentRow(), 0);
  Press("Command1", {{"Loops", "0"}});  // no run left to describe
  EXPECT_TRUE(Chart()->toolTip().isEmpty());
}

// Row 1 under the names after a Compute of no steps and a Continue; each
// keyboard scroll paints what a full repaint paints.
TEST_F(Window, TheColumnNamesNeverCoverARow) {
  Press("Command1", {{"Loops", "0"}});
  Press("Command2",
        {{"Loops", "100"}, {"guiKP", "3000"}, {"guiSP", "-40000"}});  // rows wider than the box
  TranscriptView* table = Table();
  EXPECT_EQ(table->rowAt(0), 0);
  EXPECT_EQ(table->viewport()->mapTo(table, QPoint(0, 0)).y(),
            table->horizontalHeader()->geometry().bottom() + 1);
  const auto shown = [this] {
    QCoreApplication::processEvents();
    return window->screen()->grabWindow(window->winId()).toImage();
  };
  table->setFocus();
  QImage before = shown();
  for (Qt::Key key : {Qt::Key_PageDown, Qt::Key_Down, Qt::Key_PageDown, Qt::Key_Up,
                      Qt::Key_PageDown, Qt::Key_PageDown, Qt::Key_PageUp, Qt::Key_End}) {
    QTest::keyClick(table, key);
    const QImage scrolled = shown();
    EXPECT_NE(scrolled, before) << key;
    table->viewport()->repaint();
    table->horizontalHeader()->viewport()->repaint();
    EXPECT_EQ(scrolled, shown()) << key;
    before = scrolled;
  }
  EXPECT_TRUE(table->verticalScrollBar()->value() > 20 &&
              table->horizontalScrollBar()->value() > 0);
}

// Each number carries its value with a point, and the decimals it shows; the whole row's
// cells: transcript_mime_data_test.cpp.
TEST_F(Window, AContinueInAFreshWindowCopiesItsRowsUnderTheColumnNamesWithTheirValues) {
  Open(QLocale(QLocale::German));
  Press("Command2", {{"Loops", "2"}});
  EXPECT_TRUE(Table()->model()->rowCount() == 2 && Table()->horizontalHeader()->isVisible());
  Table()->setFocus();
  QTest::keyClick(Table(), Qt::Key_A, Qt::ControlModifier);
  const auto [text, cells] = Copied();
  EXPECT_TRUE(text.startsWith("Step\tX\tPV\tError\tP\tI\tD\n1\t,0000\t")) << text.toStdString();
  EXPECT_EQ(cells.value(0).value(1), "X");
  EXPECT_EQ(cells.value(2).value(4), ",6250");
}

TEST_F(Window, TheTranscriptTakesNoTypingAndCopiesExactlyItsSelectedCells) {
  Press("Command1", {{"Loops", "4"}});
  TranscriptView* table = Table();
  table->setFocus();
  const QString text = Text();
  QTest::keyClicks(table, "9x");
  QTest::keyClick(table, Qt::Key_Backspace);
  QTest::keyClick(table, Qt::Key_Delete);
  EXPECT_EQ(Text(), text);
  QStringList actions;
  const std::unique_ptr<QMenu> menu(table->CreateContextMenu());
  for (QAction* action : menu->actions()) actions << action->objectName();
  EXPECT_EQ(actions, QStringList({"edit-copy", "select-all"}));

  const QModelIndex pv3 = table->model()->index(2, 2);  // ".9375" on step 3
  const QPoint at = table->visualRect(pv3).center();
  QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, at);
  for (int i = 0; i < 2; ++i) QTest::keyClick(table, Qt::Key_Right, Qt::ShiftModifier);
  QTest::keyClick(table, Qt::Key_Down, Qt::ShiftModifier);
  auto [block, blockCells] = Copied();
  EXPECT_EQ(block, ".9375\t4.0625\t2.0313\n4.2969\t.7031\t.3516");
  EXPECT_EQ(blockCells,
            QList<QStringList>({{".9375", "4.0625", "2.0313"}, {"4.2969", ".7031", ".3516"}}));
  // A block from the Step column is no whole row: no column names.
  QTest::keyClick(table, Qt::Key_Home, Qt::ShiftModifier);
  EXPECT_EQ(Copied().first, "3\t1.8750\t.9375\n4\t8.5938\t4.2969");
  // Whole rows: Shift+Space, a click in the Step column, Ctrl+A.
  const QString names = "Step\tX\tPV\tError\tP\tI\tD\n";
  QTest::keyClick(table, Qt::Key_Space, Qt::ShiftModifier);
  EXPECT_EQ(Copied().first, names + Lines()[3].replace("\r\n", "\n") + "\n" + Lines()[4]);
  QTest::mouseClick(table->viewport(), Qt::LeftButton, {},
                    table->visualRect(table->model()->index(1, 0)).center());
  QTest::keyClick(table, Qt::Key_Down, Qt::ShiftModifier);
  auto [rows, rowCells] = Copied();
  EXPECT_EQ(rows, names + Lines()[2] + "\n" + Lines()[3]);
  QTest::keyClick(table, Qt::Key_Right);  // a move without Shift: cells again
  QTest::keyClick(table, Qt::Key_Down, Qt::ShiftModifier);
  EXPECT_EQ(Copied().first, "1.8750\n8.5938");
  ASSERT_EQ(rowCells.size(), 3);
  EXPECT_EQ(rowCells[1].join(u' '), "2 7.5000 3.7500 1.2500 .6250 3.1250 -1.8750");
  QTest::keyClick(table, Qt::Key_A, Qt::ControlModifier);
  EXPECT_EQ(Copied().first, QString(text).replace("\r\n", "\n"));
  // The copy stays as it was when copied, through a fresh Compute.
  Press("Command1", {{"guiSP", "<&>"}, {"Loops", "0"}});
  EXPECT_EQ(QGuiApplication::clipboard()->text(), QString(text).replace("\r\n", "\n"));
}

// Shift pressed alone, as every keyboard sends it, keeps whole rows picked;
// Shift with Up or Down from the Step column picks them too.
TEST_F(Window, SelectionsCopiesDeleteAndTheMenuAreSpoken) {
  Press("Command1", {{"Loops", "10"}});
  TranscriptView* table = Table();
  table->setFocus();
  table->setCurrentIndex(table->model()->index(2, 1));  // step 3, X
  const auto copiedLines = [] { return QGuiApplication::clipboard()->text().split(u'\n').size(); };
  // The key, its modifiers; what is said; the lines copied (0: not a copy).
  const std::tuple<Qt::Key, Qt::KeyboardModifiers, const char*, int> keys[] = {
      {Qt::Key_Space, Qt::ShiftModifier, "Row 3 selected.", 0},
      {Qt::Key_Down, Qt::ShiftModifier, "Rows 3 to 4 selected.", 0},
      {Qt::Key_Down, Qt::ShiftModifier, "Rows 3 to 5 selected.", 0},
      {Qt::Key_C, Qt::ControlModifier, "Copied 3 rows.", 4},
      {Qt::Key_Home, Qt::NoModifier, "Copied 3 rows.", 0},
      {Qt::Key_Up, Qt::ShiftModifier, "Rows 4 to 5 selected.", 0},
      {Qt::Key_Right, Qt::NoModifier, "Rows 4 to 5 selected.", 0},
      {Qt::Key_Right, Qt::ShiftModifier, "X to PV of row 4 selected.", 0},
      {Qt::Key_Down, Qt::ShiftModifier, "X to PV of rows 4 to 5 selected.", 0},
      {Qt::Key_C, Qt::ControlModifier, "Copied 4 cells.", 2},
      {Qt::Key_Delete, Qt::NoModifier, "Nothing deleted: only the runs write the transcript.", 0},
      {Qt::Key_A, Qt::ControlModifier, "All 10 rows selected.", 0},
      {Qt::Key_C, Qt::ControlModifier, "Copied all 10 rows.", 11}};
  for (const auto& [key, modifiers, said, lines] : keys) {
    QTest::keyClick(table, key, modifiers);
    EXPECT_EQ(table->Speech().Said(), said) << said;
    if (lines > 0) {
      EXPECT_EQ(copiedLines(), lines) << said;
    }
  }
  QTest::keyClick(table, Qt::Key_F10, Qt::ShiftModifier);
  auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
  ASSERT_NE(menu, nullptr);
  EXPECT_TRUE(QTest::qWaitFor([&] { return menu->activeAction() != nullptr; }, 1000));
  EXPECT_EQ(table->Speech().Said(), "Transcript menu: Copy");
  EXPECT_EQ(menu->activeAction()->objectName(), "edit-copy");
  menu->close();
}

}  // namespace
}  // namespace corvale

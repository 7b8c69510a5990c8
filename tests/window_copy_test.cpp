#include "form/commands.h"
#include "form/memory_form_fields.h"
#include "tests/window/window_fixture.h"
#include "window/shell/widget_form_fields.h"
#include "window/table/transcript_mime_data.h"
#include "window/table/transcript_model.h"

namespace corvale {
namespace {

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

// Each number carries its value with a point, and the decimals it shows.
TEST_F(Window, ACopyGivesEachNumberItsValueWithAPoint) {
  Open(QLocale(QLocale::German));
  Press("Command1", {{"Loops", "2"}});
  QTest::keyClick(Table(), Qt::Key_A, Qt::ControlModifier);
  EXPECT_EQ(Copied().second.value(2).value(4), ",6250");
  // The whole row's cells: TranscriptMimeData's own test below.
  const QString html = QGuiApplication::clipboard()->mimeData()->html();
  EXPECT_TRUE(html.contains("<tr><td>Step</td><td>X</td>") &&
              html.contains("<td sdval=\"0.625\" sdnum=\"1033;0;0.0000\">,6250</td>"))
      << html.toStdString();
}

// A table of the lab book's rows, after these commands, without a window.
struct BookTable {
  explicit BookTable(const NumberFormat& numbers) : book(numbers), fields(numbers) {}
  void Press(const char* loops, bool compute = true) {
    fields.SetBox(Box::Loops, loops);
    model.Follow((compute ? OnCompute(book, fields) : OnContinue(book, fields)).change);
  }
  LabBook book;
  MemoryFormFields fields;
  TranscriptModel model{&book};
};

// Each number carries its value with a point, whatever separator the rows
// show; a zero below zero is the zero it shows. Row 98 of the initial values:
// 98, 10.0001, 5.0000, -.0000, -.0000, 10.0000, -.0001.
TEST(TranscriptMimeData, GivesEachNumberItsValueWithAPoint) {
  BookTable table(NumbersOf(QLocale("ar_EG")));  // U+066B, two bytes in UTF-8
  table.Press("100");
  const QString p = QLocale("ar_EG").decimalPoint();
  const auto withPoint = [&p](const char* text) { return QString(text).replace(u'@', p); };
  const QByteArray html = TranscriptMimeData(table.model, 97, 97, 0, 6).data("text/html");
  const char* const number = "<td sdval=\"%1\" sdnum=\"1033;0;0.0000\">%2</td>";
  EXPECT_TRUE(QString::fromUtf8(html).contains(
      "<tr><td sdval=\"98\" sdnum=\"1033;0;0\">98</td>" +
      QString(number).arg("10.0001", withPoint("10@0001")) +
      QString(number).arg("5", withPoint("5@0000")) +
      QString(number).arg("0", withPoint("-@0000")) +
      QString(number).arg("0", withPoint("-@0000")) +
      QString(number).arg("10", withPoint("10@0000")) +
      QString(number).arg("-0.0001", withPoint("-@0001")) + "</tr>"))
      << html.toStdString();
}

// A spreadsheet holds 1,048,576 rows, column names included: more, text alone.
TEST(TranscriptMimeData, OffersATableOnlyUpToASpreadsheetsRows) {
  BookTable table({});
  table.Press("1000000");
  table.Press("48576", false);
  ASSERT_EQ(table.model.rowCount(), 1'048'576);
  const auto formats = [&table](int lastRow, int right) {
    return TranscriptMimeData(table.model, 0, lastRow, 0, right).formats().size();
  };
  EXPECT_EQ(formats(1'048'574, 6), 2);  // and the names make 1,048,576
  EXPECT_EQ(formats(1'048'575, 6), 1);
  EXPECT_EQ(formats(1'048'575, 5), 2);  // no names: 1,048,576
  EXPECT_EQ(TranscriptMimeData(table.model, 9, 10, 0, 0).text(), "10\n11");
}

// A copy keeps the rows it was made of when a new run takes the table.
TEST(TranscriptMimeData, OutlivesItsRun) {
  BookTable table({});
  table.Press("4");
  const TranscriptMimeData copy(table.model, 1, 1, 0, 6);
  table.fields.SetBox(Box::Kp, "100");
  table.Press("4");
  EXPECT_EQ(copy.text(),
            "Step\tX\tPV\tError\tP\tI\tD\n2\t7.5000\t3.7500\t1.2500\t.6250\t3.1250\t-1.8750");
}

}  // namespace
}  // namespace corvale

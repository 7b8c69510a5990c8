#include "transcript_mime_data.h"
#include "transcript_model.h"
#include "window_fixture.h"

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
  const auto n = [](const char* value, QString shown) {
    const QString cell = "<td sdval=\"%1\" sdnum=\"1033;0;0.0000\">%2</td>";
    return cell.arg(value, shown.replace(u'.', u','));
  };
  const QString html = QGuiApplication::clipboard()->mimeData()->html();
  EXPECT_TRUE(html.contains("<tr><td>Step</td><td>X</td>"));
  EXPECT_TRUE(html.contains("<tr><td sdval=\"2\" sdnum=\"1033;0;0\">2</td>" + n("7.5", "7.5000") +
                            n("3.75", "3.7500") + n("1.25", "1.2500") + n("0.625", ".6250") +
                            n("3.125", "3.1250") + n("-1.875", "-1.8750") + "</tr>"));
}

// What is not a number in the window's digits carries no value.
TEST(TranscriptMimeData, GivesOnlyNumbersAValue) {
  const QString p = QLocale("ar_EG").decimalPoint();  // U+066B, two bytes in UTF-8
  const auto withPoint = [&p](const char* text) { return QString(text).replace(u'@', p); };
  TranscriptModel model;
  model.SetText(withPoint("\r\n007\t-@0000\t10@0629\t-1@8750\t1.5\t<@5>\t").toStdString());
  QLocale::setDefault(QLocale("ar_EG"));  // read by a copy with no window
  const QByteArray html = TranscriptMimeData(&model, 0, 0, 0, 6).data("text/html");
  QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
  const char* const number = "<td sdval=\"%1\" sdnum=\"1033;0;0.0000\">%2</td>";
  EXPECT_TRUE(
      QString::fromUtf8(html).contains("<tr><td sdval=\"7\" sdnum=\"1033;0;0\">007</td>" +
                                       QString(number).arg("0", withPoint("-@0000")) +
                                       QString(number).arg("10.0629", withPoint("10@0629")) +
                                       QString(number).arg("-1.875", withPoint("-1@8750")) +
                                       withPoint("<td>1.5</td><td>&lt;@5&gt;</td><td></td></tr>")))
      << html.toStdString();
}

// A spreadsheet holds 1,048,576 rows, column names included: more, text alone.
TEST(TranscriptMimeData, OffersATableOnlyUpToASpreadsheetsRows) {
  std::string text;
  for (int row = 0; row < 1'048'576; ++row) text += "\r\n7";
  TranscriptModel model;
  model.SetText(text);
  const auto formats = [&model](int lastRow, int right) {
    return TranscriptMimeData(&model, 0, lastRow, 0, right).formats().size();
  };
  EXPECT_EQ(formats(1'048'574, 6), 2);  // and the names make 1,048,576
  EXPECT_EQ(formats(1'048'575, 6), 1);
  EXPECT_EQ(formats(1'048'575, 5), 2);  // no names: 1,048,576
  EXPECT_EQ(TranscriptMimeData(&model, 9, 10, 0, 0).text(), "7\n7");
}

}  // namespace
}  // namespace corvale

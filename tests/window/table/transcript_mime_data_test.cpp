#include "window/table/transcript_mime_data.h"

#include <gtest/gtest.h>

#include "form/commands.h"
#include "form/memory_form_fields.h"
#include "window/shell/widget_form_fields.h"
#include "window/table/transcript_model.h"

namespace corvale {
namespace {

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

}  // namespace
}  // namespace corvale

#include "form/commands.h"
#include "form/memory_form_fields.h"
#include "tests/window/window_fixture.h"
#include "window/table/overview_scroll_bar.h"
#include "window/table/transcript_model.h"

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

// With Kp 100 PV swings between 0 and 127.5 in every pixel row's rows.
TEST_F(Window, TheScrollBarShowsTheWholeRun) {
  const auto blue = [](QColor c) { return c.blue() > c.red() + 40; };
  Press("Command1", {{"guiKP", "100"}, {"guiKI", "0"}, {"guiKD", "0"}, {"Loops", "1000"}});
  QScrollBar* overview = Table()->verticalScrollBar();
  const QImage picture = overview->grab().toImage();
  EXPECT_TRUE(blue(picture.pixelColor(picture.width() * 3 / 4, picture.height() * 3 / 4)));
  QTest::mouseClick(overview, Qt::LeftButton, {}, {overview->width() / 2, overview->height() / 2});
  EXPECT_NEAR(overview->value() + overview->pageStep() / 2, 500, 20);
  auto* bar = qobject_cast<OverviewScrollBar*>(overview);
  const QRect groove = bar->Groove();
  for (double share : {0.0, 0.25, 0.75})
    EXPECT_NEAR(bar->RowAt(groove.top() + qRound(share * groove.height())), share * 1000, 7);
  EXPECT_EQ(bar->RowAt(groove.bottom() + 1), 999);  // the last row, not the one before
}

TEST_F(Window, AContinueInAFreshWindowShowsItsRowsUnderTheColumnNames) {
  Press("Command2", {{"Loops", "2"}});
  EXPECT_TRUE(Table()->model()->rowCount() == 2 && Table()->horizontalHeader()->isVisible());
  Table()->setFocus();
  QTest::keyClick(Table(), Qt::Key_A, Qt::ControlModifier);
  EXPECT_TRUE(Copied().first.startsWith("Step\tX\tPV\tError\tP\tI\tD\n1\t.0000\t"));
}

// A name given for another role, the font say, would be read as that.
TEST(TranscriptModel, NamesItsColumnsAsTextOnly) {
  LabBook book;
  TranscriptModel model(&book);
  MemoryFormFields fields;
  fields.SetBox(Box::Loops, "1");
  model.Follow(OnCompute(book, fields).change);
  EXPECT_EQ(model.headerData(3, Qt::Horizontal).toString(), "Error");
  EXPECT_EQ(model.headerData(0, Qt::Vertical).toString(), "1");
  for (int role : {Qt::FontRole, Qt::SizeHintRole, Qt::TextAlignmentRole, Qt::DecorationRole}) {
    EXPECT_FALSE(model.headerData(3, Qt::Horizontal, role).isValid()) << role;
    EXPECT_FALSE(model.headerData(0, Qt::Vertical, role).isValid()) << role;
  }
}

}  // namespace
}  // namespace corvale

// The real window on Qt's offscreen platform, unless the environment names another.
#include <gtest/gtest.h>

#include <QTest>
#include <QtWidgets>

#include "announcer.h"
#include "chart_placement.h"
#include "failure_message.h"
#include "form1.h"
#include "overview_scroll_bar.h"
#include "parse_number.h"
#include "response_chart.h"
#include "run_comparison_view.h"
#include "run_history.h"
#include "transcript_mime_data.h"
#include "transcript_model.h"
#include "transcript_view.h"
#include "translations.h"
#include "widget_form_fields.h"

namespace corvale {
namespace {

// A fresh window per test, shown and active. Its message boxes are answered and
// what they said kept (plain text only, the busy cursor gone): no test waits.
class Window : public testing::Test {
 protected:
  void SetUp() override {
    QObject::connect(&answerer, &QTimer::timeout, [this] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!box) return;
      const bool plain = box->textFormat() == Qt::PlainText && !QGuiApplication::overrideCursor();
      messages.push_back(plain ? box->text() : QStringLiteral("(markup or busy)"));
      box->accept();
    });
    answerer.start(0);  // at every turn of the event loop, a modal one included
    Open();
  }
  void Open() {
    window = std::make_unique<Form1>();
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  }
  QWidget* Find(const char* name) const { return window->findChild<QWidget*>(name); }
  QLineEdit* Box(const char* name) const { return qobject_cast<QLineEdit*>(Find(name)); }
  TranscriptView* Table() const { return window->findChild<TranscriptView*>(); }
  ResponseChart* Chart() const { return window->findChild<ResponseChart*>(); }
  QString Text() const { return QString::fromStdString(Table()->Model()->Lines().Text()); }
  QStringList Lines() const { return Text().split("\r\n"); }
  void Click(const char* button) const { QTest::mouseClick(Find(button), Qt::LeftButton); }
  // What is copied now, as text and as the HTML table's cells.
  std::pair<QString, QList<QStringList>> Copied() const {
    QTest::keySequence(Table(), QKeySequence::Copy);
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    QList<QStringList> cells;
    static const QRegularExpression row("<tr>(.*?)</tr>"), cell("<td[^>]*>(.*?)</td>");
    const QString html = QString::fromUtf8(data->data("text/html"));
    // A spreadsheet takes cells only from a whole table.
    static const QRegularExpression table("^<!DOCTYPE html>\n.*<table>\n<tr>.*</tr>\n</table>",
                                          QRegularExpression::DotMatchesEverythingOption);
    EXPECT_TRUE(table.match(html).hasMatch()) << html.left(200).toStdString();
    for (const auto& r : row.globalMatch(html)) {
      cells.append(QStringList());
      for (const auto& c : cell.globalMatch(r.captured(1))) cells.back() << c.captured(1);
    }
    EXPECT_EQ(data->formats(), QStringList({"text/plain", "text/html"}));
    return {data->text(), cells};
  }

  void TearDown() override {
    EXPECT_TRUE(messages.empty());
    EXPECT_FALSE(QGuiApplication::overrideCursor());  // no run left the busy cursor on
  }

  QTimer answerer;
  std::vector<QString> messages;
  std::unique_ptr<Form1> window;
};

// Name, initial text, then left, top, width and height in twips, 15 to a pixel.
// clang-format off
const char* const kControls[] = {
    "guiKP .5 600 3720 972 288",   "guiKI .5 2400 3720 972 288",   "guiKD .5 4080 3720 972 288",
    "guiSP 5 5640 3720 972 288",   "Loops 100 5640 4200 972 288",  "cwin - 240 240 6372 3252",
    "Command1 Compute 600 4200 1092 372",  "Command2 Continue 1920 4200 972 372",
    "Label1 Kp 240 3720 252 252",  "Label2 Ki 2040 3720 252 252",  "Label3 Kd 3720 3720 252 252",
    "Label4 SP 5280 3720 252 252", "Label5 Loops 5040 4200 456 192"};
// clang-format on
const char* const kBoxNames[] = {"guiKP", "guiKI", "guiKD", "guiSP", "Loops"};

// Each control at its place with its initial text, in every language; each
// that takes focus named, and explained to screen readers as to the mouse.
TEST_F(Window, ShowsEveryControlAtItsPlaceWithItsTextAndExplanation) {
  for (QLocale::Language language : {QLocale::English, QLocale::German, QLocale::French}) {
    const Translations translations{QLocale(language)};
    Open();
    EXPECT_EQ(window->windowTitle(), "Corvale by Brennick");
    EXPECT_EQ(window->size(), QSize(454, 310));
    EXPECT_TRUE(Table()->verticalScrollBar()->isVisible() &&
                Table()->horizontalScrollBar()->isVisible());  // as drawn, before any row
    EXPECT_EQ(Table()->model()->rowCount(), 0);
    for (const char* control : kControls) {
      const QStringList f = QString(control).split(u' ');
      QWidget* widget = Find(f[0].toLatin1());
      EXPECT_EQ(widget->property("text").toString(), f[1] == "-" ? "" : f[1]);
      const auto px = [&f](int i) { return qRound(f[i].toInt() / 15.0); };
      const QRect drawn(px(2), px(3), px(4), px(5));
      EXPECT_EQ(widget->pos(), drawn.topLeft()) << control;
      // A label may grow so that its caption shows in full.
      const QSize grown = drawn.size().expandedTo(widget->sizeHint());
      EXPECT_EQ(widget->size(), qobject_cast<QLabel*>(widget) ? grown : drawn.size()) << control;
      if (widget->focusPolicy() == Qt::NoFocus) continue;
      QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
      EXPECT_FALSE(accessible->text(QAccessible::Name).isEmpty() || widget->toolTip().isEmpty());
      EXPECT_EQ(accessible->text(QAccessible::Description), widget->toolTip());
    }
    EXPECT_EQ(QAccessible::queryAccessibleInterface(Box("guiKI"))->text(QAccessible::Name), "Ki");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(window.get())->role(), QAccessible::Window);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(Table())->role(), QAccessible::Table);
  }
}

// Tab moves along the tab order, into and out of the table (and the box's
// switch under it), with rows or without; Enter and Escape press nothing,
// Space does.
TEST_F(Window, KeysMoveAlongTheTabOrderAndOnlySpaceRuns) {
  for (const char* name : {"guiKP", "guiKI", "guiKD", "guiSP", "Loops", "view-switch", "table",
                           "Command1", "Command2", "guiKP"}) {
    ASSERT_EQ(QApplication::focusWidget()->objectName(), name);
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
      if (Box(name)) QTest::keyClick(Box(name), key);
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  }
  EXPECT_TRUE(Text().isEmpty());
  Find("Command1")->setFocus();
  QTest::keyClick(Find("Command1"), Qt::Key_Space);
  ASSERT_EQ(Lines().size(), 101);
  // The run's figures, worked out by hand, in the chart and for a screen reader.
  for (const char* figure :
       {"Rise time (10–90\u00A0% of the change): 4 steps, from step 2 to step 6.",
        "Peak: PV 5.2424 at step 14; overshoot 4.8\u00A0% of the change, beyond the final value 5.",
        "Settling time (±2\u00A0% of the change): 27 steps, from step 1 to step 28."}) {
    EXPECT_TRUE(Chart()->toolTip().contains(QString::fromUtf8(figure)))
        << Chart()->toolTip().toStdString();
  }
  EXPECT_EQ(QAccessible::queryAccessibleInterface(Chart())->text(QAccessible::Description),
            Chart()->toolTip());
  // A screen reader reads each cell with its row and its column's name.
  QAccessibleInterface* cell =
      QAccessible::queryAccessibleInterface(Table())->tableInterface()->cellAt(1, 3);
  EXPECT_EQ(cell->text(QAccessible::Name), "1.2500");
  EXPECT_EQ(cell->tableCellInterface()->rowIndex(), 1);
  // Qt makes the header cell anew and does not keep it: it is handed to the
  // cache, which deletes it.
  QAccessibleInterface* name = cell->tableCellInterface()->columnHeaderCells()[0];
  EXPECT_EQ(name->text(QAccessible::Name), "Error");
  QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(name));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
  ASSERT_EQ(QApplication::focusWidget(), Table());
  QTest::keyClick(Table(), Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget()->objectName(), "Command1");
  EXPECT_EQ(Table()->verticalScrollBar()->value(), 0);
  // Each Continue shows its first row at the top, under the column names.
  for (const char* loops : {"1", "100"}) {
    const int first = Lines().size() - 1;
    Box("Loops")->setText(loops);
    Click("Command2");
    EXPECT_EQ(Table()->CurrentRow(), first);
  }
  EXPECT_EQ(Table()->verticalScrollBar()->value(), 101);
  EXPECT_EQ(Table()->rowAt(0), 101);
  EXPECT_TRUE(window->PID().ok());
  EXPECT_EQ(window->State().Step, 301);
  Click("Command1");  // afresh, from the top
  EXPECT_EQ(Table()->verticalScrollBar()->value() + Table()->CurrentRow(), 0);
  Box("Loops")->setText("0");
  Click("Command1");  // no run left to describe
  EXPECT_TRUE(Chart()->toolTip().isEmpty());
  EXPECT_TRUE(
      QAccessible::queryAccessibleInterface(Chart())->text(QAccessible::Description).isEmpty());
}

// Every kind of failure, through both buttons: one plain message naming the
// box, the box focused with its text selected, and nothing else changed.
TEST_F(Window, AFailureIsAMessageAndChangesNothing) {
  const std::tuple<const char*, const char*, const char*> failures[] = {
      {"guiKP", " ", "Kp is empty"},
      {"guiKD", "1..2", "Kd: \u201C\u20681..2\u2069\u201D is not a number"},
      {"guiSP", "-1e999", "SP: \u201C\u2068-1e999\u2069\u201D is out of range"},
      {"Loops", "ten", "for example 100."},
      {"Loops", "1e999", "at most 1,000,000 rows: type at most 1,000,000 in Loops"},
      {"guiKI", "<b>5\t\x01\x7F", "\u201C\u2068<b>5\u2409\u2401\u2421\u2069\u201D"}};
  Box("Loops")->setText("3");
  Click("Command1");
  for (const auto& [box, text, saying] : failures) {
    for (const char* button : {"Command1", "Command2"}) {
      SCOPED_TRACE(std::string(button) + " " + box + " " + text);
      const QString good = Box(box)->text();
      Box("guiKP")->setText("0.25");  // a good change that must not land either
      Box(box)->setText(QString::fromUtf8(text));
      const QString transcript = Text();
      const int current = Table()->CurrentRow();
      const LoopState state = window->State();
      Click(button);
      ASSERT_EQ(messages.size(), 1u);
      EXPECT_TRUE(messages[0].contains(QString::fromUtf8(saying))) << messages[0].toStdString();
      EXPECT_EQ(Text(), transcript);
      EXPECT_EQ(Table()->CurrentRow(), current);
      EXPECT_EQ(window->State(), state);
      EXPECT_EQ(window->focusWidget(), Box(box));
      EXPECT_EQ(Box(box)->selectedText(), Box(box)->text());
      Box(box)->setText(good);
      messages.clear();
    }
  }
}

// Compute starts a new run and keeps the one before, Continue extends the
// current one, and the table shows the current run's rows. A Compute that
// cannot start keeps nothing; one that starts, with no steps or stopped at a
// later step, keeps the run before.
TEST_F(Window, ComputeKeepsTheRunBeforeAndContinueExtendsIt) {
  const RunHistory& runs = window->Runs();
  using Boxes = std::vector<std::pair<const char*, const char*>>;
  const struct {
    Boxes boxes;
    const char* button;
    std::size_t rows;  // of the current run, as the table has them
    std::vector<double> keptKp;
    double currentKp;
    bool message;
  } steps[] = {
      {{{"Loops", "30"}}, "Command1", 30, {}, .5, false},
      {{{"guiKP", "1"}, {"Loops", "10"}}, "Command2", 40, {}, 1, false},
      {{{"guiKP", "1e308"}}, "Command1", 40, {}, 1, true},               // its first step overflows
      {{{"guiKP", "2"}, {"Loops", "0"}}, "Command1", 0, {1}, 0, false},  // afresh, no steps
      {{{"Loops", "20"}}, "Command1", 20, {1}, 2, false},                // no rows before to keep
      // The integral overflows at step 2: step 1 stays.
      {{{"guiKP", ".5"}, {"guiSP", "1.7e308"}, {"Loops", "100"}}, "Command1", 1, {1, 2}, .5, true},
  };
  for (const auto& step : steps) {
    SCOPED_TRACE(testing::Message() << "step with " << step.rows << " rows");
    for (const auto& [box, text] : step.boxes) Box(box)->setText(text);
    Click(step.button);
    EXPECT_EQ(messages.size(), step.message ? 1u : 0u);
    messages.clear();
    EXPECT_EQ(runs.Current().Size(), step.rows);
    EXPECT_EQ(Table()->model()->rowCount(), static_cast<int>(step.rows));
    std::vector<double> kept;
    for (const KeptRun& run : runs.Kept()) kept.push_back(run.summary.gains.Kp);
    EXPECT_EQ(kept, step.keptKp);
    EXPECT_EQ(runs.CurrentSummary().gains.Kp, step.currentKp);
  }
}

// The runs compared: each Compute a row, the current one last; the figures
// heard against the run before; Delete forgets the selected earlier run, and
// the chart's and the comparison's menus forget them all.
TEST_F(Window, ComparesEachRunWithTheOnesBeforeIt) {
  auto* announcer = window->findChild<Announcer*>();
  auto* comparison = window->findChild<RunComparisonView*>();
  QAccessibleInterface* notification = QAccessible::queryAccessibleInterface(announcer);
  const auto said = [&] { return notification->child(0)->text(QAccessible::Name); };
  Box("guiKD")->setText("0");
  Click("Command1");  // settles from step 18 without overshoot
  EXPECT_FALSE(said().contains("Compared"));
  Box("guiKD")->setText(".5");
  Click("Command1");
  EXPECT_TRUE(
      said().endsWith("\nCompared with the run before: overshoot 4.8\u00a0% instead of "
                      "0.0\u00a0%; settled from step 28 instead of step 18."))
      << said().toStdString();
  Click("Command2");  // the same run, carried on: nothing to set against
  EXPECT_FALSE(said().contains("Compared"));
  ASSERT_EQ(comparison->model()->rowCount(), 2);
  EXPECT_EQ(comparison->model()->index(1, 0).data().toString(), "2, current");
  EXPECT_EQ(comparison->model()->index(1, 5).data().toString(), "200");
  comparison->selectRow(0);
  QTest::keyClick(comparison, Qt::Key_Delete);
  EXPECT_TRUE(window->Runs().Kept().empty());
  EXPECT_EQ(comparison->model()->rowCount(), 1);
}

// Each column as wide as its widest value so far and its cell's margins and a
// space, or as its name, at any zoom; the rows as high as a line. The widest
// run comes first, to show that Compute starts afresh; then the widest D
// stands in a batch's last row.
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
  Box("Loops")->setText("100");
  Click("Command1");
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

// Ctrl with + zooms the whole window from any control: each control's place
// scaled from its twips and its font with it, a style sheet's font too;
// Ctrl+0 restores the layout.
TEST_F(Window, ZoomsTheWholeWindowFromItsTwips) {
  const auto expectPlaces = [this](double scale) {
    for (const char* control : kControls) {
      const QStringList f = QString(control).split(u' ');
      QWidget* widget = Find(f[0].toLatin1());
      const auto px = [&](int i) { return qRound(f[i].toInt() * scale / 15); };
      EXPECT_EQ(widget->pos(), QPoint(px(2), px(3))) << control << " at " << scale;
      const QSize drawn(px(4), px(5));  // a label may grow for its caption
      EXPECT_EQ(widget->size(),
                qobject_cast<QLabel*>(widget) ? widget->size().expandedTo(drawn) : drawn);
    }
    EXPECT_EQ(window->size(), QSize(qRound(6816 * scale / 15), qRound(4644 * scale / 15)));
  };
  Table()->setStyleSheet("font-size: 20pt; color: #c00000");
  const qreal size = Box("Loops")->font().pointSizeF();
  for (int i = 0; i < 4; ++i) QTest::keyClick(Box("guiKI"), Qt::Key_Plus, Qt::ControlModifier);
  expectPlaces(1.75);
  EXPECT_DOUBLE_EQ(Box("Loops")->font().pointSizeF(), 1.75 * size);
  EXPECT_DOUBLE_EQ(Table()->font().pointSizeF(), 35);
  EXPECT_EQ(Table()->palette().color(QPalette::Text), QColor(0xc00000));  // the sheet still holds
  EXPECT_EQ(Box("guiKI")->text(), ".5");  // the keys went to the zoom, not the box
  QTest::keyClick(Find("Command1"), Qt::Key_0, Qt::ControlModifier);
  expectPlaces(1.0);
  EXPECT_DOUBLE_EQ(Box("Loops")->font().pointSizeF(), size);
}

// The chart beside the form takes the larger of the spaces the form leaves,
// right of it or below it, when one is large enough to read a chart in.
TEST(ChartPlacement, TakesTheLargerSpaceTheFormLeaves) {
  const QSize form(454, 310);
  for (const auto& [window, scale, space] :
       {std::tuple{QSize(454, 310), 1.0, QRect()},
        {QSize(1280, 800), 1.0, QRect(454, 8, 818, 784)},      // right: 818 × 784 > 1264 × 482
        {QSize(800, 600), 1.0, QRect(8, 310, 784, 282)},       // below: 784 × 282 > 338 × 584
        {QSize(600, 900), 1.0, QRect(8, 310, 584, 582)},       // right is too narrow
        {QSize(773, 549), 1.0, QRect()},                       // below, 231 px high, is too low
        {QSize(1280, 800), 2.0, QRect(454, 16, 810, 768)}}) {  // at least 640 × 480
    EXPECT_EQ(ChartPlacement::Space(window, form, scale), space) << window.width();
  }
}

// In the box at the default size, the switch shows the chart in the table's
// place and the table again where it was; the chart's cursor walks the steps,
// spoken, and brings each into view in the table. In a larger window the
// chart stands beside the form, every control where it was, and after the
// buttons in the tab order.
TEST_F(Window, ShowsTheChartBehindTheBoxsSwitchOrBesideTheForm) {
  Box("Loops")->setText("300");
  Click("Command1");
  auto* chart = window->findChild<ResponseChart*>("chart");
  auto* tabs = window->findChild<QTabBar*>("view-switch");
  ASSERT_TRUE(chart && tabs && tabs->isVisible());
  EXPECT_FALSE(tabs->accessibleName().isEmpty());
  EXPECT_FALSE(chart->isVisible());
  Table()->verticalScrollBar()->setValue(120);
  tabs->setFocus();
  QTest::keyClick(tabs, Qt::Key_Right);
  ASSERT_TRUE(chart->isVisible());
  EXPECT_FALSE(Table()->isVisible());
  EXPECT_TRUE(
      Find("cwin")->geometry().contains(chart->mapTo(window.get(), chart->rect().center())));
  QTest::keyClick(tabs, Qt::Key_Left);
  EXPECT_TRUE(Table()->isVisible());
  EXPECT_EQ(Table()->verticalScrollBar()->value(), 120);

  QTest::keyClick(tabs, Qt::Key_Right);
  chart->setFocus();
  QTest::keyClick(chart, Qt::Key_Home);
  for (int i = 0; i < 4; ++i) QTest::keyClick(chart, Qt::Key_Right);
  EXPECT_EQ(chart->Cursor(), 4);
  EXPECT_EQ(Table()->CurrentRow(), 4);
  QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(chart);
  EXPECT_EQ(accessible->role(), QAccessible::Chart);
  ASSERT_TRUE(accessible->focusChild());
  EXPECT_TRUE(accessible->focusChild()->text(QAccessible::Name).startsWith("Step 5"));
  // What the chart marks, spoken with the step.
  for (const auto& [step, mark] : {std::pair{2, "; rise begins at 10\u00a0% of the change"},
                                   {6, "; rise ends at 90\u00a0% of the change"},
                                   {14, "; peak"},
                                   {28, "; settled from here"},
                                   {15, "X 8.8172"}}) {  // and nothing more
    EXPECT_TRUE(chart->RowDescription(step - 1).endsWith(mark)) << step;
  }

  window->resize(1280, 800);
  EXPECT_TRUE(chart->isVisible() && Table()->isVisible());
  EXPECT_FALSE(tabs->isVisible());
  EXPECT_EQ(chart->parentWidget(), window.get());
  EXPECT_GE(chart->x(), Find("cwin")->geometry().right());
  for (const char* control : kControls) {
    const QStringList f = QString(control).split(u' ');
    EXPECT_EQ(Find(f[0].toLatin1())->pos(),
              QPoint(qRound(f[2].toInt() / 15.0), qRound(f[3].toInt() / 15.0)));
  }
  Find("Command2")->setFocus();
  QTest::keyClick(Find("Command2"), Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), chart);
  QTest::keyClick(chart, Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), Find("comparison"));
  QTest::keyClick(Find("comparison"), Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), Box("guiKP"));
  // A click on the chart brings its step into view in the table.
  const int before = Table()->CurrentRow();
  QTest::mouseClick(chart, Qt::LeftButton, {}, chart->rect().center());
  const int row = Table()->CurrentRow();
  EXPECT_NE(row, before);
  const auto [first, last] = Table()->VisibleRows();
  EXPECT_TRUE(first <= row && row <= last) << row;
  window->resize(454, 310);
  EXPECT_TRUE(tabs->isVisible());
  EXPECT_EQ(chart->parentWidget(), Find("cwin"));
}

// Ctrl++ stops at the largest size whose window the screen shows whole (the
// offscreen screen is 800 × 600: 175 %), moving the window back onto it; a
// maximised window stays so, and keeps the chart beside its form.
TEST_F(Window, ZoomStopsWhereTheScreenEndsAndAMaximisedWindowStaysMaximised) {
  const QRect screen = window->screen()->availableGeometry();
  const qreal size = Table()->font().pointSizeF();
  window->move(500, 400);  // so far down and right that a larger window must move
  for (int i = 0; i < 20; ++i) QTest::keyClick(Box("guiKP"), Qt::Key_Plus, Qt::ControlModifier);
  EXPECT_TRUE(screen.contains(window->frameGeometry())) << window->frameGeometry().width();
  EXPECT_DOUBLE_EQ(Table()->font().pointSizeF(), 1.75 * size);
  EXPECT_DOUBLE_EQ(QToolTip::font().pointSizeF() / Table()->font().pointSizeF(),
                   QApplication::font().pointSizeF() / size);  // tooltips zoom too
  QTest::keyClick(Box("guiKP"), Qt::Key_0, Qt::ControlModifier);
  window->showMaximized();
  QCoreApplication::processEvents();
  EXPECT_TRUE(Chart()->isVisible());  // below the form
  // It grows only as far as the chart keeps its room beside the form.
  for (int i = 0; i < 20; ++i) QTest::keyClick(Box("guiKP"), Qt::Key_Plus, Qt::ControlModifier);
  EXPECT_TRUE(window->isMaximized() && Chart()->isVisible());
  EXPECT_EQ(Chart()->parentWidget(), window.get());
  const qreal scale = Table()->font().pointSizeF() / size;
  EXPECT_TRUE(scale > 1 && scale < 1.75) << scale;
  EXPECT_TRUE(ChartPlacement::Space(window->size(),
                                    QSize(qRound(6816 * scale / 15), qRound(4644 * scale / 15)),
                                    scale)
                  .isValid());
}

// Only the widget with the keyboard focus reports itself focused: no cell of
// the table while Compute has it. The run's figures are spoken once, by a
// notification, the focus staying on Compute; Shift+Tab back into the table
// makes its current cell the focused one again, where it was.
TEST_F(Window, TellsAScreenReaderTheFiguresOnceAndTheFocusTruly) {
  Find("Command1")->setFocus();
  auto* announcer = window->findChild<Announcer*>();
  QTest::keyClick(Find("Command1"), Qt::Key_Space);
  EXPECT_EQ(announcer->Spoken(), 1);
  QAccessibleInterface* notification = QAccessible::queryAccessibleInterface(announcer);
  EXPECT_EQ(notification->role(), QAccessible::Notification);
  ASSERT_EQ(notification->childCount(), 1);
  EXPECT_EQ(notification->child(0)->text(QAccessible::Name), Chart()->toolTip());
  EXPECT_EQ(QApplication::focusWidget(), Find("Command1"));
  QAccessibleTableInterface* cells =
      QAccessible::queryAccessibleInterface(Table())->tableInterface();
  for (int row = 0; row < 5; ++row) {
    for (int column = 0; column < 7; ++column) {
      EXPECT_FALSE(cells->cellAt(row, column)->state().focused) << row << " " << column;
    }
  }
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
  ASSERT_EQ(QApplication::focusWidget(), Table());
  EXPECT_TRUE(cells->cellAt(0, 0)->state().focused);
  EXPECT_EQ(Table()->verticalScrollBar()->value(), 0);
}

// The whole run in the scroll bar: PV's range in each pixel row, and a click
// beside the handle brings that place into view. With Kp 100 the output
// swings between the limits and PV between 0 and 127.5.
TEST_F(Window, TheScrollBarShowsTheWholeRun) {
  for (const auto& [box, text] : {std::pair{"guiKP", "100"}, {"guiKI", "0"}, {"guiKD", "0"}}) {
    Box(box)->setText(text);
  }
  const auto blue = [](QColor c) { return c.blue() > c.red() + 40; };
  Box("Loops")->setText("1000");
  Click("Command1");
  QScrollBar* overview = Table()->verticalScrollBar();
  // PV swings from 0 to 127.5 in every pixel's rows: a line most of the way across.
  const QImage picture = overview->grab().toImage();
  EXPECT_TRUE(blue(picture.pixelColor(picture.width() * 3 / 4, picture.height() * 3 / 4)));
  QTest::mouseClick(overview, Qt::LeftButton, {}, {overview->width() / 2, overview->height() / 2});
  EXPECT_NEAR(overview->value() + overview->pageStep() / 2, 500, 20);
  // Each point of the groove stands for its share of the rows.
  auto* bar = qobject_cast<OverviewScrollBar*>(overview);
  const QRect groove = bar->Groove();
  for (double share : {0.0, 0.25, 0.75}) {
    EXPECT_NEAR(bar->RowAt(groove.top() + qRound(share * groove.height())), share * 1000, 7);
  }
}

// Nothing typed lands in the transcript, and its menu offers no edit. A copy
// carries exactly the cells selected, as TAB-separated text and as an HTML
// table of the same cells; whole rows come with their column names.
TEST_F(Window, TheTranscriptTakesNoTypingAndCopiesExactlyItsSelectedCells) {
  Box("Loops")->setText("4");
  Click("Command1");
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
  Box("guiSP")->setText("<&>");
  Box("Loops")->setText("0");
  Click("Command1");
  EXPECT_EQ(QGuiApplication::clipboard()->text(), QString(text).replace("\r\n", "\n"));
}

// Each number carries its value with a point, and a format with the decimals
// it shows, which a spreadsheet reads whatever its language and the window's.
TEST_F(Window, ACopyGivesEachNumberItsValueWithAPoint) {
  for (QLocale::Language language : {QLocale::English, QLocale::German}) {
    QLocale::setDefault(QLocale(language));
    Open();  // the window reads the locale once, as it opens
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    Box("Loops")->setText("2");
    Click("Command1");
    QTest::keyClick(Table(), Qt::Key_A, Qt::ControlModifier);
    const QString p = QLocale(language).decimalPoint();
    EXPECT_EQ(Copied().second.value(2).value(4), p + "6250");
    const auto n = [&p](const char* value, QString shown) {
      const QString cell = "<td sdval=\"%1\" sdnum=\"1033;0;0.0000\">%2</td>";
      return cell.arg(value, shown.replace(u'.', p));
    };
    const QString html = QGuiApplication::clipboard()->mimeData()->html();
    EXPECT_TRUE(html.contains("<tr><td>Step</td><td>X</td>"));
    EXPECT_TRUE(html.contains("<tr><td sdval=\"2\" sdnum=\"1033;0;0\">2</td>" + n("7.5", "7.5000") +
                              n("3.75", "3.7500") + n("1.25", "1.2500") + n("0.625", ".6250") +
                              n("3.125", "3.1250") + n("-1.875", "-1.8750") + "</tr>"));
  }
}

// Whatever the separator, a value is read from the text the cell shows; what
// is not a number in the window's digits carries none.
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

// Continue in a fresh window: its rows under the column names, a copy of them
// with the names first and no empty line.
TEST_F(Window, AContinueInAFreshWindowShowsItsRowsUnderTheColumnNames) {
  Box("Loops")->setText("2");
  Click("Command2");
  EXPECT_EQ(Text(),
            "\r\n1\t.0000\t.0000\t5.0000\t2.5000\t2.5000\t2.5000"
            "\r\n2\t7.5000\t3.7500\t1.2500\t.6250\t3.1250\t-1.8750");
  EXPECT_EQ(Table()->model()->rowCount(), 2);
  EXPECT_EQ(Table()->model()->headerData(3, Qt::Horizontal).toString(), "Error");
  EXPECT_TRUE(Table()->horizontalHeader()->isVisible());
  Table()->setFocus();
  QTest::keyClick(Table(), Qt::Key_A, Qt::ControlModifier);
  EXPECT_TRUE(Copied().first.startsWith("Step\tX\tPV\tError\tP\tI\tD\n1\t.0000\t"));
}

// The column names never stand over a row: row 1 shows first after Compute
// with no steps and then Continue, and keyboard scrolling paints what a full
// repaint paints.
TEST_F(Window, TheColumnNamesNeverCoverARow) {
  Box("Loops")->setText("0");
  Click("Command1");
  Box("Loops")->setText("100");
  Box("guiKP")->setText("3000");  // rows wider than the box
  Box("guiSP")->setText("-40000");
  Click("Command2");
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
  EXPECT_GT(table->verticalScrollBar()->value(), 20);
  EXPECT_GT(table->horizontalScrollBar()->value(), 0);
}

// What waited while a run worked: clicks, keys and wheel turns are dropped,
// all else delivered.
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

// In German and in French, the program's texts and Qt's are in that language,
// numbers are written with the comma and grouped as the language groups them,
// and examples are quoted, so that the comma cannot run them together.
TEST_F(Window, SpeaksGermanAndFrenchButKeepsItsOwnNames) {
  const std::tuple<QLocale::Language, const char*, const char*, const char*, const char*,
                   const char*>
      languages[] = {
          {QLocale::German, "Proportionalbeiwert: P = Kp", "\u201E2\u201C, \u201E0,5\u201C",
           "&Kopieren", "Kp: \u201E\u2068abc\u2069\u201C ist keine Zahl.",
           "h\u00F6chstens 1.000.000 Zeilen"},
          {QLocale::French, "Gain proportionnel\u00A0: P = Kp",
           "\u00AB\u202F2\u202F\u00BB, \u00AB\u202F0,5\u202F\u00BB", "Cop&ier",
           "Kp\u00A0: \u00AB\u202F\u2068abc\u2069\u202F\u00BB n\u2019est pas un nombre.",
           "au plus 1\u202F000\u202F000 lignes"}};
  for (const auto& [language, tip, examples, copy, message, grouped] : languages) {
    const Translations translations{QLocale(language)};
    QLocale::setDefault(QLocale(language));
    Open();  // the window reads the locale once, as it opens
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(Box("guiKI")->text(), ",5");  // where the locale writes "0,5", so do the boxes
    EXPECT_TRUE(Box("guiKD")->toolTip().contains(QString::fromUtf8(examples))) << examples;
    EXPECT_TRUE(Box("guiKP")->toolTip().startsWith(QString::fromUtf8(tip))) << tip;
    const std::unique_ptr<QMenu> menu(Table()->CreateContextMenu());
    EXPECT_TRUE(menu->actions()[0]->text().startsWith(copy)) << copy;
    Box("guiKP")->setText("abc");
    Click("Command1");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].startsWith(QString::fromUtf8(message))) << messages[0].toStdString();
    Box("guiKP")->setText(".5");
    Box("Loops")->setText("1e9");
    Click("Command2");
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_TRUE(messages[1].contains(QString::fromUtf8(grouped))) << messages[1].toStdString();
    messages.clear();
  }
}

// The first of the user's languages that the program speaks wins, and
// English, which it is written in, is one of them. Qt reads LANGUAGE once, so
// each case is this program started again.
TEST(Translations, TheFirstLanguageThatTheProgramSpeaksWins) {
  for (const auto& [variable, chosen] : {std::pair{"en_GB:fr", ""},
                                         {"en:de", ""},
                                         {"fr:en", "fr"},
                                         {"de_CH", "de"},
                                         {"it:pt:fr", "fr"}}) {
    QProcess self;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("LANGUAGE", variable);
    environment.insert("LANG", "en_US.UTF-8");
    for (const char* other : {"LC_ALL", "LC_MESSAGES"}) environment.remove(other);
    self.setProcessEnvironment(environment);
    self.start(QCoreApplication::applicationFilePath(), {"--chosen-language"});
    ASSERT_TRUE(self.waitForFinished());
    EXPECT_EQ(self.readAllStandardOutput().trimmed(), chosen) << variable;
  }
}

// Persian writes its minus as U+200E U+2212, Arabic as U+061C "-", Swedish
// as U+2212 alone; each reads its own signs, the bare ones and its separator.
TEST(WidgetFormFields, ReadNumbersAsTheLocaleWritesThemAndKeepTheTranscript) {
  TranscriptModel box;
  QLineEdit kp, ki, kd, sp, loops;
  for (QLocale::Language language : {QLocale::Persian, QLocale::Arabic, QLocale::Swedish}) {
    const QLocale locale(language);
    const NumberFormat numbers =
        WidgetFormFields({&kp, &ki, &kd, &sp, &loops}, &box, locale).Numbers();
    const QString minus = locale.negativeSign(), plus = locale.positiveSign();
    const QString point = locale.decimalPoint();
    for (const auto& [text, value] : {std::pair{minus + "1" + point + "5e" + minus + "3", -1.5e-3},
                                      {plus + "2" + point + "5e" + plus + "1", 25.0},
                                      {"\u2212" + point + "5", -0.5}}) {
      const ParsedNumber parsed = ParseNumber(text.toStdString(), numbers);
      EXPECT_TRUE(parsed.ok() && parsed.value == value) << text.toStdString();
    }
  }
  WidgetFormFields fields({&kp, &ki, &kd, &sp, &loops}, &box);
  fields.WriteTranscript("a\tb\r\n\u00e9");
  fields.AppendTranscript("\r\nd\r\n\u4e2d");
  EXPECT_EQ(fields.ReadTranscript(), "a\tb\r\n\u00e9\r\nd\r\n\u4e2d");
  EXPECT_EQ(fields.TranscriptLength(), fields.ReadTranscript().size());  // as the run counts
}

// A spreadsheet holds 1,048,576 rows: a copy of more, column names included,
// offers text alone.
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

// The column names are the header's text alone: a name given for any other
// role, its font or its size, say, would be read as that.
TEST(TranscriptModel, NamesItsColumnsAsTextOnly) {
  TranscriptModel model;
  model.SetText("Step\tX\tPV\tError\tP\tI\tD\r\n1\t.0000\t.0000\t5.0000\t2.5000\t2.5000\t2.5000");
  EXPECT_EQ(model.headerData(3, Qt::Horizontal).toString(), "Error");
  EXPECT_EQ(model.headerData(0, Qt::Vertical).toString(), "1");
  for (int role : {Qt::FontRole, Qt::SizeHintRole, Qt::TextAlignmentRole, Qt::DecorationRole}) {
    EXPECT_FALSE(model.headerData(3, Qt::Horizontal, role).isValid()) << role;
    EXPECT_FALSE(model.headerData(0, Qt::Vertical, role).isValid()) << role;
  }
}

// The user's text in a message stands in its isolate, printable and cut
// short; the message names its limits and writes its numbers as the locale
// does, in English and in each translation.
TEST(FailureMessage, QuotesTheTextIsolatedAndCutBetweenCharacters) {
  const auto message = [](std::string text, FailureReason reason = FailureReason::NotANumber,
                          Box box = Box::Kd, std::int64_t step = 7,
                          QLocale locale = QLocale(QLocale::English)) {
    return FailureMessage({box, text, step, reason}, locale);
  };
  // Each kind of control, quoted and after "=": a separator or NEL would end
  // the isolate, a direction control turn the words around.
  const std::pair<const char*, const char*> controls[] = {
      {"1\u2029\u05E9\u05DC\u05D5\u05DD", "1[PS]\u05E9\u05DC\u05D5\u05DD"},
      {"\u0085", "[NEL]"},
      {"\u009B", "[CSI]"},
      {"a\u2028b", "a[LS]b"},
      {"\u0080\u0081\u0099\u009F", "[PAD][HOP][SGCI][APC]"},
      {"\u2069\u202E5x\u202A\u2066", "[PDI][RLO]5x[LRE][LRI]"},
      {"<b>5\t\x01\x1F\x7F", "<b>5\u2409\u2401\u241F\u2421"},
      {"\u00A0\u00E9", "\u00A0\u00E9"},  // just above the C1 controls: as typed
      // Invisible: each would leave a message that calls "5" no number.
      {"5\u200B", "5[ZWSP]"},
      {"\u00AD\u034F\u180E\u2060", "[SHY][CGJ][MVS][WJ]"},
      {"\u200C\u200D\u200E\u200F\u061C", "[ZWNJ][ZWJ][LRM][RLM][ALM]"},
      {"\u206A\u206B\u206C\u206D\u206E\u206F", "[ISS][ASS][IAFS][AAFS][NADS][NODS]"},
      {"5\uFEFF\uFFF9\uFFFA\uFFFB", "5[ZWNBSP][IAA][IAS][IAT]"},
      {"1\u2064\u2061", "1[U+2064][U+2061]"},  // format characters without a short name
      {"\u2010\u00B7", "\u2010\u00B7"}};       // visible punctuation: as typed
  for (const auto& [typed, shown] : controls) {
    SCOPED_TRACE(typed);
    const QString isolated = "\u2068" + QString::fromUtf8(shown) + "\u2069";
    const QString quoted = message(typed), computed = message(typed, FailureReason::Overflow);
    EXPECT_TRUE(quoted.startsWith("Kd: \u201C" + isolated + "\u201D is not a number.\n\nType"))
        << quoted.toStdString();
    EXPECT_TRUE(computed.startsWith("Step 7 cannot be computed: with Kd = " + isolated +
                                    ", its result is too large to represent.\n\nNothing"))
        << computed.toStdString();
    for (const QString& text : {quoted, computed}) {
      EXPECT_EQ(text.count(u'\u2068'), 1);
      EXPECT_EQ(text.count(u'\u2069'), 1);
      for (const QChar c : text) {
        EXPECT_FALSE(c.unicode() >= 0x80 && c.unicode() <= 0x9F) << text.toStdString();
        EXPECT_FALSE(c.unicode() == 0x2028 || c.unicode() == 0x2029) << text.toStdString();
      }
    }
  }
  // Every C1 control by its ISO 6429 abbreviation.
  const QStringList c1 = QStringLiteral(
                             "PAD HOP BPH NBH IND NEL SSA ESA HTS HTJ VTS PLD PLU RI "
                             "SS2 SS3 DCS PU1 PU2 STS CCH MW SPA EPA SOS SGCI SCI CSI "
                             "ST OSC PM APC")
                             .split(u' ');
  ASSERT_EQ(c1.size(), 32);
  for (char16_t c = 0x80; c <= 0x9F; ++c) {
    EXPECT_TRUE(message(QString(QChar(c)).toStdString())
                    .startsWith("Kd: \u201C\u2068[" + c1[c - 0x80] + "]\u2069\u201D is not"))
        << c1[c - 0x80].toStdString();
  }
  // 40 UTF-16 units at most, cut between two characters; a name counts as
  // the one character it shows.
  const std::pair<std::string, QString> cuts[] = {
      {std::string(39, 'x') + "\U0001F600yz", QString(39, u'x') + "\u2069\u2026\u201D"},
      {std::string(40, 'x'), QString(40, u'x') + "\u2069\u201D"},
      {std::string(41, 'x'), QString(40, u'x') + "\u2069\u2026\u201D"},
      {std::string(39, 'x') + "\u0085", QString(39, u'x') + "[NEL]\u2069\u201D"},
      {std::string(39, 'x') + "\u2029yz", QString(39, u'x') + "[PS]\u2069\u2026\u201D"},
      {std::string(40, 'x') + "\u2029", QString(40, u'x') + "\u2069\u2026\u201D"}};
  for (const auto& [typed, end] : cuts) {
    EXPECT_TRUE(message(typed).contains("\u2068" + end + " is not")) << typed;
  }
  for (int reason = 0; reason <= int(FailureReason::OutOfMemory) * 2 + 1; ++reason) {
    const QString text = message("x", FailureReason(reason / 2), reason % 2 ? Box::Loops : Box::Kd);
    EXPECT_TRUE(text.contains("\u201C\u2068x\u2069\u201D") || text.contains("= \u2068x\u2069,") ||
                text.contains(" step 7 ") || text.startsWith("Step 7 "));
    EXPECT_FALSE(text.contains('%')) << text.toStdString();
  }

  // The wording, and numbers as the locale writes them in a sentence: the
  // separator by name, a leading zero, counts grouped even where the locale
  // would not group them.
  QLocale ungrouped(QLocale::English);
  ungrouped.setNumberOptions(QLocale::OmitGroupSeparator);
  const auto english = [&](FailureReason reason, std::int64_t step, QLocale locale) {
    return message("1e308", reason, Box::Kp, step, locale);
  };
  const std::tuple<QString, QString> wordings[] = {
      {english(FailureReason::NotANumber, 0, ungrouped),
       "Kp: \u201C\u20681e308\u2069\u201D is not a number.\n\nType digits with at most one decimal "
       "point, an optional sign and an optional exponent, for example 0.5, -2 or 1.5e3."},
      {english(FailureReason::NotANumber, 0, QLocale(QLocale::German)),
       "with at most one decimal comma, an optional sign and an optional exponent, for example "
       "0,5, -2 or 1,5e3."},
      {english(FailureReason::NotANumber, 0, QLocale(QLocale::Arabic, QLocale::Egypt)),
       "with at most one decimal separator \u201C\u066B\u201D, "},
      {english(FailureReason::Overflow, 1, ungrouped),
       "Step 1 cannot be computed: with Kp = \u20681e308\u2069, its result is too large to "
       "represent.\n\nNothing was changed. Type a number closer to 0 in Kp."},
      {english(FailureReason::Overflow, 12345, ungrouped),
       "Step 12,345 cannot be computed: with Kp = \u20681e308\u2069, its result is too"},
      {english(FailureReason::RunTooLong, 12345, ungrouped),
       "Step 12,345 would go beyond the limit of 64,000,000 bytes of text per run.\n\nNothing was "
       "written for step 12,345; the rows before it stay. Press Continue for more. Compute "
       "clears the rows: copy the ones you want to keep first."},
      {english(FailureReason::TranscriptTooLong, 12345, ungrouped),
       "Step 12,345 would go beyond the transcript's limit of 100,000,000 bytes of text.\n\n"
       "Nothing was written for step 12,345; the rows before it stay. Copy the rows you want to "
       "keep, then press Compute to start afresh."},
      {english(FailureReason::OutOfMemory, 12345, ungrouped),
       "The run from step 12,345 cannot be shown: there is not enough memory for the rows."}};
  for (const auto& [text, wording] : wordings) {
    EXPECT_TRUE(text.contains(wording)) << text.toStdString() << "\n" << wording.toStdString();
  }
  const std::pair<QLocale::Language, QStringList> languages[] = {
      {QLocale::German,
       {"mit h\u00F6chstens einem Komma ein, wahlweise mit Vorzeichen und Exponent, zum Beispiel "
        "0,5; -2 oder 1,5e3.",
        "Schritt 1 l\u00E4sst sich nicht berechnen: Mit Kp = \u20681e308\u2069 verl\u00E4sst das "
        "Ergebnis den darstellbaren Zahlenbereich.",
        "die Grenze von 64.000.000 Byte Text pro Lauf",
        "seine Grenze von 100.000.000 Byte Text \u00FCberschreiten.",
        "Der Lauf ab Schritt 12.345 l\u00E4sst sich nicht anzeigen"}},
      {QLocale::French,
       {"avec au plus une virgule, \u00E9ventuellement un signe et un exposant, par exemple "
        "0,5\u202F; -2 ou 1,5e3.",
        "Le pas 1 ne peut pas \u00EAtre calcul\u00E9\u00A0: avec Kp = \u20681e308\u2069, le "
        "r\u00E9sultat sort",
        "la limite de 64\u202F000\u202F000 octets de texte par simulation.",
        "sa limite de 100\u202F000\u202F000 octets de texte.",
        "La simulation \u00E0 partir du pas 12\u202F345 ne peut pas \u00EAtre "
        "affich\u00E9e\u00A0:"}}};
  for (const auto& [language, expected] : languages) {
    const Translations translations{QLocale(language)};
    const FailureReason reasons[] = {FailureReason::NotANumber, FailureReason::Overflow,
                                     FailureReason::RunTooLong, FailureReason::TranscriptTooLong,
                                     FailureReason::OutOfMemory};
    for (std::size_t i = 0; i < std::size(reasons); ++i) {
      const QString text =
          message("1e308", reasons[i], Box::Kp, i == 1 ? 1 : 12345, QLocale(language));
      EXPECT_TRUE(text.contains(expected[qsizetype(i)])) << text.toStdString();
    }
  }
}

}  // namespace
}  // namespace corvale

int main(int argc, char* argv[]) {
  if (argc > 1 && std::string_view(argv[1]) == "--chosen-language") {
    std::puts(qPrintable(corvale::Translations().Language()));  // as the program chooses
    return 0;
  }
  // Unless the environment names another: Qt's own screen, and a projector's
  // beside it for the zoom's tests.
  setenv("QT_QPA_PLATFORM", "offscreen:configfile=" CORVALE_OFFSCREEN_SCREENS, 0);
  QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
  QApplication application(argc, argv);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}

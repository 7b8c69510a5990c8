// The real window on Qt's offscreen platform (unless the environment names
// another), in a fixed locale, with every message box answered.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextLayout>
#include <QTimer>

#include "failure_message.h"
#include "form1.h"
#include "parse_number.h"
#include "widget_form_fields.h"

namespace corvale {
namespace {

// Answers every message box the window opens and keeps what it said, so no
// test waits on a modal dialog: plain text only, the busy cursor gone.
struct MessageBoxAnswerer {
  MessageBoxAnswerer() {
    QObject::connect(&timer, &QTimer::timeout, [this] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!box) return;
      const bool plain = box->textFormat() == Qt::PlainText && !QGuiApplication::overrideCursor();
      messages.push_back(plain ? box->text() : QStringLiteral("(markup or busy)"));
      box->accept();
    });
    timer.start(0);  // at every turn of the event loop, a modal one included
  }
  std::vector<QString> messages;
  QTimer timer;
};

// A fresh window per test, shown and active, with its controls found by name.
class WindowTest : public testing::Test {
 protected:
  void SetUp() override {
    window = std::make_unique<Form1>();
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  }
  void TearDown() override { EXPECT_EQ(QApplication::activeModalWidget(), nullptr); }
  template <typename Widget = QWidget>
  Widget* Find(const char* name) const {
    return window->findChild<Widget*>(QLatin1String(name));
  }
  QLineEdit* Box(const char* name) const { return Find<QLineEdit>(name); }
  QPlainTextEdit* Transcript() const { return Find<QPlainTextEdit>("cwin"); }
  void Click(const char* button) const { QTest::mouseClick(Find(button), Qt::LeftButton); }
  QStringList Lines() const { return Transcript()->toPlainText().split(u'\n'); }

  std::unique_ptr<Form1> window;
};

// The window as drawn: name, initial text, then left, top, width and height
// in twips, 15 to the pixel.
const char* const kControls[] = {"Command2 Continue 1920 4200 972 372",
                                 "Loops 100 5640 4200 972 288",
                                 "guiSP 5 5640 3720 972 288",
                                 "guiKP .5 600 3720 972 288",
                                 "guiKI .5 2400 3720 972 288",
                                 "guiKD .5 4080 3720 972 288",
                                 "cwin - 240 240 6372 3252",
                                 "Command1 Compute 600 4200 1092 372",
                                 "Label5 Loops 5040 4200 456 192",
                                 "Label4 SP 5280 3720 252 252",
                                 "Label3 Kd 3720 3720 252 252",
                                 "Label2 Ki 2040 3720 252 252",
                                 "Label1 Kp 240 3720 252 252"};

class MainWindow : public WindowTest {};

TEST_F(MainWindow, StartsWithTheInitialTextsAtTheirPlacesAndKeepsThemThere) {
  EXPECT_EQ(window->size(), QSize(454, 310));
  EXPECT_EQ(window->State(), LoopState{});
  for (QSize size : {QSize(454, 310), QSize(900, 700), QSize(200, 150)}) {
    window->resize(size);
    QTest::qWait(10);
    for (const char* control : kControls) {
      const QStringList f = QString(control).split(u' ');
      QWidget* widget = Find(f[0].toLatin1());
      const bool box = qobject_cast<QPlainTextEdit*>(widget);
      const QVariant shown = widget->property(box ? "plainText" : "text");
      EXPECT_EQ(shown.toString(), box ? "" : f[1]) << control;
      const auto px = [&f](int i) { return qRound(f[i].toInt() / 15.0); };
      const QRect drawn(px(2), px(3), px(4), px(5));
      EXPECT_EQ(widget->pos(), drawn.topLeft()) << control;
      // A label may grow so that its caption shows in full.
      const QSize grown = drawn.size().expandedTo(widget->sizeHint());
      EXPECT_EQ(widget->size(), qobject_cast<QLabel*>(widget) ? grown : drawn.size()) << control;
    }
  }
}

TEST_F(MainWindow, KeysMoveAlongTheTabOrderAndOnlySpaceRuns) {
  const char* const order[] = {"guiKP", "guiKI",    "guiKD",    "guiSP", "Loops",
                               "cwin",  "Command1", "Command2", "guiKP"};
  for (const char* name : order) {
    ASSERT_EQ(QApplication::focusWidget()->objectName(), name);
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
      if (Box(name)) QTest::keyClick(Box(name), key);
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  }
  EXPECT_TRUE(Transcript()->toPlainText().isEmpty());
  Find("Command1")->setFocus();
  QTest::keyClick(Find("Command1"), Qt::Key_Space);
  ASSERT_EQ(Lines().size(), 101);
  EXPECT_FALSE(Transcript()->document()->isUndoAvailable());  // no second copy kept for undo
  EXPECT_EQ(Lines()[100], "100\t10.0001\t5.0000\t-.0000\t-.0000\t10.0000\t-.0000");
  EXPECT_EQ(Transcript()->verticalScrollBar()->value(), 0);
  for (const char* loops : {"1", "100"}) {  // each Continue shows its first row at the top
    const int first = Lines().size();
    Box("Loops")->setText(loops);
    Click("Command2");
    EXPECT_TRUE(Lines()[first].startsWith(QString::number(first) + "\t"));
    EXPECT_EQ(Transcript()->textCursor().blockNumber(), first);
  }
  EXPECT_EQ(Transcript()->verticalScrollBar()->value(), 102);
  EXPECT_TRUE(window->PID().ok());
  EXPECT_EQ(window->State().Step, 301);
  Click("Command1");  // afresh, from the top
  EXPECT_EQ(Transcript()->verticalScrollBar()->value() + Transcript()->textCursor().position(), 0);
}

// Every kind of failure, through both buttons: one plain message naming the
// box, the box focused with its text selected, and nothing else changed.
TEST_F(MainWindow, AFailureIsAMessageAndChangesNothing) {
  const std::tuple<const char*, const char*, const char*> failures[] = {
      {"guiKP", " ", "Kp is empty"},
      {"guiKD", "1..2", "Kd: \u201C\u20681..2\u2069\u201D is not a number"},
      {"guiSP", "-1e999", "SP: \u201C\u2068-1e999\u2069\u201D is out of range"},
      {"Loops", "ten", "for example 100."},
      {"Loops", "1e999", "at most 1000000 rows"},
      {"guiKI", "<b>5\t\x01", "\u201C\u2068<b>5\u2409\u2401\u2069\u201D"},
  };
  Box("Loops")->setText("3");
  Click("Command1");
  for (const auto& [box, text, saying] : failures) {
    for (const char* button : {"Command1", "Command2"}) {
      SCOPED_TRACE(std::string(button) + " " + box + " " + text);
      const QString good = Box(box)->text();
      Box("guiKP")->setText("0.25");  // a good change that must not land either
      Box(box)->setText(QString::fromUtf8(text));
      const QString transcript = Transcript()->toPlainText();
      const int cursor = Transcript()->textCursor().position();
      const LoopState state = window->State();
      MessageBoxAnswerer answerer;
      Click(button);
      ASSERT_EQ(answerer.messages.size(), 1u);
      EXPECT_TRUE(answerer.messages[0].contains(QString::fromUtf8(saying)))
          << answerer.messages[0].toStdString();
      EXPECT_EQ(Transcript()->toPlainText(), transcript);
      EXPECT_EQ(Transcript()->textCursor().position(), cursor);
      EXPECT_EQ(window->State(), state);
      EXPECT_EQ(window->focusWidget(), Box(box));
      EXPECT_EQ(Box(box)->selectedText(), Box(box)->text());
      Box(box)->setText(good);
    }
  }
}

TEST_F(MainWindow, EveryControlExplainsItselfToScreenReaders) {
  int controls = 0;
  for (QWidget* widget : window->findChildren<QWidget*>()) {
    if (widget->focusPolicy() == Qt::NoFocus || !widget->isVisibleTo(window.get())) continue;
    ++controls;
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
    EXPECT_FALSE(accessible->text(QAccessible::Name).isEmpty())
        << widget->objectName().toStdString();
    EXPECT_EQ(accessible->text(QAccessible::Description), widget->toolTip());
    EXPECT_FALSE(widget->toolTip().isEmpty()) << widget->objectName().toStdString();
  }
  EXPECT_EQ(controls, 8);
  EXPECT_EQ(QAccessible::queryAccessibleInterface(Box("guiKI"))->text(QAccessible::Name), "Ki");
  EXPECT_TRUE(Box("guiSP")->toolTip().contains("2, .5 or 1.5e3"));
}

class Columns : public WindowTest {
 protected:
  void Run(const char* button, const char* kp, const char* ki, const char* kd, const char* sp) {
    for (const auto& [box, text] :
         {std::pair{"guiKP", kp}, {"guiKI", ki}, {"guiKD", kd}, {"guiSP", sp}}) {
      Box(box)->setText(text);
    }
    Click(button);
  }
  // Where the widest step number ends, then the stops, once every line laid
  // out as the box lays it out shows each value and each name of the header
  // ending at its column's stop, and the widest field of each column one gap
  // of two spaces after the column before, so that no field touches another.
  std::vector<qreal> TableStops() const {
    std::vector<qreal> stops = {0};
    for (const auto& tab : Transcript()->document()->defaultTextOption().tabs()) {
      EXPECT_EQ(tab.type, QTextOption::RightTab);
      stops.push_back(tab.position);
    }
    std::vector<qreal> leftmost(stops.size(), 1e9);  // each column's leftmost start
    for (const QString& line : Lines()) {
      QTextLayout layout(line, Transcript()->font());
      layout.setTextOption(Transcript()->document()->defaultTextOption());
      layout.beginLayout();
      QTextLine text = layout.createLine();
      text.setLineWidth(1e6);
      layout.endLayout();
      const QStringList fields = line.split(u'\t');
      EXPECT_EQ(fields.size(), qsizetype(stops.size()));
      stops[0] = std::max(stops[0], text.cursorToX(fields[0].size()));
      qsizetype start = fields[0].size() + 1;
      for (std::size_t i = 1; i < std::min(stops.size(), std::size_t(fields.size())); ++i) {
        leftmost[i] = std::min(leftmost[i], text.cursorToX(start));
        start += fields[i].size();
        EXPECT_NEAR(text.cursorToX(start++), stops[i], 0.5) << line.toStdString();
      }
    }
    const qreal gap = 2 * QFontMetricsF(Transcript()->font()).horizontalAdvance(u' ');
    for (std::size_t i = 1; i < stops.size(); ++i)
      EXPECT_NEAR(leftmost[i] - stops[i - 1], gap, 0.5);
    return stops;
  }
};

TEST_F(Columns, EveryValueEndsAtItsColumnsStopAndOnlyAWiderOneMovesIt) {
  Run("Command1", "100", "0.3", "2", "5");  // the output jumps between its limits
  EXPECT_TRUE(Lines()[2].startsWith("2\t255.0000\t127.5000\t-122.5000\t-12250.0000\t"));
  TableStops();
  Run("Command1", "3000", "0.2", "1000", "-40000");  // millions, negative
  EXPECT_TRUE(Lines()[100].contains("\t-120000000.0000\t"));
  EXPECT_GT(Transcript()->horizontalScrollBar()->maximum(), 0);  // rows too wide are not wrapped
  TableStops();
  Run("Command1", ".5", ".5", ".5", "5");
  const std::vector<qreal> before = TableStops();
  Box("Loops")->setText("1");
  Run("Command2", "1e9", ".5", ".5", "5");  // P alone grows, to tens of thousands
  const std::vector<qreal> after = TableStops();
  ASSERT_EQ(after.size(), 7u);
  for (std::size_t i = 0; i < after.size(); ++i) {
    const qreal widened = (after[i] - before[i]) - (i > 0 ? after[i - 1] - before[i - 1] : 0);
    EXPECT_TRUE(i == 4 ? widened > 1 : widened == 0) << i;  // the P column
  }
}

// Where the locale writes "0,5", the window shows, reads and explains commas.
class CommaLocale : public WindowTest {
 protected:
  void SetUp() override {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    WindowTest::SetUp();
  }
  void TearDown() override {
    WindowTest::TearDown();
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
  }
};

TEST_F(CommaLocale, BoxesRowsTipsAndMessagesUseTheComma) {
  EXPECT_EQ(Box("guiKI")->text(), ",5");
  EXPECT_TRUE(Box("guiKD")->toolTip().contains("2, ,5 or 1,5e3"));
  MessageBoxAnswerer answerer;
  Click("Command1");
  EXPECT_EQ(Lines()[2], "2\t7,5000\t3,7500\t1,2500\t,6250\t3,1250\t-1,8750");
  Box("guiKP")->setText(".5");
  Click("Command2");
  ASSERT_EQ(answerer.messages.size(), 1u);
  EXPECT_TRUE(answerer.messages[0].contains("\u201C,\u201D"));
}

// Persian writes its minus as U+200E U+2212, Arabic as U+061C "-", Swedish
// as U+2212 alone; each reads its own signs, the bare ones and its separator.
TEST(WidgetFormFields, ReadNumbersAsTheLocaleWritesThemAndGiveCrLfBack) {
  QPlainTextEdit box;
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
  EXPECT_EQ(box.document()->blockCount(), 4);
  EXPECT_EQ(fields.ReadTranscript(), "a\tb\r\n\u00e9\r\nd\r\n\u4e2d");
  EXPECT_EQ(fields.TranscriptLength(), 9u);
}

TEST(FailureMessage, QuotesTheTextIsolatedAndCutBetweenCharacters) {
  const QString reversed = FailureMessage({Box::Kp, "\u202E5", 0, FailureReason::NotANumber}, {});
  EXPECT_TRUE(reversed.startsWith("Kp: \u201C\u2068\u202E5\u2069\u201D is not"));
  // 39 letters, then a character outside the BMP across the 40-unit cut.
  const QString cut = FailureMessage(
      {Box::Kd, std::string(39, 'x') + "\U0001F600yz", 0, FailureReason::NotANumber}, {});
  EXPECT_TRUE(cut.contains(QString(39, u'x') + "\u2069\u2026\u201D"));
  const auto quoted = [](int letters) {
    return FailureMessage({Box::Kd, std::string(letters, 'x'), 0, FailureReason::NotANumber}, {});
  };
  EXPECT_TRUE(quoted(40).contains(QString(40, u'x') + "\u2069\u201D"));  // 40 units are shown
  EXPECT_TRUE(quoted(41).contains(QString(40, u'x') + "\u2069\u2026\u201D"));
  for (int reason = 0; reason <= int(FailureReason::OutOfMemory); ++reason) {
    const QString message = FailureMessage({Box::SP, "x", 7, FailureReason(reason)}, {});
    EXPECT_TRUE(message.contains("\u201C\u2068x\u2069\u201D") || message.startsWith("Step 7 "));
    EXPECT_FALSE(message.contains('%')) << message.toStdString();
  }
}

}  // namespace
}  // namespace corvale

int main(int argc, char* argv[]) {
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
  QApplication application(argc, argv);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}

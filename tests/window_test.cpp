#include <QAccessible>
#include <QFontMetricsF>
#include <QLabel>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>

#include "failure_message.h"
#include "parse_number.h"
#include "widget_form_fields.h"
#include "window_fixture.h"

namespace corvale {
namespace {

using testing_support::MessageBoxAnswerer;
using testing_support::WindowTest;

const QString kHeader = QStringLiteral("Step\tX\tPV\tError\tP\tI\tD");

struct Control {
  const char* name;
  const char* text;
  QRect twips;  // left, top, width, height
};

// The window as drawn: captions, initial texts and positions in twips.
const Control kControls[] = {
    {"Command2", "Continue", {1920, 4200, 972, 372}},
    {"Loops", "100", {5640, 4200, 972, 288}},
    {"guiSP", "5", {5640, 3720, 972, 288}},
    {"guiKP", ".5", {600, 3720, 972, 288}},
    {"guiKI", ".5", {2400, 3720, 972, 288}},
    {"guiKD", ".5", {4080, 3720, 972, 288}},
    {"cwin", "", {240, 240, 6372, 3252}},
    {"Command1", "Compute", {600, 4200, 1092, 372}},
    {"Label5", "Loops", {5040, 4200, 456, 192}},
    {"Label4", "SP", {5280, 3720, 252, 252}},
    {"Label3", "Kd", {3720, 3720, 252, 252}},
    {"Label2", "Ki", {2040, 3720, 252, 252}},
    {"Label1", "Kp", {240, 3720, 252, 252}},
};

QString TextOf(QWidget* widget) {
  if (auto* edit = qobject_cast<QLineEdit*>(widget)) return edit->text();
  if (auto* button = qobject_cast<QPushButton*>(widget)) return button->text();
  if (auto* label = qobject_cast<QLabel*>(widget)) return label->text();
  return qobject_cast<QPlainTextEdit*>(widget)->toPlainText();
}

// 15 twips to the pixel, rounded to the nearest.
int Px(int twips) { return static_cast<int>(twips / 15.0 + 0.5); }

void ExpectAtTablePositions(QWidget* window) {
  for (const Control& c : kControls) {
    SCOPED_TRACE(c.name);
    QWidget* widget = window->findChild<QWidget*>(QLatin1String(c.name));
    ASSERT_NE(widget, nullptr);
    EXPECT_EQ(widget->pos(), QPoint(Px(c.twips.x()), Px(c.twips.y())));
    const QSize drawn(Px(c.twips.width()), Px(c.twips.height()));
    if (qobject_cast<QLabel*>(widget)) {
      // Labels may be larger than drawn, so that their captions show in full.
      EXPECT_EQ(widget->size(), drawn.expandedTo(widget->sizeHint()));
    } else {
      EXPECT_EQ(widget->size(), drawn);
    }
  }
}

class MainWindow : public WindowTest {};

TEST_F(MainWindow, StartsWithTheInitialTextsAtTheirPlaces) {
  EXPECT_EQ(window->windowTitle(), "Corvale by Brennick");
  EXPECT_EQ(window->size(), QSize(454, 310));
  for (const Control& c : kControls) {
    EXPECT_EQ(TextOf(Find(c.name)), QString::fromUtf8(c.text)) << c.name;
  }
  ExpectAtTablePositions(window.get());
  EXPECT_EQ(window->State(), LoopState{});
}

TEST_F(MainWindow, ResizingMovesNothing) {
  window->resize(900, 700);
  QTest::qWait(20);
  ExpectAtTablePositions(window.get());
  window->resize(200, 150);
  QTest::qWait(20);
  ExpectAtTablePositions(window.get());
}

TEST_F(MainWindow, TabVisitsTheControlsInOrderAndWrapsAround) {
  EXPECT_EQ(QApplication::focusWidget(), Box("guiKP"));
  const char* const order[] = {"guiKI", "guiKD",    "guiSP",    "Loops",
                               "cwin",  "Command1", "Command2", "guiKP"};
  for (const char* name : order) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), name);
  }
}

// What a screen reader is told of each control that takes focus.
TEST_F(MainWindow, EveryFocusableControlHasANameAndADescription) {
  int controls = 0;
  for (QWidget* widget : window->findChildren<QWidget*>()) {
    if (widget->focusPolicy() == Qt::NoFocus || !widget->isVisibleTo(window.get())) continue;
    ++controls;
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
    ASSERT_NE(accessible, nullptr);
    EXPECT_FALSE(accessible->text(QAccessible::Name).isEmpty())
        << widget->objectName().toStdString();
    EXPECT_EQ(accessible->text(QAccessible::Description), widget->toolTip());
    EXPECT_FALSE(widget->toolTip().isEmpty()) << widget->objectName().toStdString();
  }
  EXPECT_EQ(controls, 8);
  EXPECT_EQ(QAccessible::queryAccessibleInterface(Box("guiKP"))->text(QAccessible::Name), "Kp");
  EXPECT_TRUE(Box("guiSP")->toolTip().contains("2, .5 or 1.5e3"));
}

TEST_F(MainWindow, LabelsNameTheirBoxes) {
  const std::pair<const char*, const char*> pairs[] = {{"Label1", "guiKP"},
                                                       {"Label2", "guiKI"},
                                                       {"Label3", "guiKD"},
                                                       {"Label4", "guiSP"},
                                                       {"Label5", "Loops"}};
  for (const auto& [label, box] : pairs) {
    EXPECT_EQ(Find<QLabel>(label)->buddy(), Box(box)) << label;
  }
}

TEST_F(MainWindow, TranscriptBoxIsSetUpForLongTables) {
  QPlainTextEdit* cwin = Transcript();
  EXPECT_EQ(cwin->lineWrapMode(), QPlainTextEdit::NoWrap);
  EXPECT_EQ(cwin->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
  EXPECT_EQ(cwin->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
  EXPECT_FALSE(cwin->isUndoRedoEnabled());
  EXPECT_FALSE(cwin->isReadOnly());
}

TEST_F(MainWindow, ComputeFillsTheTranscript) {
  Click("Command1");
  const QStringList lines = Lines();
  ASSERT_EQ(lines.size(), 101);
  EXPECT_EQ(lines[0], kHeader);
  EXPECT_EQ(lines[1], "1\t.0000\t.0000\t5.0000\t2.5000\t2.5000\t2.5000");
  EXPECT_EQ(lines[4], "4\t8.5938\t4.2969\t.7031\t.3516\t5.5078\t-1.6797");
  EXPECT_EQ(lines[100], "100\t10.0001\t5.0000\t-.0000\t-.0000\t10.0000\t-.0000");
  EXPECT_EQ(window->State().Step, 100);
  EXPECT_EQ(Transcript()->verticalScrollBar()->value(), 0);
}

// Where each field of a line starts and ends, laid out as the box lays it out.
std::vector<std::pair<qreal, qreal>> FieldSpans(QPlainTextEdit* box, const QString& line) {
  QTextLayout layout(line, box->font());
  layout.setTextOption(box->document()->defaultTextOption());
  layout.beginLayout();
  QTextLine text = layout.createLine();
  text.setLineWidth(1e6);
  layout.endLayout();
  std::vector<std::pair<qreal, qreal>> spans;
  qsizetype start = 0;
  for (const QString& field : line.split(u'\t')) {
    spans.emplace_back(text.cursorToX(start), text.cursorToX(start + field.size()));
    start += field.size() + 1;
  }
  return spans;
}

class Columns : public WindowTest {
 protected:
  void Run(const char* button, const char* kp, const char* ki, const char* kd, const char* sp) {
    Box("guiKP")->setText(kp);
    Box("guiKI")->setText(ki);
    Box("guiKD")->setText(kd);
    Box("guiSP")->setText(sp);
    Click(button);
  }
  std::vector<qreal> Stops() const {
    std::vector<qreal> stops;
    for (const auto& tab : Transcript()->document()->defaultTextOption().tabs()) {
      EXPECT_EQ(tab.type, QTextOption::RightTab);
      stops.push_back(tab.position);
    }
    return stops;
  }
  // Every value, and every name of the header, ends at its column's stop,
  // and a gap of two spaces at least parts neighbouring fields.
  void ExpectATable() const {
    const std::vector<qreal> stops = Stops();
    ASSERT_EQ(stops.size(), 6u);
    const qreal gap = 2 * QFontMetricsF(Transcript()->font()).horizontalAdvance(u' ');
    for (const QString& line : Lines()) {
      SCOPED_TRACE(line.toStdString());
      const auto spans = FieldSpans(Transcript(), line);
      ASSERT_EQ(spans.size(), 7u);
      EXPECT_EQ(spans[0].first, 0);
      for (std::size_t i = 1; i < spans.size(); ++i) {
        EXPECT_NEAR(spans[i].second, stops[i - 1], 0.5);
        EXPECT_GE(spans[i].first - spans[i - 1].second, gap - 0.5);
      }
    }
  }
};

TEST_F(Columns, EveryValueEndsAtItsColumnsStop) {
  Run("Command1", ".5", ".5", ".5", "5");  // the default run
  ExpectATable();
  Run("Command1", "100", "0.3", "2", "5");  // the output jumps between its limits
  EXPECT_TRUE(Lines()[2].startsWith("2\t255.0000\t127.5000\t-122.5000\t-12250.0000\t"));
  ExpectATable();
  Run("Command1", "3000", "0.2", "1000", "-40000");  // millions, negative
  EXPECT_TRUE(Lines()[100].contains("\t-120000000.0000\t"));
  ExpectATable();
}

TEST_F(Columns, AContinueWidensOnlyTheColumnThatGrew) {
  Run("Command1", ".5", ".5", ".5", "5");
  const std::vector<qreal> before = Stops();
  Box("Loops")->setText("1");
  Run("Command2", "1e9", ".5", ".5", "5");  // P alone grows, to tens of thousands
  const std::vector<qreal> after = Stops();
  ASSERT_EQ(after.size(), before.size());
  for (std::size_t i = 0; i < after.size(); ++i) {
    const qreal widened = (after[i] - before[i]) - (i > 0 ? after[i - 1] - before[i - 1] : 0);
    constexpr std::size_t kP = 3;  // the stop at the end of the P column
    if (i == kP) {
      EXPECT_GT(widened, 1) << i;
    } else {
      EXPECT_EQ(widened, 0) << i;
    }
  }
  ExpectATable();
}

TEST_F(MainWindow, ContinueAppendsAndShowsItsFirstRow) {
  Click("Command1");
  Click("Command2");
  const QStringList lines = Lines();
  ASSERT_EQ(lines.size(), 201);
  EXPECT_TRUE(lines[101].startsWith("101\t"));
  EXPECT_EQ(lines.count(kHeader), 1);
  QPlainTextEdit* cwin = Transcript();
  EXPECT_EQ(cwin->textCursor().blockNumber(), 101);
  EXPECT_EQ(cwin->verticalScrollBar()->value(), 101);  // the first line shown
}

TEST_F(MainWindow, EnterAndEscapeInABoxPressNothing) {
  for (const char* box : {"guiKP", "guiKI", "guiKD", "guiSP", "Loops"}) {
    Box(box)->setFocus();
    QTest::keyClick(Box(box), Qt::Key_Return);
    QTest::keyClick(Box(box), Qt::Key_Enter);
    QTest::keyClick(Box(box), Qt::Key_Escape);
  }
  EXPECT_TRUE(Transcript()->toPlainText().isEmpty());
  EXPECT_TRUE(window->isVisible());
  EXPECT_FALSE(Find<QPushButton>("Command1")->isDefault());
  EXPECT_FALSE(Find<QPushButton>("Command2")->isDefault());
}

TEST_F(MainWindow, SpacePressesTheFocusedButton) {
  Find<QPushButton>("Command1")->setFocus();
  QTest::keyClick(Find<QPushButton>("Command1"), Qt::Key_Space);
  EXPECT_EQ(Lines().size(), 101);
}

TEST_F(MainWindow, TextTypedIntoTheTranscriptStaysInFront) {
  Box("Loops")->setText("2");
  Click("Command1");
  QPlainTextEdit* cwin = Transcript();
  cwin->setFocus();
  cwin->moveCursor(QTextCursor::End);
  QTest::keyClick(cwin, Qt::Key_Return);
  QTest::keyClicks(cwin, "my note");
  Click("Command2");
  const QStringList lines = Lines();
  ASSERT_EQ(lines.size(), 6);
  EXPECT_EQ(lines[3], "my note");
  EXPECT_TRUE(lines[4].startsWith("3\t"));
  EXPECT_TRUE(lines[5].startsWith("4\t"));
}

TEST_F(MainWindow, ContinueBeforeComputeStartsWithALineBreak) {
  Box("Loops")->setText("1");
  Click("Command2");
  EXPECT_EQ(Transcript()->toPlainText(), "\n1\t.0000\t.0000\t5.0000\t2.5000\t2.5000\t2.5000");
}

TEST_F(MainWindow, PublicRunCarriesOn) {
  Click("Command1");
  EXPECT_TRUE(window->PID().ok());
  EXPECT_EQ(window->State().Step, 200);
}

// Persian writes its minus as U+200E U+2212, Arabic as U+061C "-", Swedish
// as U+2212 alone; each reads its own signs, the bare ones and its separator.
TEST(WidgetFormFields, ReadNumbersAsTheLocaleWritesThem) {
  QPlainTextEdit box;
  QLineEdit kp, ki, kd, sp, loops;
  for (QLocale::Language language : {QLocale::Persian, QLocale::Arabic, QLocale::Swedish}) {
    const QLocale locale(language);
    SCOPED_TRACE(locale.name().toStdString());
    const NumberFormat numbers =
        WidgetFormFields({&kp, &ki, &kd, &sp, &loops}, &box, locale).Numbers();
    const QString minus = locale.negativeSign(), plus = locale.positiveSign();
    const QString point = locale.decimalPoint();
    const std::pair<QString, double> cases[] = {
        {minus + "1" + point + "5e" + minus + "3", -1.5e-3},
        {plus + "2" + point + "5e" + plus + "1", 25},
        {QStringLiteral("−5e−1"), -0.5},
        {"-" + point + "5", -0.5},
    };
    for (const auto& [text, value] : cases) {
      const ParsedNumber parsed = ParseNumber(text.toStdString(), numbers);
      EXPECT_TRUE(parsed.ok() && parsed.value == value) << text.toStdString();
    }
  }
}

TEST(FailureMessage, QuotesTheTextIsolatedAndCutBetweenCharacters) {
  const QString reversed = FailureMessage({Box::Kp, "\u202E5", 0, FailureReason::NotANumber}, {});
  EXPECT_TRUE(reversed.startsWith(QStringLiteral("Kp: \u201C\u2068\u202E5\u2069\u201D is not")));
  // 39 letters, then a character outside the BMP across the 40-unit cut.
  const QString cut = FailureMessage(
      {Box::Kd, std::string(39, 'x') + "\U0001F600yz", 0, FailureReason::NotANumber}, {});
  EXPECT_TRUE(cut.contains(QString(39, u'x') + QStringLiteral("\u2069\u2026\u201D")));
}

TEST(WidgetFormFields, GivesTheTranscriptBackWithCrLf) {
  QPlainTextEdit box;
  QLineEdit kp, ki, kd, sp, loops;
  WidgetFormFields fields({&kp, &ki, &kd, &sp, &loops}, &box);
  fields.WriteTranscript("a\tb\r\nc");
  fields.AppendTranscript("\r\nd\r\ne");
  EXPECT_EQ(box.document()->blockCount(), 4);
  EXPECT_EQ(fields.ReadTranscript(), "a\tb\r\nc\r\nd\r\ne");
  fields.WriteTranscript("\u00e9\u4e2d");
  EXPECT_EQ(fields.ReadTranscript(), "\u00e9\u4e2d");
  kp.setText(QStringLiteral("\u0665"));
  EXPECT_EQ(fields.ReadBox(Box::Kp), "\u0665");
}

// Where the locale writes "0,5", the window shows and reads commas.
class CommaLocale : public WindowTest {
 protected:
  void SetUp() override {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    Open();
  }
  void TearDown() override {
    WindowTest::TearDown();
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
  }
};

TEST_F(CommaLocale, InitialTextsAndRowsUseTheComma) {
  for (const char* box : {"guiKP", "guiKI", "guiKD"}) EXPECT_EQ(Box(box)->text(), ",5");
  EXPECT_TRUE(Box("guiKD")->toolTip().contains("2, ,5 or 1,5e3"));
  MessageBoxAnswerer answerer;
  Click("Command1");
  EXPECT_TRUE(answerer.messages.empty());
  const QStringList lines = Lines();
  ASSERT_EQ(lines.size(), 101);
  EXPECT_EQ(lines[2], "2\t7,5000\t3,7500\t1,2500\t,6250\t3,1250\t-1,8750");

  Box("guiKP")->setText(".5");
  Click("Command2");
  ASSERT_EQ(answerer.messages.size(), 1u);
  EXPECT_TRUE(answerer.messages[0].contains(QStringLiteral("\u201C,\u201D")));
}

}  // namespace
}  // namespace corvale

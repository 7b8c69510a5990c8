// A fresh real window per test. Its message boxes are answered and kept
// (plain text only, the busy cursor gone); one not expected fails the test.
#pragma once

#include <gtest/gtest.h>

#include <QTest>
#include <QtWidgets>
#include <memory>
#include <utility>
#include <vector>

#include "window/access/announcer.h"
#include "window/chart/response_chart.h"
#include "window/shell/form1.h"
#include "window/table/transcript_model.h"
#include "window/table/transcript_view.h"

namespace corvale {

// Name, initial text, then left, top, width and height in twips, 15 to a pixel.
// clang-format off
inline const char* const kControls[] = {
    "guiKP .5 600 3720 972 288",   "guiKI .5 2400 3720 972 288",   "guiKD .5 4080 3720 972 288",
    "guiSP 5 5640 3720 972 288",   "Loops 100 5640 4200 972 288",  "cwin - 240 240 6372 3252",
    "Command1 Compute 600 4200 1092 372",  "Command2 Continue 1920 4200 972 372",
    "Label1 Kp 240 3720 252 252",  "Label2 Ki 2040 3720 252 252",  "Label3 Kd 3720 3720 252 252",
    "Label4 SP 5280 3720 252 252", "Label5 Loops 5040 4200 456 192"};
// clang-format on
inline const char* const kBoxNames[] = {"guiKP", "guiKI", "guiKD", "guiSP", "Loops"};
// The offscreen platform's projector screen, and a window maximised on it
// (less the platform's frame, 2 on each side).
constexpr QSize kProjector{1280, 800};
constexpr QSize kMaximised{1276, 796};
// The form's client area, 6816 × 4644 twips, at a zoom.
inline QSize FormSize(double scale) {
  return QSize(qRound(6816 * scale / 15), qRound(4644 * scale / 15));
}

// What a screen reader is given of a message box: the shown text's words,
// without the isolate around the text as typed, which Orca speaks ("“⁨abc⁩”").
inline void ExpectHeardWithoutMarks(const QString& shown, const QString& heard) {
  const QString words = QString(shown).remove(u'\u2068').remove(u'\u2069');
  EXPECT_TRUE(heard.contains(words)) << heard.toStdString();
  EXPECT_FALSE(heard.contains(u'\u2068') || heard.contains(u'\u2069')) << heard.toStdString();
}

class Window : public testing::Test {
 protected:
  void SetUp() override {
    AnswerMessages();
    Open();
  }
  void TearDown() override {
    EXPECT_TRUE(messages.empty());
    EXPECT_FALSE(QGuiApplication::overrideCursor());  // no run left the busy cursor on
  }
  void AnswerMessages() {
    QObject::connect(&answerer, &QTimer::timeout, [this] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!box) return;
      const bool plain = box->textFormat() == Qt::PlainText && !QGuiApplication::overrideCursor();
      messages.push_back(plain ? box->text() : QStringLiteral("(markup or busy)"));
      heard.push_back(Heard(QAccessible::queryAccessibleInterface(box)));
      box->accept();
    });
    answerer.start(0);  // at every turn of the event loop, a modal one included
  }
  // A new window, which reads the locale once, as it opens.
  void Open(const QLocale& locale = QLocale(QLocale::English, QLocale::UnitedStates),
            QScreen* screen = nullptr) {
    QLocale::setDefault(locale);
    window = std::make_unique<Form1>();
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    if (screen) {
      window->setScreen(screen);
      window->move(screen->availableGeometry().topLeft() + QPoint(100, 60));
    }
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  }

  QWidget* Find(const char* name) const { return window->findChild<QWidget*>(name); }
  QLineEdit* Box(const char* name) const { return qobject_cast<QLineEdit*>(Find(name)); }
  TranscriptView* Table() const { return window->findChild<TranscriptView*>(); }
  ResponseChart* Chart() const { return window->findChild<ResponseChart*>(); }
  // The transcript as the table shows it: the column names (after a
  // Compute), then each row's cells, as the transcript's text lays them out.
  QString Text() const {
    const QAbstractItemModel* model = Table()->Model();
    QStringList lines, cells;
    for (int column = 0; column < model->columnCount(); ++column)
      cells << model->headerData(column, Qt::Horizontal).toString();
    lines << (window->Book().Headed() ? cells.join(u'\t') : QString());
    for (int row = 0; row < model->rowCount(); ++row) {
      cells.clear();
      for (int column = 0; column < model->columnCount(); ++column)
        cells << model->index(row, column).data().toString();
      lines << cells.join(u'\t');
    }
    return lines.join(QStringLiteral("\r\n"));
  }
  QStringList Lines() const { return Text().split("\r\n"); }
  // The window's announcer, or a widget's own: in the status bar it makes in
  // it, not one of a widget inside.
  Announcer* Voice(const QWidget* widget = nullptr) const {
    const QWidget* in = widget ? widget : window.get();
    const auto* bar = in->findChild<QWidget*>("announcer-bar", Qt::FindDirectChildrenOnly);
    return bar ? bar->findChild<Announcer*>() : nullptr;
  }
  // What the window's notification, or a widget's, says now, or nothing.
  QString Said(const QWidget* widget = nullptr) const {
    auto* said = QAccessible::queryAccessibleInterface(Voice(widget));
    return said->childCount() == 1 ? said->child(0)->text(QAccessible::Name) : QString();
  }
  void Click(const char* button) const { QTest::mouseClick(Find(button), Qt::LeftButton); }
  // The texts typed into their boxes, then the button pressed.
  void Press(const char* button, const std::vector<std::pair<const char*, const char*>>& boxes) {
    for (const auto& [box, text] : boxes) Box(box)->setText(QString::fromUtf8(text));
    Click(button);
  }
  // Each control where its twips put it; a label larger where its caption needs it.
  void ExpectPlaces(double scale) const {
    for (const char* control : kControls) {
      const QStringList f = QString(control).split(u' ');
      QWidget* widget = Find(f[0].toLatin1());
      const auto px = [&](int i) { return qRound(f[i].toInt() * scale / 15); };
      EXPECT_EQ(widget->pos(), QPoint(px(2), px(3))) << control << " at " << scale;
      const QSize drawn(px(4), px(5));
      EXPECT_EQ(widget->size(),
                qobject_cast<QLabel*>(widget) ? drawn.expandedTo(widget->sizeHint()) : drawn)
          << control << " at " << scale;
    }
  }
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

  // Every text a screen reader can have of an object and of all within it,
  // as Qt's AT-SPI bridge hands them on: a value only where there is one to
  // read (a message box keeps its text as its value, which no reader gets).
  static QString Heard(QAccessibleInterface* object) {
    QString texts = object->text(QAccessible::Name) + u'\n';
    texts += object->text(QAccessible::Description) + u'\n';
    if (object->valueInterface()) texts += object->text(QAccessible::Value) + u'\n';
    if (QAccessibleTextInterface* text = object->textInterface())
      texts += text->text(0, text->characterCount()) + u'\n';
    for (int i = 0; i < object->childCount(); ++i) texts += Heard(object->child(i));
    return texts;
  }

  QTimer answerer;
  std::vector<QString> messages;
  std::vector<QString> heard;  // by the message boxes, as messages
  std::unique_ptr<Form1> window;
};

}  // namespace corvale

#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <memory>

#include "form1.h"

namespace corvale::testing_support {

// Answers every message box the window opens and remembers what it said, so
// no test ever waits on a modal dialog.
class MessageBoxAnswerer {
 public:
  MessageBoxAnswerer() {
    timer_.setInterval(0);  // at every turn of the event loop, a modal one included
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!box) return;
      messages.push_back(box->text());
      plainText.push_back(box->textFormat() == Qt::PlainText);
      titles.push_back(box->windowTitle());
      busyWhileShown.push_back(QGuiApplication::overrideCursor() != nullptr);
      box->accept();
    });
    timer_.start();
  }

  std::vector<QString> messages;
  std::vector<bool> plainText;
  std::vector<QString> titles;
  std::vector<bool> busyWhileShown;  // the busy cursor must be gone before a message

 private:
  QTimer timer_;
};

// A fresh window per test, shown and active, with its controls found by name.
class WindowTest : public testing::Test {
 protected:
  void SetUp() override { Open(); }

  void TearDown() override {
    window.reset();
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "a dialog was left open";
  }

  void Open() {
    window = std::make_unique<Form1>();
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  }

  template <typename Widget = QWidget>
  Widget* Find(const char* name) const {
    auto* widget = window->findChild<Widget*>(QLatin1String(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
  }

  QLineEdit* Box(const char* name) const { return Find<QLineEdit>(name); }
  QPlainTextEdit* Transcript() const { return Find<QPlainTextEdit>("cwin"); }
  void Click(const char* button) const {
    QTest::mouseClick(Find<QPushButton>(button), Qt::LeftButton);
  }
  QStringList Lines() const { return Transcript()->toPlainText().split(QLatin1Char('\n')); }
  // The box's and the transcript's texts and the state, to show that nothing changed.
  struct Snapshot {
    QString transcript;
    LoopState state;
    bool operator==(const Snapshot&) const = default;
  };
  Snapshot Take() const { return {Transcript()->toPlainText(), window->State()}; }

  std::unique_ptr<Form1> window;
};

}  // namespace corvale::testing_support

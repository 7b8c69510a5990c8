// The real window on the offscreen platform's 1280 × 800 projector screen, which
// tests/window/offscreen_screens.json gives it beside its own; skipped where
// QT_QPA_PLATFORM names a platform without it.
#pragma once

#include "tests/window/window_fixture.h"

namespace corvale {

class Projector : public Window {
 protected:
  void SetUp() override {
    for (QScreen* candidate : QGuiApplication::screens())
      if (candidate->name() == QLatin1String("projector")) screen = candidate;
    if (!screen) GTEST_SKIP() << "no projector screen: QT_QPA_PLATFORM names another platform";
    AnswerMessages();
    Open(QLocale(QLocale::English, QLocale::UnitedStates), screen);
    pointSize = Box("Loops")->font().pointSizeF();
  }

  QTabBar* Switch() const { return window->findChild<QTabBar*>("view-switch"); }
  QStringList Tabs() const {
    QStringList tabs;
    for (int i = 0; i < Switch()->count(); ++i) tabs << Switch()->tabText(i);
    return Switch()->isVisible() ? tabs : QStringList();
  }
  double Scale() const { return Box("Loops")->font().pointSizeF() / pointSize; }
  bool Beside(const char* name) const {
    QWidget* const widget = Find(name);
    return widget->parentWidget() == window.get() && widget->isVisible();
  }
  static void Settle() {
    for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();  // the window manager's part
  }
  void Press(char key) const {  // '+', '-' or '0' with Ctrl
    QTest::keyClick(Box("Loops"), key, Qt::ControlModifier);
    Settle();
  }
  void Enlarge(QSize size) const { window->resize(size), Settle(); }
  void Maximise() const { window->showMaximized(), Settle(); }
  void ExpectEverythingInside() const {
    const QRect client(QPoint(), window->size());
    for (const char* control : kControls) {
      const QString name = QString(control).section(u' ', 0, 0);
      EXPECT_TRUE(client.contains(Find(name.toLatin1())->geometry())) << control;
    }
    for (const char* name : {"chart", "comparison"})
      EXPECT_TRUE(!Beside(name) || client.contains(Find(name)->geometry())) << name;
    EXPECT_TRUE(screen->availableGeometry().contains(window->frameGeometry()));
  }

  QScreen* screen = nullptr;
  qreal pointSize = 0;
};

}  // namespace corvale

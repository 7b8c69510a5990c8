// The real window with its chart shown behind the box's switch, and the chart's menu as the user
// meets it, opened afresh.
#pragma once

#include <QMenu>
#include <memory>

#include "tests/window/window_fixture.h"

namespace corvale {

class ChartMenu : public Window {
 protected:
  void SetUp() override {
    Window::SetUp();
    chart = Chart();
    window->findChild<QTabBar*>("view-switch")->setCurrentIndex(1);
  }
  void TearDown() override { menu.reset(), Window::TearDown(); }
  void Compute(const char* kp) { Press("Command1", {{"guiKP", kp}, {"Loops", "30"}}); }
  // From a menu opened afresh, as the user would meet it.
  QAction* Action(const char* name) {
    menu.reset(chart->CreateContextMenu());
    return menu->findChild<QAction*>(name);
  }
  const QMimeData* Clipboard() const { return QGuiApplication::clipboard()->mimeData(); }

  ResponseChart* chart = nullptr;
  std::unique_ptr<QMenu> menu;
};

}  // namespace corvale

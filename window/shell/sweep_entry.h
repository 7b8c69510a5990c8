#pragma once

#include <QObject>
#include <functional>
#include <vector>

#include "form/box.h"

class QLineEdit;
class QMenu;
class QWidget;

namespace corvale {

class Announcer;

// Where a sweep is asked for: "Sweep…" in the context menu of each box a
// sweep can vary, that box chosen, and a key anywhere in the window
// (SweepKey), the focused box chosen where it is one, else the box swept
// last, else Kp. Every box's menu opens by the mouse, the Menu key or
// Shift+F10, and is spoken as it opens.
class SweepEntry : public QObject {
  Q_OBJECT

 public:
  // `boxes`: by Box, the window's. `sweep`: opens the dialog for that box.
  // `announcer` says a menu as it opens; it outlives this.
  SweepEntry(QWidget* window, std::vector<std::pair<Box, QLineEdit*>> boxes,
             std::function<void(Box)> sweep, Announcer* announcer);

  // Adds the entry to a menu, asking for a sweep of `box`.
  void AddTo(QMenu* menu, Box box);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Sweep(Box box);

  QWidget* window_;
  std::vector<std::pair<Box, QLineEdit*>> boxes_;
  std::function<void(Box)> sweep_;
  Announcer* announcer_;
  Box last_ = Box::Kp;
};

}  // namespace corvale

#pragma once

#include <QObject>
#include <functional>
#include <vector>

class QKeyEvent;
class QPushButton;
class QString;
class QWidget;

namespace corvale {

// The keys and the wheel that work wherever they are typed or turned in a
// window: Ctrl with +, -, 0 or the wheel zooms it; Ctrl+Enter presses the
// first button and Ctrl+Shift+Enter the second, the keypad's Enter too; F1
// explains the control that has the focus, shown as its tooltip and spoken;
// and Enter presses a focused command button, as Space does (in a box it
// still presses nothing, for no button is a default one). Alt with a letter
// that names no shortcut types nothing into a box.
class WindowKeys : public QObject {
 public:
  // `zoomBy`: steps larger (> 0), smaller, or as the window opened (0).
  // `say`: speaks a text to a screen reader. The window owns it, and lets it
  // go before its widgets.
  WindowKeys(QWidget* window, std::vector<QPushButton*> buttons,
             std::function<void(int steps)> zoomBy, std::function<void(const QString&)> say);
  ~WindowKeys() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool PressesButton(QObject* watched, const QKeyEvent& key) const;
  // Ctrl+Enter and Ctrl+Shift+Enter, wherever the focus is.
  bool PressesShortcut(QEvent* event, const QKeyEvent& key) const;
  // F1: the tooltip of the focused control or the nearest of its parents.
  void Explain(QWidget* focus) const;

  QWidget* window_;
  std::vector<QPushButton*> buttons_;
  std::function<void(int)> zoomBy_;
  std::function<void(const QString&)> say_;
  int wheelAngle_ = 0;  // what the wheel turned short of a whole step
};

}  // namespace corvale

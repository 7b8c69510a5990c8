#pragma once

#include <QObject>
#include <functional>
#include <vector>

class QKeyEvent;
class QPushButton;
class QWidget;

namespace corvale {

// The keys and the wheel that work wherever they are typed or turned in a
// window: Ctrl with +, -, 0 or the wheel zooms it, and Enter presses a
// focused command button, as Space does (in a box it still presses nothing,
// for no button is a default one).
class WindowKeys : public QObject {
 public:
  // `zoomBy`: steps larger (> 0), smaller, or as the window opened (0). The
  // window owns it, and lets it go before its widgets.
  WindowKeys(QWidget* window, std::vector<QPushButton*> buttons,
             std::function<void(int steps)> zoomBy);
  ~WindowKeys() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool PressesButton(QObject* watched, const QKeyEvent& key) const;

  QWidget* window_;
  std::vector<QPushButton*> buttons_;
  std::function<void(int)> zoomBy_;
  int wheelAngle_ = 0;  // what the wheel turned short of a whole step
};

}  // namespace corvale

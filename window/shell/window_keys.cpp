#include "window/shell/window_keys.h"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QToolTip>
#include <QWheelEvent>
#include <algorithm>

namespace corvale {
namespace {

constexpr int kWheelStep = 120;  // one notch of an ordinary wheel, in eighths of a degree

bool IsEnter(const QKeyEvent& key) {
  return key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter;
}

// The modifiers held, the keypad's own set aside: its Enter is Enter.
Qt::KeyboardModifiers Held(const QKeyEvent& key) { return key.modifiers() & ~Qt::KeypadModifier; }

// A key the window acts on: claimed before any widget can take it as a
// shortcut, and acted on once, on its press.
template <typename Act>
bool Claim(QEvent* event, Act act) {
  if (event->type() == QEvent::KeyPress) act();
  event->accept();
  return event->type() == QEvent::KeyPress;
}

// Alt with a letter that no mnemonic took would be typed into a box as the
// letter alone (Alt with Ctrl is AltGr on some systems, and types).
bool TypesUnderAlt(QObject* watched, const QKeyEvent& key) {
  return key.type() == QEvent::KeyPress && qobject_cast<QLineEdit*>(watched) &&
         (key.modifiers() & Qt::AltModifier) && !(key.modifiers() & Qt::ControlModifier) &&
         !key.text().isEmpty() && key.text().at(0).isPrint();
}

}  // namespace

WindowKeys::WindowKeys(QWidget* window, std::vector<QPushButton*> buttons,
                       std::function<void(int steps)> zoomBy,
                       std::function<void(const QString&)> say)
    : window_(window),
      buttons_(std::move(buttons)),
      zoomBy_(std::move(zoomBy)),
      say_(std::move(say)) {
  // Seen before any widget of the window can take them as its own.
  QCoreApplication::instance()->installEventFilter(this);
}

WindowKeys::~WindowKeys() { QCoreApplication::instance()->removeEventFilter(this); }

bool WindowKeys::eventFilter(QObject* watched, QEvent* event) {
  auto* widget = qobject_cast<QWidget*>(watched);
  if (!widget || widget->window() != window_) return false;
  if (event->type() == QEvent::Wheel) {
    auto* wheel = static_cast<QWheelEvent*>(event);
    if (!(wheel->modifiers() & Qt::ControlModifier)) return false;
    // A touchpad turns in small amounts: they add up to whole steps.
    wheelAngle_ += wheel->angleDelta().y();
    const int steps = wheelAngle_ / kWheelStep;
    wheelAngle_ -= steps * kWheelStep;
    if (steps != 0) zoomBy_(steps);
    return true;
  }
  if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride) return false;
  auto* key = static_cast<QKeyEvent*>(event);
  if (PressesButton(watched, *key) || PressesShortcut(event, *key)) return true;
  if (key->key() == Qt::Key_F1 && Held(*key) == Qt::NoModifier) {
    return Claim(event, [this, widget] { Explain(widget); });
  }
  if (TypesUnderAlt(watched, *key)) return true;
  if (!(key->modifiers() & Qt::ControlModifier)) return false;
  int steps = 0;
  switch (key->key()) {
    case Qt::Key_Plus:
    case Qt::Key_Equal:  // + without Shift on many keyboards
      steps = 1;
      break;
    case Qt::Key_Minus:
      steps = -1;
      break;
    case Qt::Key_0:  // as it opened
      break;
    default:
      return false;
  }
  return Claim(event, [this, steps] { zoomBy_(steps); });
}

bool WindowKeys::PressesButton(QObject* watched, const QKeyEvent& key) const {
  const auto button = std::find(buttons_.begin(), buttons_.end(), watched);
  if (button == buttons_.end()) return false;
  if (!IsEnter(key) || Held(key) != Qt::NoModifier) return false;
  if (key.type() == QEvent::KeyPress) (*button)->click();
  return key.type() == QEvent::KeyPress;
}

bool WindowKeys::PressesShortcut(QEvent* event, const QKeyEvent& key) const {
  if (!IsEnter(key)) return false;
  std::size_t index = 0;
  if (Held(key) == Qt::ControlModifier) {
    index = 0;
  } else if (Held(key) == (Qt::ControlModifier | Qt::ShiftModifier)) {
    index = 1;
  } else {
    return false;
  }
  if (index >= buttons_.size()) return false;
  QPushButton* const button = buttons_[index];
  return Claim(event, [button] { button->click(); });
}

void WindowKeys::Explain(QWidget* focus) const {
  QWidget* about = focus;
  while (about && about != window_ && about->toolTip().isEmpty()) about = about->parentWidget();
  QString text = about ? about->toolTip() : QString();
  if (text.isEmpty()) {
    if (QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(focus)) {
      text = accessible->text(QAccessible::Description);
    }
  }
  if (text.isEmpty()) return;
  QToolTip::showText(focus->mapToGlobal(QPoint(0, focus->height())), text, focus);
  say_(text);
}

}  // namespace corvale

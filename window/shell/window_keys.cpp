#include "window/shell/window_keys.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QWheelEvent>
#include <algorithm>

namespace corvale {
namespace {

constexpr int kWheelStep = 120;  // one notch of an ordinary wheel, in eighths of a degree

}  // namespace

WindowKeys::WindowKeys(QWidget* window, std::vector<QPushButton*> buttons,
                       std::function<void(int steps)> zoomBy)
    : window_(window), buttons_(std::move(buttons)), zoomBy_(std::move(zoomBy)) {
  // Seen before any widget of the window can take them as its own.
  QCoreApplication::instance()->installEventFilter(this);
}

WindowKeys::~WindowKeys() { QCoreApplication::instance()->removeEventFilter(this); }

bool WindowKeys::eventFilter(QObject* watched, QEvent* event) {
  const auto* widget = qobject_cast<QWidget*>(watched);
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
  if (PressesButton(watched, *key)) return true;
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
  // Claimed before any box can take it as a shortcut, acted on once.
  if (event->type() == QEvent::KeyPress) zoomBy_(steps);
  event->accept();
  return event->type() == QEvent::KeyPress;
}

bool WindowKeys::PressesButton(QObject* watched, const QKeyEvent& key) const {
  const auto button = std::find(buttons_.begin(), buttons_.end(), watched);
  if (button == buttons_.end()) return false;
  const bool enter = key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter;
  if (!enter || (key.modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) return false;
  if (key.type() == QEvent::KeyPress) (*button)->click();
  return key.type() == QEvent::KeyPress;
}

}  // namespace corvale

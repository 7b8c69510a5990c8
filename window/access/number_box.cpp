#include "window/access/number_box.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QSignalBlocker>
#include <QWheelEvent>

#include "window/access/box_accessible.h"

namespace corvale {
namespace {

bool SelectsAll(Qt::FocusReason reason) {
  return reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
         reason == Qt::ShortcutFocusReason;
}

// The line edit's text control, which tells of each change of the selection.
QObject* LineControl(QLineEdit* edit) {
  for (QObject* child : edit->children()) {
    if (qstrcmp(child->metaObject()->className(), "QWidgetLineControl") == 0) return child;
  }
  return nullptr;
}

constexpr int kWheelNotch = 120;  // eighths of a degree

// The units a key steps by; none for any other key.
int UnitsOf(const QKeyEvent& event) {
  const Qt::KeyboardModifiers modifiers = event.modifiers() & ~Qt::KeypadModifier;
  if (modifiers != Qt::NoModifier && modifiers != Qt::ShiftModifier) return 0;
  const int tens = modifiers == Qt::ShiftModifier ? 10 : 1;
  switch (event.key()) {
    case Qt::Key_Up:
      return tens;
    case Qt::Key_Down:
      return -tens;
    case Qt::Key_PageUp:
      return 10 * tens;
    case Qt::Key_PageDown:
      return -10 * tens;
    default:
      return 0;
  }
}

}  // namespace

NumberBox::NumberBox(QWidget* parent) : QLineEdit(parent) { InstallBoxAccessible(); }

template <typename Change>
void NumberBox::Quietly(Change change) {
  const QSignalBlocker quiet(LineControl(this));
  change();
  update();
}

void NumberBox::focusInEvent(QFocusEvent* event) {
  // Selected before the line edit sees the focus, which then finds it so.
  if (SelectsAll(event->reason()) && !hasSelectedText() && inputMask().isEmpty()) {
    Quietly([this] { selectAll(); });
  }
  QLineEdit::focusInEvent(event);
}

void NumberBox::focusOutEvent(QFocusEvent* event) {
  const Qt::FocusReason reason = event->reason();
  if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
    Quietly([this] { deselect(); });
  }
  QLineEdit::focusOutEvent(event);
}

void NumberBox::keyPressEvent(QKeyEvent* event) {
  const int units = UnitsOf(*event);
  if (units == 0 || isReadOnly()) {
    QLineEdit::keyPressEvent(event);
    return;
  }
  event->accept();
  emit StepRequested(units);
}

void NumberBox::wheelEvent(QWheelEvent* event) {
  // Ctrl with the wheel zooms the window, which sees it first.
  if (isReadOnly() || !isEnabled() || (event->modifiers() & ~Qt::ShiftModifier)) {
    QLineEdit::wheelEvent(event);
    return;
  }
  event->accept();
  // Some systems turn Shift's wheel sideways.
  const QPoint angle = event->angleDelta();
  wheelAngle_ += angle.y() != 0 ? angle.y() : angle.x();
  const int notches = wheelAngle_ / kWheelNotch;
  wheelAngle_ -= notches * kWheelNotch;
  if (notches == 0) return;
  // The box turned is the one its steps are heard in and undone from.
  if (!hasFocus()) setFocus(Qt::MouseFocusReason);
  emit StepRequested(notches * (event->modifiers() & Qt::ShiftModifier ? 10 : 1));
}

}  // namespace corvale

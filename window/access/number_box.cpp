#include "window/access/number_box.h"

#include <QFocusEvent>
#include <QSignalBlocker>

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

}  // namespace corvale

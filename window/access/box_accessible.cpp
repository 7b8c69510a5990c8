#include "window/access/box_accessible.h"

#include <QFontMetrics>
#include <QLineEdit>
#include <algorithm>

#include "window/access/number_box.h"

namespace corvale {
namespace {

QAccessibleInterface* BoxFactory(const QString& className, QObject* object) {
  if (className != QLatin1String(NumberBox::staticMetaObject.className())) return nullptr;
  return new BoxAccessible(static_cast<QLineEdit*>(object));
}

}  // namespace

void InstallBoxAccessible() {
  // Installed once the application exists, so that it is asked before Qt's own.
  static const bool installed = [] {
    QAccessible::installFactory(BoxFactory);
    return true;
  }();
  Q_UNUSED(installed);
}

BoxAccessible::BoxAccessible(QLineEdit* edit)
    : QAccessibleWidget(edit, QAccessible::EditableText) {}

QLineEdit* BoxAccessible::Edit() const { return static_cast<QLineEdit*>(widget()); }

void* BoxAccessible::interface_cast(QAccessible::InterfaceType type) {
  if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
  if (type == QAccessible::EditableTextInterface) {
    return static_cast<QAccessibleEditableTextInterface*>(this);
  }
  return QAccessibleWidget::interface_cast(type);
}

QAccessible::State BoxAccessible::state() const {
  QAccessible::State state = QAccessibleWidget::state();
  state.editable = !Edit()->isReadOnly();
  state.readOnly = Edit()->isReadOnly();
  state.selectableText = true;
  state.passwordEdit = Edit()->echoMode() != QLineEdit::Normal;
  return state;
}

QString BoxAccessible::text(QAccessible::Text type) const {
  if (type == QAccessible::Value) return Edit()->text();
  return QAccessibleWidget::text(type);
}

void BoxAccessible::setText(QAccessible::Text type, const QString& text) {
  if (type == QAccessible::Value) {
    Edit()->setText(text);
  } else {
    QAccessibleWidget::setText(type, text);
  }
}

void BoxAccessible::selection(int selectionIndex, int* startOffset, int* endOffset) const {
  *startOffset = *endOffset = 0;
  if (selectionIndex != 0 || !Edit()->hasSelectedText()) return;
  *startOffset = Edit()->selectionStart();
  *endOffset = Edit()->selectionEnd();
}

int BoxAccessible::selectionCount() const { return Edit()->hasSelectedText() ? 1 : 0; }

void BoxAccessible::addSelection(int startOffset, int endOffset) {
  setSelection(0, startOffset, endOffset);
}

void BoxAccessible::removeSelection(int selectionIndex) {
  if (selectionIndex == 0) Edit()->deselect();
}

void BoxAccessible::setSelection(int selectionIndex, int startOffset, int endOffset) {
  if (selectionIndex != 0) return;
  Edit()->setSelection(startOffset, endOffset - startOffset);
}

int BoxAccessible::cursorPosition() const { return Edit()->cursorPosition(); }

void BoxAccessible::setCursorPosition(int position) { Edit()->setCursorPosition(position); }

QString BoxAccessible::text(int startOffset, int endOffset) const {
  if (startOffset > endOffset) return QString();
  return Edit()->text().mid(startOffset, endOffset - startOffset);
}

int BoxAccessible::characterCount() const { return static_cast<int>(Edit()->text().size()); }

QRect BoxAccessible::characterRect(int offset) const {
  // Measured from the caret, which the line edit places, scrolling and all.
  const QString text = Edit()->text();
  if (offset < 0 || offset >= text.size()) return QRect();
  const QFontMetrics metrics(Edit()->font());
  const QRect caret = Edit()->inputMethodQuery(Qt::ImCursorRectangle).toRect();
  const int x = caret.center().x() + metrics.horizontalAdvance(text.left(offset)) -
                metrics.horizontalAdvance(text.left(Edit()->cursorPosition()));
  const QRect local(x, caret.top(), metrics.horizontalAdvance(text.at(offset)), caret.height());
  return QRect(Edit()->mapToGlobal(local.topLeft()), local.size());
}

int BoxAccessible::offsetAtPoint(const QPoint& point) const {
  return Edit()->cursorPositionAt(Edit()->mapFromGlobal(point));
}

void BoxAccessible::scrollToSubstring(int startIndex, int endIndex) {
  Q_UNUSED(startIndex);
  Edit()->setCursorPosition(endIndex);
}

QString BoxAccessible::attributes(int offset, int* startOffset, int* endOffset) const {
  // One run, without attributes, over the whole text.
  Q_UNUSED(offset);
  *startOffset = 0;
  *endOffset = characterCount();
  return QString();
}

void BoxAccessible::deleteText(int startOffset, int endOffset) {
  replaceText(startOffset, endOffset, QString());
}

void BoxAccessible::insertText(int offset, const QString& text) {
  replaceText(offset, offset, text);
}

void BoxAccessible::replaceText(int startOffset, int endOffset, const QString& text) {
  // As if typed over a selection: the box's undo takes it back.
  Edit()->setSelection(startOffset, std::max(0, endOffset - startOffset));
  Edit()->insert(text);
}

}  // namespace corvale

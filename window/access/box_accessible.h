#pragma once

#include <QAccessibleWidget>

class QLineEdit;

namespace corvale {

// A line edit as a screen reader reads it: its label, then its whole text.
// Qt 6.4's own gives each character an attribute run of no length, and Orca,
// which speaks a line run by run, drops its last character ("Loops text. 10"
// for 100); here the text is one run, start to end.
class BoxAccessible : public QAccessibleWidget,
                      public QAccessibleTextInterface,
                      public QAccessibleEditableTextInterface {
 public:
  explicit BoxAccessible(QLineEdit* edit);

  void* interface_cast(QAccessible::InterfaceType type) override;
  QAccessible::State state() const override;
  QString text(QAccessible::Text type) const override;
  void setText(QAccessible::Text type, const QString& text) override;

  void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
  int selectionCount() const override;
  void addSelection(int startOffset, int endOffset) override;
  void removeSelection(int selectionIndex) override;
  void setSelection(int selectionIndex, int startOffset, int endOffset) override;
  int cursorPosition() const override;
  void setCursorPosition(int position) override;
  QString text(int startOffset, int endOffset) const override;
  int characterCount() const override;
  QRect characterRect(int offset) const override;
  int offsetAtPoint(const QPoint& point) const override;
  void scrollToSubstring(int startIndex, int endIndex) override;
  QString attributes(int offset, int* startOffset, int* endOffset) const override;

  void deleteText(int startOffset, int endOffset) override;
  void insertText(int offset, const QString& text) override;
  void replaceText(int startOffset, int endOffset, const QString& text) override;

 private:
  QLineEdit* Edit() const;
};

// Lets every NumberBox be read through a BoxAccessible; once is enough.
void InstallBoxAccessible();

}  // namespace corvale

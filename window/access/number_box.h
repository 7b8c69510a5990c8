#pragma once

#include <QLineEdit>

namespace corvale {

// One of the form's input boxes. Tab selects its whole text and leaving it
// drops the selection, as a line edit does, but without telling a screen
// reader of either: it would speak "selected" before the box's label, and
// "unselected" for the box being left. The box's own accessible text says the
// rest on focus.
class NumberBox : public QLineEdit {
  Q_OBJECT

 public:
  explicit NumberBox(QWidget* parent = nullptr);

 signals:
  // A step of the digit the caret stands after, asked for: Up or Down one
  // unit of it, with Shift ten; Page Up or Down ten, with Shift a hundred;
  // each notch of the wheel over the box as Up or Down. The box's owner
  // changes the text.
  void StepRequested(int units);

 protected:
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  // Runs `change` to the selection with the line edit's selection signals,
  // and so its accessibility event, held back.
  template <typename Change>
  void Quietly(Change change);

  int wheelAngle_ = 0;  // what the wheel turned short of a whole notch
};

}  // namespace corvale

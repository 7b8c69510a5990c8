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

 protected:
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  // Runs `change` to the selection with the line edit's selection signals,
  // and so its accessibility event, held back.
  template <typename Change>
  void Quietly(Change change);
};

}  // namespace corvale

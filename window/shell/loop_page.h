#pragma once

#include <QWidget>
#include <array>
#include <vector>

#include "form/form_fields.h"
#include "simulation/number_format.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace corvale {

// The plant and the loop's options, a page beside the table: the plant by
// name or by its numbers, the cure for windup, D on PV, a load step and
// noise. Every control is labelled, so that a screen reader names it.
class LoopPage : public QWidget {
  Q_OBJECT

 public:
  explicit LoopPage(const NumberFormat& numbers, QWidget* parent = nullptr);

  // The page's box for one of the options, null for the form's own five.
  QLineEdit* BoxFor(Box box) const { return boxes_[IndexOf(box)]; }
  FormFields::Choices Choices() const;
  // The page's controls in the order Tab takes them.
  const std::vector<QWidget*>& FocusOrder() const { return order_; }

 signals:
  // What a choice changed, in words: a screen reader is told nothing of a
  // combo box's new value.
  void Changed(const QString& sentence);

 private:
  void ChoosePlant(int index);
  // The name of the plant the numbers make, or "own values".
  void NamePlant();

  NumberFormat numbers_;
  std::array<QLineEdit*, kBoxCount> boxes_{};
  QComboBox* plant_;
  QComboBox* antiWindup_;
  QCheckBox* derivativeOnPv_;
  std::vector<QWidget*> order_;
};

}  // namespace corvale

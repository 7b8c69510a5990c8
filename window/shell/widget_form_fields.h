#pragma once

#include <QLocale>
#include <array>

#include "form/form_fields.h"
#include "simulation/number_format.h"

class QLineEdit;

namespace corvale {

// How `locale` reads and writes numbers, as the lab book and the boxes' texts
// take them: the window asks once, as it opens.
NumberFormat NumbersOf(const QLocale& locale);

// The commands' view of the window's boxes.
class WidgetFormFields final : public FormFields {
 public:
  // The boxes in the order of Box; only read.
  explicit WidgetFormFields(std::array<QLineEdit*, kBoxCount> boxes) : boxes_(boxes) {}

  std::string ReadBox(Box box) const override;

 private:
  std::array<QLineEdit*, kBoxCount> boxes_;
};

}  // namespace corvale

#pragma once

#include <QLocale>
#include <array>
#include <functional>
#include <utility>

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
  // The boxes in the order of Box, and where the loop's choices are read;
  // only read.
  explicit WidgetFormFields(std::array<QLineEdit*, kBoxCount> boxes,
                            std::function<Choices()> choices = {})
      : boxes_(boxes), choices_(std::move(choices)) {}

  std::string ReadBox(Box box) const override;
  Choices ReadChoices() const override { return choices_ ? choices_() : Choices{}; }

 private:
  std::array<QLineEdit*, kBoxCount> boxes_;
  std::function<Choices()> choices_;
};

}  // namespace corvale

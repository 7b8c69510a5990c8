#pragma once

#include <array>
#include <string>

#include "form/form_fields.h"
#include "simulation/number_format.h"

namespace corvale {

// Form fields held in memory, for running the commands without a window.
class MemoryFormFields : public FormFields {
 public:
  // Starts with the window's initial texts, written as `numbers` has them.
  explicit MemoryFormFields(const NumberFormat& numbers = {});

  void SetBox(Box box, std::string text);
  std::string ReadBox(Box box) const override;
  void SetChoices(Choices choices) { choices_ = choices; }
  Choices ReadChoices() const override { return choices_; }

 private:
  std::array<std::string, kBoxCount> boxes_;
  Choices choices_;
};

}  // namespace corvale

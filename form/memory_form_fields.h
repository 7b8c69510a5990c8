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

 private:
  std::array<std::string, kBoxCount> boxes_;
};

}  // namespace corvale

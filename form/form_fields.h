#pragma once

#include <string>

#include "form/box.h"

namespace corvale {

// The commands' whole view of the window: the input boxes' texts, UTF-8, as
// typed. Everything else a command changes is the lab book's.
class FormFields {
 public:
  virtual ~FormFields() = default;

  virtual std::string ReadBox(Box box) const = 0;
};

}  // namespace corvale

#pragma once

#include <string>

#include "form/box.h"
#include "simulation/loop_options.h"

namespace corvale {

// The commands' whole view of the window: the input boxes' texts, UTF-8, as
// typed. Everything else a command changes is the lab book's.
class FormFields {
 public:
  virtual ~FormFields() = default;

  virtual std::string ReadBox(Box box) const = 0;

  // The loop's choices that are no numbers: which cure for windup, and
  // whether D acts on PV. The loop as it always was where a view has none.
  struct Choices {
    AntiWindup antiWindup = AntiWindup::None;
    bool derivativeOnPv = false;
  };
  virtual Choices ReadChoices() const { return {}; }
};

}  // namespace corvale

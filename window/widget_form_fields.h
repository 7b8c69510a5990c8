#pragma once

#include <array>

#include "form_fields.h"

class QLineEdit;
class QPlainTextEdit;

namespace corvale {

// The simulation's view of the window's controls.
class WidgetFormFields final : public FormFields {
 public:
  // The boxes in the order of Box: Kp, Ki, Kd, SP, Loops.
  WidgetFormFields(std::array<QLineEdit*, 5> boxes, QPlainTextEdit* transcript);

  std::string ReadBox(Box box) const override;
  // The box keeps its lines apart by paragraph; the transcript's CR LF is
  // given back here.
  std::string ReadTranscript() const override;
  void WriteTranscript(std::string_view text) override;
  // One insertion at the end of the document: its cost follows the rows
  // added, not the transcript already there.
  void AppendTranscript(std::string_view text) override;
  // The default locale's separator and minus sign, read at every run.
  NumberFormat Numbers() const override;

 private:
  std::array<QLineEdit*, 5> boxes_;  // only read
  QPlainTextEdit* transcript_;
};

}  // namespace corvale

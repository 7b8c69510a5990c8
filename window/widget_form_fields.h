#pragma once

#include <QLocale>
#include <array>

#include "form_fields.h"

class QLineEdit;

namespace corvale {

class TranscriptBox;

// The simulation's view of the window's controls.
class WidgetFormFields final : public FormFields {
 public:
  // The boxes in the order of Box: Kp, Ki, Kd, SP, Loops. Numbers are read
  // and written as `locale` does, for as long as the fields live.
  WidgetFormFields(std::array<QLineEdit*, std::size(kAllBoxes)> boxes, TranscriptBox* transcript,
                   const QLocale& locale = QLocale());

  std::string ReadBox(Box box) const override;
  // The box keeps its lines apart by paragraph; the transcript's CR LF is
  // given back here.
  std::string ReadTranscript() const override;
  // Kept as the text is written, not counted from the box: only these
  // fields write to it.
  std::size_t TranscriptLength() const override { return length_; }
  void WriteTranscript(std::string_view text) override;
  // One insertion at the end of the document: its cost follows the rows
  // added, not the transcript already there.
  void AppendTranscript(std::string text) override;
  NumberFormat Numbers() const override { return numbers_; }

 private:
  std::array<QLineEdit*, std::size(kAllBoxes)> boxes_;  // only read
  TranscriptBox* transcript_;
  NumberFormat numbers_;
  std::size_t length_ = 0;
};

}  // namespace corvale

#pragma once

#include <QLocale>
#include <array>

#include "form_fields.h"

class QLineEdit;

namespace corvale {

class TranscriptModel;

// The form's view of the window's controls.
class WidgetFormFields final : public FormFields {
 public:
  // The boxes in the order of Box. Numbers are read and written as `locale`
  // does, for as long as the fields live.
  WidgetFormFields(std::array<QLineEdit*, kBoxCount> boxes, TranscriptModel* transcript,
                   const QLocale& locale = QLocale());

  std::string ReadBox(Box box) const override;
  std::string ReadTranscript() const override;
  std::size_t TranscriptLength() const override;
  void WriteTranscript(std::string_view text) override;
  void AppendTranscript(std::string text) override;
  NumberFormat Numbers() const override { return numbers_; }

 private:
  std::array<QLineEdit*, kBoxCount> boxes_;  // only read
  TranscriptModel* transcript_;
  NumberFormat numbers_;
};

}  // namespace corvale

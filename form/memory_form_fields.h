#pragma once

#include <array>
#include <string>

#include "form_fields.h"

namespace corvale {

// Form fields held in memory, for running the simulation without a window.
class MemoryFormFields : public FormFields {
 public:
  // Starts with the window's initial texts and an empty transcript.
  explicit MemoryFormFields(NumberFormat numbers = {});

  void SetBox(Box box, std::string text);

  std::string ReadBox(Box box) const override;
  std::string ReadTranscript() const override;
  std::size_t TranscriptLength() const override;
  void WriteTranscript(std::string_view text) override;
  void AppendTranscript(std::string text) override;
  NumberFormat Numbers() const override;

 private:
  std::array<std::string, kBoxCount> boxes_;
  std::string transcript_;
  NumberFormat numbers_;
};

}  // namespace corvale

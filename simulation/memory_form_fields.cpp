#include "memory_form_fields.h"

#include <utility>

namespace corvale {

MemoryFormFields::MemoryFormFields(NumberFormat numbers) : numbers_(std::move(numbers)) {
  const std::string half = numbers_.decimalSeparator + "5";
  SetBox(Box::Kp, half);
  SetBox(Box::Ki, half);
  SetBox(Box::Kd, half);
  SetBox(Box::SP, "5");
  SetBox(Box::Loops, "100");
}

void MemoryFormFields::SetBox(Box box, std::string text) {
  boxes_[static_cast<std::size_t>(box)] = std::move(text);
}

std::string MemoryFormFields::ReadBox(Box box) const {
  return boxes_[static_cast<std::size_t>(box)];
}

std::string MemoryFormFields::ReadTranscript() const { return transcript_; }

void MemoryFormFields::WriteTranscript(std::string_view text) { transcript_ = text; }

void MemoryFormFields::AppendTranscript(std::string_view text) { transcript_ += text; }

NumberFormat MemoryFormFields::Numbers() const { return numbers_; }

}  // namespace corvale

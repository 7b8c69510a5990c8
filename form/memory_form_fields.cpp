#include "memory_form_fields.h"

#include <utility>

namespace corvale {

MemoryFormFields::MemoryFormFields(NumberFormat numbers) : numbers_(std::move(numbers)) {
  for (const BoxDescription& box : kBoxes) SetBox(box.box, InitialText(box.box, numbers_));
}

void MemoryFormFields::SetBox(Box box, std::string text) { boxes_[IndexOf(box)] = std::move(text); }

std::string MemoryFormFields::ReadBox(Box box) const { return boxes_[IndexOf(box)]; }

std::string MemoryFormFields::ReadTranscript() const { return transcript_; }

std::size_t MemoryFormFields::TranscriptLength() const { return transcript_.size(); }

void MemoryFormFields::WriteTranscript(std::string_view text) { transcript_ = text; }

void MemoryFormFields::AppendTranscript(std::string text) { transcript_ += text; }

NumberFormat MemoryFormFields::Numbers() const { return numbers_; }

}  // namespace corvale

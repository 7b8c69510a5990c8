#include "form/memory_form_fields.h"

#include <utility>

namespace corvale {

MemoryFormFields::MemoryFormFields(const NumberFormat& numbers) {
  for (const BoxDescription& box : kBoxes) SetBox(box.box, InitialText(box.box, numbers));
}

void MemoryFormFields::SetBox(Box box, std::string text) { boxes_[IndexOf(box)] = std::move(text); }

std::string MemoryFormFields::ReadBox(Box box) const { return boxes_[IndexOf(box)]; }

}  // namespace corvale

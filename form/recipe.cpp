#include "form/recipe.h"

#include <utility>

namespace corvale {

void Recipe::Record(Command command, const FormFields& fields) {
  if (command == Command::Continue && commands_.empty()) return;
  if (command == Command::Compute) commands_.clear();
  MemoryFormFields texts;
  for (const BoxDescription& box : kBoxes) texts.SetBox(box.box, fields.ReadBox(box.box));
  texts.SetChoices(fields.ReadChoices());
  commands_.emplace_back(command, std::move(texts));
}

std::string Recipe::LastText(Box box) const {
  return commands_.empty() ? std::string() : commands_.back().second.ReadBox(box);
}

void Recipe::Take(Box box, std::string text) {
  if (!commands_.empty()) commands_.back().second.SetBox(box, std::move(text));
}

RunOutcome Recipe::Replay(LabBook& book, Box box, const std::string& text, bool keep) {
  if (commands_.empty()) return {};
  MemoryFormFields& last = commands_.back().second;
  const std::string before = last.ReadBox(box);
  last.SetBox(box, text);
  RunOutcome outcome = keep ? OnCompute(book, commands_.front().second)
                            : OnComputeInPlace(book, commands_.front().second);
  if (!outcome.change.newRun) {
    last.SetBox(box, before);  // nothing ran: the run is still the old text's
    return outcome;
  }
  for (std::size_t i = 1; i < commands_.size() && outcome.ok(); ++i) {
    RunOutcome next = OnContinue(book, commands_[i].second);
    outcome.change += next.change;
    outcome.failure = std::move(next.failure);
  }
  return outcome;
}

}  // namespace corvale

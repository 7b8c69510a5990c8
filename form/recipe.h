#pragma once

#include <string>
#include <utility>
#include <vector>

#include "form/commands.h"
#include "form/memory_form_fields.h"

namespace corvale {

// What made the current run: its Compute and each Continue after it, each
// with every box's text and the loop's choices as that command read them, so
// that the run can be made again with one box changed.
class Recipe {
 public:
  enum class Command { Compute, Continue };

  // After a command that began a run (a Compute) or added rows to it (a
  // Continue); a Continue before any Compute is not recorded, as no recipe
  // could start from it.
  void Record(Command command, const FormFields& fields);
  void Clear() { commands_.clear(); }
  bool Empty() const { return commands_.empty(); }
  std::size_t Size() const { return commands_.size(); }
  // The text the last command read in `box`.
  std::string LastText(Box box) const;
  // From now on the last command reads `text` in `box`, run or not: a change
  // still waiting when another box changes is run with the other's.
  void Take(Box box, std::string text);

  // The run made again: the Compute, keeping the current run among the kept
  // ones when `keep`, replacing it otherwise, then each Continue, each with
  // its own texts but the last, which reads `text` in `box`. It stops at the
  // first command that fails, with what the ones before changed. Once the
  // run began afresh, the recipe holds the new text.
  RunOutcome Replay(LabBook& book, Box box, const std::string& text, bool keep);

 private:
  std::vector<std::pair<Command, MemoryFormFields>> commands_;
};

}  // namespace corvale

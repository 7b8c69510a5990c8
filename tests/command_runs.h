// Runs as a user makes them: "C Kp Ki Kd SP Loops" for a Compute, "+ ..." for
// a Continue, their rows kept as the window keeps its runs.
#pragma once

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "commands.h"
#include "memory_form_fields.h"
#include "run_history.h"

namespace corvale {

// The parts of a text between the separators.
inline std::vector<std::string> Split(std::string_view text, std::string_view separator) {
  std::vector<std::string> parts;
  for (std::size_t end; (end = text.find(separator)) != text.npos;) {
    parts.emplace_back(text.substr(0, end));
    text.remove_prefix(end + separator.size());
  }
  parts.emplace_back(text);
  return parts;
}

struct Session {
  // False where the command failed; the rows it made before that still count.
  bool Press(const std::string& command) {
    std::istringstream words(command);
    std::string kind, text;
    words >> kind;
    for (Box box : {Box::Kp, Box::Ki, Box::Kd, Box::SP, Box::Loops}) {
      words >> text;
      fields.SetBox(box, text);
    }
    const bool compute = kind == "C";
    RunOutcome outcome = compute ? OnCompute(state, fields) : OnContinue(state, fields);
    if (compute) history.Start();
    return history.Append(std::move(outcome.samples), outcome.gains) && outcome.ok();
  }
  void Press(const std::vector<std::string>& commands) {
    for (const std::string& command : commands) EXPECT_TRUE(Press(command)) << command;
  }

  LoopState state;
  MemoryFormFields fields;
  RunHistory history;
};

inline RunHistory HistoryOf(const std::vector<std::string>& commands) {
  Session session;
  session.Press(commands);
  return std::move(session.history);
}

inline ResponseTrace TraceOf(const std::vector<std::string>& commands) {
  return HistoryOf(commands).Current();
}

}  // namespace corvale

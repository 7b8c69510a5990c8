// Runs as a user makes them: "C Kp Ki Kd SP Loops" for a Compute, "+ ..." for
// a Continue, through the commands the window runs, into a lab book.
#pragma once

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "form/commands.h"
#include "form/memory_form_fields.h"
#include "labbook/lab_book.h"
#include "labbook/transcript_text.h"

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
    const RunOutcome outcome =
        kind == "C" ? OnCompute(history, fields) : OnContinue(history, fields);
    changes += outcome.change;
    return outcome.ok();
  }
  // Rows made up for a test, as a Compute's: the state is left as it was.
  void Made(std::vector<ResponseSample> rows, const Gains& gains) {
    changes += history.Restart();
    EXPECT_TRUE(history.Add(std::move(rows), gains, history.State(), {}, changes));
  }
  std::string Transcript() const { return TranscriptText(history); }
  void Press(const std::vector<std::string>& commands) {
    for (const std::string& command : commands) EXPECT_TRUE(Press(command)) << command;
  }

  MemoryFormFields fields;
  LabBook history;
  BookChange changes;  // since a view was last told
};

inline LabBook HistoryOf(const std::vector<std::string>& commands) {
  Session session;
  session.Press(commands);
  return std::move(session.history);
}

inline ResponseTrace TraceOf(const std::vector<std::string>& commands) {
  return HistoryOf(commands).Current();
}

}  // namespace corvale

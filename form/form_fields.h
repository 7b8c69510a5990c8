#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "failure.h"
#include "number_format.h"

namespace corvale {

// The simulation's whole view of the window: the input boxes, the transcript
// box and the locale that numbers are read and written in. Texts are UTF-8;
// the transcript's line breaks are CR LF.
class FormFields {
 public:
  virtual ~FormFields() = default;

  virtual std::string ReadBox(Box box) const = 0;
  virtual std::string ReadTranscript() const = 0;
  // How long the transcript is, as the run counts its rows: UTF-8 bytes, CR
  // LF as two. Cheap however long the transcript is.
  virtual std::size_t TranscriptLength() const = 0;
  // Replaces the whole transcript.
  virtual void WriteTranscript(std::string_view text) = 0;
  // Adds to the end of whatever the transcript holds, user edits included. A
  // run calls it once with all its rows, so its cost follows what it adds;
  // the text is handed over so that it need not be held twice.
  virtual void AppendTranscript(std::string text) = 0;
  virtual NumberFormat Numbers() const = 0;
};

}  // namespace corvale

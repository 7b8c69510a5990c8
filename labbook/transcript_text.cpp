#include "labbook/transcript_text.h"

#include "simulation/transcript.h"

namespace corvale {

std::string TranscriptText(const LabBook& book) {
  std::string text;
  text.reserve(book.TextBytes());
  if (book.Headed()) text = HeaderText();
  const ResponseTrace& rows = book.Current();
  for (std::size_t row = 0; row < rows.Size(); ++row) {
    RowText(text, rows.Record(row), book.Numbers().decimalSeparator);
  }
  return text;
}

}  // namespace corvale

#include "transcript_lines.h"

#include <utility>

namespace corvale {

std::string_view TranscriptLines::Line(std::size_t line) const {
  const std::size_t start = starts_[line];
  const std::size_t end = line + 1 < starts_.size() ? starts_[line + 1] - 2 : text_.size();
  return std::string_view(text_).substr(start, end - start);
}

template <typename Found>
void TranscriptLines::ForEachLineBreak(std::string_view text, std::size_t from, Found found) {
  for (std::size_t lf = from; (lf = text.find('\n', lf)) != std::string_view::npos; ++lf) {
    if (lf > 0 && text[lf - 1] == '\r') found(lf + 1);
  }
}

std::size_t TranscriptLines::LinesAddedBy(std::string_view added) const {
  // A CR at the end of the text may begin a line break that `added` ends.
  std::size_t lines = text_.ends_with('\r') && added.starts_with('\n') ? 1 : 0;
  ForEachLineBreak(added, 0, [&lines](std::size_t) { ++lines; });
  return lines;
}

void TranscriptLines::Assign(std::string_view text) {
  text_.assign(text);
  starts_.assign(1, 0);
  ForEachLineBreak(text_, 0, [this](std::size_t start) {
    starts_.push_back(static_cast<std::uint32_t>(start));
  });
}

void TranscriptLines::Append(std::string text) {
  const std::size_t oldSize = text_.size();
  // A run hands over all its rows at once: where they are the larger part and
  // their buffer has room, the old text goes in front of them, so that the
  // rows are not copied and not held twice.
  if (text.size() > oldSize && text.capacity() - text.size() >= oldSize) {
    text.insert(0, text_);
    text_.swap(text);
  } else {
    text_ += text;
  }
  ForEachLineBreak(text_, oldSize, [this](std::size_t start) {
    starts_.push_back(static_cast<std::uint32_t>(start));
  });
}

}  // namespace corvale

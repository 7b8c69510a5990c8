#include "transcript_lines.h"

#include <algorithm>
#include <utility>

namespace corvale {

std::string_view TranscriptLines::Line(std::size_t line) const {
  const std::size_t start = starts_[line];
  const std::size_t end = line + 1 < starts_.size() ? starts_[line + 1] - 2 : text_.size();
  return std::string_view(text_).substr(start, end - start);
}

void TranscriptLines::Assign(std::string_view text) {
  text_.clear();
  starts_.assign(1, 0);
  std::string copy(text);
  Prepare(copy);
  Commit(std::move(copy));
}

namespace {

// Room for `size` elements, doubling as it grows, so that many small
// additions move the whole only now and then.
template <typename Container>
void Grow(Container& container, std::size_t size) {
  if (size > container.capacity()) container.reserve(std::max(size, 2 * container.capacity()));
}

}  // namespace

std::size_t TranscriptLines::Prepare(std::string& text) {
  const std::size_t oldSize = text_.size();
  pending_.clear();
  for (std::size_t lf = 0; (lf = text.find('\n', lf)) != std::string::npos; ++lf) {
    // The CR before it may stand at the end of the text there is.
    const char before = lf > 0 ? text[lf - 1] : (oldSize > 0 ? text_.back() : '\0');
    if (before == '\r') pending_.push_back(static_cast<std::uint32_t>(oldSize + lf + 1));
  }
  Grow(starts_, starts_.size() + pending_.size());
  // A run hands over all its rows at once: where they are the larger part and
  // their buffer has room, the old text goes in front of them, so that the
  // rows are not copied and not held twice.
  if (text.size() <= oldSize || text.capacity() - text.size() < oldSize) {
    Grow(text_, oldSize + text.size());
  }
  return pending_.size();
}

void TranscriptLines::Commit(std::string text) noexcept {
  // Nothing here allocates: Prepare made the room.
  if (text.size() > text_.size() && text.capacity() - text.size() >= text_.size()) {
    text.insert(0, text_);
    text_.swap(text);
  } else {
    text_ += text;
  }
  starts_.insert(starts_.end(), pending_.begin(), pending_.end());
  std::vector<std::uint32_t>().swap(pending_);
}

}  // namespace corvale

#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace corvale {

// The transcript's text, byte for byte, and where each of its lines starts,
// so that any line is found at once however long the text grows. Lines are
// separated by CR LF; an empty text is one empty line. The commands' budgets
// keep the text far below the 4 GiB its line offsets can reach.
class TranscriptLines {
 public:
  const std::string& Text() const { return text_; }
  std::size_t LineCount() const { return starts_.size(); }
  // The line without its line break.
  std::string_view Line(std::size_t line) const;

  // Whether `added` at the end would change the last line there is.
  static bool ExtendsLastLine(std::string_view added) { return !added.starts_with("\r\n"); }

  void Assign(std::string_view text);
  // Adding takes two calls, so that a view can be told between them: Prepare
  // takes all the memory that adding `text` needs, and may throw; it returns
  // how many lines the text gains. Commit then adds the same text, and
  // cannot fail.
  std::size_t Prepare(std::string& text);
  void Commit(std::string text) noexcept;

 private:
  std::string text_;
  std::vector<std::uint32_t> starts_ = {0};  // first byte of each line
  std::vector<std::uint32_t> pending_;       // the starts Prepare found
};

}  // namespace corvale

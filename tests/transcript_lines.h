#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace corvale::testing_support {

// The transcript's lines, split at CR LF.
inline std::vector<std::string> Lines(std::string_view transcript) {
  std::vector<std::string> lines;
  for (;;) {
    const auto end = transcript.find("\r\n");
    lines.emplace_back(transcript.substr(0, end));
    if (end == std::string_view::npos) return lines;
    transcript.remove_prefix(end + 2);
  }
}

}  // namespace corvale::testing_support

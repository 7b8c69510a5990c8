// The project's texts as the tests that find figures in them read them, and
// the figures written as those texts write them.
#pragma once

#include <algorithm>
#include <charconv>
#include <fstream>
#include <iterator>
#include <regex>
#include <string>

namespace corvale {

// The README, or another of the project's texts, with its line breaks and
// indents as single spaces.
inline std::string Readme(const char* path = "/README.md") {
  std::ifstream file(std::string(CORVALE_SOURCE_DIR) + path);
  const std::string text{std::istreambuf_iterator<char>(file), {}};
  return std::regex_replace(text, std::regex("\\s+"), " ");
}

inline std::string Fixed(double value, int decimals) {
  char text[64];
  return std::string(
      text, std::to_chars(text, std::end(text), value, std::chars_format::fixed, decimals).ptr);
}

// So many decimals at most, no trailing zeros, thousands grouped.
inline std::string Prose(double value, int decimals = 4) {
  std::string text = Fixed(value, decimals);
  text.erase(text.find_last_not_of('0') + 1);
  if (text.back() == '.') text.pop_back();
  if (text == "-0") text = "0";
  // Grouped by copying: GCC 12 takes an insert into a short string for an overlap.
  const std::size_t point = std::min(text.find('.'), text.size());
  std::string grouped;
  for (std::size_t c = 0; c < text.size(); ++c) {
    if (c > 0 && text[c - 1] != '-' && c < point && (point - c) % 3 == 0) grouped += ',';
    grouped += text[c];
  }
  return grouped;
}

}  // namespace corvale

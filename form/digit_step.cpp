#include "form/digit_step.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <vector>

namespace corvale {
namespace {

// Beyond this many digits a value and a step of a hundred of its first
// digit's units no longer fit in 64 bits together.
constexpr std::size_t kMostDigits = 17;

// The code point that starts at `at`, and its length in bytes; a stray byte
// stands for itself.
char32_t CodePointAt(std::string_view text, std::size_t at, std::size_t& length) {
  const auto byte = static_cast<unsigned char>(text[at]);
  length = byte < 0x80 ? 1 : byte < 0xE0 ? 2 : byte < 0xF0 ? 3 : 4;
  if (at + length > text.size()) length = 1;
  if (length == 1) return byte;
  char32_t point = byte & (0x3F >> (length - 1));
  for (std::size_t i = 1; i < length; ++i) {
    point = (point << 6) | (static_cast<unsigned char>(text[at + i]) & 0x3F);
  }
  return point;
}

std::string Utf8(char32_t point) {
  std::string out;
  if (point < 0x80) {
    out += static_cast<char>(point);
  } else if (point < 0x800) {
    out += static_cast<char>(0xC0 | (point >> 6));
    out += static_cast<char>(0x80 | (point & 0x3F));
  } else if (point < 0x10000) {
    out += static_cast<char>(0xE0 | (point >> 12));
    out += static_cast<char>(0x80 | ((point >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (point & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (point >> 18));
    out += static_cast<char>(0x80 | ((point >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((point >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (point & 0x3F));
  }
  return out;
}

// A text read as blanks, a sign, whole digits, a separator, decimals, blanks.
struct Parts {
  std::string_view lead, sign, trail;
  bool negative = false;
  bool separator = false;
  std::vector<int> whole, decimals;
  std::vector<std::size_t> ends;  // where each digit ends, whole then decimals
  std::size_t firstDigit = 0;     // where the first digit starts
  bool localDigits = false;       // written in the locale's own digits
};

class Reader {
 public:
  Reader(std::string_view text, const NumberFormat& numbers) : text_(text), numbers_(numbers) {
    std::size_t length = 0;
    zero_ = numbers.zeroDigit.empty() ? U'0' : CodePointAt(numbers.zeroDigit, 0, length);
  }

  std::optional<Parts> Read() {
    Parts parts;
    parts.lead = text_.substr(0, Blanks(0));
    at_ = parts.lead.size();
    for (const std::string& minus : {numbers_.minusSign, std::string("-"), std::string("\u2212")}) {
      if (Take(minus)) parts.sign = text_.substr(at_ - minus.size(), minus.size());
    }
    parts.negative = !parts.sign.empty();
    if (parts.sign.empty()) {
      for (const std::string& plus : {numbers_.plusSign, std::string("+")}) {
        if (Take(plus)) parts.sign = text_.substr(at_ - plus.size(), plus.size());
      }
    }
    parts.firstDigit = at_;
    Digits(parts, parts.whole);
    parts.separator = Take(numbers_.decimalSeparator);
    if (parts.separator) Digits(parts, parts.decimals);
    const std::size_t end = at_ + Blanks(at_);
    if (end != text_.size() || parts.ends.empty()) return std::nullopt;
    parts.trail = text_.substr(at_);
    return parts;
  }

 private:
  std::size_t Blanks(std::size_t from) const {
    std::size_t n = 0;
    while (from + n < text_.size() && (text_[from + n] == ' ' || text_[from + n] == '\t')) ++n;
    return n;
  }
  bool Take(const std::string& token) {
    if (token.empty() || text_.substr(at_, token.size()) != token) return false;
    at_ += token.size();
    return true;
  }
  void Digits(Parts& parts, std::vector<int>& into) {
    while (at_ < text_.size()) {
      std::size_t length = 0;
      const char32_t point = CodePointAt(text_, at_, length);
      if (point >= U'0' && point <= U'9') {
        into.push_back(static_cast<int>(point - U'0'));
      } else if (zero_ != U'0' && point >= zero_ && point <= zero_ + 9) {
        into.push_back(static_cast<int>(point - zero_));
        parts.localDigits = true;
      } else {
        return;
      }
      at_ += length;
      parts.ends.push_back(at_);
    }
  }

  std::string_view text_;
  const NumberFormat& numbers_;
  char32_t zero_ = U'0';
  std::size_t at_ = 0;
};

std::int64_t Power(std::size_t exponent) {
  std::int64_t p = 1;
  while (exponent-- > 0) p *= 10;
  return p;
}

// The place of the digit the caret stands after, counted from the last one.
std::size_t PlaceAtCaret(const Parts& parts, std::size_t caret) {
  std::size_t index = 0;
  for (std::size_t i = 0; i < parts.ends.size(); ++i) {
    if (parts.ends[i] <= caret) index = i;
  }
  return parts.ends.size() - 1 - index;
}

}  // namespace

std::variant<SteppedText, StepRefusal> StepDigit(std::string_view text, std::size_t caret,
                                                 int units, const NumberFormat& numbers) {
  Reader reader(text, numbers);
  const std::optional<Parts> read = reader.Read();
  if (!read) return StepRefusal::NotAPlainNumber;
  const Parts& parts = *read;
  if (parts.ends.size() > kMostDigits) return StepRefusal::TooManyDigits;

  std::int64_t scaled = 0;
  for (int digit : parts.whole) scaled = scaled * 10 + digit;
  for (int digit : parts.decimals) scaled = scaled * 10 + digit;
  if (parts.negative) scaled = -scaled;
  scaled += static_cast<std::int64_t>(units) * Power(PlaceAtCaret(parts, caret));

  const bool negative = scaled < 0;
  std::uint64_t magnitude = static_cast<std::uint64_t>(negative ? -scaled : scaled);
  std::vector<int> digits;  // last first
  for (std::size_t i = 0; i < parts.decimals.size(); ++i, magnitude /= 10) {
    digits.push_back(static_cast<int>(magnitude % 10));
  }
  // As wide as the whole part was padded, none where it was only a separator.
  const std::size_t width = parts.whole.empty()        ? 0
                            : parts.whole.front() == 0 ? parts.whole.size()
                                                       : 1;
  for (std::size_t i = 0; magnitude > 0 || i < width; ++i, magnitude /= 10) {
    digits.push_back(static_cast<int>(magnitude % 10));
  }

  SteppedText out;
  out.text = std::string(parts.lead);
  if (negative) out.text += parts.negative ? std::string(parts.sign) : numbers.minusSign;
  if (!negative && !parts.negative) out.text += parts.sign;
  const std::size_t firstDigit = out.text.size();
  std::size_t zeroLength = 0;
  const char32_t zero = parts.localDigits ? CodePointAt(numbers.zeroDigit, 0, zeroLength) : U'0';
  const std::size_t wholeDigits = digits.size() - parts.decimals.size();
  for (std::size_t i = digits.size(); i-- > 0;) {
    if (digits.size() - 1 - i == wholeDigits && parts.separator) {
      out.text += numbers.decimalSeparator;
    }
    out.text += Utf8(zero + static_cast<char32_t>(digits[i]));
  }
  if (parts.separator && parts.decimals.empty()) out.text += numbers.decimalSeparator;
  out.text += parts.trail;

  const std::size_t fromEnd = text.size() - std::min(caret, text.size());
  out.caret = caret <= parts.firstDigit ? std::min(caret, firstDigit)
                                        : out.text.size() - std::min(fromEnd, out.text.size());
  return out;
}

}  // namespace corvale

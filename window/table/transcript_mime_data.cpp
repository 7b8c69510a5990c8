#include "window/table/transcript_mime_data.h"

#include "simulation/transcript.h"
#include "window/table/transcript_model.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <optional>

namespace corvale {
namespace {

const QString kPlain = QStringLiteral("text/plain");
const QString kHtml = QStringLiteral("text/html");

char* Put(char* out, std::string_view text) {
  std::memcpy(out, text.data(), text.size());
  return out + text.size();
}

char* PutEscaped(char* out, std::string_view text) {
  if (text.find_first_of("&<>") == std::string_view::npos) return Put(out, text);  // as numbers are
  for (const char c : text) {
    switch (c) {
      case '&':
        out = Put(out, "&amp;");
        break;
      case '<':
        out = Put(out, "&lt;");
        break;
      case '>':
        out = Put(out, "&gt;");
        break;
      default:
        *out++ = c;
    }
  }
  return out;
}

// The most a cell adds to three times its text: a number's digits stand in
// its value, its format and its text; other text, escaped, is at most five
// times as long, which a row makes room for.
constexpr std::size_t kMostPerCell = sizeof "<td sdval=\"0\" sdnum=\"1033;0;0.\"></td>";

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::size_t DigitsAtStart(std::string_view text) {
  std::size_t n = 0;
  while (n < text.size() && IsDigit(text[n])) ++n;
  return n;
}

// A number as the transcript writes it: an optional minus, digits, and
// perhaps the separator with more digits.
struct ShownNumber {
  bool negative = false;
  std::string_view whole;
  std::string_view fraction;
  bool hasPoint = false;
};

std::optional<ShownNumber> ReadShownNumber(std::string_view text, std::string_view point) {
  ShownNumber number;
  number.negative = text.starts_with('-');
  if (number.negative) text.remove_prefix(1);
  number.whole = text.substr(0, DigitsAtStart(text));
  text.remove_prefix(number.whole.size());
  if (!text.empty()) {
    if (point.empty() || !text.starts_with(point)) return std::nullopt;
    text.remove_prefix(point.size());
    number.fraction = text;
    number.hasPoint = true;
    if (text.empty() || DigitsAtStart(text) != text.size()) return std::nullopt;
  }
  if (number.whole.empty() && number.fraction.empty()) return std::nullopt;
  return number;
}

// The value with a point and no zero that does not count. "-.0000" in the
// window says only that the value was below zero before rounding: the
// spreadsheet gets the zero it shows, not a negative zero.
char* PutValue(char* out, const ShownNumber& number) {
  std::string_view whole = number.whole;
  std::string_view fraction = number.fraction;
  whole.remove_prefix(std::min(whole.find_first_not_of('0'), whole.size()));
  fraction.remove_suffix(fraction.size() -
                         std::min(fraction.find_last_not_of('0') + 1, fraction.size()));
  if (number.negative && !(whole.empty() && fraction.empty())) *out++ = '-';
  if (whole.empty()) {
    *out++ = '0';
  } else {
    out = Put(out, whole);
  }
  if (!fraction.empty()) {
    *out++ = '.';
    out = Put(out, fraction);
  }
  return out;
}

// The format keeps as many decimals as the cell shows; its codes are read as
// US English, whatever the spreadsheet's own language.
char* PutFormat(char* out, const ShownNumber& number) {
  out = Put(out, "1033;0;0");
  if (number.hasPoint) {
    *out++ = '.';
    std::memset(out, '0', number.fraction.size());
    out += number.fraction.size();
  }
  return out;
}

}  // namespace

TranscriptMimeData::TranscriptMimeData(const TranscriptModel& model, int firstRow, int lastRow,
                                       int left, int right)
    : rows_(model.Book().SharedCurrent()),
      firstRow_(static_cast<std::size_t>(firstRow)),
      rowCount_(static_cast<std::size_t>(lastRow - firstRow + 1)),
      left_(static_cast<std::size_t>(left)),
      right_(static_cast<std::size_t>(right)),
      names_(left == 0 && right + 1 == static_cast<int>(kColumns)),
      point_(model.Book().Numbers().decimalSeparator) {}

QStringList TranscriptMimeData::formats() const {
  if (rowCount_ + names_ > kMostTableRows) return {kPlain};
  return {kPlain, kHtml};
}

QVariant TranscriptMimeData::retrieveData(const QString& mimeType, QMetaType) const {
  try {
    if (mimeType == kPlain) return Render(false);
    if (mimeType == kHtml && formats().contains(kHtml)) return Render(true);
  } catch (const std::bad_alloc&) {
    // No memory for the copy's text: the program asking gets nothing.
  }
  return {};
}

void TranscriptMimeData::AppendRow(QByteArray& out, std::string_view line, bool numbers) const {
  // Written through a pointer into room made for the longest the row can be:
  // a million rows are built in a fraction of a second.
  const qsizetype at = out.size();
  const auto most =
      static_cast<qsizetype>(5 * line.size() + kMostPerCell * (right_ - left_ + 1) + 16);
  if (out.capacity() - at < most) out.reserve(std::max(at + most, out.capacity() / 2 * 3));
  out.resize(at + most);
  char* p = out.data() + at;
  p = Put(p, "<tr>");
  const Fields fields = SplitFields(line);
  for (std::size_t column = left_; column <= right_; ++column) {
    const std::optional<ShownNumber> number =
        numbers ? ReadShownNumber(fields[column], point_) : std::nullopt;
    if (number) {
      p = PutValue(Put(p, "<td sdval=\""), *number);
      p = Put(PutFormat(Put(p, "\" sdnum=\""), *number), "\">");
    } else {
      p = Put(p, "<td>");
    }
    p = Put(PutEscaped(p, fields[column]), "</td>");
  }
  p = Put(p, "</tr>\n");
  out.resize(p - out.data());
}

QByteArray TranscriptMimeData::Render(bool html) const {
  // The charset is named: without it, a spreadsheet reads a non-ASCII
  // decimal separator as some older encoding.
  static constexpr char kHead[] =
      "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"></head><body><table>\n";
  static constexpr char kTail[] = "</table></body></html>\n";
  if (rowCount_ == 0) return {};
  const std::string header = HeaderText();
  QByteArray out;
  // About as long as the typical row, which longer ones grow as they come.
  constexpr std::size_t kTypicalRow = 56;
  out.reserve(static_cast<qsizetype>((html ? 4 : 1) * kTypicalRow * (rowCount_ + names_)));
  if (html) out += kHead;
  const auto addLine = [&](std::string_view line, bool numbers) {
    if (html) return AppendRow(out, line, numbers);
    const Fields fields = SplitFields(line);
    for (std::size_t column = left_; column <= right_; ++column) {
      if (column > left_) out += '\t';
      out.append(fields[column].data(), static_cast<qsizetype>(fields[column].size()));
    }
    out += '\n';
  };
  if (names_) addLine(header, false);
  std::string line;
  for (std::size_t row = firstRow_; row < firstRow_ + rowCount_; ++row) {
    line.clear();
    RowText(line, rows_->Record(row), point_);
    addLine(std::string_view(line).substr(2), true);  // without its line break
  }
  if (html) {
    out += kTail;
  } else {
    out.chop(1);  // lines are separated, not ended, as in the transcript
  }
  return out;
}

}  // namespace corvale

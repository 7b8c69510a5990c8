#include "transcript_mime_data.h"

#include "transcript.h"
#include "transcript_model.h"

#include <new>

namespace corvale {
namespace {

const QString kPlain = QStringLiteral("text/plain");
const QString kHtml = QStringLiteral("text/html");

void AppendEscaped(QByteArray& out, std::string_view text) {
  if (text.find_first_of("&<>") == std::string_view::npos) {  // as numbers are
    out.append(text.data(), static_cast<qsizetype>(text.size()));
    return;
  }
  for (const char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      default:
        out += c;
    }
  }
}

}  // namespace

TranscriptMimeData::TranscriptMimeData(TranscriptModel* model, int firstRow, int lastRow, int left,
                                       int right)
    : model_(model),
      firstLine_(TranscriptModel::LineOf(firstRow)),
      lineCount_(static_cast<std::size_t>(lastRow - firstRow + 1)),
      left_(static_cast<std::size_t>(left)),
      right_(static_cast<std::size_t>(right)),
      names_(left == 0 && right + 1 == static_cast<int>(kColumns)) {
  connect(model, &TranscriptModel::RowsAboutToChange, this, &TranscriptMimeData::KeepLines);
}

QStringList TranscriptMimeData::formats() const {
  if (lineCount_ + names_ > kMostTableRows) return {kPlain};
  return {kPlain, kHtml};
}

QVariant TranscriptMimeData::retrieveData(const QString& mimeType, QMetaType) const {
  if (mimeType == kPlain) return Render(false);
  if (mimeType == kHtml && formats().contains(kHtml)) return Render(true);
  return {};
}

void TranscriptMimeData::KeepLines() {
  if (isKept_ || !model_) return;
  try {
    kept_.Assign(Span(model_->Lines()));
    firstLine_ = 0;
    isKept_ = true;
  } catch (const std::bad_alloc&) {
    // No memory for the copy: it is given up, and offers nothing.
    lineCount_ = 0;
  }
}

std::string_view TranscriptMimeData::Span(const TranscriptLines& lines) const {
  const std::string_view first = lines.Line(firstLine_);
  const std::string_view last = lines.Line(firstLine_ + lineCount_ - 1);
  return {first.data(), static_cast<std::size_t>(last.data() + last.size() - first.data())};
}
const TranscriptLines& TranscriptMimeData::Source() const {
  return isKept_ ? kept_ : model_->Lines();
}

QByteArray TranscriptMimeData::Render(bool html) const {
  // The charset is named: without it, a spreadsheet reads a non-ASCII
  // decimal separator as some older encoding.
  static constexpr char kHead[] =
      "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"></head><body><table>\n";
  static constexpr char kTail[] = "</table></body></html>\n";
  if (lineCount_ == 0 || (!isKept_ && !model_)) return {};
  const TranscriptLines& lines = Source();
  const std::string header = HeaderText();
  const std::size_t cells = (right_ - left_ + 1) * (lineCount_ + names_);
  QByteArray out;
  out.reserve(static_cast<qsizetype>(Span(lines).size() + header.size() +
                                     (html ? 10 * cells + sizeof kHead : 0)));
  if (html) out += kHead;
  const auto addLine = [&](std::string_view line) {
    if (html) out += "<tr>";
    const Fields fields = SplitFields(line);
    for (std::size_t column = left_; column <= right_; ++column) {
      if (html) {
        out += "<td>";
        AppendEscaped(out, fields[column]);
        out += "</td>";
      } else {
        if (column > left_) out += '\t';
        out.append(fields[column].data(), static_cast<qsizetype>(fields[column].size()));
      }
    }
    out += html ? "</tr>\n" : "\n";
  };
  if (names_) addLine(header);
  for (std::size_t line = firstLine_; line < firstLine_ + lineCount_; ++line) {
    addLine(lines.Line(line));
  }
  if (html) {
    out += kTail;
  } else {
    out.chop(1);  // lines are separated, not ended, as in the transcript
  }
  return out;
}

}  // namespace corvale

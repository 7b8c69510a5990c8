#include "transcript_mime_data.h"

#include <algorithm>
#include <utility>

namespace corvale {
namespace {

const QString kPlain = QStringLiteral("text/plain");
const QString kHtml = QStringLiteral("text/html");

}  // namespace

TranscriptMimeData::TranscriptMimeData(QString text) : text_(std::move(text)) {}

QStringList TranscriptMimeData::formats() const { return {kPlain, kHtml}; }

QVariant TranscriptMimeData::retrieveData(const QString& mimeType, QMetaType) const {
  if (mimeType == kPlain) return text_;
  if (mimeType == kHtml) return Table();
  return {};
}

QByteArray TranscriptMimeData::Table() const {
  // The charset is named: without it, a spreadsheet reads a non-ASCII
  // decimal separator as some older encoding.
  static constexpr char kHead[] =
      "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"></head><body><table>\n<tr><td>";
  static constexpr char kTail[] = "</td></tr>\n</table></body></html>\n";
  const QByteArray text = text_.toUtf8();
  const auto lines = std::count(text.begin(), text.end(), '\n');
  const auto cells = lines + std::count(text.begin(), text.end(), '\t');
  QByteArray table;
  table.reserve(text.size() + 9 * cells + 10 * lines + sizeof kHead + sizeof kTail);
  table += kHead;
  qsizetype copied = 0;  // the text before this is in the table
  for (qsizetype i = 0; i < text.size(); ++i) {
    const char* markup = nullptr;
    switch (text[i]) {
      case '\t':
        markup = "</td><td>";
        break;
      case '\n':
        markup = "</td></tr>\n<tr><td>";
        break;
      case '&':
        markup = "&amp;";
        break;
      case '<':
        markup = "&lt;";
        break;
      case '>':
        markup = "&gt;";
        break;
      default:
        continue;
    }
    table.append(text.constData() + copied, i - copied).append(markup);
    copied = i + 1;
  }
  table.append(text.constData() + copied, text.size() - copied);
  table += kTail;
  return table;
}

}  // namespace corvale

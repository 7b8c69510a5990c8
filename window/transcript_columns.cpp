#include "transcript_columns.h"

#include <QFontMetricsF>
#include <QList>
#include <QPlainTextEdit>
#include <QTextDocument>
#include <QTextOption>
#include <utility>

namespace corvale {

TranscriptColumns::TranscriptColumns(QPlainTextEdit* box) : box_(box) {}

void TranscriptColumns::Reset() {
  widths_.clear();
  widestFields_.clear();
}

qreal TranscriptColumns::Advance(QChar c) {
  if (c.unicode() >= asciiAdvances_.size()) return QFontMetricsF(box_->font()).horizontalAdvance(c);
  qreal& advance = asciiAdvances_[c.unicode()];
  if (advance == 0) advance = QFontMetricsF(box_->font()).horizontalAdvance(c);
  return advance;
}

void TranscriptColumns::Widen(QStringView text) {
  // The widest field of each column, judged by its characters' advances;
  // only that one is then measured as a whole, kerning included.
  std::vector<QStringView> widest;
  std::vector<qreal> estimates;
  qsizetype lineStart = 0;
  while (lineStart <= text.size()) {
    qsizetype lineEnd = text.indexOf(u'\n', lineStart);
    if (lineEnd < 0) lineEnd = text.size();
    const QStringView line = text.sliced(lineStart, lineEnd - lineStart);
    lineStart = lineEnd + 1;
    if (!line.contains(u'\t')) continue;

    std::size_t column = 0;
    qsizetype fieldStart = 0;
    qreal estimate = 0;
    for (qsizetype i = 0; i <= line.size(); ++i) {
      if (i < line.size() && line[i] != u'\t') {
        estimate += Advance(line[i]);
        continue;
      }
      if (column == widest.size()) {
        widest.emplace_back();
        estimates.push_back(-1);
      }
      if (estimate > estimates[column]) {
        estimates[column] = estimate;
        widest[column] = line.sliced(fieldStart, i - fieldStart);
      }
      ++column;
      fieldStart = i + 1;
      estimate = 0;
    }
  }

  const QFontMetricsF metrics(box_->font());
  bool widened = false;
  for (std::size_t column = 0; column < widest.size(); ++column) {
    QString field = widest[column].toString();
    const qreal width = metrics.horizontalAdvance(field);
    if (column == widths_.size()) {
      widths_.push_back(0);
      widestFields_.emplace_back();
    }
    if (width > widths_[column]) {
      widths_[column] = width;
      widestFields_[column] = std::move(field);
      widened = true;
    }
  }
  // A new tab list makes the box lay out every line again: only when needed.
  if (widened) Apply();
}

void TranscriptColumns::Refit() {
  asciiAdvances_.fill(0);
  const QFontMetricsF metrics(box_->font());
  for (std::size_t column = 0; column < widths_.size(); ++column) {
    widths_[column] = metrics.horizontalAdvance(widestFields_[column]);
  }
  Apply();
}

void TranscriptColumns::Apply() {
  const qreal gap = 2 * QFontMetricsF(box_->font()).horizontalAdvance(u' ');
  QList<QTextOption::Tab> tabs;
  qreal stop = widths_.empty() ? 0 : widths_[0];
  for (std::size_t column = 1; column < widths_.size(); ++column) {
    stop += gap + widths_[column];
    tabs.append(QTextOption::Tab(stop, QTextOption::RightTab));
  }
  QTextDocument* const document = box_->document();
  QTextOption option = document->defaultTextOption();
  option.setTabs(tabs);
  document->setDefaultTextOption(option);
}

}  // namespace corvale

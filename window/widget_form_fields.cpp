#include "widget_form_fields.h"

#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QTextCursor>

namespace corvale {
namespace {

// The text cursor takes CR LF as one line break, so the transcript's text goes
// in as it is; only reading it back needs the CR put in again. That takes one
// pass: QString::replace moves the tail once per batch of matches, which makes
// a million-row transcript quadratic.
QString ToDocumentText(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString ToTranscriptText(const QString& text) {
  QString converted;
  converted.reserve(text.size() + text.count(u'\n'));
  for (const QChar c : text) {
    if (c == u'\n') converted += u'\r';
    converted += c;
  }
  return converted;
}

}  // namespace

WidgetFormFields::WidgetFormFields(std::array<QLineEdit*, std::size(kAllBoxes)> boxes,
                                   QPlainTextEdit* transcript, const QLocale& locale)
    : boxes_(boxes),
      transcript_(transcript),
      numbers_{locale.decimalPoint().toStdString(), locale.negativeSign().toStdString(),
               locale.positiveSign().toStdString()},
      columns_(transcript) {}

std::string WidgetFormFields::ReadBox(Box box) const {
  return boxes_[static_cast<std::size_t>(box)]->text().toStdString();
}

std::string WidgetFormFields::ReadTranscript() const {
  return ToTranscriptText(transcript_->toPlainText()).toStdString();
}

std::size_t WidgetFormFields::TranscriptLength() const {
  // The document counts the paragraph separator after its last line too.
  return static_cast<std::size_t>(transcript_->document()->characterCount() - 1);
}

void WidgetFormFields::WriteTranscript(std::string_view text) {
  const QString converted = ToDocumentText(text);
  transcript_->setPlainText(converted);
  columns_.Reset();
  columns_.Widen(converted);
}

void WidgetFormFields::AppendTranscript(std::string text) {
  QString converted = ToDocumentText(text);
  std::string().swap(text);  // the rows are now held once, as the box's text
  columns_.Widen(converted);
  QTextCursor cursor(transcript_->document());
  cursor.movePosition(QTextCursor::End);
  cursor.insertText(converted);
}

}  // namespace corvale

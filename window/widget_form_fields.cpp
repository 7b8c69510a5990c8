#include "widget_form_fields.h"

#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QTextCursor>

namespace corvale {
namespace {

// QTextDocument ends a paragraph at "\n"; CR LF is one line break to us.
// QString::replace moves the tail once per batch of matches, which makes a
// million-row transcript quadratic: these conversions take one pass.
QString ToDocumentText(std::string_view text) {
  QString converted = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  QChar* const begin = converted.data();
  QChar* const end = begin + converted.size();
  QChar* out = begin;
  for (const QChar* in = begin; in != end; ++in) {
    if (*in == u'\r' && in + 1 != end && in[1] == u'\n') continue;
    *out++ = *in;
  }
  converted.truncate(out - begin);
  return converted;
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

WidgetFormFields::WidgetFormFields(std::array<QLineEdit*, 5> boxes, QPlainTextEdit* transcript)
    : boxes_(boxes), transcript_(transcript) {}

std::string WidgetFormFields::ReadBox(Box box) const {
  return boxes_[static_cast<std::size_t>(box)]->text().toStdString();
}

std::string WidgetFormFields::ReadTranscript() const {
  return ToTranscriptText(transcript_->toPlainText()).toStdString();
}

void WidgetFormFields::WriteTranscript(std::string_view text) {
  transcript_->setPlainText(ToDocumentText(text));
}

void WidgetFormFields::AppendTranscript(std::string_view text) {
  QTextCursor cursor(transcript_->document());
  cursor.movePosition(QTextCursor::End);
  cursor.insertText(ToDocumentText(text));
}

NumberFormat WidgetFormFields::Numbers() const {
  const QLocale locale;
  return {locale.decimalPoint().toStdString(), locale.negativeSign().toStdString()};
}

}  // namespace corvale

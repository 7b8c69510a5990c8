#include "widget_form_fields.h"

#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QTextCursor>

namespace corvale {
namespace {

// QTextDocument ends a paragraph at "\n" and would keep a lone "\r" as a
// character of the line; CR LF is one line break to us.
QString ToDocumentText(std::string_view text) {
  QString converted = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  converted.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  return converted;
}

}  // namespace

WidgetFormFields::WidgetFormFields(std::array<const QLineEdit*, 5> boxes,
                                   QPlainTextEdit* transcript)
    : boxes_(boxes), transcript_(transcript) {}

std::string WidgetFormFields::ReadBox(Box box) const {
  return boxes_[static_cast<std::size_t>(box)]->text().toStdString();
}

std::string WidgetFormFields::ReadTranscript() const {
  return transcript_->toPlainText().replace(QLatin1Char('\n'), QLatin1String("\r\n")).toStdString();
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

#include "widget_form_fields.h"

#include <QLineEdit>
#include <QLocale>

#include "transcript_box.h"

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
                                   TranscriptBox* transcript, const QLocale& locale)
    : boxes_(boxes),
      transcript_(transcript),
      numbers_{locale.decimalPoint().toStdString(), locale.negativeSign().toStdString(),
               locale.positiveSign().toStdString()} {}

std::string WidgetFormFields::ReadBox(Box box) const {
  return boxes_[static_cast<std::size_t>(box)]->text().toStdString();
}

std::string WidgetFormFields::ReadTranscript() const {
  return ToTranscriptText(transcript_->toPlainText()).toStdString();
}

void WidgetFormFields::WriteTranscript(std::string_view text) {
  transcript_->SetText(ToDocumentText(text));
  length_ = text.size();
}

void WidgetFormFields::AppendTranscript(std::string text) {
  const QString converted = ToDocumentText(text);
  const std::size_t added = text.size();
  std::string().swap(text);  // the rows are now held once, as the box's text
  transcript_->Append(converted);
  length_ += added;
}

}  // namespace corvale

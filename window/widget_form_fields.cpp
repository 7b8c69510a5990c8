#include "widget_form_fields.h"

#include <QLineEdit>
#include <utility>

#include "transcript_model.h"

namespace corvale {

WidgetFormFields::WidgetFormFields(std::array<QLineEdit*, kBoxCount> boxes,
                                   TranscriptModel* transcript, const QLocale& locale)
    : boxes_(boxes),
      transcript_(transcript),
      numbers_{locale.decimalPoint().toStdString(), locale.negativeSign().toStdString(),
               locale.positiveSign().toStdString(), locale.zeroDigit().toStdString(),
               locale.exponential().toStdString()} {}

std::string WidgetFormFields::ReadBox(Box box) const {
  return boxes_[IndexOf(box)]->text().toStdString();
}

std::string WidgetFormFields::ReadTranscript() const { return transcript_->Lines().Text(); }

std::size_t WidgetFormFields::TranscriptLength() const {
  return transcript_->Lines().Text().size();
}

void WidgetFormFields::WriteTranscript(std::string_view text) { transcript_->SetText(text); }

void WidgetFormFields::AppendTranscript(std::string text) { transcript_->Append(std::move(text)); }

}  // namespace corvale

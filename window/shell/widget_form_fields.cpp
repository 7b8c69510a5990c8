#include "window/shell/widget_form_fields.h"

#include <QLineEdit>

namespace corvale {

NumberFormat NumbersOf(const QLocale& locale) {
  return {locale.decimalPoint().toStdString(), locale.negativeSign().toStdString(),
          locale.positiveSign().toStdString(), locale.zeroDigit().toStdString(),
          locale.exponential().toStdString()};
}

std::string WidgetFormFields::ReadBox(Box box) const {
  return boxes_[IndexOf(box)]->text().toStdString();
}

}  // namespace corvale

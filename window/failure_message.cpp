#include "failure_message.h"

#include <QCoreApplication>
#include <QLocale>

#include "commands.h"

namespace corvale {
namespace {

QString Tr(const char* text) { return QCoreApplication::translate("Form1", text); }

// The text as typed, made printable and short enough for a message: control
// characters show as their Unicode pictures, a long text is cut.
QString Quoted(const std::string& text) {
  constexpr qsizetype kShown = 40;
  QString shown = QString::fromStdString(text);
  const bool cut = shown.size() > kShown;
  if (cut) shown.truncate(kShown);
  for (QChar& c : shown) {
    if (c.unicode() < 0x20) c = QChar(0x2400 + c.unicode());
    if (c.unicode() == 0x7f) c = QChar(0x2421);
  }
  return QString(u'\u201C') + shown + (cut ? QString(u'\u2026') : QString()) + u'\u201D';
}

}  // namespace

QString FailureMessage(const Failure& failure, const QLocale& locale) {
  const std::string_view label = BoxLabel(failure.box);
  const QString box = QString::fromUtf8(label.data(), static_cast<qsizetype>(label.size()));
  const QString text = Quoted(failure.text);
  const QString point = locale.decimalPoint();
  switch (failure.reason) {
    case FailureReason::NotANumber:
      if (failure.text.find_first_not_of(" \t") == std::string::npos) {
        return Tr("%1 is empty. Type a number there.").arg(box);
      }
      return Tr("%1: %2 is not a number.\n\nType digits with at most one decimal separator "
                "\u201C%3\u201D, an optional sign and an optional exponent, for example %4, -2 "
                "or %5.")
          .arg(box, text, point, point + QLatin1String("5"), QLatin1String("1") + point + "5e3");
    case FailureReason::TooLarge:
      return Tr("%1: %2 is too large.\n\nNumbers must lie between -%3 and %3.")
          .arg(box, text, QLatin1String("1") + point + QLatin1String("797e308"));
    case FailureReason::TooManySteps:
      return Tr("%1: %2 asks for too many steps.\n\nOne run adds at most %3 rows; press "
                "Continue for more.")
          .arg(box, text, QString::number(kMaxStepsPerRun));
    case FailureReason::Overflow:
      return Tr("Step %1 cannot be computed: with %2 %3 its result leaves the range of "
                "numbers.\n\nNothing was written for step %1; the rows before it stay.")
          .arg(QString::number(failure.step), box, text);
  }
  return {};
}

}  // namespace corvale

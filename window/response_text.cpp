#include "response_text.h"

#include <QCoreApplication>
#include <QLocale>

#include "transcript.h"

namespace corvale {
namespace {

class Words {
  Q_DECLARE_TR_FUNCTIONS(ResponseText)
};

QString Value(double value, const NumberFormat& numbers) {
  return QString::fromStdString(FormatValue(value, numbers.decimalSeparator));
}

QString Limit(const LimitSpan& span, const QString& limit) {
  if (span.steps == 0) return Words::tr("X never sat at %1.").arg(limit);
  if (span.steps == 1) return Words::tr("X sat at %1 at step %2.").arg(limit).arg(span.first);
  return Words::tr("X sat at %1 in %2 steps, from step %3 to step %4.")
      .arg(limit)
      .arg(span.steps)
      .arg(span.first)
      .arg(span.last);
}

}  // namespace

QString ResponseText(const StepFigures& f, const NumberFormat& numbers) {
  QStringList lines;
  // The ends of the step as typed numbers, not as table cells.
  lines << Words::tr("The last run's step, PV from %1 to SP %2:")
               .arg(QLocale().toString(f.start, 'g', 6), QLocale().toString(f.setPoint, 'g', 6));
  if (!f.Reachable()) {
    lines << (f.setPoint > 127.5
                  ? Words::tr("SP cannot be reached: with the plant's gain of one half and X at "
                              "most 255, PV never passes %1.")
                        .arg(QLocale().toString(127.5))
                  : Words::tr("SP cannot be reached: X is at least 0, so PV never falls below 0."));
  }
  if (!f.HasStep()) {
    lines << Words::tr("No step: PV already stood at SP.");
  } else {
    const auto rise = f.RiseSteps();
    lines << (rise ? Words::tr("Rise from 10 % to 90 % of the way: %1 steps (step %2 to step %3).")
                         .arg(*rise)
                         .arg(*f.riseFrom)
                         .arg(*f.riseTo)
                   : Words::tr("PV did not rise to 90 % of the way."));
    lines << Words::tr("Peak PV %1 at step %2; overshoot %3 %.")
                 .arg(Value(f.peak, numbers))
                 .arg(f.peakStep)
                 .arg(QLocale().toString(f.overshootPercent, 'f', 1));
    lines << (f.settledFrom
                  ? Words::tr("Settled within 2 % of the step from step %1.").arg(*f.settledFrom)
                  : Words::tr("Not settled within 2 % of the step."));
  }
  lines << Words::tr("Final error %1.").arg(Value(f.finalError, numbers));
  lines << (f.atZero.steps + f.atFull.steps == 0 ? Words::tr("X never sat at 0 or 255.")
                                                 : Limit(f.atZero, QStringLiteral("0")) + u' ' +
                                                       Limit(f.atFull, QStringLiteral("255")));
  return lines.join(u'\n');
}

}  // namespace corvale

#include "response_text.h"

#include <QCoreApplication>
#include <QLocale>

#include "transcript.h"

namespace corvale {
namespace {

class Words {
  Q_DECLARE_TR_FUNCTIONS(ResponseText)
};

// Step numbers and counts, grouped as the locale groups them.
QString Count(const QLocale& locale, std::int64_t number) { return locale.toString(number); }

QString AtLimit(const LimitSpan& span, const QString& limit, const QLocale& locale) {
  if (span.steps == 0) return Words::tr("X never sat at %1.").arg(limit);
  if (span.steps == 1)
    return Words::tr("X sat at %1 at step %2.").arg(limit, Count(locale, span.first));
  return Words::tr("X sat at %1 in %2 steps, from step %3 to step %4.")
      .arg(limit, Count(locale, span.steps), Count(locale, span.first), Count(locale, span.last));
}

}  // namespace

QString ResponseText(const StepFigures& f, const QLocale& locale) {
  // Values as the transcript writes them.
  const auto Value = [point = locale.decimalPoint().toStdString()](double value) {
    return QString::fromStdString(FormatValue(value, point));
  };
  QStringList lines;
  // The ends of the step as typed numbers, not as table cells.
  lines << Words::tr("The last run's step, PV from %1 to SP %2:")
               .arg(locale.toString(f.start, 'g', 6), locale.toString(f.setPoint, 'g', 6));
  if (!f.Reachable()) {
    lines << (f.setPoint > 127.5
                  ? Words::tr("SP cannot be reached: with the plant's gain of one half and X at "
                              "most 255, PV never passes %1.")
                        .arg(locale.toString(127.5))
                  : Words::tr("SP cannot be reached: X is at least 0, so PV never falls below 0."));
  }
  if (!f.isStep) {
    lines << Words::tr("No step: PV already stood at SP.");
  } else {
    const auto rise = f.RiseSteps();
    if (!rise) {
      lines << Words::tr("PV did not rise to 90 % of the way.");
    } else if (*rise == 1) {
      lines << Words::tr("Rise from 10 % to 90 % of the way: 1 step (step %1 to step %2).")
                   .arg(Count(locale, *f.riseFrom), Count(locale, *f.riseTo));
    } else {
      lines << Words::tr("Rise from 10 % to 90 % of the way: %1 steps (step %2 to step %3).")
                   .arg(Count(locale, *rise), Count(locale, *f.riseFrom), Count(locale, *f.riseTo));
    }
    lines << Words::tr("Peak PV %1 at step %2; overshoot %3 %.")
                 .arg(Value(f.peak), Count(locale, f.peakStep))
                 .arg(locale.toString(f.overshootPercent, 'f', 1));
    lines << (f.settledFrom ? Words::tr("Settled within 2 % of the step from step %1.")
                                  .arg(Count(locale, *f.settledFrom))
                            : Words::tr("Not settled within 2 % of the step."));
  }
  lines << Words::tr("Final error %1.").arg(Value(f.SteadyStateError()));
  lines << (f.atZero.steps + f.atFull.steps == 0
                ? Words::tr("X never sat at 0 or 255.")
                : AtLimit(f.atZero, QStringLiteral("0"), locale) + u' ' +
                      AtLimit(f.atFull, QStringLiteral("255"), locale));
  return lines.join(u'\n');
}

}  // namespace corvale

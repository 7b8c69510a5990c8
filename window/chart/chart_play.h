#pragma once

#include <QLocale>
#include <QString>
#include <vector>

#include "labbook/lab_book.h"
#include "labbook/run_marks.h"
#include "labbook/run_series.h"
#include "labbook/series_sound.h"

namespace corvale {

// What Play sounds and says for a series. PV (a kept run's, or PV without
// the noise) is heard against SP as it stood at each step: SP's first
// pitch alone, a pause, then PV with SP softly beside it, a tone change and
// a tick where SP changed, so that a Continue with another SP plays as it
// happened. Every series clicks where its run's PV crosses SP and knocks
// where the load changes.
class ChartPlay {
 public:
  static constexpr double kSeconds = 2.5;
  // How long SP's tone sounds before PV, followed by half as much silence.
  static constexpr double kReferenceSeconds = 0.3;
  // Of the changes of SP, so many are named one by one, then counted.
  static constexpr std::size_t kChangesNamed = 3;

  // `name`: the series as the chart names it.
  ChartPlay(const LabBook& book, SeriesId series, QString name, QLocale locale);

  // Empty for a series without rows.
  const std::vector<double>& Values() const { return values_; }
  // SP's levels under PV's rows; none for any other series.
  const std::vector<Level>& Levels() const { return levels_; }
  // The series' range, then for PV the SP it sounds against and where that
  // changes: "PV from 0 to 127.5; SP 300 sounds first, then softly
  // alongside, changing to 5 at step 101." Empty without rows.
  QString Sentence() const;
  Pcm Sound(const std::vector<RunMark>& marks) const;

  static bool IsPv(SeriesId series);

 private:
  QString SetPointWords() const;

  const LabBook& book_;
  SeriesId series_;
  QString name_;
  QLocale locale_;
  std::vector<double> values_;
  std::vector<Level> levels_;
};

}  // namespace corvale

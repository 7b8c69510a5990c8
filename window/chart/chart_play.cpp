#include "window/chart/chart_play.h"

#include <QStringList>
#include <algorithm>
#include <climits>

#include "window/words/contexts.h"
#include "window/words/prose_number.h"

namespace corvale {

ChartPlay::ChartPlay(const LabBook& book, SeriesId series, QString name, QLocale locale)
    : book_(book),
      series_(series),
      name_(std::move(name)),
      locale_(std::move(locale)),
      values_(SeriesValues(book, series)) {
  if (IsPv(series) && !values_.empty()) levels_ = SetPointLevels(book, series);
}

bool ChartPlay::IsPv(SeriesId series) {
  using K = SeriesId::Kind;
  return series.kind == K::Pv || series.kind == K::KeptPv || series.kind == K::TruePv;
}

QString ChartPlay::SetPointWords() const {
  const QString first = ProseNumber(levels_.front().value, locale_);
  const std::size_t changes = levels_.size() - 1;
  if (changes == 0) return ChartWords::tr("SP %1 sounds first, then softly alongside.").arg(first);
  const auto change = [this](const Level& level) {
    return ChartWords::tr("to %1 at step %2", "SP changes to a value at a step")
        .arg(ProseNumber(level.value, locale_),
             ProseCount(ResponseTrace::StepOf(level.firstRow), locale_));
  };
  if (changes > kChangesNamed) {
    return ChartWords::tr("SP %1 sounds first, then softly alongside, changing %n times, first %2.",
                          "", static_cast<int>(std::min<std::size_t>(changes, INT_MAX)))
        .arg(first, change(levels_[1]));
  }
  QString all = change(levels_[1]);
  for (std::size_t k = 2; k < levels_.size(); ++k)
    all =
        ChartWords::tr("%1, %2", "changes of SP one after the other").arg(all, change(levels_[k]));
  return ChartWords::tr("SP %1 sounds first, then softly alongside, changing %2.").arg(first, all);
}

QString ChartPlay::Sentence() const {
  if (values_.empty()) return {};
  const auto [low, high] = std::minmax_element(values_.begin(), values_.end());
  const QString range = ChartWords::tr("%1 from %2 to %3")
                            .arg(name_, ProseNumber(*low, locale_), ProseNumber(*high, locale_));
  if (levels_.empty()) return ChartWords::tr("%1.").arg(range);
  return ChartWords::tr("%1; %2", "a series' range; the SP it sounds against")
      .arg(range, SetPointWords());
}

Pcm ChartPlay::Sound(const std::vector<RunMark>& marks) const {
  if (values_.empty()) return {};
  const PitchScale scale = SeriesScale(book_, series_);
  // Clicks where the series' run crosses SP: PV's, for the current run's
  // columns; knocks where its load changes.
  const std::vector<std::size_t> clicks = CrossingRows(marks), knocks = LoadRows(marks);
  Pcm sound = SeriesSound(values_, scale, {clicks, knocks, levels_}, kSeconds);
  if (levels_.empty()) return sound;
  // SP's pitch first, for PV to be heard against: a PV that stays short of
  // it never crosses it, and no click would tell.
  Pcm pcm = ToneOf(scale.FrequencyOf(levels_.front().value), kReferenceSeconds);
  pcm.resize(pcm.size() + static_cast<std::size_t>(kSampleRate * kReferenceSeconds / 2));
  pcm.insert(pcm.end(), sound.begin(), sound.end());
  return pcm;
}

}  // namespace corvale

// The chart walked by keyboard and heard: the series the cursor reads and
// plays, the marks it jumps to, and what it says at each step.
#include <QKeyEvent>

#include "chart_cursor.h"
#include "chart_readout.h"
#include "chart_sound.h"
#include "prose_number.h"
#include "response_chart.h"
#include "run_history.h"

namespace corvale {

SeriesId ResponseChart::Series() const { return series_; }

const std::vector<RunMark>& ResponseChart::Marks() const {
  return series_.kind == SeriesId::Kind::KeptPv ? keptMarks_ : marks_;
}

void ResponseChart::FindSeriesMarks() {
  keptMarks_.clear();
  if (history_ && series_.kind == SeriesId::Kind::KeptPv && series_.kept < history_->Kept().size())
    keptMarks_ = FindMarks(history_->Kept()[series_.kept]);
}

bool ResponseChart::SeriesFalls() const {
  if (!history_ || series_.kind != SeriesId::Kind::KeptPv) return figures_ && figures_->Falling();
  const std::optional<StepFigures>& kept = history_->Kept()[series_.kept].summary.figures;
  return kept && kept->Falling();
}

QString ResponseChart::RowDescription(int row) const {
  if (!history_) return {};
  return ChartReadout(*history_, Marks(), SeriesFalls(), locale_).Row(series_, row);
}

QString ResponseChart::Description() const {
  if (figuresText_.isEmpty()) return {};
  return figuresText_ + u'\n' +
         tr("Keys: Left and Right move a step, Page Up and Page Down a tenth of the run, Home and "
            "End to its ends; Up and Down choose the series; N and Shift+N jump to the next and "
            "the previous mark; P plays the series as sound, Escape stops it.");
}

void ResponseChart::ChooseSeries(int by) {
  if (!history_ || Rows() == 0) return;
  const std::vector<SeriesId> all = SeriesOf(*history_);
  const auto at = std::find(all.begin(), all.end(), series_);
  const auto count = static_cast<int>(all.size());
  const int index = at == all.end() ? 0 : static_cast<int>(at - all.begin());
  series_ = all[static_cast<std::size_t>(std::clamp(index + by, 0, count - 1))];
  toneScale_.reset();
  FindSeriesMarks();
  // Spoken as the step it reads: the cursor where it is, or where the
  // arrows would put it first.
  const std::optional<int> row =
      cursor_ >= 0 ? cursor_
                   : CursorAfterKey(Qt::Key_Right, -1, Rows(), firstVisible_, lastVisible_);
  if (!row) return;
  const bool moved = *row != cursor_;
  MoveCursor(*row);
  // The focus stays on the same step: a screen reader says nothing of it.
  if (!moved) Sound().Say(RowDescription(*row));
}

bool ResponseChart::WalkKey(const QKeyEvent& event) {
  const Qt::KeyboardModifiers mods = event.modifiers() & ~Qt::KeypadModifier;
  if (mods == Qt::NoModifier && (event.key() == Qt::Key_Up || event.key() == Qt::Key_Down)) {
    ChooseSeries(event.key() == Qt::Key_Down ? 1 : -1);
    return true;
  }
  if (event.key() == Qt::Key_N && (mods == Qt::NoModifier || mods == Qt::ShiftModifier)) {
    JumpToMark(mods == Qt::NoModifier);
    return true;
  }
  if (mods == Qt::NoModifier && event.key() == Qt::Key_P) {
    Play();
    return true;
  }
  return mods == Qt::NoModifier && event.key() == Qt::Key_Escape && sound_ && sound_->Stop();
}

void ResponseChart::JumpToMark(bool forward) {
  if (!history_ || Rows() == 0) return;
  const std::optional<std::size_t> row = NextMarkRow(Marks(), cursor_, forward);
  // A kept run may have marks past the current run's end, where the cursor
  // cannot go.
  if (row && *row < static_cast<std::size_t>(Rows())) return MoveCursor(static_cast<int>(*row));
  Sound().Say(Marks().empty() ? tr("This run has no marks.")
              : forward       ? tr("No mark after this step.")
                              : tr("No mark before this step."));
}

ChartSound& ResponseChart::Sound() {
  if (!sound_) {
    sound_ = new ChartSound(this);
    sound_->SetTones(stepTones_);
  }
  return *sound_;
}

void ResponseChart::focusInEvent(QFocusEvent* event) {
  // The sound server's stream opened ahead, so that the first step's tone
  // comes as soon as the others.
  if (stepTones_ && Rows() > 0) Sound().Prepare();
  QWidget::focusInEvent(event);
}

bool ResponseChart::StepTones() const { return stepTones_; }

void ResponseChart::SetStepTones(bool on) {
  stepTones_ = on;
  if (sound_) sound_->SetTones(on);
}

void ResponseChart::PlayTone() {
  if (!stepTones_ || !history_ || cursor_ < 0) return;
  const std::optional<double> value =
      SeriesValue(*history_, series_, static_cast<std::size_t>(cursor_));
  if (!value) return;
  if (!toneScale_) toneScale_ = SeriesScale(*history_, series_);
  Sound().Tone(toneScale_->FrequencyOf(*value));
}

void ResponseChart::Play() {
  if (!history_ || Rows() == 0) return;
  const std::vector<double> values = SeriesValues(*history_, series_);
  const PitchScale scale = SeriesScale(*history_, series_);
  const bool kept = series_.kind == SeriesId::Kind::KeptPv;
  const double setPoint = kept ? history_->Kept()[series_.kept].summary.gains.SP
                               : history_->Current().Runs().back().setPoint;
  const QString name = ChartReadout(*history_, Marks(), false, locale_).Name(series_);
  const QString sentence =
      tr("%1 from %2 to %3, SP %4: low pitch, low value.")
          .arg(name, ProseNumber(scale.low, locale_), ProseNumber(scale.high, locale_),
               ProseNumber(setPoint, locale_));
  Sound().Play(SeriesSound(values, scale, SeriesCrossings(*history_, series_), kPlaySeconds),
               sentence);
}

}  // namespace corvale

// The chart walked by keyboard and heard: the series the cursor reads and
// plays, the marks it jumps to, and what it says at each step.
#include <QKeyEvent>
#include <algorithm>

#include "labbook/lab_book.h"
#include "window/chart/chart_cursor.h"
#include "window/chart/chart_play.h"
#include "window/chart/chart_readout.h"
#include "window/chart/response_chart.h"
#include "window/chart/value_axis.h"
#include "window/sound/chart_sound.h"
#include "window/words/prose_number.h"
#include "window/words/response_text.h"
#include "window/words/run_names.h"

namespace corvale {

SeriesId ResponseChart::Series() const { return series_; }

const std::vector<RunMark>& ResponseChart::Marks() const {
  static const std::vector<RunMark> none;
  return book_ ? SeriesMarks(*book_, series_) : none;
}

const std::optional<StepFigures>& ResponseChart::SeriesFigures() const {
  static const std::optional<StepFigures> none;
  if (!book_) return none;
  if (series_.kind != SeriesId::Kind::KeptPv) return book_->CurrentFigures();
  const KeptRun* kept = book_->FindKept(series_.kept);
  return kept ? kept->summary.figures : none;
}

bool ResponseChart::SeriesFalls() const {
  const std::optional<StepFigures>& figures = SeriesFigures();
  return figures && figures->Falling();
}

QString ResponseChart::RowDescription(int row) const {
  if (!book_) return {};
  return ChartReadout(*book_, Marks(), SeriesFalls(), locale_).Row(series_, row);
}

QString ResponseChart::Description() const {
  // What the eye sees at the panel's edge, then the keys alone: the figures,
  // spoken after each run, are read again on F, not each time the chart
  // takes the focus.
  const QString off = book_ && !book_->Kept().empty()
                          ? OffAxisSentences(*book_, OffAxisRuns(*book_, Frame()), locale_)
                          : QString();
  if (figuresText_.isEmpty()) return off;
  const QString keys =
      tr("Keys: Left and Right, a step; Page Up and Page Down, a tenth of the run; Home and "
         "End, its ends; Up and Down, the series; N and Shift+N, the next and the previous "
         "mark; C and Shift+C, the next and the previous crossing of SP; plus and minus, zoom "
         "the steps in and out; Shift+Left and Shift+Right, or the brackets, move along them; 0, "
         "the whole run; F, the figures; T, draw the chosen term in a panel of its own or hide "
         "it; P, play the series as sound; Escape, stop it; Ctrl+Enter, Compute; Ctrl+Shift+Enter, "
         "Continue.");
  return off.isEmpty() ? keys : off + u' ' + keys;
}

void ResponseChart::ChooseSeries(int by) {
  if (!book_ || Rows() == 0) return;
  const std::vector<SeriesId> all = SeriesOf(*book_);
  const auto at = std::find(all.begin(), all.end(), series_);
  const auto count = static_cast<int>(all.size());
  const int index = at == all.end() ? 0 : static_cast<int>(at - all.begin());
  // At an end of the list, said so: the same line again would pass for
  // another series.
  if (index + by < 0) return Sound().Say(tr("No series before %1.").arg(SeriesName()));
  if (index + by >= count) return Sound().Say(tr("No series after %1.").arg(SeriesName()));
  series_ = all[static_cast<std::size_t>(index + by)];
  toneScale_.reset();
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
  const bool jump = event.key() == Qt::Key_N || event.key() == Qt::Key_C;
  if (jump && (mods == Qt::NoModifier || mods == Qt::ShiftModifier)) {
    JumpToMark(mods == Qt::NoModifier, event.key() == Qt::Key_C);
    return true;
  }
  if (mods == Qt::NoModifier && event.key() == Qt::Key_P) {
    Play();
    return true;
  }
  if (mods == Qt::NoModifier && event.key() == Qt::Key_F) {
    SayFigures();
    return true;
  }
  if (mods == Qt::NoModifier && event.key() == Qt::Key_T) {
    ToggleTermPanel();
    return true;
  }
  return mods == Qt::NoModifier && event.key() == Qt::Key_Escape && StopSound();
}

void ResponseChart::JumpToMark(bool forward, bool crossings) {
  if (!book_ || Rows() == 0) return;
  // The series' own marks alone, as its readout says them.
  const MarkKinds own = MarkKindsOf(series_.kind);
  if (crossings && !own.test(static_cast<std::size_t>(RunMark::Kind::Crossing)))
    return Sound().Say(tr("Crossings of SP are marked on PV."));
  const std::optional<std::size_t> row = NextMarkRow(Marks(), cursor_, forward, crossings, own);
  // A kept run may have marks past the current run's end, where the cursor
  // cannot go.
  if (row && *row < static_cast<std::size_t>(Rows())) return MoveCursor(static_cast<int>(*row));
  const bool any = NextMarkRow(Marks(), -1, true, crossings, own).has_value();
  if (!crossings && !any && own != kEveryMark)
    return Sound().Say(tr("No marks on %1.").arg(SeriesName()));
  if (crossings) {
    Sound().Say(!any      ? tr("PV does not cross SP.")
                : forward ? tr("No crossing of SP after this step.")
                          : tr("No crossing of SP before this step."));
  } else {
    Sound().Say(!any      ? tr("This run has no marks.")
                : forward ? tr("No mark after this step.")
                          : tr("No mark before this step."));
  }
}

void ResponseChart::SayFigures() {
  if (!book_ || figuresText_.isEmpty()) return;
  if (series_.kind != SeriesId::Kind::KeptPv) {
    Sound().Say(against_.isEmpty() ? figuresText_ : figuresText_ + u'\n' + against_);
    return;
  }
  const QString name = SeriesName();
  const std::optional<StepFigures>& kept = SeriesFigures();
  Sound().Say(kept ? tr("%1: %2").arg(name, ResponseText(*kept, locale_))
                   : tr("%1: no figures.").arg(name));
}

ChartSound& ResponseChart::Sound() {
  if (!sound_) {
    sound_ = new ChartSound(this);
    sound_->SetTones(stepTones_);
  }
  return *sound_;
}

bool ResponseChart::StopSound() { return sound_ && sound_->Stop(); }

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
  if (!stepTones_ || !book_ || cursor_ < 0) return;
  const std::optional<double> value =
      SeriesValue(*book_, series_, static_cast<std::size_t>(cursor_));
  if (!value) return;
  if (!toneScale_) toneScale_ = SeriesScale(*book_, series_);
  Sound().Tone(toneScale_->FrequencyOf(*value));
}

QString ResponseChart::SeriesName() const {
  const QString name = ChartReadout(*book_, Marks(), false, locale_).Name(series_);
  if (series_.kind != SeriesId::Kind::KeptPv) return name;
  // Which run the number stands for, as the legend names it.
  const auto& kept = book_->Kept();
  const auto at = std::find_if(kept.begin(), kept.end(),
                               [this](const KeptRun& run) { return run.id == series_.kept; });
  if (at == kept.end()) return name;
  const std::vector<QString> names = RunNames(RunsCompared(*book_), locale_);
  return tr("%1 (%2)", "a kept run's PV, then its name")
      .arg(name, names[static_cast<std::size_t>(at - kept.begin())]);
}

QString ResponseChart::PlaySentence() const {
  return book_ ? ChartPlay(*book_, series_, SeriesName(), locale_).Sentence() : QString();
}

void ResponseChart::Play() {
  if (!book_ || Rows() == 0) return;
  const ChartPlay play(*book_, series_, SeriesName(), locale_);
  const QString sentence = play.Sentence();
  if (sentence.isEmpty()) return;
  Sound().Play(play.Sound(Marks()), sentence);
}

}  // namespace corvale

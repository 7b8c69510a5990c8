// The chart walked by keyboard and heard: the series the cursor reads and
// plays, the marks it jumps to, and what it says at each step.
#include <QKeyEvent>
#include <algorithm>

#include "labbook/lab_book.h"
#include "window/chart/chart_cursor.h"
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
  series_ = all[static_cast<std::size_t>(std::clamp(index + by, 0, count - 1))];
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
  const std::optional<std::size_t> row = NextMarkRow(Marks(), cursor_, forward, crossings);
  // A kept run may have marks past the current run's end, where the cursor
  // cannot go.
  if (row && *row < static_cast<std::size_t>(Rows())) return MoveCursor(static_cast<int>(*row));
  const bool any = NextMarkRow(Marks(), -1, true, crossings).has_value();
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

QString ResponseChart::PlaySentence(const std::vector<double>& values) const {
  if (values.empty()) return {};
  const auto [low, high] = std::minmax_element(values.begin(), values.end());
  const QString range =
      tr("%1 from %2 to %3")
          .arg(SeriesName(), ProseNumber(*low, locale_), ProseNumber(*high, locale_));
  if (!IsPv(series_)) return tr("%1.").arg(range);
  return tr("%1; SP %2 sounds first.").arg(range, ProseNumber(PlayedSetPoint(), locale_));
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

bool ResponseChart::IsPv(SeriesId series) {
  using K = SeriesId::Kind;
  return series.kind == K::Pv || series.kind == K::KeptPv || series.kind == K::TruePv;
}

double ResponseChart::PlayedSetPoint() const {
  const std::vector<ResponseTrace::Run> setPoints = SeriesSetPoints(*book_, series_);
  return setPoints.empty() ? 0 : setPoints.back().SetPoint();
}

void ResponseChart::Play() {
  if (!book_ || Rows() == 0) return;
  const std::vector<double> values = SeriesValues(*book_, series_);
  const QString sentence = PlaySentence(values);
  if (sentence.isEmpty()) return;
  const PitchScale scale = SeriesScale(*book_, series_);
  // Clicks where the series' run crosses SP: PV's, for the current run's
  // columns; knocks where its load changes.
  Pcm sound = SeriesSound(values, scale, CrossingRows(Marks()), kPlaySeconds, LoadRows(Marks()));
  if (!IsPv(series_)) return Sound().Play(std::move(sound), sentence);
  // SP's pitch first, for PV to be heard against: a PV that stays short of
  // it never crosses it, and no click would tell.
  Pcm pcm = ToneOf(scale.FrequencyOf(PlayedSetPoint()), kReferenceSeconds);
  pcm.resize(pcm.size() + static_cast<std::size_t>(kSampleRate * kReferenceSeconds / 2));
  pcm.insert(pcm.end(), sound.begin(), sound.end());
  Sound().Play(std::move(pcm), sentence);
}

}  // namespace corvale

#include "window/shell/live_tuning.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <utility>
#include <variant>

#include "form/digit_step.h"
#include "window/access/announcer.h"
#include "window/access/number_box.h"
#include "window/comparison/comparison_sentence.h"
#include "window/words/contexts.h"
#include "window/words/failure_message.h"
#include "window/words/response_text.h"

namespace corvale {
namespace {

constexpr int kSentenceDelayMs = 400;

bool IsGain(Box box) {
  return box == Box::Kp || box == Box::Ki || box == Box::Kd || box == Box::SP;
}

bool IsRedo(const QKeyEvent& key) {
  const auto modifiers = key.modifiers() & ~Qt::KeypadModifier;
  return key.matches(QKeySequence::Redo) ||
         (key.key() == Qt::Key_Z && modifiers == (Qt::ControlModifier | Qt::ShiftModifier));
}

}  // namespace

LiveTuning::LiveTuning(Window window, QObject* parent) : QObject(parent), w_(std::move(window)) {
  runTimer_.setSingleShot(true);
  runTimer_.setInterval(0);
  connect(&runTimer_, &QTimer::timeout, this, &LiveTuning::RunPending);
  sentenceTimer_.setSingleShot(true);
  sentenceTimer_.setInterval(kSentenceDelayMs);
  connect(&sentenceTimer_, &QTimer::timeout, this, &LiveTuning::SayResult);
  for (const BoxDescription& description : kBoxes) {
    QLineEdit* const edit = w_.boxes[IndexOf(description.box)];
    edit->installEventFilter(this);
    const Box box = description.box;
    if (auto* number = qobject_cast<NumberBox*>(edit)) {
      connect(number, &NumberBox::StepRequested, this,
              [this, box](int units) { Step(box, units); });
    }
    // Typing is something else than turning: the series ends.
    connect(edit, &QLineEdit::textEdited, this, [this] {
      if (applying_) return;
      pending_.reset();
      EndSeries();
    });
  }
}

void LiveTuning::Ran(const RunOutcome& outcome) {
  // The command read the boxes as they stand, the change's text among them.
  pending_.reset();
  EndSeries();
  if (outcome.change.newRun) {
    recipe_.Record(Recipe::Command::Compute, *w_.fields);
  } else if (outcome.RowsAdded() > 0) {
    recipe_.Record(Recipe::Command::Continue, *w_.fields);
  }
}

void LiveTuning::Forget() {
  pending_.reset();
  EndSeries();
  recipe_.Clear();
}

void LiveTuning::EndSeries() {
  series_.reset();
  undo_.clear();
  redo_.clear();
}

void LiveTuning::Step(Box box, int units) {
  QLineEdit* const edit = w_.boxes[IndexOf(box)];
  const QString text = edit->text();
  const int caret = edit->cursorPosition();
  const auto stepped =
      StepDigit(text.toStdString(), static_cast<std::size_t>(text.left(caret).toUtf8().size()),
                units, w_.book->Numbers());
  const auto* done = std::get_if<SteppedText>(&stepped);
  if (!done) {
    w_.announcer->Say(std::get<StepRefusal>(stepped) == StepRefusal::TooManyDigits
                          ? FormWords::tr("Not stepped: too many digits.")
                          : FormWords::tr("Not stepped: the box holds no plain number."));
    return;
  }
  const QString after = QString::fromStdString(done->text);
  const int afterCaret = static_cast<int>(
      QString::fromUtf8(done->text.data(), static_cast<qsizetype>(done->caret)).size());
  if (series_ && *series_ != box) EndSeries();
  undo_.push_back({box, text, after, caret, afterCaret});
  redo_.clear();
  Apply(box, after, afterCaret);
}

void LiveTuning::Apply(Box box, const QString& text, int caret) {
  QLineEdit* const edit = w_.boxes[IndexOf(box)];
  applying_ = true;
  edit->setText(text);
  edit->setCursorPosition(caret);
  // As typing would: the Loop page names the plant its numbers make.
  emit edit->textEdited(text);
  applying_ = false;
  w_.announcer->Say(text);
  if (recipe_.Empty()) return;
  sentenceTimer_.stop();
  // Another box's change still waiting runs with this one.
  if (pending_ && *pending_ != box) {
    recipe_.Take(*pending_, w_.boxes[IndexOf(*pending_)]->text().toStdString());
  }
  pending_ = box;
  if (!running_) runTimer_.start();
}

void LiveTuning::RunPending() {
  if (running_ || !pending_) return;
  // Keys that came while the last run worked change only the text: the
  // latest value alone runs.
  running_ = true;
  QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::X11ExcludeTimers);
  running_ = false;
  if (!pending_) return;
  const Box box = *pending_;
  pending_.reset();
  const bool keep = series_ != box;
  RunOutcome outcome =
      recipe_.Replay(*w_.book, box, w_.boxes[IndexOf(box)]->text().toStdString(), keep);
  if (outcome.change.newRun) series_ = box;
  failure_ = std::move(outcome.failure);
  w_.follow(outcome.change);
  sentenceTimer_.start();
}

void LiveTuning::SayResult() {
  if (failure_) {
    w_.announcer->Say(SpokenFailureMessage(*failure_, w_.locale));
    return;
  }
  const std::optional<StepFigures>& figures = w_.book->CurrentFigures();
  if (!figures || !series_) return;
  const KeptRun* ghost = w_.book->LastKept();
  QString sentence = ghost && ghost->summary.figures
                         ? AgainstBefore(w_.book->CurrentGains(), *figures, ghost->summary.gains,
                                         *ghost->summary.figures, w_.locale)
                         : QString();
  if (sentence.isEmpty()) sentence = ResponseText(*figures, w_.locale);
  // The gains and SP are named in the comparison; the plant's numbers are not.
  if (!IsGain(*series_)) {
    sentence = FormWords::tr("%1 %2: %3", "a box's label, its value, what its run changed")
                   .arg(QString::fromUtf8(Describe(*series_).label),
                        w_.boxes[IndexOf(*series_)]->text(), sentence);
  }
  w_.announcer->Say(sentence);
}

bool LiveTuning::UndoOrRedo(Box box, bool redo) {
  std::vector<Change>& from = redo ? redo_ : undo_;
  std::vector<Change>& to = redo ? undo_ : redo_;
  if (from.empty() || from.back().box != box) return false;
  const Change change = from.back();
  // Once typed over, the box's own undo is the one that counts.
  if (w_.boxes[IndexOf(box)]->text() != (redo ? change.before : change.after)) return false;
  from.pop_back();
  to.push_back(change);
  Apply(box, redo ? change.after : change.before, redo ? change.caretAfter : change.caretBefore);
  return true;
}

std::optional<Box> LiveTuning::BoxOf(const QObject* object) const {
  for (const BoxDescription& description : kBoxes) {
    if (w_.boxes[IndexOf(description.box)] == object) return description.box;
  }
  return std::nullopt;
}

bool LiveTuning::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return false;
  const auto* key = static_cast<QKeyEvent*>(event);
  const bool redo = IsRedo(*key);
  if (!redo && !key->matches(QKeySequence::Undo)) return false;
  const std::optional<Box> box = BoxOf(watched);
  return box && UndoOrRedo(*box, redo);
}

}  // namespace corvale

#include "window/sound/chart_sound.h"

#include <QWidget>
#include <algorithm>

#include "window/access/announcer.h"
#include "window/sound/sound_output.h"
#include "window/words/contexts.h"

namespace corvale {

ChartSound::ChartSound(QWidget* chart) : QObject(chart), announcer_(new Announcer(chart)) {
  // Hidden until it speaks: a screen reader says "notification" of one shown.
  announcer_->hide();
  waiting_.setInterval(20);
  connect(&waiting_, &QTimer::timeout, this, &ChartSound::Proceed);
  speaking_.setSingleShot(true);
  connect(&speaking_, &QTimer::timeout, this, [this] {
    if (output_) output_->Play(std::move(pending_));
    pending_.clear();
    seriesSent_ = true;
  });
}

ChartSound::~ChartSound() = default;

void ChartSound::Say(const QString& text) {
  // Made after the chart was shown, it shows only when told: hidden, a
  // screen reader finds no text in it.
  announcer_->show();
  announcer_->Say(text);
}

SoundOutput& ChartSound::Output() {
  if (!output_) output_ = std::make_unique<SoundOutput>();
  output_->Connect();
  return *output_;
}

void ChartSound::Play(Pcm pcm, const QString& sentence) {
  Stop();
  pending_ = std::move(pcm);
  sentence_ = sentence;
  playAsked_ = true;
  Output();
  Proceed();
  if (playAsked_) waiting_.start();
}

void ChartSound::Proceed() {
  if (!playAsked_ || !output_) return waiting_.stop();
  switch (output_->Now()) {
    case SoundOutput::State::Ready:
      // Played again, the same series sounds at once: its sentence was heard.
      if (sentence_ == lastSentence_) {
        speaking_.start(0);
        break;
      }
      Say(sentence_);
      lastSentence_ = sentence_;
      // The sound waits for the sentence: about 60 ms a character at a
      // screen reader's usual rate.
      speaking_.start(std::clamp(static_cast<int>(sentence_.size()) * 60, 1000, 4000));
      break;
    case SoundOutput::State::Failed:
      Say(ChartWords::tr("There is no sound output."));
      pending_.clear();
      break;
    default:
      return;  // still connecting
  }
  playAsked_ = false;
  waiting_.stop();
}

void ChartSound::Tone(double frequency) {
  if (!tones_) return;
  SoundOutput& output = Output();
  // A tone while Play waits for its sentence, or plays, would cut it short.
  if (speaking_.isActive() || playAsked_ || (seriesSent_ && output.Playing())) return;
  seriesSent_ = false;
  output.Play(ToneOf(frequency, kToneSeconds));
}

bool ChartSound::Stop() {
  const bool playing = playAsked_ || speaking_.isActive() || (output_ && output_->Playing());
  playAsked_ = false;
  waiting_.stop();
  speaking_.stop();
  pending_.clear();
  if (output_) output_->Stop();
  return playing;
}

}  // namespace corvale

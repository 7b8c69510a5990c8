#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <memory>

#include "labbook/lab_book.h"
#include "labbook/run_series.h"
#include "labbook/series_sound.h"

namespace corvale {

class Announcer;
class SoundOutput;

// The chart heard: Play speaks one sentence (the series, its range and SP,
// and how pitch stands for value), then plays the series over a few
// seconds; each cursor move plays a short tone of its value. Without a sound
// server, Play says so, once, and nothing else changes.
class ChartSound : public QObject {
  Q_OBJECT

 public:
  explicit ChartSound(QWidget* chart);
  ~ChartSound() override;

  // The series' sound and the sentence said before it; the sentence is not
  // said again when it is the one said last.
  void Play(Pcm pcm, const QString& sentence);
  // The tone of a value on the series' scale, unless tones are off.
  void Tone(double frequency);
  // Connects ahead of the first sound; the stream, unused, closes again soon.
  void Prepare() { Output(); }
  // Tells a screen reader, without moving the focus.
  void Say(const QString& text);
  // Stops a sound playing or about to; false when there was none.
  bool Stop();

  bool Tones() const { return tones_; }
  void SetTones(bool on) { tones_ = on; }
  // How long a tone lasts.
  static constexpr double kToneSeconds = 0.06;

 private:
  SoundOutput& Output();
  // Once the output is there, or known not to be.
  void Proceed();

  Announcer* announcer_;
  std::unique_ptr<SoundOutput> output_;  // made when first needed
  QTimer waiting_;                       // for the connection
  QTimer speaking_;                      // for the sentence to be said
  Pcm pending_;
  QString sentence_;
  QString lastSentence_;  // said before the last sound played
  bool playAsked_ = false;
  bool seriesSent_ = false;  // the series went to the output
  bool tones_ = true;
};

}  // namespace corvale

#pragma once

#include <atomic>
#include <memory>

#include "labbook/series_sound.h"

namespace corvale {

// Sound through PulseAudio's simple API (which PipeWire serves too), on a
// thread of its own: a hung server blocks a connection for half a minute,
// and neither the window nor its closing must ever wait for it. It connects
// when first asked, then keeps a stream open with a short target buffer, fed
// with silence between sounds, so that a sound starts within a few tens of
// milliseconds; after a couple of seconds with nothing to play the stream
// closes, and the next sound opens it again.
class SoundOutput {
 public:
  enum class State { Idle, Connecting, Ready, Failed };

  SoundOutput();
  ~SoundOutput();
  SoundOutput(const SoundOutput&) = delete;
  SoundOutput& operator=(const SoundOutput&) = delete;

  // Connects, unless connected or connecting; after a failure, tries again.
  void Connect();
  State Now() const;
  // `pcm` in place of whatever plays; dropped unless Ready.
  void Play(Pcm pcm);
  void Stop();
  // Whether a sound is still to be played out.
  bool Playing() const;

  struct Shared;

 private:
  std::shared_ptr<Shared> shared_;
};

}  // namespace corvale

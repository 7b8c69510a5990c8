#pragma once

#include <atomic>
#include <memory>
#include <thread>

#include "series_sound.h"

namespace corvale {

// Sound through PulseAudio's simple API (which PipeWire serves too), on a
// thread of its own: a hung server blocks a connection for half a minute,
// and the window must never wait for it. It connects when first asked and
// then keeps one stream open, fed with silence between sounds, with a short
// target buffer, so that a sound starts within a few tens of milliseconds.
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

 private:
  struct Shared;
  std::shared_ptr<Shared> shared_;
  std::thread thread_;
};

}  // namespace corvale

#include "sound_output.h"

#include <pulse/error.h>
#include <pulse/simple.h>

#include <algorithm>
#include <condition_variable>
#include <mutex>

namespace corvale {
namespace {

constexpr std::size_t kChunk = kSampleRate / 200;             // 5 ms: how soon a new sound cuts in
constexpr std::uint32_t kTargetBytes = kSampleRate / 50 * 2;  // 20 ms of buffer at the server

}  // namespace

struct SoundOutput::Shared {
  std::mutex mutex;
  std::condition_variable wake;
  bool stop = false;
  bool connect = false;  // asked to connect
  Pcm queue;
  std::size_t played = 0;  // of queue
  std::atomic<State> state{State::Idle};

  // The next chunk: what is queued, then silence.
  void Next(Pcm& chunk) {
    std::lock_guard lock(mutex);
    std::fill(chunk.begin(), chunk.end(), 0);
    const std::size_t n = std::min(chunk.size(), queue.size() - played);
    std::copy_n(queue.begin() + static_cast<std::ptrdiff_t>(played), n, chunk.begin());
    played += n;
  }

  // Waits to be asked to connect; false once told to stop.
  bool AwaitConnect() {
    std::unique_lock lock(mutex);
    wake.wait(lock, [this] { return stop || connect; });
    connect = false;
    if (stop) return false;
    state = State::Connecting;  // under the lock, as the owner reads it when it ends
    return true;
  }

  bool Stopping() {
    std::lock_guard lock(mutex);
    return stop;
  }
};

namespace {

pa_simple* Open() {
  const pa_sample_spec format{PA_SAMPLE_S16LE, static_cast<std::uint32_t>(kSampleRate), 1};
  pa_buffer_attr attr;
  attr.maxlength = static_cast<std::uint32_t>(-1);
  attr.tlength = kTargetBytes;
  attr.prebuf = static_cast<std::uint32_t>(-1);
  attr.minreq = static_cast<std::uint32_t>(-1);
  attr.fragsize = static_cast<std::uint32_t>(-1);
  int error = 0;
  return pa_simple_new(nullptr, "Corvale", PA_STREAM_PLAYBACK, nullptr, "Step response", &format,
                       nullptr, &attr, &error);
}

}  // namespace

SoundOutput::SoundOutput() : shared_(std::make_shared<Shared>()) {
  thread_ = std::thread([shared = shared_] {
    Pcm chunk(kChunk);
    while (shared->AwaitConnect()) {
      pa_simple* stream = Open();
      if (!stream) {
        shared->state = State::Failed;
        continue;
      }
      shared->state = State::Ready;
      int error = 0;
      while (!shared->Stopping()) {
        shared->Next(chunk);
        if (pa_simple_write(stream, chunk.data(), chunk.size() * 2, &error) < 0) break;
      }
      pa_simple_free(stream);
      if (!shared->Stopping()) shared->state = State::Failed;  // the server went away
    }
  });
}

SoundOutput::~SoundOutput() {
  bool connecting = false;
  {
    std::lock_guard lock(shared_->mutex);
    shared_->stop = true;
    connecting = shared_->state == State::Connecting;
  }
  shared_->wake.notify_all();
  // A connection to a hung server may take half a minute: the thread is
  // left to end on its own, with what it shares kept alive for it.
  if (connecting) {
    thread_.detach();
  } else {
    thread_.join();
  }
}

void SoundOutput::Connect() {
  const State state = shared_->state;
  if (state == State::Ready || state == State::Connecting) return;
  {
    std::lock_guard lock(shared_->mutex);
    shared_->connect = true;
  }
  shared_->wake.notify_all();
}

SoundOutput::State SoundOutput::Now() const { return shared_->state; }

void SoundOutput::Play(Pcm pcm) {
  if (shared_->state != State::Ready) return;
  std::lock_guard lock(shared_->mutex);
  shared_->queue = std::move(pcm);
  shared_->played = 0;
}

void SoundOutput::Stop() { Play({}); }

bool SoundOutput::Playing() const {
  std::lock_guard lock(shared_->mutex);
  return shared_->played < shared_->queue.size();
}

}  // namespace corvale

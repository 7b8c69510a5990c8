#include "window/sound/sound_output.h"

#include <pulse/error.h>
#include <pulse/simple.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace corvale {
namespace {

constexpr std::size_t kChunk = kSampleRate / 200;             // 5 ms: how soon a new sound cuts in
constexpr std::uint32_t kTargetBytes = kSampleRate / 50 * 2;  // 20 ms of buffer at the server
// Two seconds of nothing to play: the stream closes, so that the server may
// suspend the sound card and the program costs nothing while idle.
constexpr std::size_t kIdleChunks = 400;
constexpr auto kGoodbye = std::chrono::milliseconds(300);

}  // namespace

struct SoundOutput::Shared {
  std::mutex mutex;
  std::condition_variable wake;
  bool stop = false;
  bool connect = false;  // asked to connect
  bool ended = false;    // the thread is done with the server
  Pcm queue;
  std::size_t played = 0;  // of queue
  std::atomic<State> state{State::Idle};

  // The next chunk: what is queued, then silence; false for silence alone.
  bool Next(Pcm& chunk) {
    std::lock_guard lock(mutex);
    std::fill(chunk.begin(), chunk.end(), 0);
    const std::size_t n = std::min(chunk.size(), queue.size() - played);
    std::copy_n(queue.begin() + static_cast<std::ptrdiff_t>(played), n, chunk.begin());
    played += n;
    return n > 0;
  }

  // Waits to be asked to connect, or for a sound while the stream is closed;
  // false once told to stop.
  bool AwaitWork() {
    std::unique_lock lock(mutex);
    wake.wait(lock, [this] {
      return stop || connect || (state == State::Ready && played < queue.size());
    });
    connect = false;
    return !stop;
  }

  bool Stopping() {
    std::lock_guard lock(mutex);
    return stop;
  }

  void Fail() {
    std::lock_guard lock(mutex);
    state = State::Failed;
    queue.clear();
    played = 0;
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

// Feeds the stream until told to stop or silent for kIdleChunks; false when
// the server went away.
bool Feed(pa_simple* stream, SoundOutput::Shared& shared) {
  Pcm chunk(kChunk);
  int error = 0;
  for (std::size_t silent = 0; silent < kIdleChunks && !shared.Stopping();) {
    silent = shared.Next(chunk) ? 0 : silent + 1;
    if (pa_simple_write(stream, chunk.data(), chunk.size() * 2, &error) < 0) return false;
  }
  return true;
}

}  // namespace

SoundOutput::SoundOutput() : shared_(std::make_shared<Shared>()) {
  // The thread shares nothing but `shared`, which it keeps alive: it may
  // outlive the output, blocked in a server that hangs.
  std::thread([shared = shared_] {
    while (shared->AwaitWork()) {
      pa_simple* stream = Open();
      if (!stream) {
        shared->Fail();
        continue;
      }
      shared->state = State::Ready;
      const bool served = Feed(stream, *shared);
      pa_simple_free(stream);
      // Closed while idle, it stays Ready, to open again for the next sound.
      if (!served && !shared->Stopping()) shared->Fail();
    }
    std::lock_guard lock(shared->mutex);
    shared->ended = true;
    shared->wake.notify_all();
  }).detach();
}

SoundOutput::~SoundOutput() {
  std::unique_lock lock(shared_->mutex);
  shared_->stop = true;
  shared_->wake.notify_all();
  // A moment for the stream to close cleanly; a server that hangs (stopped,
  // or half a minute connecting) never keeps the program from ending.
  shared_->wake.wait_for(lock, kGoodbye, [this] { return shared_->ended; });
}

void SoundOutput::Connect() {
  {
    std::lock_guard lock(shared_->mutex);
    const State state = shared_->state;
    if (state == State::Ready || state == State::Connecting) return;
    // Connecting from now, not from when the thread wakes: a Play asked
    // after a failure waits for this try, instead of hearing of the last.
    shared_->state = State::Connecting;
    shared_->connect = true;
  }
  shared_->wake.notify_all();
}

SoundOutput::State SoundOutput::Now() const { return shared_->state; }

void SoundOutput::Play(Pcm pcm) {
  if (shared_->state != State::Ready) return;
  {
    std::lock_guard lock(shared_->mutex);
    shared_->queue = std::move(pcm);
    shared_->played = 0;
  }
  shared_->wake.notify_all();  // the stream closed while idle opens again
}

void SoundOutput::Stop() { Play({}); }

bool SoundOutput::Playing() const {
  std::lock_guard lock(shared_->mutex);
  return shared_->played < shared_->queue.size();
}

}  // namespace corvale

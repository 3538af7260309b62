// Cooperative pause and stop of a naming run. The run calls Checkpoint after
// each pool entry, each candidate and each list row; there it waits while
// paused and learns that it is to stop. The run is never suspended anywhere
// else, so a pause never holds the database or a half-written row.
//
// Pause, Resume and Stop may be called from any thread, Checkpoint only from
// the run's own thread. One object serves one run.
#pragma once

#include <atomic>
#include <condition_variable>
#include <mutex>

namespace babyname::generation {

class RunControl {
 public:
  void Pause();
  void Resume();
  // Ends the run at its next checkpoint, also from a pause.
  void Stop();

  bool paused() const { return state_.load(std::memory_order_acquire) == kPaused; }
  bool stopped() const { return state_.load(std::memory_order_acquire) == kStopped; }

  // False when the run is to stop; waits while paused. Cheap when running
  // (one atomic load), so it may be called per candidate.
  bool Checkpoint() {
    const int state = state_.load(std::memory_order_relaxed);
    if (state == kRunning) return true;
    return WaitWhilePaused();
  }

 private:
  enum : int { kRunning = 0, kPaused = 1, kStopped = 2 };
  bool WaitWhilePaused();

  std::atomic<int> state_{kRunning};
  std::mutex mutex_;
  std::condition_variable changed_;
};

}  // namespace babyname::generation

#include "generation/run_control.h"

namespace babyname::generation {

void RunControl::Pause() {
  std::lock_guard lock(mutex_);
  int expected = kRunning;
  state_.compare_exchange_strong(expected, kPaused);
}

void RunControl::Resume() {
  {
    std::lock_guard lock(mutex_);
    int expected = kPaused;
    state_.compare_exchange_strong(expected, kRunning);
  }
  changed_.notify_all();
}

void RunControl::Stop() {
  {
    std::lock_guard lock(mutex_);
    state_.store(kStopped);
  }
  changed_.notify_all();
}

bool RunControl::WaitWhilePaused() {
  std::unique_lock lock(mutex_);
  changed_.wait(lock, [this] { return state_.load() != kPaused; });
  return state_.load() != kStopped;
}

}  // namespace babyname::generation

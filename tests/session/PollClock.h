#pragma once
// Virtual time with a window timer on it: the poll timer is fired from the
// clock's SleepMs, as the program's waiter services timers while a request
// waits, so a tick can arrive in the middle of a poll.
#include <cstdint>

#include "link/ScriptedPort.h"
#include "ui/TPollTimer.h"

namespace lur::test {

class ManualPollTimer : public TPollTimer {
 public:
  explicit ManualPollTimer(TWaiter& clock) : clock_(clock) {}

  void Start(int periodMs) override {
    active_ = true;
    period_ = periodMs;
    due_ = clock_.NowMs() + periodMs;
    ++starts;
  }
  void Stop() override { active_ = false; }
  bool IsActive() const override { return active_; }

  // Fires every tick that has fallen due; re-entered from a wait inside a
  // tick, it fires the ticks due by then, inside the running one.
  void FireDue() {
    while (active_ && period_ > 0 && clock_.NowMs() >= due_) {
      due_ += period_;
      ++fired;
      Tick();
    }
  }

  int Period() const { return period_; }
  int starts = 0;
  int fired = 0;

 private:
  TWaiter& clock_;
  bool active_ = false;
  int period_ = 0;
  std::int64_t due_ = 0;
};

class PollClock : public VirtualClock {
 public:
  void SleepMs(int ms) override {
    VirtualClock::SleepMs(ms);
    if (timer != nullptr) timer->FireDue();
  }
  // Lets time pass outside any poll, in steps so that due ticks fire in turn.
  void Advance(int ms) {
    for (int left = ms; left > 0; left -= 100) SleepMs(left < 100 ? left : 100);
  }

  ManualPollTimer* timer = nullptr;
};

}  // namespace lur::test

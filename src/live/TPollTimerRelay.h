#pragma once
// A window timer passed on to the poller, so that the window's own tick
// handler (Timer1Timer) fires the very path a timer tick takes, with the
// poller's guards against a nested or late poll.
#include "ui/TPollTimer.h"

namespace lur {

class TPollTimerRelay : public TPollTimer {
 public:
  explicit TPollTimerRelay(TPollTimer& timer) : timer_(timer) {
    timer_.SetOnTick([this] { Tick(); });
  }
  ~TPollTimerRelay() override {
    timer_.Stop();
    timer_.SetOnTick(nullptr);
  }
  TPollTimerRelay(const TPollTimerRelay&) = delete;
  TPollTimerRelay& operator=(const TPollTimerRelay&) = delete;

  void Start(int periodMs) override { timer_.Start(periodMs); }
  void Stop() override { timer_.Stop(); }
  bool IsActive() const override { return timer_.IsActive(); }
  void Fire() { Tick(); }

 private:
  TPollTimer& timer_;
};

}  // namespace lur

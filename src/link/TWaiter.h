#pragma once
// How the link passes time. Transfers are synchronous, but a wait must neither
// burn the processor nor freeze the window: the program's waiter sleeps in
// short slices and services painting between them, the tests' waiter runs on
// virtual time.
#include <cstdint>

namespace lur {

class TWaiter {
 public:
  virtual ~TWaiter() = default;
  // Milliseconds on a monotonic clock (never jumps, never wraps at midnight).
  virtual std::int64_t NowMs() = 0;
  // Sleeps about ms milliseconds (at most a little more).
  virtual void SleepMs(int ms) = 0;
  // Lets the program repaint and answer the desktop while a read waits;
  // never delivers user input.
  virtual void Service() {}
};

// Plain sleeping on the steady clock: the command line and the simulator.
class TSteadyWaiter : public TWaiter {
 public:
  std::int64_t NowMs() override;
  void SleepMs(int ms) override;
};

}  // namespace lur

#pragma once
// The program's waiter: sleeps in short slices and lets Qt repaint and answer
// the desktop between them, without delivering user input.
#include "link/TWaiter.h"

namespace lur {

class TQtWaiter : public TWaiter {
 public:
  std::int64_t NowMs() override;
  void SleepMs(int ms) override;
  void Service() override;
};

}  // namespace lur

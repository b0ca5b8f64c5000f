#include "link/TWaiter.h"

#include <chrono>
#include <thread>

namespace lur {

std::int64_t TSteadyWaiter::NowMs() {
  return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

void TSteadyWaiter::SleepMs(int ms) {
  if (ms > 0) std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

}  // namespace lur

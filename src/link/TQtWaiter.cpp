#include "link/TQtWaiter.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QThread>
#include <algorithm>
#include <chrono>

namespace lur {

std::int64_t TQtWaiter::NowMs() {
  return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

void TQtWaiter::Service() {
  if (QCoreApplication::instance()) QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 5);
}

void TQtWaiter::SleepMs(int ms) {
  const std::int64_t end = NowMs() + ms;
  for (std::int64_t left = ms; left > 0; left = end - NowMs()) {
    Service();
    QThread::msleep(static_cast<unsigned long>(std::min<std::int64_t>(left, 10)));
  }
}

}  // namespace lur

#include "ui/TQtPollTimer.h"

namespace lur {

TQtPollTimer::TQtPollTimer() {
  // A precise timer: the clock window polls every 100 ms, and a coarse one
  // may drift by 5 % of the period.
  timer_.setTimerType(Qt::PreciseTimer);
  QObject::connect(&timer_, &QTimer::timeout, &timer_, [this] { Tick(); });
}

void TQtPollTimer::Start(int periodMs) { timer_.start(periodMs); }

void TQtPollTimer::Stop() { timer_.stop(); }

}  // namespace lur

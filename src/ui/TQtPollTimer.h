#pragma once
// The live views' poll timer over a QTimer of the user-interface thread.
#include <QTimer>

#include "ui/TPollTimer.h"

namespace lur {

class TQtPollTimer : public TPollTimer {
 public:
  TQtPollTimer();

  void Start(int periodMs) override;
  void Stop() override;
  bool IsActive() const override { return timer_.isActive(); }

 private:
  QTimer timer_;
};

}  // namespace lur

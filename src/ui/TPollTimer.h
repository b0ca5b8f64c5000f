#pragma once
// A window timer as the live views need it: started with a period (the first
// tick one period later), stopped, and a callback for each tick. The program
// drives it with a QTimer, lurctl with its own loop, the tests by hand.
//
// A tick may arrive while the previous one is still being handled (a wait
// inside a transaction services timers); the receiver guards against that.
#include <functional>
#include <utility>

namespace lur {

class TPollTimer {
 public:
  virtual ~TPollTimer() = default;

  virtual void Start(int periodMs) = 0;
  virtual void Stop() = 0;
  virtual bool IsActive() const = 0;

  void SetOnTick(std::function<void()> onTick) { onTick_ = std::move(onTick); }

 protected:
  void Tick() {
    if (onTick_) onTick_();
  }

 private:
  std::function<void()> onTick_;
};

}  // namespace lur

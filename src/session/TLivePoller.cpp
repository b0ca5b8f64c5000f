#include "session/TLivePoller.h"

#include "session/LinkReports.h"
#include "session/TSession.h"

namespace lur {
namespace {

// Marks a poll under way for as long as it runs, its box included.
class TPollGuard {
 public:
  explicit TPollGuard(bool& flag) : flag_(flag) { flag_ = true; }
  ~TPollGuard() { flag_ = false; }
  TPollGuard(const TPollGuard&) = delete;
  TPollGuard& operator=(const TPollGuard&) = delete;

 private:
  bool& flag_;
};

}  // namespace

TLivePoller::TLivePoller(TSession& session, TPollTimer& timer, TLiveView& view)
    : session_(session), timer_(timer), view_(view) {
  timer_.SetOnTick([this] { OnTick(); });
}

TLivePoller::~TLivePoller() {
  timer_.Stop();
  timer_.SetOnTick(nullptr);
}

void TLivePoller::Show() {
  view_.ClearCells();
  Start();
}

void TLivePoller::Close() { Stop(); }

void TLivePoller::Toggle() {
  if (polling_) {
    Stop();
  } else {
    Start();
  }
}

void TLivePoller::Start() {
  if (polling_) return;
  polling_ = true;
  timer_.Start(PeriodMs());
  view_.PollingChanged(true);
}

void TLivePoller::Stop() {
  if (!polling_) return;
  timer_.Stop();
  polling_ = false;
  view_.PollingChanged(false);
}

void TLivePoller::SetPeriodMs(int periodMs) {
  periodOverride_ = periodMs > 0 ? periodMs : 0;
  if (polling_) timer_.Start(PeriodMs());
}

int TLivePoller::PeriodMs() const { return periodOverride_ > 0 ? periodOverride_ : view_.PeriodMs(); }

void TLivePoller::OnTick() {
  // A tick from inside a running poll (a wait that serviced timers), or one
  // that was already queued when polling stopped.
  if (inPoll_ || !polling_) {
    ++skipped_;
    return;
  }
  int code = 0;
  {
    TPollGuard guard(inPoll_);
    ++polls_;
    code = view_.Poll();
    if (code != 0) {
      if (!view_.KeepsPollingAfterFailure()) Stop();
      ReportLinkError(session_.ui, session_.link, session_.addressing.AddressIndex(), code);
    }
  }
  if (afterPoll_) afterPoll_(code);
}

}  // namespace lur

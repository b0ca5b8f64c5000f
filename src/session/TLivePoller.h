#pragma once
// The one poller of every live window. Showing the window clears its cells
// and starts polling; each timer tick runs one poll; closing stops the
// requests.
//
// A poll never starts while one runs: the link's waits service timers, so a
// tick can arrive inside a poll (or inside the box of a failed one), and such
// a tick is skipped. A failed poll switches polling off before its one box
// opens, so no later tick stacks another box; the clock window keeps polling
// and still shows one box per failed poll.
#include <functional>
#include <utility>

#include "session/TLiveView.h"
#include "ui/TPollTimer.h"

namespace lur {

struct TSession;

class TLivePoller {
 public:
  TLivePoller(TSession& session, TPollTimer& timer, TLiveView& view);
  ~TLivePoller();
  TLivePoller(const TLivePoller&) = delete;
  TLivePoller& operator=(const TLivePoller&) = delete;

  // FormShow: empties the cells and starts polling (the first poll one period
  // later).
  void Show();
  // FormClose: stops polling; no request is sent after it.
  void Close();
  // The window's start/stop button.
  void Toggle();
  void Start();
  void Stop();
  bool Polling() const { return polling_; }
  bool InPoll() const { return inPoll_; }

  // The period used from the next start on (lurctl's --interval); 0 or less
  // returns to the view's own.
  void SetPeriodMs(int periodMs);
  int PeriodMs() const;

  // Called after every poll with its result (0 or the failure's code), after
  // any box: lurctl prints and counts here.
  void SetAfterPoll(std::function<void(int code)> afterPoll) { afterPoll_ = std::move(afterPoll); }

  int PollCount() const { return polls_; }
  int SkippedTicks() const { return skipped_; }

 private:
  void OnTick();

  TSession& session_;
  TPollTimer& timer_;
  TLiveView& view_;
  std::function<void(int)> afterPoll_;
  int periodOverride_ = 0;
  bool polling_ = false;
  bool inPoll_ = false;
  int polls_ = 0;
  int skipped_ = 0;
};

}  // namespace lur

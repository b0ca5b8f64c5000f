#pragma once
// The analog live view of an exchange block (`TFormVhAnL`, "Тек. информ.
// аналоговых входов  локал. сети ЛУР-05"): the block's analog values, read
// every 3 s with function 0x47 into the live analog buffer, with their limit
// violation and state letter. Its "on line" opens the discrete view of the
// block's alarm entries; the two never poll at once.
//
// Polling runs from showing until closing or until a failed poll; its
// start/stop button is hidden.
#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "live/TLiveCellLook.h"
#include "live/TPollTimerRelay.h"
#include "network/NetLiveHead.h"
#include "network/TFormVhDLocController.h"
#include "network/TNetworkLiveWindow.h"
#include "session/TLivePoller.h"
#include "session/TLiveView.h"
#include "session/TModalWindow.h"

namespace lur {

struct TSession;

class TFormVhAnLController : public TLiveView {
 public:
  static constexpr const char* kCaption = "Тек. информ. аналоговых входов  локал. сети ЛУР-05";
  static constexpr const char* kLabelCaption = "Адр. в мас. анал. сигн.";
  static constexpr const char* kButOnLineCaption = "on line";
  static constexpr const char* kLabel49Caption = "запущен опрос";
  static constexpr int kRows = 48;
  static constexpr int kPeriodMs = 3000;
  // One 0x47 answer carries at most 31 records (8 bytes each) in a frame of
  // 256 bytes; a larger block is read in parts.
  static constexpr int kValuesPerRequest = 31;

  // The "on line" child: its controller and the window that shows it (null:
  // "on line" does nothing).
  TFormVhAnLController(TSession& session, TFormVhDLocController& alarms,
                       TModalWindow<TFormVhDLocController>* alarmsWindow);
  ~TFormVhAnLController() override;
  TFormVhAnLController(const TFormVhAnLController&) = delete;
  TFormVhAnLController& operator=(const TFormVhAnLController&) = delete;

  void AttachTimer(TPollTimer& timer);

  // Opening for exchange block request.block: the head, every row emptied,
  // and for each of the block's values its unit and tag. A block that does
  // not read analog values (unconfigured included) shows no rows and asks
  // nothing; values whose signal index or channel record lies past the 48
  // there are are left out.
  void Open(const TNetworkLiveRequest& request);

  // FormShow: polling on (the first poll one period later). FormClose:
  // polling off. Timer1Timer: the timer's tick.
  void FormShow();
  void FormClose();
  void Timer1Timer();
  // "on line": the discrete view of the block's alarm entries, this window's
  // polling paused while it is open. Ignored while a poll runs.
  void ButOnLineClick();
  // Opens `alarms` for the block's 4 x KolVh alarm entries from S1, with
  // this window's head (what "on line" does before showing it).
  void OpenAlarms(TFormVhDLocController& alarms) const;

  bool Polling() const { return poller_ && poller_->Polling(); }
  const TLivePoller* Poller() const { return poller_.get(); }
  void SetOnChange(std::function<void()> onChange) { onChange_ = std::move(onChange); }

  int Block() const { return block_; }
  int S2() const { return s2_; }
  int Rows() const { return rows_; }

  // What the window shows (UTF-8).
  TNetLiveHead head;
  std::array<std::string, kRows> label;  // the signal index, after a poll
  std::array<std::string, kRows> poz;
  std::array<std::string, kRows> razm;
  bool label49Visible = false;
  std::string Val(int r) const;
  TLiveCellLook Nar(int r) const;
  TLiveCellLook Ar(int r) const;

  // TLiveView
  int PeriodMs() const override { return kPeriodMs; }
  int Poll() override;
  void ClearCells() override;
  void PollingChanged(bool on) override;
  std::vector<TLiveCell> Cells() const override;

 private:
  void Changed() const;

  TSession& session_;
  TFormVhDLocController& alarms_;
  TModalWindow<TFormVhDLocController>* alarmsWindow_;
  int block_ = 0;
  int s1_ = 0;
  int s2_ = 0;
  int alarmEntries_ = 0;
  int rows_ = 0;
  bool shown_ = false;  // the value cells show the live buffer
  std::unique_ptr<TPollTimerRelay> relay_;
  std::unique_ptr<TLivePoller> poller_;
  std::function<void()> onChange_;
};

}  // namespace lur

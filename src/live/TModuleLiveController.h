#pragma once
// What the live views of a discrete input module and of a discrete output
// module share: the heading the opener fills, the module's health, one
// on/off cell a signal, "запущен опрос" while polling, and the window's
// handlers over the one live poller. The derived window says what a poll
// reads.
//
// The window attaches its timer; lurctl runs the same controller on a poller
// of its own and attaches none.
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "live/TLiveCellLook.h"
#include "live/TPollTimerRelay.h"
#include "session/TLivePoller.h"
#include "session/TLiveReader.h"
#include "session/TLiveView.h"

namespace lur {

struct TSession;

class TModuleLiveController : public TLiveView {
 public:
  static constexpr int kFaultCoil = 1016;  // 16 coils: bit p - 1 = the module at position p is faulty
  static constexpr int kFaultCoils = 16;

  TModuleLiveController(TSession& session, int signalCount);
  ~TModuleLiveController() override;
  TModuleLiveController(const TModuleLiveController&) = delete;
  TModuleLiveController& operator=(const TModuleLiveController&) = delete;

  // The window's timer; the handlers below need one.
  void AttachTimer(TPollTimer& timer);

  // FormShow: the cells are emptied and polling starts (the first poll one
  // period later). FormClose: polling stops. Timer1Timer: the timer's tick,
  // one poll unless one runs or polling is off. Button1Click: polling on or
  // off. Without an attached timer they do nothing.
  void FormShow();
  void FormClose();
  void Timer1Timer();
  void Button1Click();
  // One poll's requests (what a tick runs): 0, or the code of the request
  // that failed; the poller reports it and stops polling.
  int InClick() { return Poll(); }

  bool Polling() const { return poller_ && poller_->Polling(); }
  const TLivePoller* Poller() const { return poller_.get(); }

  // Told whenever a cell, a label or Label1 changed.
  void SetOnChange(std::function<void()> onChange) { onChange_ = std::move(onChange); }

  // The heading, as the opener set it (UTF-8).
  std::string labNMod;
  std::string tipMod;
  std::string labAMod;
  std::vector<std::string> tRecv;  // one text a signal

  bool label1Visible = false;
  TLiveCellLook Isprav() const;
  TLiveCellLook OnOff(int i) const;  // i = 0-based signal
  int Signals() const { return static_cast<int>(on_.size()); }

  // The module's last known health and signal states (nullopt: not shown).
  std::optional<bool> Faulty() const { return faulty_; }
  std::optional<bool> On(int i) const;

  // TLiveView
  void ClearCells() override;
  void PollingChanged(bool on) override;
  std::vector<TLiveCell> Cells() const override;

 protected:
  // Reads the 16 fault coils and takes the bit of module position p.
  int ReadHealth(int position);
  // Reads `signalCount` bits by function from start into the on/off cells.
  int ReadStates(std::uint8_t function, int start);
  void Changed() const;

  TSession& session_;
  TLiveReader reader_;
  std::optional<bool> faulty_;
  std::vector<std::optional<bool>> on_;

 private:
  std::unique_ptr<TPollTimerRelay> relay_;
  std::unique_ptr<TLivePoller> poller_;
  std::function<void()> onChange_;
};

}  // namespace lur

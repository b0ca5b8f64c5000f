#pragma once
// The discrete live view of an exchange block (`TFormVhDLoc`): up to twelve
// of the block's entries in the controller's discrete signal list, their
// state (function 2) and validity (function 1, coils 1056 + entry), read
// every 3 s. A block of more than twelve entries asks the range dialog which
// to show first.
//
// The window attaches its timer; lurctl runs the same controller on a poller
// of its own and calls ShowRows itself.
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "live/TLiveCellLook.h"
#include "live/TPollTimerRelay.h"
#include "network/NetLiveHead.h"
#include "network/TFormVhLocController.h"
#include "session/TLivePoller.h"
#include "session/TLiveReader.h"
#include "session/TLiveView.h"
#include "session/TModalWindow.h"

namespace lur {

struct TSession;

class TFormVhDLocController : public TLiveView {
 public:
  static constexpr int kRows = 12;
  static constexpr int kPeriodMs = 3000;
  static constexpr int kInvalidCoil = 1056;  // coil 1056 + entry: 1 = the entry is not valid
  static constexpr const char* kTipModCaption = "Тип устр.        Slave";
  static constexpr const char* kLabAModCaption = "Адрес Slave в лок.  сети";
  static constexpr const char* kVhCaption = "Адрес в массиве дискр. сигн.";
  static constexpr const char* kTRecvCaption = "Идентификатор ";
  static constexpr const char* kButton1Caption = "Пуск и остановка таймера";
  static constexpr const char* kLabel1Caption = "запущен опрос";

  // The range dialog is shown through `rangeWindow` (null: never shown, the
  // first twelve entries are taken).
  TFormVhDLocController(TSession& session, TModalWindow<TFormVhLocController>* rangeWindow);
  ~TFormVhDLocController() override;
  TFormVhDLocController(const TFormVhDLocController&) = delete;
  TFormVhDLocController& operator=(const TFormVhDLocController&) = delete;

  void AttachTimer(TPollTimer& timer);

  // Opening for n entries from entry s1: the head takes the device type
  // ("не определен" for "другие ") and the slave address, the rows empty.
  void Open(std::string_view deviceType, std::string_view slaveAddress, int s1, int n);

  // Steps 1 to 3 of showing: F = S1, the range dialog for more than twelve
  // entries, C = min(12, the dialog's count, the entries left from F), the
  // rows' numbers and identifiers. False when the range dialog ended without
  // its OK: nothing is shown and nothing polled.
  bool ShowRows();
  // FormShow: ShowRows, then polling on (the first poll one period later).
  // FormClose: polling off. Timer1Timer: the timer's tick. Button1Click:
  // polling on or off. Without an attached timer they only show the rows.
  bool FormShow();
  // The window is on screen after ShowRows: the cells empty, polling on.
  void StartPolling();
  void FormClose();
  void Timer1Timer();
  void Button1Click();

  bool Polling() const { return poller_ && poller_->Polling(); }
  const TLivePoller* Poller() const { return poller_.get(); }
  TFormVhLocController& Range() { return range_; }

  void SetOnChange(std::function<void()> onChange) { onChange_ = std::move(onChange); }

  int S1() const { return s1_; }
  int N() const { return n_; }
  int First() const { return first_; }
  int Rows() const { return rows_; }

  // What the window shows (UTF-8).
  TNetLiveHead head;
  std::array<std::string, kRows> vh;
  std::array<std::string, kRows> tRecv;
  bool label1Visible = false;
  TLiveCellLook OnOff(int r) const;
  TLiveCellLook Dost(int r) const;

  // TLiveView
  int PeriodMs() const override { return kPeriodMs; }
  int Poll() override;
  void ClearCells() override;
  void PollingChanged(bool on) override;
  std::vector<TLiveCell> Cells() const override;

 private:
  void Changed() const;

  TSession& session_;
  TModalWindow<TFormVhLocController>* rangeWindow_;
  TFormVhLocController range_;
  TLiveReader reader_;
  int s1_ = 0;
  int n_ = 0;
  int first_ = 0;
  int rows_ = 0;
  std::array<std::optional<bool>, kRows> on_{};
  std::array<std::optional<bool>, kRows> invalid_{};
  std::unique_ptr<TPollTimerRelay> relay_;
  std::unique_ptr<TLivePoller> poller_;
  std::function<void()> onChange_;
};

}  // namespace lur

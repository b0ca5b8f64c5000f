#pragma once
// The controller's clock window ("Задание времени и даты"): the clock read
// every 100 ms (function 4, input registers 1000..1006) and shown as time,
// date and day of week; seven fields that set it through the broadcast 0x46,
// filled by hand, from the last reading or from the computer's clock.
//
// A failed reading is reported once and switches the reading off (a silent
// controller would otherwise cost seconds a tick and stack its boxes);
// `Button1` switches it on again. The broadcast is never answered, but a
// port that cannot send it is reported.
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "live/ClockFields.h"
#include "live/TPollTimerRelay.h"
#include "session/TLivePoller.h"
#include "session/TLiveReader.h"
#include "session/TLiveView.h"

namespace lur {

struct TSession;

class TFormTimeDateController : public TLiveView {
 public:
  static constexpr const char* kCaption = "Задание времени и даты";
  static constexpr int kPeriodMs = 100;
  static constexpr int kClockRegister = 1000;
  static constexpr int kClockRegisters = 7;
  static constexpr int kFields = 7;
  // The main window's flag of a changed clock field.
  static constexpr int kStateFlag = 9;
  static constexpr const char* kStartReadingText = "Включите запрос времени с прибора";

  // The field of each value, Edit1 (seconds) .. Edit7 (day of week), with
  // its range (the field's hint) and its length.
  struct TClockField {
    const char* name;
    const char* label;
    int lo;
    int hi;
    int maxLength;
  };
  static const std::array<TClockField, kFields> kClockFields;

  explicit TFormTimeDateController(TSession& session, TComputerClock computerClock = ComputerLocalTime);
  ~TFormTimeDateController() override;
  TFormTimeDateController(const TFormTimeDateController&) = delete;
  TFormTimeDateController& operator=(const TFormTimeDateController&) = delete;

  // The window's timer; showing, the tick and Button1 need one.
  void AttachTimer(TPollTimer& timer);

  // Showing: the shown clock and the last reading are forgotten, the changed
  // flag (StateFlags element 9) is cleared and the reading starts (the
  // first one period later).
  void FormShow();
  // The timer's tick: one reading, unless one runs or reading is off.
  void Timer1Timer();
  // One reading (what a tick runs): 0, or the code of the failed request.
  // Nothing is reported here: the tick's poller reports it once.
  int ReadClock() { return Poll(); }
  // Reading on or off.
  void Button1Click();
  // The last reading into the fields; with the reading off, a warning.
  void Button2Click();
  // The computer's clock into the fields.
  void Button3Click();
  // A field's text changed (typed, pasted, or set by Button2/Button3):
  // marks the main window's flag.
  void EditChange(int field, const std::string& text);
  // Leaving a field: an empty one shows the marker.
  void EditExit(int field);
  // Every field checked in order, the day against its month; the first
  // failure marks its field and stops. The values, or nothing.
  std::optional<TClockValues> CheckFields();
  // Sends the fields with the broadcast: the access level first, then the
  // check. True when the broadcast left (no answer is awaited); a refusal,
  // a failed check or a failed send (reported) give false.
  bool ChangeTimeClick();
  // OK: the check; false keeps the window open. True stops the reading as
  // the window closes.
  bool OKClick();
  // Cancel, the close box, Esc and OK after its check: the reading stops;
  // in file mode a changed field marks the configuration.
  void FormClose();

  // What the window shows.
  std::string stTime;
  std::string stDate;
  std::string stDayWeek;
  bool label10Visible = false;
  const std::string& Field(int field) const { return fields_.at(static_cast<std::size_t>(field)); }
  bool Polling() const { return poller_ && poller_->Polling(); }
  const TLivePoller* Poller() const { return poller_.get(); }
  // The last values read since showing.
  const std::optional<TClockValues>& LastReading() const { return last_; }

  // Told whenever a shown text, the label or a field changed.
  void SetOnChange(std::function<void()> onChange) { onChange_ = std::move(onChange); }

  // TLiveView
  int PeriodMs() const override { return kPeriodMs; }
  int Poll() override;
  void ClearCells() override;
  void PollingChanged(bool on) override;
  std::vector<TLiveCell> Cells() const override;

 private:
  void SetFields(const TClockValues& v);
  void SetField(int field, const std::string& text);
  void MarkChanged();
  void Changed() const;

  TSession& session_;
  TComputerClock computerClock_;
  TLiveReader reader_;
  std::array<std::string, kFields> fields_{};
  std::optional<TClockValues> last_;
  std::unique_ptr<TPollTimerRelay> relay_;
  std::unique_ptr<TLivePoller> poller_;
  std::function<void()> onChange_;
};

}  // namespace lur

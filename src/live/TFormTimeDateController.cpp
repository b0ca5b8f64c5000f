#include "live/TFormTimeDateController.h"

#include <utility>

#include "model/Protocol.h"
#include "session/AccessGate.h"
#include "session/LinkReports.h"
#include "session/TSession.h"
#include "ui/NumericText.h"
#include "ui/RangeMessages.h"
#include "ui/TUserInterface.h"

namespace lur {

const std::array<TFormTimeDateController::TClockField, TFormTimeDateController::kFields>
    TFormTimeDateController::kClockFields = {{
        {"Edit1", "Секунды", 0, 59, 2},
        {"Edit2", "Минуты", 0, 59, 2},
        {"Edit3", "Час", 0, 23, 2},
        {"Edit4", "День месяца", 1, 31, 2},
        {"Edit5", "Месяц", 1, 12, 2},
        {"Edit6", "Год", 0, 99, 2},
        {"Edit7", "День недели", 1, 7, 1},
    }};

TFormTimeDateController::TFormTimeDateController(TSession& session, TComputerClock computerClock)
    : session_(session), computerClock_(std::move(computerClock)), reader_(session) {}

// The poller goes before the relay it runs on.
TFormTimeDateController::~TFormTimeDateController() { poller_.reset(); }

void TFormTimeDateController::AttachTimer(TPollTimer& timer) {
  poller_.reset();
  relay_ = std::make_unique<TPollTimerRelay>(timer);
  poller_ = std::make_unique<TLivePoller>(session_, *relay_, *this);
}

void TFormTimeDateController::FormShow() {
  session_.config.Serv.StateFlags[kStateFlag] = 0;
  if (poller_) {
    poller_->Show();
  } else {
    ClearCells();
  }
}

void TFormTimeDateController::Timer1Timer() {
  if (relay_) relay_->Fire();
}

void TFormTimeDateController::Button1Click() {
  if (poller_) poller_->Toggle();
}

int TFormTimeDateController::Poll() {
  const int code = reader_.Read(fn::kReadInputRegisters, kClockRegister, kClockRegisters);
  if (code != 0) return code;
  std::array<int, 7> values{};
  // Each register is big-endian; the controller keeps its value in the low
  // byte.
  for (int i = 0; i < kClockRegisters; ++i) values[static_cast<std::size_t>(i)] = reader_.Register(i) & 0xFF;
  last_ = TClockValues::FromOrder(values);
  stTime = ClockTimeText(*last_);
  stDate = ClockDateText(*last_);
  stDayWeek = DayOfWeekText(last_->weekday);
  Changed();
  return 0;
}

void TFormTimeDateController::ClearCells() {
  stTime.clear();
  stDate.clear();
  stDayWeek.clear();
  last_.reset();
  Changed();
}

void TFormTimeDateController::PollingChanged(bool on) {
  label10Visible = on;
  Changed();
}

std::vector<TLiveCell> TFormTimeDateController::Cells() const {
  static const char* const kNames[kFields] = {"second", "minute", "hour", "day", "month", "year", "weekday"};
  std::vector<TLiveCell> cells = {{"time", stTime}, {"date", stDate}, {"dayname", stDayWeek}};
  if (last_) {
    const std::array<int, 7> values = last_->InOrder();
    for (std::size_t i = 0; i < values.size(); ++i) cells.push_back({kNames[i], std::int64_t{values[i]}});
  }
  return cells;
}

void TFormTimeDateController::Button2Click() {
  if (!Polling()) {
    session_.ui.Message({kStartReadingText, kCaptionWarning, MsgIcon::Error, MsgButtons::Ok, MsgAnswer::Ok});
    return;
  }
  // Reading, but nothing read yet since showing: there is nothing to copy.
  if (last_) SetFields(*last_);
}

void TFormTimeDateController::Button3Click() {
  if (computerClock_) SetFields(computerClock_());
}

void TFormTimeDateController::SetFields(const TClockValues& v) {
  const std::array<int, 7> values = v.InOrder();
  for (int i = 0; i < kFields; ++i) SetField(i, std::to_string(values[static_cast<std::size_t>(i)]));
  Changed();
}

void TFormTimeDateController::SetField(int field, const std::string& text) {
  if (field < 0 || field >= kFields) return;
  std::string& f = fields_[static_cast<std::size_t>(field)];
  if (f == text) return;
  f = text;
  MarkChanged();
}

void TFormTimeDateController::EditChange(int field, const std::string& text) { SetField(field, text); }

void TFormTimeDateController::EditExit(int field) {
  if (field < 0 || field >= kFields) return;
  if (ParseIntText(fields_[static_cast<std::size_t>(field)], 0, 0).error == TFieldTextError::Empty) {
    session_.ui.InlineError(kClockFields[static_cast<std::size_t>(field)].name);
  }
}

std::optional<TClockValues> TFormTimeDateController::CheckFields() {
  std::array<int, 7> values{};
  for (int i = 0; i < kFields; ++i) {
    const TClockField& field = kClockFields[static_cast<std::size_t>(i)];
    const TIntText number = ParseIntText(fields_[static_cast<std::size_t>(i)], field.lo, field.hi);
    if (number.error != TFieldTextError::None) {
      // An empty field is told its range too.
      session_.ui.InlineError(field.name, RangeMessage(field.lo, field.hi));
      return std::nullopt;
    }
    values[static_cast<std::size_t>(i)] = number.value;
  }
  const TClockValues v = TClockValues::FromOrder(values);
  // The controller would keep 31.02 as it came: the day must exist in its
  // month of 2000 + year.
  const int days = DaysInMonth(2000 + v.year, v.month);
  if (v.day > days) {
    session_.ui.InlineError(kClockFields[3].name, RangeMessage(1, days));
    return std::nullopt;
  }
  return v;
}

bool TFormTimeDateController::ChangeTimeClick() {
  if (!OutputAllowed(session_)) return false;
  const std::optional<TClockValues> values = CheckFields();
  if (!values) return false;
  const std::array<std::uint8_t, 7> data = values->Bytes();
  std::array<std::uint8_t, kAnswerCapacity> answer{};
  const int device = session_.addressing.AddressIndex();
  // Broadcast: the link sends it to address 0 and waits for nothing; only a
  // port that could not send it gives a code.
  const int code = session_.link.Transact(device, fn::kClockBroadcast, static_cast<int>(data.size()), data.data(),
                                          answer);
  ReportLinkError(session_.ui, session_.link, device, code);
  return code == 0;
}

bool TFormTimeDateController::OKClick() { return CheckFields().has_value(); }

void TFormTimeDateController::FormClose() {
  if (poller_) poller_->Close();
  if (session_.config.Serv.FileMode == 1 && session_.config.Serv.StateFlags[kStateFlag] != 0) {
    session_.config.Serv.Modified = 1;
  }
}

void TFormTimeDateController::MarkChanged() { session_.config.Serv.StateFlags[kStateFlag] = 1; }

void TFormTimeDateController::Changed() const {
  if (onChange_) onChange_();
}

}  // namespace lur

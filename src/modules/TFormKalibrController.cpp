#include "modules/TFormKalibrController.h"

#include <array>
#include <cstring>

#include "link/TComPortClass.h"
#include "model/Cp1251.h"
#include "model/Protocol.h"
#include "model/TConfiguration.h"
#include "session/AccessGate.h"
#include "session/LinkReports.h"
#include "session/TSession.h"
#include "ui/TUserInterface.h"

namespace lur {
namespace {

constexpr int kColdJunctionRow = 7;
constexpr int kThermoType = 8;

std::string HexByte(int byte) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  return std::string("0x") + kDigits[(byte >> 4) & 0xF] + kDigits[byte & 0xF];
}

bool IsAnalogType(int type) { return type == 6 || type == 7 || type == 8 || type == 9 || type == 13; }

// A stored text without the blanks and zero bytes that pad it.
std::string Shown(std::string text) {
  const auto end = text.find_last_not_of(std::string_view(" \0", 2));
  text.resize(end == std::string::npos ? 0 : end + 1);
  return Cp1251ToUtf8(text);
}

// Marks a command under way for as long as it runs, its boxes included.
class TBusy {
 public:
  explicit TBusy(bool& flag) : flag_(flag) { flag_ = true; }
  ~TBusy() { flag_ = false; }
  TBusy(const TBusy&) = delete;
  TBusy& operator=(const TBusy&) = delete;

 private:
  bool& flag_;
};

}  // namespace

TFormKalibrController::TFormKalibrController(TSession& session) : session_(session) {}

// The poller goes before the relay it runs on.
TFormKalibrController::~TFormKalibrController() { poller_.reset(); }

void TFormKalibrController::AttachTimer(TPollTimer& timer) {
  poller_.reset();
  relay_ = std::make_unique<TPollTimerRelay>(timer);
  poller_ = std::make_unique<TLivePoller>(session_, *relay_, *this);
}

int TFormKalibrController::Device() const { return session_.addressing.AddressIndex(); }

bool TFormKalibrController::Open(const TEditorRequest& request) {
  if (session_.config.Serv.FileMode != 0) return false;
  if (request.module < 1 || request.module > TProgMBAClass::kModuleCount || !IsAnalogType(request.type))
    return false;
  module_ = request.module;
  type_ = request.type;
  codesRead_ = false;
  label1Visible = false;

  // The rows, their tags and units as the module's block holds them.
  const TProgMBAClass& mba = session_.config.MBA;
  const int a = module_ - 1;
  rows_.clear();
  for (int c = 0; c < kInputs; ++c) {
    TKalibrRow row;
    row.label = "Вход " + std::to_string(c + 1);
    row.tag = Shown(mba.GetPozText(a, c));
    row.unitOfChannel = Shown(mba.GetUnitText(mba.GetUnit(a, c)));
    row.inputType = mba.GetInputType(a, c);
    rows_.push_back(row);
  }
  if (type_ == kThermoType) {
    TKalibrRow row;
    row.label = "Тхс";
    row.tag = kColdJunctionTag;
    row.unitOfChannel = kThermoUnit;
    rows_.push_back(row);
  }
  Changed();

  int code = ReadStates();
  if (code == 0 && type_ == kThermoType) code = ReadColdJunction();
  if (code != 0) {
    ReportLinkError(session_.ui, session_.link, Device(), code);
    return false;
  }
  if (ReadCodes() != 0) ShowWarning(session_.ui, kNoCodesText);
  Changed();
  return true;
}

void TFormKalibrController::FormShow() {
  if (poller_) poller_->Show();
}

void TFormKalibrController::FormClose() {
  if (poller_) poller_->Close();
  if (Selected() != 0) {
    TBusy busy(busy_);
    Release();
  }
  Changed();
}

void TFormKalibrController::Timer1Timer() {
  if (relay_) relay_->Fire();
}

void TFormKalibrController::Button1Click() {
  if (poller_) poller_->Toggle();
}

int TFormKalibrController::Selected() const {
  const TCalibrSelection& s = remembered_;
  if (s.input == 0 || s.module != module_ || s.device != Device() || !ValidRow(s.input)) return 0;
  return s.input;
}

// ---- reads ----------------------------------------------------------------------------

int TFormKalibrController::ReadStates() {
  const std::uint8_t data[2] = {static_cast<std::uint8_t>(kInputs * (module_ - 1)), kInputs};
  std::array<std::uint8_t, kAnswerCapacity> answer{};
  const int code = session_.link.Transact(Device(), fn::kAnalogStates, 2, data, answer);
  if (code != 0) return code;
  TProgMBAClass& mba = session_.config.MBA;
  if (!mba.PutCalibrStatesFromAnswer(0, kInputs, answer)) return kResultBadData;
  for (int r = 0; r < kInputs; ++r) {
    TKalibrRow& row = rows_[static_cast<std::size_t>(r)];
    row.status = mba.GetCalibrStatus(r);
    row.value = Cp1251ToUtf8(mba.GetCalibrText(r));
  }
  return 0;
}

int TFormKalibrController::ReadColdJunction() {
  const std::uint8_t data[2] = {static_cast<std::uint8_t>(module_ + kColdJunctionFirst), 1};
  std::array<std::uint8_t, kAnswerCapacity> answer{};
  const int code = session_.link.Transact(Device(), fn::kAnalogStates, 2, data, answer);
  if (code != 0) return code;
  TProgMBAClass& mba = session_.config.MBA;
  if (!mba.PutCalibrStatesFromAnswer(kColdJunctionRow - 1, 1, answer)) return kResultBadData;
  TKalibrRow& row = rows_[kColdJunctionRow - 1];
  row.status = mba.GetCalibrStatus(kColdJunctionRow - 1);
  row.value = Cp1251ToUtf8(mba.GetCalibrText(kColdJunctionRow - 1));
  return 0;
}

int TFormKalibrController::ReadCodes() {
  const std::uint8_t page = static_cast<std::uint8_t>(kFirstCodesPage + module_);
  std::array<std::uint8_t, kAnswerCapacity> answer{};
  const int code = session_.link.Transact(Device(), fn::kReadPage, 1, &page, answer);
  if (code != 0) return code;
  if (!session_.config.MBA.PutCodesFromAnswer(module_ - 1, answer)) return kResultBadData;
  codesRead_ = true;
  return 0;
}

int TFormKalibrController::Poll() {
  // A tick that came while a command waited for its answer or its box.
  if (busy_) return 0;
  int code = ReadStates();
  if (code == 0 && type_ == kThermoType) code = ReadColdJunction();
  if (code == 0) {
    code = ReadCodes();
    // A module that does not serve the codes request keeps its codes.
    if (code == kResultFunctionRefused || code == 3) code = 0;
  }
  Changed();
  return code;
}

void TFormKalibrController::ClearCells() {
  // The cells hold what this opening has just read.
  Changed();
}

void TFormKalibrController::PollingChanged(bool on) {
  label1Visible = on;
  session_.config.MBA.CalibrRunning = on ? 1 : 0;
  Changed();
}

// ---- commands -------------------------------------------------------------------------

bool TFormKalibrController::Idle() const { return !busy_ && !(poller_ && poller_->InPoll()); }

int TFormKalibrController::WriteCoil(int command, int row, bool on) {
  const std::uint8_t data[4] = {static_cast<std::uint8_t>(command), static_cast<std::uint8_t>(16 * module_ + row),
                                static_cast<std::uint8_t>(on ? 0xFF : 0x00), 0x00};
  std::array<std::uint8_t, kAnswerCapacity> answer{};
  int code = session_.link.Transact(Device(), fn::kWriteCoil, 4, data, answer);
  // The controller answers with the coil and the state it took.
  if (code == 0 && std::memcmp(answer.data() + 2, data, sizeof data) != 0) code = kResultBadData;
  if (code != 0) ReportLinkError(session_.ui, session_.link, Device(), code);
  return code;
}

bool TFormKalibrController::Select(int row) {
  if (WriteCoil(kSelectCommand, row, true) != 0) return false;
  remembered_ = {Device(), module_, row};
  TProgMBAClass& mba = session_.config.MBA;
  mba.CalibrInput = row;
  mba.CalibrModule = module_ - 1;
  mba.CalibrType = type_;
  return true;
}

bool TFormKalibrController::Release() {
  const int row = Selected();
  if (row == 0) return true;
  if (!OutputAllowed(session_)) return false;
  if (WriteCoil(kSelectCommand, row, false) != 0) return false;
  remembered_ = {};
  session_.config.MBA.CalibrInput = 0;
  return true;
}

void TFormKalibrController::SpButClick(int row, bool down) {
  if (ValidRow(row) && Idle()) {
    TBusy busy(busy_);
    if (!down) {
      if (row == Selected()) Release();
    } else if (row != Selected()) {
      // The old input first: a failed release keeps it selected.
      if (Release() && OutputAllowed(session_)) Select(row);
    }
  }
  Changed();
}

bool TFormKalibrController::Calibrate(int row, int command, const char* question) {
  if (!ValidRow(row) || row != Selected() || !Idle()) return false;
  TBusy busy(busy_);
  TMessage box{question, kCalibrateCaption, MsgIcon::Question, MsgButtons::YesNo, MsgAnswer::Yes};
  if (session_.ui.Message(box) != MsgAnswer::Yes) return false;
  if (!OutputAllowed(session_)) return false;
  return WriteCoil(command, row, true) == 0;
}

// ---- cells ----------------------------------------------------------------------------

TKalibrCell TFormKalibrController::State(int row) const {
  if (!ValidRow(row) || !Row(row).status) return {};
  return KalibrStateCell(*Row(row).status);
}

TKalibrCell TFormKalibrController::Violation(int row) const {
  if (!ValidRow(row) || !Row(row).status) return {};
  return KalibrViolationCell(*Row(row).status);
}

std::string TFormKalibrController::Unit(int row) const {
  if (!ValidRow(row)) return {};
  const TKalibrRow& r = Row(row);
  // The cold junction's row counts as input type 0.
  const int inputType = row == kColdJunctionRow ? 0 : r.inputType;
  return KalibrUnitText(type_, inputType, r.status.value_or(0), r.unitOfChannel);
}

std::string TFormKalibrController::Value(int row) const { return ValidRow(row) ? Row(row).value : std::string(); }

std::string TFormKalibrController::CodeMin(int row) const {
  if (!ValidRow(row) || !codesRead_) return {};
  return std::to_string(session_.config.MBA.GetCodeBegin(module_ - 1, row - 1));
}

std::string TFormKalibrController::CodeNow(int row) const {
  if (!ValidRow(row) || !codesRead_) return {};
  return std::to_string(session_.config.MBA.GetCodeNow(module_ - 1, row - 1));
}

std::string TFormKalibrController::CodeMax(int row) const {
  if (!ValidRow(row) || !codesRead_) return {};
  return std::to_string(session_.config.MBA.GetCodeEnd(module_ - 1, row - 1));
}

std::vector<TLiveCell> TFormKalibrController::Cells() const {
  std::vector<TLiveCell> cells;
  for (int row = 1; row <= Rows(); ++row) {
    const std::string n = std::to_string(row);
    const TKalibrRow& r = Row(row);
    cells.push_back({"input" + n, r.label});
    cells.push_back({"value" + n, Value(row)});
    cells.push_back({"status" + n, r.status ? HexByte(*r.status) : std::string()});
    cells.push_back({"state" + n, State(row).text});
    cells.push_back({"violation" + n, Violation(row).text});
    cells.push_back({"min" + n, CodeMin(row)});
    cells.push_back({"adc" + n, CodeNow(row)});
    cells.push_back({"max" + n, CodeMax(row)});
  }
  return cells;
}

void TFormKalibrController::Changed() const {
  if (onChange_) onChange_();
}

}  // namespace lur

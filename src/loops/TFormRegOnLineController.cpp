#include "loops/TFormRegOnLineController.h"

#include <array>
#include <charconv>
#include <cstring>

#include "link/TComPortClass.h"
#include "loops/LoopAssembly.h"
#include "loops/TPanRegVisModel.h"
#include "model/AnalogSignalInfo.h"
#include "model/DecimalText.h"
#include "model/Protocol.h"
#include "session/AccessGate.h"
#include "session/LinkReports.h"
#include "session/TSession.h"
#include "ui/NumericText.h"
#include "ui/RangeMessages.h"
#include "ui/TUserInterface.h"

namespace lur {
namespace {

constexpr int kOuterLeft = 20;
constexpr int kInnerLeft = 220;
constexpr double kOutputLow = 0;
constexpr double kOutputHigh = 100;
// The numeric text check of a value field: the form only, the range is the
// window's.
constexpr int kFormOnlyKind = 4;

// A scale limit as its text gives it (the channel's own words); the stored
// number when the text is none.
double ScaleLimit(const std::string& text, float stored) {
  if (const std::optional<double> value = ParseDecimalText(text)) return *value;
  return stored;
}

// The shortest decimal that reads back as the float, as a double: what the
// controller's single-precision number means, without its binary tail.
double ShortestOf(float value) {
  std::array<char, 32> text{};
  const auto [end, ec] = std::to_chars(text.data(), text.data() + text.size(), value);
  double out = value;
  if (ec == std::errc()) std::from_chars(text.data(), end, out);
  return out;
}

class TFlag {
 public:
  explicit TFlag(bool& flag) : flag_(flag) { flag_ = true; }
  ~TFlag() { flag_ = false; }
  TFlag(const TFlag&) = delete;
  TFlag& operator=(const TFlag&) = delete;

 private:
  bool& flag_;
};

}  // namespace

std::string LoopKindText(int kind) {
  switch (kind) {
    case TProgRegClass::kKindRepeater:
      return "повторитель сигнала";
    case TProgRegClass::kKindSingle:
      return "одноконтурный регулятор";
    case TProgRegClass::kKindCascade:
      return "каскадная схема";
    case TProgRegClass::kKindSetter:
      return "рег. с програм.задатчиком";
    default:
      return {};
  }
}

TFormRegOnLineController::TFormRegOnLineController(TSession& session) : session_(session), reader_(session) {
  menu_.Enable({TRegOnLineMenu::ChangeSP, TRegOnLineMenu::ChangeOUT}, true);
}

// The poller goes before the relay it runs on.
TFormRegOnLineController::~TFormRegOnLineController() { poller_.reset(); }

void TFormRegOnLineController::AttachTimer(TPollTimer& timer) {
  poller_.reset();
  relay_ = std::make_unique<TPollTimerRelay>(timer);
  poller_ = std::make_unique<TLivePoller>(session_, *relay_, *this);
}

bool TFormRegOnLineController::Open(int loop) {
  // The map is built on a copy: the editor's map and selection stay as the
  // editor left them.
  TProgRegClass reg = session_.config.Reg;
  const std::vector<TLoopPanels> loops = BuildLoopMap(reg);
  if (loop < 0 || loop >= static_cast<int>(loops.size())) return false;
  const TLoopPanels& map = loops[static_cast<std::size_t>(loop)];
  const int mainPanel = map.mainPanel >= 0 ? map.mainPanel : MainPanelOf(reg, loop);
  if (mainPanel < 0) return false;

  loop_ = loop;
  kind_ = map.kind;
  panels_.clear();
  panelsMade_ = false;
  auto addPanel = [&](int panel, int left, bool apAllowed) {
    TRegOnLinePanel p;
    p.record = reg.PanelReg[static_cast<std::size_t>(panel)];
    p.left = left;
    p.switches = kind_ != TProgRegClass::kKindRepeater;
    p.apAllowed = apAllowed;
    const TConfiguration& c = session_.config;
    if (const std::optional<AnalogSignalInfo> info = LookupAnalogSignal(
            c.MBA, c.MBM, reg.GetAnVh(p.record), c.Serv.GetAiModuleCount(), c.Serv.GetNetBlockTotal())) {
      p.low = ScaleLimit(info->minText, info->min);
      p.high = ScaleLimit(info->maxText, info->max);
    }
    panels_.push_back(p);
  };
  addPanel(mainPanel, kOuterLeft, kind_ == TProgRegClass::kKindSetter);
  const bool cascade = kind_ == TProgRegClass::kKindCascade && map.innerPanel >= 0;
  if (cascade) addPanel(map.innerPanel, kInnerLeft, true);

  labNReg = std::to_string(loop + 1);
  labTip = LoopKindText(kind_);
  editNReg = std::to_string(panels_[0].record + 1);
  editAnVh = std::to_string(reg.GetAnVh(panels_[0].record));
  innerVisible = cascade;
  editNReg1 = cascade ? std::to_string(panels_[1].record + 1) : std::string();
  editAnVh1 = cascade ? std::to_string(reg.GetAnVh(panels_[1].record)) : std::string();
  addressed_ = -1;
  CloseEditor();
  Changed();
  return true;
}

void TFormRegOnLineController::FormShow() {
  if (poller_) poller_->Show();
}

void TFormRegOnLineController::FormClose() {
  if (poller_) poller_->Close();
}

void TFormRegOnLineController::Timer1Timer() {
  if (relay_) relay_->Fire();
}

void TFormRegOnLineController::Button2Click() {
  if (poller_) poller_->Toggle();
}

void TFormRegOnLineController::ClearCells() {
  editTextVisible = false;
  editText.clear();
  editPanel_ = -1;
  addressed_ = -1;
  panelsMade_ = false;
  for (TRegOnLinePanel& p : panels_) {
    p.sp.reset();
    p.out.reset();
    p.pv.reset();
    p.automatic.reset();
    p.ap.reset();
    p.inputLampRed = true;
    p.outputLampRed = false;
    p.skyBlue = false;
  }
  menu_.Enable({TRegOnLineMenu::ChangeSP, TRegOnLineMenu::ChangeOUT}, true);
  Changed();
}

void TFormRegOnLineController::PollingChanged(bool on) {
  label1Visible = on;
  Changed();
}

int TFormRegOnLineController::Poll() {
  // A tick that came while a change waited for its answer or its box.
  if (writing_) return 0;
  if (!panelsMade_) {
    // Made once per showing: the timer switched off and on keeps them.
    panelsMade_ = true;
    Changed();
  }
  TProgRegClass& reg = session_.config.Reg;

  int code = reader_.Read(fn::kReadHoldingRegisters, kValueRegister, kValueRegisters);
  if (code != 0) return code;
  for (std::size_t i = 0; i < reg.RegValues.size(); ++i) {
    const std::uint32_t bits = static_cast<std::uint32_t>(reader_.Register(static_cast<int>(2 * i))) << 16 |
                               reader_.Register(static_cast<int>(2 * i + 1));
    std::memcpy(&reg.RegValues[i], &bits, sizeof bits);
  }
  for (TRegOnLinePanel& p : panels_) {
    const auto at = static_cast<std::size_t>(3 * p.record);
    p.sp = reg.RegValues[at];
    p.out = reg.RegValues[at + 1];
    p.pv = reg.RegValues[at + 2];
  }
  Changed();

  code = reader_.Read(fn::kReadCoils, kStatusCoil, kStatusCoils);
  if (code != 0) return code;
  const std::span<const std::uint8_t> status = reader_.Data();
  for (std::size_t r = 0; r < reg.RegStatus.size() && r < status.size(); ++r) reg.RegStatus[r] = status[r];
  for (TRegOnLinePanel& p : panels_) {
    p.automatic = reg.IsAutomatic(p.record);
    p.ap = reg.IsSwitchAP(p.record);
    p.outputLampRed = reg.OutputIndicator(p.record);
    p.inputLampRed = reg.InputIndicator(p.record);
  }
  if (!panels_.empty()) SwitchMenu(*panels_.back().automatic);
  Changed();
  return 0;
}

std::vector<TLiveCell> TFormRegOnLineController::Cells() const {
  std::vector<TLiveCell> cells;
  for (std::size_t i = 0; i < panels_.size(); ++i) {
    const TRegOnLinePanel& p = panels_[i];
    const std::string n = std::to_string(i + 1);
    cells.push_back({"reg" + n, std::int64_t{p.record + 1}});
    cells.push_back({"sp" + n, ShortestOf(p.sp.value_or(0.0f))});
    cells.push_back({"out" + n, ShortestOf(p.out.value_or(0.0f))});
    cells.push_back({"pv" + n, ShortestOf(p.pv.value_or(0.0f))});
    cells.push_back({"auto" + n, p.automatic.value_or(false)});
    cells.push_back({"ap" + n, p.ap.value_or(false)});
    cells.push_back({"in_lamp" + n, std::string(p.inputLampRed ? "red" : "green")});
    cells.push_back({"out_lamp" + n, std::string(p.outputLampRed ? "red" : "green")});
  }
  cells.push_back({"change_sp", menu_.IsEnabled(TRegOnLineMenu::ChangeSP)});
  cells.push_back({"change_out", menu_.IsEnabled(TRegOnLineMenu::ChangeOUT)});
  return cells;
}

// ---- writes ---------------------------------------------------------------------------

bool TFormRegOnLineController::Idle() const { return !writing_ && !(poller_ && poller_->InPoll()); }

int TFormRegOnLineController::Send(std::uint8_t function, const std::uint8_t* data, int length) {
  std::array<std::uint8_t, kAnswerCapacity> answer{};
  int code = session_.link.Transact(session_.addressing.AddressIndex(), function, length, data, answer);
  // Both writes answer with the address and quantity (or value) they took.
  if (code == 0 && std::memcmp(answer.data() + 2, data, 4) != 0) code = kResultBadData;
  if (code != 0) Report(code);
  return code;
}

void TFormRegOnLineController::Report(int code) {
  ReportLinkError(session_.ui, session_.link, session_.addressing.AddressIndex(), code);
}

int TFormRegOnLineController::WriteCoil(int coil, bool on) {
  const std::uint8_t data[4] = {static_cast<std::uint8_t>(coil >> 8), static_cast<std::uint8_t>(coil & 0xFF),
                                static_cast<std::uint8_t>(on ? 0xFF : 0x00), 0x00};
  return Send(fn::kWriteCoil, data, 4);
}

int TFormRegOnLineController::WriteFloat(int start, float value) {
  std::uint32_t bits = 0;
  std::memcpy(&bits, &value, sizeof bits);
  const std::uint8_t data[9] = {static_cast<std::uint8_t>(start >> 8),
                                static_cast<std::uint8_t>(start & 0xFF),
                                0,
                                2,
                                4,
                                static_cast<std::uint8_t>(bits >> 24),
                                static_cast<std::uint8_t>(bits >> 16),
                                static_cast<std::uint8_t>(bits >> 8),
                                static_cast<std::uint8_t>(bits)};
  return Send(fn::kWriteRegisters, data, 9);
}

void TFormRegOnLineController::SetStatusBit(int record, int bit, bool on) {
  std::uint8_t& status = session_.config.Reg.RegStatus[static_cast<std::size_t>(record)];
  const auto mask = static_cast<std::uint8_t>(1u << bit);
  status = static_cast<std::uint8_t>(on ? status | mask : status & ~mask);
}

void TFormRegOnLineController::SwitchMenu(bool automatic) {
  menu_.Enable(TRegOnLineMenu::ChangeSP, automatic);
  menu_.Enable(TRegOnLineMenu::ChangeOUT, !automatic);
}

bool TFormRegOnLineController::AutoSwitchClick(int panel, bool down) {
  bool done = false;
  if (ValidPanel(panel) && panels_[static_cast<std::size_t>(panel)].switches && Idle()) {
    TFlag busy(writing_);
    if (!OutputAllowed(session_)) {
      Changed();
      return false;
    }
    TRegOnLinePanel& p = panels_[static_cast<std::size_t>(panel)];
    const int coil = kStatusCoil + 8 * p.record;
    if (WriteCoil(coil + kAutomaticBit, down) == 0) {
      p.automatic = down;
      SetStatusBit(p.record, kAutomaticBit, down);
      SwitchMenu(down);
      done = true;
      // Manual mode takes "AP" off with it.
      if (!down && WriteCoil(coil + kApBit, false) == 0) {
        p.ap = false;
        SetStatusBit(p.record, kApBit, false);
      }
    }
  }
  Changed();
  return done;
}

bool TFormRegOnLineController::APSwitchClick(int panel, bool down) {
  bool done = false;
  if (ValidPanel(panel) && Idle()) {
    TFlag busy(writing_);
    TRegOnLinePanel& p = panels_[static_cast<std::size_t>(panel)];
    // Pressed, it is taken only in automatic mode on a panel whose set point
    // may come from elsewhere; otherwise it pops back up.
    const bool accepted = p.switches && (!down || (p.apAllowed && p.automatic.value_or(false)));
    if (accepted && OutputAllowed(session_) && WriteCoil(kStatusCoil + 8 * p.record + kApBit, down) == 0) {
      p.ap = down;
      SetStatusBit(p.record, kApBit, down);
      done = true;
    }
  }
  Changed();
  return done;
}

bool TFormRegOnLineController::StepClick(int panel, bool up) {
  if (!ValidPanel(panel) || !panels_[static_cast<std::size_t>(panel)].switches || !Idle()) return false;
  TFlag busy(writing_);
  if (!OutputAllowed(session_)) return false;
  const int record = panels_[static_cast<std::size_t>(panel)].record;
  return WriteCoil((up ? kStepUpCoil : kStepDownCoil) + record, true) == 0;
}

void TFormRegOnLineController::PanelClick(int panel) {
  if (!ValidPanel(panel)) return;
  TRegOnLinePanel& p = panels_[static_cast<std::size_t>(panel)];
  p.skyBlue = !p.skyBlue;
  Changed();
}

void TFormRegOnLineController::PanelRightClick(int panel) {
  if (!ValidPanel(panel)) return;
  addressed_ = panel;
  if (const std::optional<bool> automatic = panels_[static_cast<std::size_t>(panel)].automatic) {
    SwitchMenu(*automatic);
  }
  Changed();
}

bool TFormRegOnLineController::OpenEditor(TRegValue value) {
  const TRegOnLineMenu item = value == TRegValue::SP ? TRegOnLineMenu::ChangeSP : TRegOnLineMenu::ChangeOUT;
  if (!ValidPanel(addressed_) || !menu_.IsEnabled(item)) return false;
  const TRegOnLinePanel& p = panels_[static_cast<std::size_t>(addressed_)];
  const std::optional<float> current = value == TRegValue::SP ? p.sp : p.out;
  editPanel_ = addressed_;
  editValue_ = value;
  editText = current ? ValueText(*current) : std::string();
  editTextVisible = true;
  Changed();
  return true;
}

void TFormRegOnLineController::CloseEditor() {
  editTextVisible = false;
  editText.clear();
  editPanel_ = -1;
}

bool TFormRegOnLineController::EditTextExit(const std::string& text) {
  // Left while a poll or a write waits: the editor stays for the next try.
  if (!editTextVisible || !ValidPanel(editPanel_) || !Idle()) return false;
  TFlag busy(writing_);
  TRegOnLinePanel& p = panels_[static_cast<std::size_t>(editPanel_)];
  const bool sp = editValue_ == TRegValue::SP;
  bool done = false;
  const TNumericText typed = CheckNumericText(text, kFormOnlyKind);
  const double lo = sp ? p.low : kOutputLow;
  const double hi = sp ? p.high : kOutputHigh;
  if (typed.error == TFieldTextError::Empty || typed.error == TFieldTextError::BadForm) {
    session_.ui.InputError("EditText");
  } else if (!(typed.value >= lo && typed.value <= hi)) {
    session_.ui.InputError("EditText", RangeMessage(lo, hi));
  } else if (OutputAllowed(session_)) {
    const auto value = static_cast<float>(typed.value);
    const int start = kValueRegister + 6 * p.record + (sp ? 0 : 2);
    if (WriteFloat(start, value) == 0) {
      session_.config.Reg.RegValues[static_cast<std::size_t>(3 * p.record + (sp ? 0 : 1))] = value;
      (sp ? p.sp : p.out) = value;
      done = true;
    } else if (poller_) {
      poller_->Stop();
    }
  }
  CloseEditor();
  Changed();
  return done;
}

void TFormRegOnLineController::Changed() const {
  if (onChange_) onChange_();
}

}  // namespace lur

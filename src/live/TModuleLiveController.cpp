#include "live/TModuleLiveController.h"

#include "model/Protocol.h"

namespace lur {

TModuleLiveController::TModuleLiveController(TSession& session, int signalCount)
    : session_(session), reader_(session), on_(static_cast<std::size_t>(signalCount)) {
  tRecv.resize(static_cast<std::size_t>(signalCount));
}

// The poller goes before the relay it runs on.
TModuleLiveController::~TModuleLiveController() { poller_.reset(); }

void TModuleLiveController::AttachTimer(TPollTimer& timer) {
  poller_.reset();
  relay_ = std::make_unique<TPollTimerRelay>(timer);
  poller_ = std::make_unique<TLivePoller>(session_, *relay_, *this);
}

void TModuleLiveController::FormShow() {
  if (poller_) poller_->Show();
}

void TModuleLiveController::FormClose() {
  if (poller_) poller_->Close();
}

void TModuleLiveController::Timer1Timer() {
  if (relay_) relay_->Fire();
}

void TModuleLiveController::Button1Click() {
  if (poller_) poller_->Toggle();
}

TLiveCellLook TModuleLiveController::Isprav() const {
  if (!faulty_) return {};
  if (*faulty_) return {"неисправен", TLiveColour::Red, TLiveColour::InfoBk};
  return {"исправен", TLiveColour::InfoBk, TLiveColour::Teal};
}

TLiveCellLook TModuleLiveController::OnOff(int i) const {
  const std::optional<bool> on = On(i);
  if (!on) return {};
  if (*on) return {"on", TLiveColour::Aqua, TLiveColour::Black};
  return {"off", TLiveColour::InfoBk, TLiveColour::Black};
}

std::optional<bool> TModuleLiveController::On(int i) const {
  if (i < 0 || i >= Signals()) return std::nullopt;
  return on_[static_cast<std::size_t>(i)];
}

void TModuleLiveController::ClearCells() {
  faulty_.reset();
  for (auto& on : on_) on.reset();
  Changed();
}

void TModuleLiveController::PollingChanged(bool on) {
  label1Visible = on;
  Changed();
}

std::vector<TLiveCell> TModuleLiveController::Cells() const {
  TLiveBits bits{{}, "off", "on"};
  for (const auto& on : on_) bits.bits.push_back(on.value_or(false));
  return {{"faulty", faulty_.value_or(false)}, {"on", bits}};
}

int TModuleLiveController::ReadHealth(int position) {
  const int code = reader_.Read(fn::kReadCoils, kFaultCoil, kFaultCoils);
  if (code == 0) {
    faulty_ = reader_.Bit(position - 1);
    Changed();
  }
  return code;
}

int TModuleLiveController::ReadStates(std::uint8_t function, int start) {
  const int code = reader_.Read(function, start, Signals());
  if (code == 0) {
    for (int i = 0; i < Signals(); ++i) on_[static_cast<std::size_t>(i)] = reader_.Bit(i);
    Changed();
  }
  return code;
}

void TModuleLiveController::Changed() const {
  if (onChange_) onChange_();
}

}  // namespace lur

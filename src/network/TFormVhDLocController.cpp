#include "network/TFormVhDLocController.h"

#include <algorithm>

#include "link/TComPortClass.h"
#include "model/Cp1251.h"
#include "model/Protocol.h"
#include "session/TSession.h"

namespace lur {

TFormVhDLocController::TFormVhDLocController(TSession& session, TModalWindow<TFormVhLocController>* rangeWindow)
    : session_(session), rangeWindow_(rangeWindow), range_(session.ui), reader_(session) {}

// The poller goes before the relay it runs on.
TFormVhDLocController::~TFormVhDLocController() { poller_.reset(); }

void TFormVhDLocController::AttachTimer(TPollTimer& timer) {
  poller_.reset();
  relay_ = std::make_unique<TPollTimerRelay>(timer);
  poller_ = std::make_unique<TLivePoller>(session_, *relay_, *this);
}

void TFormVhDLocController::Open(std::string_view deviceType, std::string_view slaveAddress, int s1, int n) {
  head.tipMod = DiscreteHeadType(deviceType);
  head.labAMod = std::string(slaveAddress);
  s1_ = s1;
  n_ = std::max(n, 0);
  first_ = s1;
  rows_ = 0;
  vh.fill({});
  tRecv.fill({});
  on_.fill(std::nullopt);
  invalid_.fill(std::nullopt);
  Changed();
}

bool TFormVhDLocController::ShowRows() {
  std::int64_t first = s1_;
  std::int64_t count = n_;
  if (n_ > kRows) {
    range_.Open(s1_, n_);
    if (!rangeWindow_ || rangeWindow_->ShowModal(range_) != kModalOk) return false;
    first = range_.First();
    count = range_.Count();
  }
  // Never past the block's last entry, whatever the dialog let through.
  const std::int64_t left = static_cast<std::int64_t>(s1_) + n_ - first;
  first_ = static_cast<int>(first);
  rows_ = static_cast<int>(std::max<std::int64_t>(0, std::min<std::int64_t>({kRows, count, left})));
  vh.fill({});
  tRecv.fill({});
  for (int r = 0; r < rows_; ++r) {
    vh[static_cast<std::size_t>(r)] = std::to_string(first_ + r);
    tRecv[static_cast<std::size_t>(r)] = Cp1251ToUtf8(session_.config.Serv.GetInputId(first_ + r));
  }
  Changed();
  return true;
}

bool TFormVhDLocController::FormShow() {
  if (!ShowRows()) return false;
  StartPolling();
  return true;
}

void TFormVhDLocController::StartPolling() {
  if (poller_) poller_->Show();
}

void TFormVhDLocController::FormClose() {
  if (poller_) poller_->Close();
}

void TFormVhDLocController::Timer1Timer() {
  if (relay_) relay_->Fire();
}

void TFormVhDLocController::Button1Click() {
  if (poller_) poller_->Toggle();
}

int TFormVhDLocController::Poll() {
  // A block with no entries to show asks nothing.
  if (rows_ <= 0) return kResultOk;
  int code = reader_.Read(fn::kReadDiscreteInputs, first_, rows_);
  if (code != kResultOk) return code;
  on_.fill(std::nullopt);
  for (int r = 0; r < rows_; ++r) on_[static_cast<std::size_t>(r)] = reader_.Bit(r);
  Changed();
  code = reader_.Read(fn::kReadCoils, kInvalidCoil + first_, rows_);
  if (code != kResultOk) return code;
  invalid_.fill(std::nullopt);
  for (int r = 0; r < rows_; ++r) invalid_[static_cast<std::size_t>(r)] = reader_.Bit(r);
  Changed();
  return kResultOk;
}

TLiveCellLook TFormVhDLocController::OnOff(int r) const {
  if (r < 0 || r >= kRows || !on_[static_cast<std::size_t>(r)]) return {};
  if (*on_[static_cast<std::size_t>(r)]) return {"on", TLiveColour::Aqua, TLiveColour::Black};
  return {"off", TLiveColour::InfoBk, TLiveColour::Black};
}

TLiveCellLook TFormVhDLocController::Dost(int r) const {
  if (r < 0 || r >= kRows || !invalid_[static_cast<std::size_t>(r)]) return {};
  if (*invalid_[static_cast<std::size_t>(r)]) return {"недостовер.", TLiveColour::Purple, TLiveColour::InfoBk};
  return {"достовер.", TLiveColour::InfoBk, TLiveColour::Black};
}

void TFormVhDLocController::ClearCells() {
  on_.fill(std::nullopt);
  invalid_.fill(std::nullopt);
  Changed();
}

void TFormVhDLocController::PollingChanged(bool on) {
  label1Visible = on;
  Changed();
}

std::vector<TLiveCell> TFormVhDLocController::Cells() const {
  std::vector<TLiveCell> cells;
  for (int r = 0; r < rows_; ++r) {
    const std::string n = std::to_string(r + 1);
    const auto i = static_cast<std::size_t>(r);
    cells.push_back({"entry" + n, std::int64_t{first_ + r}});
    cells.push_back({"id" + n, tRecv[i]});
    cells.push_back({"state" + n, OnOff(r).text});
    cells.push_back({"valid" + n, Dost(r).text});
  }
  return cells;
}

void TFormVhDLocController::Changed() const {
  if (onChange_) onChange_();
}

}  // namespace lur

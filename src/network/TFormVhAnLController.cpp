#include "network/TFormVhAnLController.h"

#include <algorithm>

#include "link/TComPortClass.h"
#include "model/Cp1251.h"
#include "model/Protocol.h"
#include "network/NetAnalogLook.h"
#include "session/TSession.h"

namespace lur {
namespace {

bool ReadsAnalog(int kodF) { return kodF == 3 || kodF == 4; }

}  // namespace

TFormVhAnLController::TFormVhAnLController(TSession& session, TFormVhDLocController& alarms,
                                           TModalWindow<TFormVhDLocController>* alarmsWindow)
    : session_(session), alarms_(alarms), alarmsWindow_(alarmsWindow) {}

// The poller goes before the relay it runs on.
TFormVhAnLController::~TFormVhAnLController() { poller_.reset(); }

void TFormVhAnLController::AttachTimer(TPollTimer& timer) {
  poller_.reset();
  relay_ = std::make_unique<TPollTimerRelay>(timer);
  poller_ = std::make_unique<TLivePoller>(session_, *relay_, *this);
}

void TFormVhAnLController::Open(const TNetworkLiveRequest& request) {
  const TProgMBMClass& mbm = session_.config.MBM;
  head.tipMod = request.deviceType;
  head.labAMod = request.slaveAddress;
  block_ = request.block;
  label.fill({});
  poz.fill({});
  razm.fill({});
  shown_ = false;
  rows_ = 0;
  alarmEntries_ = 0;
  const bool valid = block_ >= 0 && block_ < TProgMBMClass::kBlockCount;
  s1_ = valid ? mbm.GetStAddr_Beg1(block_) : 0;
  s2_ = valid ? mbm.GetStAddr_Beg2(block_) : 0;
  if (valid && ReadsAnalog(mbm.GetKodF(block_))) {
    const int values = mbm.GetKolVh(block_);
    alarmEntries_ = 4 * values;
    // The live buffer holds signal indices 0..47: values past it are not asked for.
    rows_ = std::clamp(std::min(values, kRows - s2_), 0, kRows);
    int before = 0;
    for (int b = 0; b < block_; ++b) {
      if (ReadsAnalog(mbm.GetKodF(b))) before += mbm.GetKolVh(b);
    }
    for (int r = 0; r < rows_; ++r) {
      const int e = before + r;
      if (e >= TProgMBMClass::kChannelCount) break;  // no channel record: the row keeps no unit or tag
      razm[static_cast<std::size_t>(r)] = Cp1251ToUtf8(session_.config.MBA.GetUnitText(mbm.GetRazm(e)));
      poz[static_cast<std::size_t>(r)] = Cp1251ToUtf8(mbm.GetPoz(e));
    }
  }
  Changed();
}

void TFormVhAnLController::FormShow() {
  if (poller_) poller_->Show();
}

void TFormVhAnLController::FormClose() {
  if (poller_) poller_->Close();
}

void TFormVhAnLController::Timer1Timer() {
  if (relay_) relay_->Fire();
}

void TFormVhAnLController::OpenAlarms(TFormVhDLocController& alarms) const {
  alarms.Open(head.tipMod, head.labAMod, s1_, alarmEntries_);
}

void TFormVhAnLController::ButOnLineClick() {
  // A click that arrives while a poll waits for its answer would poll the
  // child inside it.
  if (!alarmsWindow_ || (poller_ && poller_->InPoll())) return;
  const bool resume = Polling();
  if (poller_) poller_->Stop();
  OpenAlarms(alarms_);
  alarmsWindow_->ShowModal(alarms_);
  if (resume && poller_) poller_->Start();
}

int TFormVhAnLController::Poll() {
  TProgMBMClass& mbm = session_.config.MBM;
  std::array<std::uint8_t, kAnswerCapacity> answer{};
  for (int done = 0; done < rows_; done += kValuesPerRequest) {
    const int count = std::min(kValuesPerRequest, rows_ - done);
    const std::uint8_t data[2] = {static_cast<std::uint8_t>(s2_ + done), static_cast<std::uint8_t>(count)};
    const int code = session_.link.Transact(session_.addressing.AddressIndex(), fn::kAnalogStates, 2, data, answer);
    if (code != kResultOk) return code;
    // An answer of another length carries values of something else.
    if (!mbm.PutLiveFromAnswer(s2_ + done, count, answer)) return kResultBadData;
  }
  if (rows_ == 0) return kResultOk;
  label.fill({});
  for (int r = 0; r < rows_; ++r) label[static_cast<std::size_t>(r)] = std::to_string(s2_ + r);
  shown_ = true;
  Changed();
  return kResultOk;
}

std::string TFormVhAnLController::Val(int r) const {
  if (!shown_ || r < 0 || r >= rows_) return {};
  const TProgMBMClass& mbm = session_.config.MBM;
  return NetAnalogLook(mbm.LiveStatus(s2_ + r), mbm.LiveText(s2_ + r)).val;
}

TLiveCellLook TFormVhAnLController::Nar(int r) const {
  if (!shown_ || r < 0 || r >= rows_) return {};
  const TProgMBMClass& mbm = session_.config.MBM;
  return NetAnalogLook(mbm.LiveStatus(s2_ + r), mbm.LiveText(s2_ + r)).nar;
}

TLiveCellLook TFormVhAnLController::Ar(int r) const {
  if (!shown_ || r < 0 || r >= rows_) return {};
  const TProgMBMClass& mbm = session_.config.MBM;
  return NetAnalogLook(mbm.LiveStatus(s2_ + r), mbm.LiveText(s2_ + r)).ar;
}

void TFormVhAnLController::ClearCells() {
  label.fill({});
  shown_ = false;
  Changed();
}

void TFormVhAnLController::PollingChanged(bool on) {
  label49Visible = on;
  Changed();
}

std::vector<TLiveCell> TFormVhAnLController::Cells() const {
  std::vector<TLiveCell> cells;
  for (int r = 0; r < rows_; ++r) {
    const std::string n = std::to_string(r + 1);
    const auto i = static_cast<std::size_t>(r);
    cells.push_back({"signal" + n, std::int64_t{s2_ + r}});
    cells.push_back({"tag" + n, poz[i]});
    cells.push_back({"value" + n, Val(r)});
    cells.push_back({"unit" + n, razm[i]});
    cells.push_back({"limit" + n, Nar(r).text});
    cells.push_back({"state" + n, Ar(r).text});
  }
  return cells;
}

void TFormVhAnLController::Changed() const {
  if (onChange_) onChange_();
}

}  // namespace lur

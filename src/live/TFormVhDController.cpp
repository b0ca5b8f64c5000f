#include "live/TFormVhDController.h"

#include <string>

#include "link/TComPortClass.h"
#include "model/Cp1251.h"
#include "model/ModuleTypes.h"
#include "model/Protocol.h"
#include "session/TSession.h"

namespace lur {

TFormVhDController::TFormVhDController(TSession& session)
    : TModuleLiveController(session, kInputs), unreliable_(kInputs) {}

bool TFormVhDController::Open(int position, std::string_view typeName) {
  if (position < 1 || position > kSlotCount) return false;
  if (GroupOfModule(session_.config.Serv.GetModuleType(position - 1)) != ModuleGroup::DiscreteInput) return false;
  position_ = position;
  session_.config.Lur.SetTipDatModule(position);
  labNMod = std::to_string(position);
  tipMod = std::string(typeName);
  labAMod = std::to_string(position - 1);
  for (int i = 0; i < kInputs; ++i) {
    tRecv[static_cast<std::size_t>(i)] = Cp1251ToUtf8(session_.config.Serv.GetInputText(kInputs * (position - 1) + i));
  }
  Changed();
  return true;
}

int TFormVhDController::Poll() {
  // Never opened: there is no module to ask about.
  if (position_ < 1) return kResultFunctionRefused;
  const int first = kInputs * (position_ - 1);
  int code = ReadHealth(position_);
  if (code == 0) code = ReadStates(fn::kReadDiscreteInputs, first);
  if (code == 0) code = reader_.Read(fn::kReadCoils, kInvalidSignalCoil + first, kInputs);
  if (code == 0) {
    for (int i = 0; i < kInputs; ++i) unreliable_[static_cast<std::size_t>(i)] = reader_.Bit(i);
    Changed();
  }
  return code;
}

TLiveCellLook TFormVhDController::Dost(int i) const {
  const std::optional<bool> unreliable = Unreliable(i);
  if (!unreliable) return {};
  if (*unreliable) return {"недостовер.", TLiveColour::Purple, TLiveColour::InfoBk};
  return {"достовер.", TLiveColour::InfoBk, TLiveColour::Black};
}

std::optional<bool> TFormVhDController::Unreliable(int i) const {
  if (i < 0 || i >= kInputs) return std::nullopt;
  return unreliable_[static_cast<std::size_t>(i)];
}

void TFormVhDController::ClearCells() {
  for (auto& u : unreliable_) u.reset();
  TModuleLiveController::ClearCells();
}

std::vector<TLiveCell> TFormVhDController::Cells() const {
  std::vector<TLiveCell> cells = TModuleLiveController::Cells();
  TLiveBits bits{{}, "достовер.", "недостовер."};
  for (const auto& u : unreliable_) bits.bits.push_back(u.value_or(false));
  cells.push_back({"unreliable", bits});
  return cells;
}

}  // namespace lur

#include "shell/TSignalReconciliation.h"

#include "model/ModuleTypes.h"
#include "network/moves/SignalMoves.h"

namespace lur {
namespace {

constexpr int kDiscretePerAiModule = kInputsPerAiModule * kLimitsPerAnalogInput;  // 24
constexpr int kMaxAnalogSignals = TProgFBClass::kMaxAnalogSignal;                 // 48

bool IsNetBlock(const TProgMBMClass& mbm, int b) {
  const int kodF = mbm.GetKodF(b);
  return kodF >= 1 && kodF <= 4;
}

}  // namespace

std::optional<TSignalReconciliation> TSignalReconciliation::Plan(const TConfiguration& cfg, int devDI,
                                                                 int devAI) {
  const int cfgDI = cfg.Serv.GetDiModuleCount();
  const int cfgAI = cfg.Serv.GetAiModuleCount();
  TSignalReconciliation plan;
  const int dA = devAI - cfgAI;
  const int dD = devDI - cfgDI;
  plan.shiftDiscrete_ = kDiscretePerAiModule * dA + kInputsPerDiModule * dD;
  plan.shiftAnalog_ = kInputsPerAiModule * dA;

  // Where the configuration's network signals begin: as the first exchange
  // block records it; without exchange blocks, right after the local signals
  // (a configuration without network signals still has its processing
  // records and texts placed there).
  int netDiscrete = 0;
  int netAnalog = 0;
  int firstBlock = -1;
  for (int b = 0; b < TProgMBMClass::kBlockCount; ++b) {
    if (!IsNetBlock(cfg.MBM, b)) continue;
    if (firstBlock < 0) firstBlock = b;
    netDiscrete += cfg.MBM.GetDiscreteSpan(b);
    netAnalog += cfg.MBM.GetAnalogSpan(b);
  }
  if (firstBlock >= 0) {
    plan.posDiscrete_ = cfg.MBM.GetStAddr_Beg1(firstBlock);
    plan.posAnalog_ = cfg.MBM.GetStAddr_Beg2(firstBlock);
  } else {
    plan.posDiscrete_ = kInputsPerDiModule * cfgDI + kDiscretePerAiModule * cfgAI;
    plan.posAnalog_ = kInputsPerAiModule * cfgAI;
  }

  const int discreteStart = plan.posDiscrete_ + plan.shiftDiscrete_;
  const int analogStart = plan.posAnalog_ + plan.shiftAnalog_;
  if (discreteStart < 0 || analogStart < 0) return std::nullopt;
  if (discreteStart + netDiscrete > kMaxInputSignals) return std::nullopt;
  if (analogStart + netAnalog > kMaxAnalogSignals) return std::nullopt;
  return plan;
}

void TSignalReconciliation::Apply(TConfiguration& out) const {
  for (int b = 0; b < TProgMBMClass::kBlockCount; ++b) {
    if (!IsNetBlock(out.MBM, b)) continue;
    out.MBM.SetStAddr_Beg1(b, out.MBM.GetStAddr_Beg1(b) + shiftDiscrete_);
    out.MBM.SetStAddr_Beg2(b, out.MBM.GetStAddr_Beg2(b) + shiftAnalog_);
  }

  // Every table that names a signal follows: function block inputs,
  // function-15 numbers, relay acknowledge and reset inputs, regulators.
  TSignalMoveMarks marks;
  if (shiftDiscrete_ < 0) {
    // The local signals of the modules the controller lacks go; references
    // to them are cleared rather than left pointing at other signals.
    const int n = -shiftDiscrete_;
    DeleteDiscreteSignals(out, posDiscrete_ - n, n, marks);
  } else if (shiftDiscrete_ > 0) {
    InsertDiscreteSignals(out, posDiscrete_, shiftDiscrete_, marks);
  }

  if (shiftAnalog_ < 0) {
    const int m = -shiftAnalog_;
    DeleteAnalogRefs(out, posAnalog_ - m, m, marks);
  } else if (shiftAnalog_ > 0) {
    InsertAnalogRefs(out, posAnalog_, shiftAnalog_, marks);
  }
}

}  // namespace lur

#include "sim/Regulators.h"

#include <algorithm>

namespace lur::sim {

void Regulators::Follow(const std::vector<std::uint8_t>* page) {
  for (int r = 0; r < kCount; ++r) {
    const auto at = static_cast<std::size_t>(kRecordSize * r);
    const int signal = page != nullptr && page->size() >= at + kRecordSize ? (*page)[at] : 0;
    const auto i = static_cast<std::size_t>(r);
    if (signal == 0) {
      if (signal_[i] != 0) Free(r);
      signal_[i] = 0;
      continue;
    }
    if (signal_[i] != signal) {
      // A record newly in use, or now on another signal, starts afresh.
      setPointKept_[i] = outputKept_[i] = false;
      live_.SetCoil(AutomaticCoil(r), true);
    }
    signal_[i] = signal;
    const float pv = signal <= AnalogChannels::kSignalCount ? analog_.Value(signal - 1) : 0.0f;
    live_.SetHoldingFloat(ValueRegister(r), pv);
    if (!setPointKept_[i]) live_.SetHoldingFloat(SetPointRegister(r), pv + kSetPointOffset);
    if (!outputKept_[i]) live_.SetHoldingFloat(OutputRegister(r), kStartOutput);
  }
}

void Regulators::Free(int r) {
  for (int k = 0; k < 6; ++k) live_.SetHoldingRegister(SetPointRegister(r) + k, 0);
  for (int k = 0; k < 8; ++k) live_.SetCoil(AutomaticCoil(r) + k, false);
  setPointKept_[static_cast<std::size_t>(r)] = outputKept_[static_cast<std::size_t>(r)] = false;
}

bool Regulators::WriteCoil(int address, bool on) {
  const bool up = address >= kStepUpCoil && address < kStepUpCoil + kCount;
  const bool down = address >= kStepDownCoil && address < kStepDownCoil + kCount;
  if (!up && !down) return false;
  const int r = address - (up ? kStepUpCoil : kStepDownCoil);
  const auto i = static_cast<std::size_t>(r);
  if (on && signal_[i] != 0 && !live_.Coil(AutomaticCoil(r))) {
    const float out = live_.HoldingFloat(OutputRegister(r)) + (up ? 1.0f : -1.0f);
    live_.SetHoldingFloat(OutputRegister(r), std::clamp(out, 0.0f, 100.0f));
    outputKept_[i] = true;
  }
  live_.SetCoil(address, false);
  return true;
}

void Regulators::RegistersWritten(int start, int count) {
  for (int r = 0; r < kCount; ++r) {
    auto touches = [&](int reg) { return reg + 1 >= start && reg < start + count; };
    if (touches(SetPointRegister(r))) setPointKept_[static_cast<std::size_t>(r)] = true;
    if (touches(OutputRegister(r))) outputKept_[static_cast<std::size_t>(r)] = true;
  }
}

}  // namespace lur::sim

#include "sim/LiveData.h"

#include <cstring>

namespace lur::sim {

LiveData::LiveData(const ModuleSet& modules, const AnalogChannels& analog)
    : coils_(kCoilCount, false),
      inputs_(kDiscreteInputCount, false),
      holding_(kRegisterCount, 0),
      input_(kRegisterCount, 0) {
  // Every fourth discrete input is on.
  for (int n = 0; n < modules.DiscreteInputs(); n += 4) inputs_[static_cast<std::size_t>(n)] = true;
  // The limit signals of the analog inputs follow their values.
  for (int signal = 0; signal < modules.AnalogInputs(); ++signal) {
    const int violation = analog.Violation(signal);
    const std::size_t first = static_cast<std::size_t>(modules.DiscreteInputs() + 4 * signal);
    inputs_[first + 0] = violation == 4;
    inputs_[first + 1] = violation == 4 || violation == 3;
    inputs_[first + 2] = violation == 6 || violation == 5;
    inputs_[first + 3] = violation == 6;
  }
  // The network inputs after them alternate.
  for (int n = modules.LocalSignals(); n < kDiscreteInputCount; n += 2)
    inputs_[static_cast<std::size_t>(n)] = true;
  // The first output of each output module is on.
  for (int m = 0; m < modules.OutputModules() && m < ModuleSet::kMaxOutputModules; ++m) {
    coils_[static_cast<std::size_t>(8 * m)] = true;
  }
  // The regulators' values and switches are the simulated regulators' own.
}

void LiveData::SetHoldingFloat(int address, float value) {
  std::uint32_t bits = 0;
  std::memcpy(&bits, &value, sizeof bits);
  SetHoldingRegister(address, static_cast<std::uint16_t>(bits >> 16));
  SetHoldingRegister(address + 1, static_cast<std::uint16_t>(bits & 0xFFFF));
}

float LiveData::HoldingFloat(int address) const {
  const std::uint32_t bits =
      (static_cast<std::uint32_t>(HoldingRegister(address)) << 16) | HoldingRegister(address + 1);
  float value = 0;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}

}  // namespace lur::sim

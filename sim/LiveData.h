#pragma once
// The controller's live bit and register maps reached by the standard Modbus
// functions: coils (outputs, regulator switches, module faults, signal
// validity, calibration commands), discrete inputs (the signal base), holding
// registers (regulator values) and input registers. The clock registers are
// overlaid by the controller, not kept here.
#include <cstdint>
#include <vector>

#include "sim/AnalogChannels.h"
#include "sim/ModuleSet.h"

namespace lur::sim {

class LiveData {
 public:
  // Coils reach the calibration commands 0x12nn; discrete inputs are the 192
  // signals of the base; registers are a plain store of this size.
  static constexpr int kCoilCount = 0x1300;
  static constexpr int kDiscreteInputCount = 192;
  static constexpr int kRegisterCount = 2000;

  static constexpr int kFirstModuleFaultCoil = 1016;
  static constexpr int kFirstInvalidSignalCoil = 1056;
  static constexpr int kFirstRegulatorRegister = 672;  // SP, OUT, PV floats, 6 registers a regulator
  static constexpr int kFirstRegulatorCoil = 784;      // 8 coils a regulator

  LiveData(const ModuleSet& modules, const AnalogChannels& analog);

  bool Coil(int address) const { return coils_[static_cast<std::size_t>(address)]; }
  void SetCoil(int address, bool on) { coils_[static_cast<std::size_t>(address)] = on; }
  bool DiscreteInput(int address) const { return inputs_[static_cast<std::size_t>(address)]; }
  void SetDiscreteInput(int address, bool on) { inputs_[static_cast<std::size_t>(address)] = on; }
  std::uint16_t HoldingRegister(int address) const { return holding_[static_cast<std::size_t>(address)]; }
  void SetHoldingRegister(int address, std::uint16_t value) {
    holding_[static_cast<std::size_t>(address)] = value;
  }
  std::uint16_t InputRegister(int address) const { return input_[static_cast<std::size_t>(address)]; }

  // A float as two registers, most significant word first.
  void SetHoldingFloat(int address, float value);
  float HoldingFloat(int address) const;

 private:
  std::vector<bool> coils_;
  std::vector<bool> inputs_;
  std::vector<std::uint16_t> holding_;
  std::vector<std::uint16_t> input_;
};

}  // namespace lur::sim

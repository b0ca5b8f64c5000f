#pragma once
// The six regulators of the control loop module as the live maps show them.
// They follow the regulator page the controller holds, at the start and after
// every page write: a record in use (its controlled variable's signal not 0)
// runs with PV = that signal's analog value, SP = PV + 0.5 and OUT = 42.5 %,
// and starts in automatic mode; a set point or output written over the
// register functions is kept as long as the record stays in use; a freed
// record reads zeros, its coils off.
//
// The step coils are momentary: "+" (104 + r) and "-" (112 + r) written ON
// move OUT of r by one percent within 0..100 in manual mode, and read OFF.
#include <array>
#include <cstdint>
#include <vector>

#include "sim/AnalogChannels.h"
#include "sim/LiveData.h"

namespace lur::sim {

class Regulators {
 public:
  static constexpr int kCount = 6;
  static constexpr int kRecordSize = 28;
  static constexpr int kStepUpCoil = 104;
  static constexpr int kStepDownCoil = 112;
  static constexpr float kStartOutput = 42.5f;
  static constexpr float kSetPointOffset = 0.5f;

  // Holds references: both must outlive this object.
  Regulators(LiveData& live, const AnalogChannels& analog) : live_(live), analog_(analog) {}

  // The regulator page as the controller now holds it (nullptr or a short
  // page: no record in use).
  void Follow(const std::vector<std::uint8_t>* page);

  // A coil written with function 5: true when it is a step coil, taken here
  // (it stays off); false for any other coil, which the caller stores.
  bool WriteCoil(int address, bool on);

  // Registers start .. start + count - 1 were written over the register
  // functions: the set points and outputs among them are kept.
  void RegistersWritten(int start, int count);

 private:
  static int SetPointRegister(int r) { return LiveData::kFirstRegulatorRegister + 6 * r; }
  static int OutputRegister(int r) { return SetPointRegister(r) + 2; }
  static int ValueRegister(int r) { return SetPointRegister(r) + 4; }
  static int AutomaticCoil(int r) { return LiveData::kFirstRegulatorCoil + 8 * r; }
  void Free(int r);

  LiveData& live_;
  const AnalogChannels& analog_;
  std::array<int, kCount> signal_{};  // the signal of a record in use, 0 for a free one
  std::array<bool, kCount> setPointKept_{};
  std::array<bool, kCount> outputKept_{};
};

}  // namespace lur::sim

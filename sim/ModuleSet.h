#pragma once
// The modules in the controller's eight bus slots and its display type, and
// what follows from them: group counts and the identity record of function 17.
#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "sim/NetworkSignals.h"

namespace lur::sim {

class ModuleSet {
 public:
  static constexpr int kSlotCount = 8;
  static constexpr int kMaxOutputModules = 5;  // 40 discrete outputs

  ModuleSet() = default;
  ModuleSet(std::array<std::uint8_t, kSlotCount> types, std::uint8_t displayType);

  // Eight hexadecimal digits, one type code per slot ("17300000"); nullopt when
  // the text is not exactly that.
  static std::optional<std::array<std::uint8_t, kSlotCount>> ParseTypes(std::string_view text);

  static bool IsDiscreteInputType(std::uint8_t type) {
    return type == 1 || type == 2 || type == 10 || type == 11;
  }
  static bool IsAnalogInputType(std::uint8_t type) {
    return type == 6 || type == 7 || type == 8 || type == 9 || type == 13;
  }
  static bool IsOutputType(std::uint8_t type) { return type == 3 || type == 4 || type == 5 || type == 12; }
  static constexpr std::uint8_t kLoopModuleType = 14;
  static constexpr std::uint8_t kThermoModuleType = 8;
  static constexpr std::uint8_t kSensorTypeModuleType = 10;

  std::uint8_t Type(int slot) const { return types_[static_cast<std::size_t>(slot)]; }
  const std::array<std::uint8_t, kSlotCount>& Types() const { return types_; }
  std::uint8_t DisplayType() const { return displayType_; }
  bool Has(std::uint8_t type) const;

  int DiscreteModules() const { return discreteModules_; }
  int AnalogModules() const { return analogModules_; }
  int OutputModules() const { return outputModules_; }
  int DiscreteInputs() const { return 12 * discreteModules_; }
  int AnalogInputs() const { return 6 * analogModules_; }
  int Outputs() const { return 8 * outputModules_; }
  // The controller's own entries of the discrete signal base: its discrete
  // inputs and the four limit signals of every analog input. Network inputs
  // come after them.
  int LocalSignals() const { return DiscreteInputs() + 4 * AnalogInputs(); }
  // Light-board cells of the display type (12 for an unknown type).
  int DisplayCells() const;

  // Type code of analog module `index` (0-based among the analog modules), or
  // nullopt when there is no such module.
  std::optional<std::uint8_t> AnalogModuleType(int index) const;

  // The processed counts (bytes 12 and 13) take in the network signals, at most
  // 192 discrete and 48 analog signals.
  std::array<std::uint8_t, 15> IdentityRecord(const NetworkSignals& network) const;

 private:
  std::array<std::uint8_t, kSlotCount> types_{};
  std::uint8_t displayType_ = 0;
  int discreteModules_ = 0;
  int analogModules_ = 0;
  int outputModules_ = 0;
};

}  // namespace lur::sim

#pragma once
// The calibration side of the controller's analog input modules: the
// converter codes of every analog module (page 59 + n for module n), the
// input selected for calibration (coil 0x10nn), and the two calibration
// commands (0x11nn: the scale beginning, 0x12nn: its end), which take the
// row's present code as the new code of that end of the scale.
//
// Coil addresses: the command in the high byte, 16 n + k in the low one, for
// analog module n (1-based) and row k: 1..6 the inputs, 7 the cold junction
// of a thermo module.
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "sim/ModuleSet.h"

namespace lur::sim {

class AnalogCalibration {
 public:
  static constexpr int kRows = 7;
  static constexpr int kColdJunctionRow = 7;
  static constexpr int kSelectCommand = 0x10;
  static constexpr int kBeginCommand = 0x11;
  static constexpr int kEndCommand = 0x12;
  static constexpr std::uint8_t kSelectedBit = 0x20;  // status bit 5 while an input is selected

  // Holds a reference: the modules must outlive this object.
  explicit AnalogCalibration(const ModuleSet& modules);

  static bool IsCommandCoil(int address) {
    return address >= kSelectCommand << 8 && address < (kEndCommand + 1) << 8;
  }
  // A write of one of the command coils: 0 when taken, or the exception code
  // (2 for a module or row the controller has not, 4 for a calibration of a
  // row that is not selected).
  std::uint8_t WriteCoil(int address, bool on);
  // The command coil as a read shows it: the selection is held, the
  // calibration commands are momentary.
  bool Coil(int address) const;

  // Row k (1..7) of analog module n (1-based) is selected for calibration.
  bool Selected(int module, int row) const;

  // The 42 bytes after the page number of page 59 + n for analog module n
  // (1-based), or nullopt when there is no such module.
  std::optional<std::vector<std::uint8_t>> Codes(int module) const;

  // The present converter code of a row (1..7) of module n.
  static int PresentCode(int module, int row);

 private:
  struct Target {
    int command = 0;
    int module = 0;  // 1-based
    int row = 0;     // 1..7
  };
  std::optional<Target> Decode(int address) const;

  const ModuleSet& modules_;
  // By analog module 0..7 and row 0..6.
  std::array<std::array<bool, kRows>, ModuleSet::kSlotCount> selected_{};
  std::array<std::array<int, kRows>, ModuleSet::kSlotCount> begin_{};
  std::array<std::array<int, kRows>, ModuleSet::kSlotCount> end_{};
};

}  // namespace lur::sim

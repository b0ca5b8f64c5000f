#include "sim/Calibration.h"

#include "sim/PageCatalogue.h"

namespace lur::sim {
namespace {

constexpr std::uint8_t kIllegalAddress = 2;
constexpr std::uint8_t kNotSelected = 4;

// Steady, distinct codes per module and row: the beginning below the
// present code, the end above it.
int FactoryBegin(int module, int row) { return 820 + 3 * (row - 1) + 11 * (module - 1); }
int FactoryEnd(int module, int row) { return 15600 - 5 * (row - 1) - 13 * (module - 1); }

}  // namespace

AnalogCalibration::AnalogCalibration(const ModuleSet& modules) : modules_(modules) {
  for (int n = 1; n <= ModuleSet::kSlotCount; ++n) {
    for (int k = 1; k <= kRows; ++k) {
      begin_[static_cast<std::size_t>(n - 1)][static_cast<std::size_t>(k - 1)] = FactoryBegin(n, k);
      end_[static_cast<std::size_t>(n - 1)][static_cast<std::size_t>(k - 1)] = FactoryEnd(n, k);
    }
  }
}

int AnalogCalibration::PresentCode(int module, int row) {
  const int begin = FactoryBegin(module, row);
  return begin + (FactoryEnd(module, row) - begin) * (40 + 3 * (row - 1)) / 100;
}

std::optional<AnalogCalibration::Target> AnalogCalibration::Decode(int address) const {
  if (!IsCommandCoil(address)) return std::nullopt;
  Target t;
  t.command = address >> 8;
  t.module = (address & 0xFF) / 16;
  t.row = (address & 0xFF) % 16;
  if (t.module < 1 || t.row < 1 || t.row > kRows) return std::nullopt;
  const std::optional<std::uint8_t> type = modules_.AnalogModuleType(t.module - 1);
  if (!type) return std::nullopt;
  // Only a thermo module has a cold junction.
  if (t.row == kColdJunctionRow && *type != ModuleSet::kThermoModuleType) return std::nullopt;
  return t;
}

std::uint8_t AnalogCalibration::WriteCoil(int address, bool on) {
  const std::optional<Target> t = Decode(address);
  if (!t) return kIllegalAddress;
  const auto n = static_cast<std::size_t>(t->module - 1);
  const auto r = static_cast<std::size_t>(t->row - 1);
  if (t->command == kSelectCommand) {
    selected_[n][r] = on;
    return 0;
  }
  // A command switched off does nothing; one switched on calibrates the
  // selected row only.
  if (!on) return 0;
  if (!selected_[n][r]) return kNotSelected;
  (t->command == kBeginCommand ? begin_ : end_)[n][r] = PresentCode(t->module, t->row);
  return 0;
}

bool AnalogCalibration::Coil(int address) const {
  const std::optional<Target> t = Decode(address);
  return t && t->command == kSelectCommand &&
         selected_[static_cast<std::size_t>(t->module - 1)][static_cast<std::size_t>(t->row - 1)];
}

bool AnalogCalibration::Selected(int module, int row) const {
  if (module < 1 || module > ModuleSet::kSlotCount || row < 1 || row > kRows) return false;
  return selected_[static_cast<std::size_t>(module - 1)][static_cast<std::size_t>(row - 1)];
}

std::optional<std::vector<std::uint8_t>> AnalogCalibration::Codes(int module) const {
  if (module < 1 || !modules_.AnalogModuleType(module - 1)) return std::nullopt;
  std::vector<std::uint8_t> codes(kProbePageLength, 0);
  auto put = [&](std::size_t at, int value) {
    const auto v = static_cast<std::uint16_t>(static_cast<std::int16_t>(value));
    codes[at] = static_cast<std::uint8_t>(v & 0xFF);
    codes[at + 1] = static_cast<std::uint8_t>(v >> 8);
  };
  const auto n = static_cast<std::size_t>(module - 1);
  for (int k = 1; k <= kRows; ++k) {
    const auto r = static_cast<std::size_t>(k - 1);
    // After the page number: begin and end codes at 4r, 4r + 2; present codes from 28.
    put(4 * r, begin_[n][r]);
    put(4 * r + 2, end_[n][r]);
    put(28 + 2 * r, PresentCode(module, k));
  }
  return codes;
}

}  // namespace lur::sim

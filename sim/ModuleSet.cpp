#include "sim/ModuleSet.h"

#include <algorithm>

namespace lur::sim {

ModuleSet::ModuleSet(std::array<std::uint8_t, kSlotCount> types, std::uint8_t displayType)
    : types_(types), displayType_(displayType) {
  for (const std::uint8_t type : types_) {
    if (IsDiscreteInputType(type)) ++discreteModules_;
    if (IsAnalogInputType(type)) ++analogModules_;
    if (IsOutputType(type)) ++outputModules_;
  }
}

std::optional<std::array<std::uint8_t, ModuleSet::kSlotCount>> ModuleSet::ParseTypes(std::string_view text) {
  if (text.size() != kSlotCount) return std::nullopt;
  std::array<std::uint8_t, kSlotCount> types{};
  for (int slot = 0; slot < kSlotCount; ++slot) {
    const char c = text[static_cast<std::size_t>(slot)];
    int value = -1;
    if (c >= '0' && c <= '9') value = c - '0';
    if (c >= 'A' && c <= 'F') value = c - 'A' + 10;
    if (c >= 'a' && c <= 'f') value = c - 'a' + 10;
    if (value < 0) return std::nullopt;
    types[static_cast<std::size_t>(slot)] = static_cast<std::uint8_t>(value);
  }
  return types;
}

bool ModuleSet::Has(std::uint8_t type) const {
  for (const std::uint8_t t : types_) {
    if (t == type) return true;
  }
  return false;
}

int ModuleSet::DisplayCells() const {
  switch (displayType_) {
    case 1:
    case 4:
      return 24;
    case 2:
      return 16;
    case 3:
      return 6;
    default:
      return 12;
  }
}

std::optional<std::uint8_t> ModuleSet::AnalogModuleType(int index) const {
  int seen = 0;
  for (const std::uint8_t type : types_) {
    if (!IsAnalogInputType(type)) continue;
    if (seen == index) return type;
    ++seen;
  }
  return std::nullopt;
}

std::array<std::uint8_t, 15> ModuleSet::IdentityRecord(const NetworkSignals& network) const {
  std::array<std::uint8_t, 15> record{};
  record[0] = static_cast<std::uint8_t>(discreteModules_ + analogModules_ + outputModules_);
  for (int slot = 0; slot < kSlotCount; ++slot)
    record[1 + static_cast<std::size_t>(slot)] = types_[static_cast<std::size_t>(slot)];
  // Bytes 9 and 10 carry nothing this controller needs to report.
  record[11] = static_cast<std::uint8_t>(Outputs());
  record[12] = static_cast<std::uint8_t>(std::min(LocalSignals() + network.discreteEntries, 192));
  record[13] = static_cast<std::uint8_t>(std::min(AnalogInputs() + network.analogValues, 48));
  record[14] = displayType_;
  return record;
}

}  // namespace lur::sim

#include "modules/KalibrRows.h"

#include <array>

namespace lur {
namespace {

constexpr std::array<const char*, 7> kViolations = {"", "L(L-H)", "H(L-H)", "L", "LL", "H", "HH"};
constexpr std::array<const char*, 4> kPressureUnits = {"кПа", "кгС/см2", "атм", "бар"};
constexpr const char* kCurrentUnit = "мА";
constexpr int kCurrentInputTypes = 3;  // type 9: input types 0..2 are current ranges

bool AnyFlag(int status) { return (status & (kKalibrFaultBit | kKalibrOffBit | kKalibrSelectedBit)) != 0; }

// The "о" state: bit 6 decides it alone.
bool OffState(int status) { return (status & kKalibrOffBit) != 0 && (status & kKalibrFaultBit) == 0; }

}  // namespace

TKalibrCell KalibrStateCell(int status) {
  if (!AnyFlag(status)) return {"и", TKalibrColour::Lime, TKalibrColour::Black};
  if (status & kKalibrFaultBit) return {"п", TKalibrColour::Purple, TKalibrColour::InfoBk};
  if (status & kKalibrOffBit) return {"о", TKalibrColour::Purple, TKalibrColour::InfoBk};
  return {"к", TKalibrColour::Yellow, TKalibrColour::Black};
}

std::string KalibrViolationText(int code) {
  if (code < 0 || code >= static_cast<int>(kViolations.size())) return {};
  return kViolations[static_cast<std::size_t>(code)];
}

TKalibrCell KalibrViolationCell(int status) {
  if (OffState(status)) return {};
  const int code = status & kKalibrViolationMask;
  if (code == 0) {
    if (AnyFlag(status)) return {};
    return {"норма", TKalibrColour::Lime, TKalibrColour::Black};
  }
  const std::string text = KalibrViolationText(code);
  if (text.empty()) return {};  // code 7
  return {text, TKalibrColour::Red, TKalibrColour::Black};
}

std::string KalibrUnitText(int moduleType, int inputType, int status, const std::string& channelUnit) {
  if (moduleType == 8) return kThermoUnit;
  if ((status & kKalibrSelectedBit) == 0) return channelUnit;
  switch (moduleType) {
    case 6:
      if (inputType >= 0 && inputType < static_cast<int>(kPressureUnits.size()))
        return kPressureUnits[static_cast<std::size_t>(inputType)];
      break;
    case 7:
      return kCurrentUnit;
    case 9:
      if (inputType >= 0 && inputType < kCurrentInputTypes) return kCurrentUnit;
      break;
    default:
      break;
  }
  return channelUnit;
}

}  // namespace lur

#pragma once
// Module type codes of the controller's eight bus slots and the display module
// types, with the names the windows show for them. The names are window texts
// (UTF-8); the identity record itself carries only the codes.
#include <array>
#include <string_view>

namespace lur {

inline constexpr int kSlotCount = 8;
inline constexpr int kMaxModuleCode = 15;
inline constexpr int kMaxDisplayType = 4;

inline constexpr int kInputsPerDiModule = 12;
inline constexpr int kInputsPerAiModule = 6;
inline constexpr int kOutputsPerDoModule = 8;
// Each analog input raises four limit signals: LL, L, H, HH.
inline constexpr int kLimitsPerAnalogInput = 4;

// The signal base holds 192 input signals; 5 relay modules give 40 outputs.
inline constexpr int kMaxInputSignals = 192;
inline constexpr int kMaxOutputModules = 5;
inline constexpr int kMaxOutputs = kMaxOutputModules * kOutputsPerDoModule;

// Codes the system treats specially.
inline constexpr int kModuleEmpty = 0;
inline constexpr int kModuleRelayType5 = 5;    // counted among outputs and on its own
inline constexpr int kModuleAnalogProbed = 8;  // answers the page 60 + n probe when it is a new version
inline constexpr int kModuleSensorType = 10;   // carries the sensor-type block (page 98)
inline constexpr int kModuleControlLoop = 14;  // control loop module (pages 32, 33)

enum class ModuleGroup { None, DiscreteInput, AnalogInput, Output };

// A module code as the one upper-case hexadecimal digit the main window shows.
constexpr char ModuleCodeDigit(int code) { return "0123456789ABCDEF"[code & 0x0F]; }

constexpr ModuleGroup GroupOfModule(int code) {
  switch (code) {
    case 1:
    case 2:
    case 10:
    case 11:
      return ModuleGroup::DiscreteInput;
    case 6:
    case 7:
    case 8:
    case 9:
    case 13:
      return ModuleGroup::AnalogInput;
    case 3:
    case 4:
    case 5:
    case 12:
      return ModuleGroup::Output;
    default:
      return ModuleGroup::None;
  }
}

// Item index = type code, as in the module lists of the new-configuration dialog.
inline constexpr std::array<std::string_view, kMaxModuleCode + 1> kModuleTypeNames = {
    "нет",  "ТОРИ", "ЛЕНС-9(2)", "МР-73",  "МР74",  "МР-75",  "ГАРП", "ЮНАК",
    "БЕРТ", "ФИЛО", "ЛЕНС-9(А)", "резерв", "МР-71", "резерв", "ЖОКА", "резерв",
};

inline constexpr std::array<std::string_view, kMaxDisplayType + 1> kDisplayTypeCaptions = {
    "12+ЖКИ(4х20)", "24+ЖКИ(4х20)", "ЖКД(640х480)", "6+ЖКИ(4х20)", "ЖКИ(4х20)",
};

// Light-board cells of each display type; the discrete processing editor
// compares cell assignments against it.
inline constexpr std::array<int, kMaxDisplayType + 1> kDisplayTypeCounts = {12, 24, 16, 6, 24};

// Out-of-range codes give an empty name rather than indexing past the tables.
constexpr std::string_view ModuleTypeName(int code) {
  return code >= 0 && code <= kMaxModuleCode ? kModuleTypeNames[code] : std::string_view{};
}
constexpr std::string_view DisplayTypeCaption(int type) {
  return type >= 0 && type <= kMaxDisplayType ? kDisplayTypeCaptions[type] : std::string_view{};
}

}  // namespace lur

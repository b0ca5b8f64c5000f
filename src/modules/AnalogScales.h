#pragma once
// The texts of the analog module editor's lists: scale types, the sensors
// of a thermo module (two sets, by the module's new-version flag), the input
// signal types of the pressure and current modules. Several sensor names mix
// scripts on purpose ("ХК(L)" begins with Cyrillic letters, "XK(E)" is all
// Latin, "100П" ends in a Cyrillic П): the controller's own display spells
// them so, and the report and the lists must match it byte for byte.
#include <span>
#include <string>

namespace lur {

// Module type codes of the analog input modules.
inline constexpr int kAnalogPressureType = 6;  // input type list of pressures
inline constexpr int kAnalogLinearType = 7;
inline constexpr int kAnalogThermoType = 8;  // sensor list and measuring ranges
inline constexpr int kAnalogCurrentType = 9;  // input type list of currents
inline constexpr int kAnalogLinear2Type = 13;

bool IsAnalogModuleType(int type);

// "линейная", "корневая", "полином".
std::span<const char* const> ScaleTypeTexts();
// The 16 sensors of a thermo module; with the new-version flag places 7..9
// are "резерв", "Гр. 21", "Гр. 23".
std::span<const char* const> SensorTexts(bool newVersion);
// The input signal types of a module type: five for type 6, three for
// type 9, none for the others.
std::span<const char* const> InputTypeTexts(int moduleType);
// Whether a module type shows the input signal type (`TInp`, `Label10`).
inline bool HasInputType(int moduleType) { return !InputTypeTexts(moduleType).empty(); }

// The scale (or sensor) list of a module: sensors for type 8, scale types
// otherwise.
std::span<const char* const> ScaleListTexts(int moduleType, bool newVersion);

// Entry `index` of a list, or nothing ("") for an index outside it: a code
// read from a block never indexes past a table.
std::string ListText(std::span<const char* const> list, int index);
// The index to select in a list for a stored code: -1 (no selection) for a
// code outside the list.
int ListIndex(std::span<const char* const> list, int code);

}  // namespace lur

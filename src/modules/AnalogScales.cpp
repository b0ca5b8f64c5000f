#include "modules/AnalogScales.h"

#include <array>

namespace lur {
namespace {

constexpr std::array<const char*, 3> kScaleTypes = {"линейная", "корневая", "полином"};

// Cyrillic letters are spelled by their code points where a name mixes
// scripts, so an editor cannot swap a Х for an X unseen.
constexpr std::array<const char*, 16> kSensors = {
    "\u0425\u041A(L)",  // ХК(L), Cyrillic
    "XK(E)",             // Latin
    "XA(K)",             // Latin
    "\u0416\u041A(J)",  // ЖК(J), Cyrillic
    "MK(T)",             // Latin
    "\u041F\u041F(S)",  // ПП(S), Cyrillic
    "\u041F\u041F(R)",  // ПП(R), Cyrillic
    "BP(A1)",            // Latin
    "BP(A2)",
    "BP(A3)",
    "100\u041F",  // 100П, Cyrillic П
    "50\u041F",   // 50П
    "Pt100",
    "Ni",
    "100M",  // Latin M
    "50M",
};

constexpr std::array<const char*, 16> kSensorsNew = {
    kSensors[0], kSensors[1], kSensors[2],  kSensors[3],  kSensors[4],  kSensors[5],  kSensors[6],  "резерв",
    "Гр. 21",    "Гр. 23",    kSensors[10], kSensors[11], kSensors[12], kSensors[13], kSensors[14], kSensors[15],
};

constexpr std::array<const char*, 5> kPressureInputs = {"20-100 кПа", "0,2-1 кгс/см2", "0,2-1 атм", "0,2-1 бар",
                                                        "резерв"};
constexpr std::array<const char*, 3> kCurrentInputs = {"4 - 20 мА", "0 - 20 мА", "0 - 5 мА"};

}  // namespace

bool IsAnalogModuleType(int type) {
  return type == kAnalogPressureType || type == kAnalogLinearType || type == kAnalogThermoType ||
         type == kAnalogCurrentType || type == kAnalogLinear2Type;
}

std::span<const char* const> ScaleTypeTexts() { return kScaleTypes; }

std::span<const char* const> SensorTexts(bool newVersion) {
  return newVersion ? std::span<const char* const>(kSensorsNew) : std::span<const char* const>(kSensors);
}

std::span<const char* const> InputTypeTexts(int moduleType) {
  if (moduleType == kAnalogPressureType) return kPressureInputs;
  if (moduleType == kAnalogCurrentType) return kCurrentInputs;
  return {};
}

std::span<const char* const> ScaleListTexts(int moduleType, bool newVersion) {
  return moduleType == kAnalogThermoType ? SensorTexts(newVersion) : ScaleTypeTexts();
}

std::string ListText(std::span<const char* const> list, int index) {
  if (index < 0 || static_cast<std::size_t>(index) >= list.size()) return {};
  return list[static_cast<std::size_t>(index)];
}

int ListIndex(std::span<const char* const> list, int code) {
  return code >= 0 && static_cast<std::size_t>(code) < list.size() ? code : -1;
}

}  // namespace lur

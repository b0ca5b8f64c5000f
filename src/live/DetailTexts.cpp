#include "live/DetailTexts.h"

#include <array>
#include <cstdio>

#include "model/Cp1251.h"
#include "model/TProgMBAClass.h"
#include "model/TServClass.h"

namespace lur {

std::string_view LimitLetters(int t) {
  static constexpr std::array<std::string_view, 4> kLetters = {"LL", "L", "H", "HH"};
  return t >= 0 && t < static_cast<int>(kLetters.size()) ? kLetters[t] : std::string_view{};
}

std::string SetPointCaption(int t) { return "уставка " + std::string(LimitLetters(t)); }

std::string TwoHexDigits(int n) {
  char digits[16];
  std::snprintf(digits, sizeof digits, "%02X", static_cast<unsigned>(n));
  return digits;
}

std::string SignalCaption(const TServClass& serv, int entry) {
  return std::to_string(entry + 1) + " (адрес 0x" + TwoHexDigits(entry) + ")      " +
         Cp1251ToUtf8(serv.GetInputId(entry));
}

std::vector<std::string> UnitListTexts(const TProgMBAClass& mba) {
  std::vector<std::string> units;
  mba.FillUnitList(units);
  for (auto& unit : units) unit = Cp1251ToUtf8(unit);
  return units;
}

}  // namespace lur

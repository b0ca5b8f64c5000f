#pragma once
// The rules an exchange block must keep for its slave device type: how many
// outputs it may have, where its request may start and how much it asks
// for. Each broken rule gives its own message, in the order the dialog
// shows them.
#include <string>
#include <vector>

namespace lur {

// Device type items of the block dialog (the block's TipUstr).
inline constexpr int kSlaveLur01 = 0;
inline constexpr int kSlaveTern = 1;
inline constexpr int kSlaveSurLo = 2;
inline constexpr int kSlaveSurLe = 3;
inline constexpr int kSlaveVeda = 4;
inline constexpr int kSlaveLur05 = 5;
inline constexpr int kSlaveFirstReserve = 6;  // 6..14 "резерв"
inline constexpr int kSlaveOther = 15;        // "другие "

struct TMBMRuleInput {
  int tipUstr = 0;
  int kodF = 0;      // 1..4
  int kolVh = 0;     // n
  int adBegDat = 0;  // a
  int kolDat = 0;    // d
  int tipDate = 0;   // 0 integer, 1 IEEE754
};

inline constexpr const char* kWrongCountLur01 = "ошибка в количестве выходов блока ЛУР-01\n";
inline constexpr const char* kWrongCount = "ошибка в количестве выходов блока\n";
inline constexpr const char* kWrongStartLur01 = "ошибка в начальном адресе данных в запросе блока ЛУР-01\n";
inline constexpr const char* kWrongStart = "ошибка в начальном адресе данных в запросе\n";
inline constexpr const char* kWrongSum = "сумма нач адр и кол-ва данных в запросе >32(Dec)\n";
inline constexpr const char* kWrongQuantity = "ошибка в количестве данных в запросе\n";

// The messages of every broken rule, empty when the block keeps them all. A
// block needs at least one output whatever its type.
std::vector<std::string> CheckDeviceRules(const TMBMRuleInput& block);

}  // namespace lur

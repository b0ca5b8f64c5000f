#pragma once
// The controller's configuration pages by number, defined once for the
// tables, the transfers, the file code, lurctl and the simulator.
#include <cstdint>

namespace lur::page {

inline constexpr std::uint8_t kFirstModule = 1;  // 1..8: analog module blocks, then network analog groups
inline constexpr int kModuleCount = 8;
inline constexpr std::uint8_t kRelay = 9;
inline constexpr std::uint8_t kExchange = 0x0A;
inline constexpr std::uint8_t kFunction15 = 0x0B;
inline constexpr std::uint8_t kFirstDiscrete = 12;  // 12..19
inline constexpr int kDiscreteCount = 8;
inline constexpr std::uint8_t kFirstFunctionBlock = 20;  // 20..31, ten blocks each
inline constexpr int kFunctionBlockCount = 12;
inline constexpr std::uint8_t kRegulators = 0x20;
inline constexpr std::uint8_t kSetters = 0x21;
inline constexpr std::uint8_t kUnits = 35;
inline constexpr std::uint8_t kFirstInputText = 40;  // 40..51, sixteen input texts each
inline constexpr int kInputTextCount = 12;
inline constexpr std::uint8_t kFirstProbe = 60;  // 60 + n: converter codes of analog module n, read only
inline constexpr std::uint8_t kSensorTypes = 98;
inline constexpr std::uint8_t kDeviceNumber = 99;  // written only: one byte, the new device index

}  // namespace lur::page

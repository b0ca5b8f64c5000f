#pragma once
// The controller protocol's numbers that the tables, the link, lurctl and
// the simulator share: function codes and the largest answer a request can
// bring. Defined here once; nothing else spells them.
#include <cstddef>
#include <cstdint>

namespace lur::fn {

inline constexpr std::uint8_t kReadCoils = 1;
inline constexpr std::uint8_t kReadDiscreteInputs = 2;
inline constexpr std::uint8_t kReadHoldingRegisters = 3;
inline constexpr std::uint8_t kReadInputRegisters = 4;
inline constexpr std::uint8_t kWriteCoil = 5;
inline constexpr std::uint8_t kWriteRegister = 6;
inline constexpr std::uint8_t kCompletionPoll = 14;  // "has the last page been stored?"
inline constexpr std::uint8_t kWriteCoils = 15;
inline constexpr std::uint8_t kWriteRegisters = 16;
inline constexpr std::uint8_t kIdentity = 17;
inline constexpr std::uint8_t kReadPage = 0x44;
inline constexpr std::uint8_t kWritePage = 0x45;
inline constexpr std::uint8_t kClockBroadcast = 0x46;  // address 0, never answered
inline constexpr std::uint8_t kAnalogStates = 0x47;

}  // namespace lur::fn

namespace lur {

// The largest answer frame any request brings (the tool's answer buffers).
inline constexpr std::size_t kAnswerCapacity = 435;

// Whether a function changes what the controller holds or does: at the
// limited access level none of them is ever sent.
constexpr bool ChangesController(std::uint8_t function) {
  return function == fn::kWriteCoil || function == fn::kWriteRegister || function == fn::kWriteCoils ||
         function == fn::kWriteRegisters || function == fn::kWritePage || function == fn::kClockBroadcast;
}

// The reads an exchange block of the controller's own network master can
// make: coils and discrete inputs bring discrete values, holding and input
// registers analog ones. Any other code leaves the block unused.
constexpr bool ReadsDiscreteValues(int function) {
  return function == fn::kReadCoils || function == fn::kReadDiscreteInputs;
}
constexpr bool ReadsAnalogValues(int function) {
  return function == fn::kReadHoldingRegisters || function == fn::kReadInputRegisters;
}

}  // namespace lur

#pragma once
// The live state records of analog signals that function 0x47 answers: per
// signal 7 characters of value text, as the controller formats it, and a
// status byte (bits 0..2 the limit violation, bits 5..7 state flags).
#include <algorithm>
#include <array>
#include <cstdint>
#include <span>
#include <string>

#include "model/Protocol.h"

namespace lur {

using AnalogStateRecord = std::array<std::uint8_t, 8>;
inline constexpr std::size_t kAnalogStateTextSize = 7;
inline constexpr std::uint8_t kReadAnalogStatesFunction = fn::kAnalogStates;

// Copies the `count` records of a function-0x47 answer frame (address, 0x47,
// byte count, records, checksum) into records first.. of `into`. Refused, with
// nothing copied, when the frame is of another function, its byte count is
// not 8 x count, it is shorter than it says, or the records would not fit.
inline bool TakeAnalogStates(std::span<const std::uint8_t> answer, int first, int count,
                             std::span<AnalogStateRecord> into) {
  if (first < 0 || count <= 0 ||
      static_cast<std::size_t>(first) + static_cast<std::size_t>(count) > into.size())
    return false;
  const std::size_t dataSize = sizeof(AnalogStateRecord) * static_cast<std::size_t>(count);
  if (answer.size() < 3 + dataSize || answer[1] != kReadAnalogStatesFunction || answer[2] != dataSize)
    return false;
  for (int r = 0; r < count; ++r) {
    const auto from = answer.subspan(3 + sizeof(AnalogStateRecord) * static_cast<std::size_t>(r),
                                     sizeof(AnalogStateRecord));
    std::copy(from.begin(), from.end(), into[static_cast<std::size_t>(first + r)].begin());
  }
  return true;
}

inline std::string AnalogStateText(const AnalogStateRecord& record) {
  return std::string(record.begin(), record.begin() + kAnalogStateTextSize);
}

inline int AnalogStateStatus(const AnalogStateRecord& record) { return record[kAnalogStateTextSize]; }

}  // namespace lur

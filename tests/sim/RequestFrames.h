#pragma once
// Request frames built by hand, as a master puts them on the line, and checks
// of the answer frames the simulated controller gives back.
#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <vector>

#include "link/Crc16.h"

namespace lur::sim::testing {

using Bytes = std::vector<std::uint8_t>;

inline Bytes Request(std::uint8_t address, std::uint8_t function, const Bytes& data = {}) {
  // Sized once and filled in place: GCC 12 at -O2 cannot prove an insert
  // after an initializer list in range and warns.
  Bytes frame(2 + data.size() + 2, 0);
  frame[0] = address;
  frame[1] = function;
  std::copy(data.begin(), data.end(), frame.begin() + 2);
  AppendCrc16(frame.data(), frame.size() - 2);
  return frame;
}

inline Bytes Request(std::uint8_t address, std::uint8_t function, std::initializer_list<int> data) {
  Bytes bytes;
  for (const int b : data) bytes.push_back(static_cast<std::uint8_t>(b));
  return Request(address, function, bytes);
}

// A standard read or single write: function, 16-bit address and 16-bit value, high bytes first.
inline Bytes Standard(std::uint8_t address, std::uint8_t function, int start, int value) {
  return Request(address, function, {start >> 8, start & 0xFF, value >> 8, value & 0xFF});
}

inline bool CrcOk(const std::optional<Bytes>& answer) {
  return answer && answer->size() >= 4 && CheckCrc16(answer->data(), answer->size());
}

inline bool IsException(const std::optional<Bytes>& answer, std::uint8_t function, std::uint8_t code) {
  return CrcOk(answer) && answer->size() == 5 && (*answer)[1] == (function | 0x80) && (*answer)[2] == code;
}

// The data of a normal answer with a count byte (after address, function, count).
inline Bytes AnswerData(const std::optional<Bytes>& answer) {
  if (!CrcOk(answer) || answer->size() < 5 || (*answer)[2] + 5u != answer->size()) return {};
  return Bytes(answer->begin() + 3, answer->end() - 2);
}

}  // namespace lur::sim::testing

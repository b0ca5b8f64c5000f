#pragma once
// The standard reads of a live poll (coils, discrete inputs, holding and
// input registers) at the device requests go to, each answer checked for its
// byte count and kept for the cells to pick from.
#include <array>
#include <cstdint>
#include <span>

#include "model/Protocol.h"

namespace lur {

struct TSession;

class TLiveReader {
 public:
  explicit TLiveReader(TSession& session) : session_(session) {}

  // Reads quantity bits (function 1 or 2) or registers (3 or 4) from start.
  // 0, a result code of the transaction, or 128 when the answer's byte count
  // does not match the request. A request no read may carry (another
  // function, a quantity out of range, a start past 65535) is refused with
  // result 1 and nothing is sent. Nothing is reported.
  int Read(std::uint8_t function, int start, int quantity);

  // Bit i (0-based) of the last answer, bit 0 of the first data byte first;
  // false past the bits read.
  bool Bit(int i) const;
  // Register i (0-based) of the last answer, most significant byte first; 0
  // past the registers read.
  std::uint16_t Register(int i) const;
  // The data bytes of the last answer (empty after a failure).
  std::span<const std::uint8_t> Data() const;

 private:
  TSession& session_;
  std::array<std::uint8_t, kAnswerCapacity> answer_{};
  int dataBytes_ = 0;
  int items_ = 0;  // bits or registers of the last answer
  bool bits_ = false;
};

}  // namespace lur

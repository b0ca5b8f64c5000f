#pragma once
// Who wants to see the traffic on the line: the exchange journal of the
// program and lurctl --trace. The transaction tells it every frame it sends
// and receives, then the transaction's result.
#include <cstdint>
#include <span>

namespace lur {

enum class TrafficDirection { Sent, Received };

class TTrafficObserver {
 public:
  virtual ~TTrafficObserver() = default;
  // A frame as it went out, or the bytes one attempt received (partial or
  // corrupt answers included). ms is the link's waiter time.
  virtual void Frame(std::int64_t ms, TrafficDirection direction, std::span<const std::uint8_t> bytes) = 0;
  // The transaction's result code for the device it addressed (0 success).
  virtual void Result(std::int64_t ms, int deviceIndex, int code) = 0;
};

}  // namespace lur

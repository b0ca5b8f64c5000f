#include "session/LiveAnswer.h"

#include "link/TComPortClass.h"
#include "model/Protocol.h"

namespace lur {

int LiveAnswerByteCount(std::uint8_t function, int quantity) {
  switch (function) {
    case fn::kReadCoils:
    case fn::kReadDiscreteInputs:
      return quantity >= 1 && quantity <= 2000 ? (quantity + 7) / 8 : -1;
    case fn::kReadHoldingRegisters:
    case fn::kReadInputRegisters:
      return quantity >= 1 && quantity <= 125 ? 2 * quantity : -1;
    default:
      return -1;
  }
}

int CheckLiveAnswer(std::uint8_t function, int quantity, std::span<const std::uint8_t> answer) {
  const int expected = LiveAnswerByteCount(function, quantity);
  if (expected < 0 || answer.size() < 3) return kResultBadData;
  if (answer[2] != expected || answer.size() < static_cast<std::size_t>(3 + expected)) return kResultBadData;
  return kResultOk;
}

}  // namespace lur

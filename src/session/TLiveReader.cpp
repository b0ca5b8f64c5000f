#include "session/TLiveReader.h"

#include "link/TComPortClass.h"
#include "session/LiveAnswer.h"
#include "session/TSession.h"

namespace lur {

int TLiveReader::Read(std::uint8_t function, int start, int quantity) {
  dataBytes_ = 0;
  items_ = 0;
  const int expected = LiveAnswerByteCount(function, quantity);
  if (expected < 0 || start < 0 || start > 0xFFFF) return kResultFunctionRefused;
  const std::array<std::uint8_t, 4> data = {static_cast<std::uint8_t>(start >> 8), static_cast<std::uint8_t>(start),
                                            static_cast<std::uint8_t>(quantity >> 8),
                                            static_cast<std::uint8_t>(quantity)};
  int code = session_.link.Transact(session_.addressing.AddressIndex(), function, static_cast<int>(data.size()),
                                    data.data(), answer_);
  if (code == kResultOk) code = CheckLiveAnswer(function, quantity, answer_);
  if (code == kResultOk) {
    dataBytes_ = expected;
    items_ = quantity;
    bits_ = function == fn::kReadCoils || function == fn::kReadDiscreteInputs;
  }
  return code;
}

bool TLiveReader::Bit(int i) const {
  if (!bits_ || i < 0 || i >= items_) return false;
  return (answer_[static_cast<std::size_t>(3 + i / 8)] >> (i % 8)) & 1;
}

std::uint16_t TLiveReader::Register(int i) const {
  if (bits_ || i < 0 || i >= items_) return 0;
  const std::size_t at = static_cast<std::size_t>(3 + 2 * i);
  return static_cast<std::uint16_t>(answer_[at] << 8 | answer_[at + 1]);
}

std::span<const std::uint8_t> TLiveReader::Data() const {
  return std::span<const std::uint8_t>(answer_).subspan(3, static_cast<std::size_t>(dataBytes_));
}

}  // namespace lur

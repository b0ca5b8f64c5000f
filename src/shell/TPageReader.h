#pragma once
// The read requests of the whole-configuration transfers: the identity
// (function 17) and configuration pages (function 0x44), each answer kept in
// one buffer for the table that takes it.
#include <array>
#include <cstdint>
#include <span>

#include "model/Protocol.h"

namespace lur {

class TComPortClass;
class TUserInterface;

class TPageReader {
 public:
  static constexpr std::uint8_t kIdentityFunction = fn::kIdentity;
  static constexpr std::uint8_t kReadPageFunction = fn::kReadPage;

  TPageReader(TComPortClass& link, TUserInterface& ui, int deviceIndex) : link_(link), ui_(ui), device_(deviceIndex) {}

  // 0 or the transaction's result code; nothing is reported.
  int Identity();
  int Read(std::uint8_t page);
  // The last answer frame, as long as the controller made it.
  std::span<const std::uint8_t> Answer() const;
  std::uint8_t Count() const { return answer_[2]; }
  // Reports a result code for the device the requests go to.
  void Report(int code);
  int Device() const { return device_; }

 private:
  TComPortClass& link_;
  TUserInterface& ui_;
  int device_;
  std::array<std::uint8_t, kAnswerCapacity> answer_{};
};

}  // namespace lur

#include "LinkTransaction.h"

#include <algorithm>
#include <vector>

#include "link/Crc16.h"
#include "link/ScriptedPort.h"
#include "link/TComPortClass.h"
#include "model/Protocol.h"

namespace lur::test {

namespace {

// The link under test over a port and a clock: the one place that knows what
// building a link takes.
struct LinkUnderTest {
  LinkUnderTest(TSerialPort& port, TWaiter& waiter) : link(port, waiter) {}
  TComPortClass link;
};

// Reads the fuzz input front to back; past its end every byte is 0.
class InputReader {
 public:
  explicit InputReader(std::span<const std::uint8_t> data) : data_(data) {}
  std::uint8_t Byte() { return at_ < data_.size() ? data_[at_++] : 0; }
  std::span<const std::uint8_t> Take(std::size_t count) {
    count = std::min(count, data_.size() - at_);
    const auto part = data_.subspan(at_, count);
    at_ += count;
    return part;
  }
  bool AtEnd() const { return at_ >= data_.size(); }

 private:
  std::span<const std::uint8_t> data_;
  std::size_t at_ = 0;
};

bool IsLinkResultCode(int code) {
  return (code >= kResultOk && code <= 255) || code == kResultPortClosed || code == kResultNoAccess;
}

// A transaction makes at most RetriesStage1 attempts in a row that fail
// before a good header, and at most RetriesStage2 that fail after one; each
// attempt waits at most the request delay, the header's and the body's read
// time-outs and the retry pause.
std::int64_t LongestTransactionMs(const TComPortClass& link, std::size_t answerCapacity) {
  const std::int64_t attempts =
      static_cast<std::int64_t>(link.GetRetriesStage1()) * (static_cast<std::int64_t>(link.GetRetriesStage2()) + 1);
  const std::int64_t attemptMs = link.GetRequestDelay() + TotalReadTimeoutMs(3) +
                                 TotalReadTimeoutMs(static_cast<int>(answerCapacity)) + kRetryPauseMs;
  return attempts * attemptMs;
}

}  // namespace

bool FeedTransaction(std::span<const std::uint8_t> data) {
  InputReader in(data);
  // The request: half of the inputs take an allowed function, so the fuzzer
  // does not spend itself on refusals.
  const std::uint8_t pick = in.Byte();
  const std::uint8_t function =
      (pick & 0x80) != 0 ? kAllowedFunctions[(pick & 0x7F) % kAllowedFunctions.size()] : in.Byte();
  const std::uint8_t dataLength = in.Byte();
  const std::uint8_t deviceIndex = in.Byte() % 31;
  const std::uint8_t settings = in.Byte();
  const std::size_t capacity = std::min<std::size_t>((in.Byte() << 8 | in.Byte()) % 512, kAnswerCapacity);
  std::vector<std::uint8_t> request(static_cast<std::size_t>(dataLength));
  for (std::uint8_t& b : request) b = in.Byte();

  VirtualClock clock;
  ScriptedPort port(clock);
  LinkUnderTest under(port, clock);
  TComPortClass& link = under.link;
  link.SetRetriesStage1(1 + (settings & 0x03));
  link.SetRetriesStage2(1 + ((settings >> 2) & 0x07));
  link.SetRequestDelay((settings & 0x20) != 0 ? 25 : 0);
  port.failClear = (settings & 0xC0) == 0xC0;
  if ((settings & 0xC0) == 0x80) port.readError = -static_cast<int>(1 + in.Byte() % 135);

  // One chunk per attempt: a length byte (0: silence), then that many bytes
  // less one; the answers of an attempt that is never made stay unread.
  while (!in.AtEnd()) {
    const std::uint8_t length = in.Byte();
    if (length == 0) {
      port.replies.push_back(std::nullopt);
      continue;
    }
    const auto bytes = in.Take(length - 1u);
    port.replies.emplace_back(std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
  }

  // An exact-size heap buffer, so a byte past it is the sanitizer's to see.
  std::vector<std::uint8_t> answer(capacity);
  const std::int64_t start = clock.now;
  const int code = link.Transact(deviceIndex, function, dataLength, dataLength == 0 ? nullptr : request.data(),
                                 std::span(answer.data(), answer.size()));
  const std::int64_t spent = clock.now - start;

  if (!IsLinkResultCode(code)) return false;
  if (spent < 0 || spent > LongestTransactionMs(link, capacity)) return false;
  const bool allowed = std::find(kAllowedFunctions.begin(), kAllowedFunctions.end(), function) !=
                       kAllowedFunctions.end();
  if (!allowed && (code != kResultFunctionRefused || !port.written.empty())) return false;
  if (code == kResultOk && function != fn::kClockBroadcast) {
    // A success leaves a whole answer of the request's function, its CRC right.
    const auto length = static_cast<std::size_t>(link.AnswerLength);
    if (length < 4 || length > answer.size()) return false;
    if (answer[1] != function || !CheckCrc16(answer.data(), length)) return false;
  }
  return true;
}

}  // namespace lur::test

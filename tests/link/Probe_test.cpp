// The probe of a bus search: one attempt, its time-out, its refusals, and
// nothing of it left in the link or the port for the requests after it.
#include <gtest/gtest.h>

#include <array>

#include "link/ScriptedPort.h"
#include "link/TComPortClass.h"
#include "model/Protocol.h"

namespace lur {
namespace {

using test::ScriptedPort;
using test::VirtualClock;
using test::WithCrc;
using Bytes = std::vector<std::uint8_t>;

constexpr std::int64_t kStart = 1'000'000;

Bytes IdentityAnswer(std::uint8_t address) {
  return WithCrc({address, fn::kIdentity, 15, 3, 1, 7, 3, 0, 0, 0, 0, 0, 0, 0, 8, 0x34, 8, 1});
}

class Probe : public ::testing::Test {
 protected:
  VirtualClock clock;
  ScriptedPort port{clock};
  TComPortClass link{port, clock};
  std::array<std::uint8_t, kAnswerCapacity> answer{};

  int Ask(int deviceIndex, int timeoutMs = 300, std::uint8_t function = fn::kIdentity) {
    return link.Probe(deviceIndex, function, answer, timeoutMs);
  }
};

TEST_F(Probe, TakesAnAnswerInOneAttempt) {
  port.replies.push_back(IdentityAnswer(5));
  EXPECT_EQ(Ask(4), kResultOk);
  ASSERT_EQ(port.written.size(), 1u);
  EXPECT_EQ(port.written[0].bytes, WithCrc({5, fn::kIdentity}));
  EXPECT_EQ(link.AnswerIn(answer).size(), 20u);
  EXPECT_EQ(answer[3 + 14], 1);  // the display type byte
}

// Silence, a spoilt answer, an exception: never a second attempt, never the
// retry pause, and a silent address costs the request delay and the
// time-out, not the port's own 1,300 ms.
TEST_F(Probe, FailsAfterOneAttemptWithinItsTimeOut) {
  struct Case {
    const char* what;
    std::optional<Bytes> reply;
    int code;
  };
  Bytes spoilt = IdentityAnswer(3);
  spoilt.back() ^= 0xFF;
  const Case cases[] = {
      {"silence", std::nullopt, kResultNoAnswer},
      {"bad CRC", spoilt, kResultChecksum},
      {"exception", WithCrc({3, fn::kIdentity | 0x80, 1}), 1},
      {"header, then nothing", Bytes{3, fn::kIdentity, 15}, kResultNoAnswer},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    port.written.clear();
    port.incoming.clear();
    port.replies = {c.reply};
    const std::int64_t start = clock.now;
    EXPECT_EQ(Ask(2, 120), c.code);
    EXPECT_EQ(port.written.size(), 1u);
    EXPECT_LE(clock.now - start, 25 + 120);
    EXPECT_EQ(port.ReadLimitMs(), 0);
  }
}

TEST_F(Probe, RefusesTheBroadcastAndAddressesOffTheLine) {
  struct Case {
    int deviceIndex;
    std::uint8_t function;
    int timeoutMs;
  };
  for (const Case& c : {Case{-1, fn::kIdentity, 300}, Case{31, fn::kIdentity, 300},
                        Case{0, fn::kClockBroadcast, 300}, Case{0, fn::kIdentity, 0}}) {
    EXPECT_EQ(Ask(c.deviceIndex, c.timeoutMs, c.function), kResultFunctionRefused) << c.deviceIndex;
  }
  EXPECT_TRUE(port.written.empty());
  EXPECT_EQ(clock.now, kStart);
}

TEST_F(Probe, LeavesTheRetriesAndTimeOutsOfLaterRequestsAlone) {
  link.SetRetriesStage1(3);
  port.replies = {std::nullopt, std::nullopt, std::nullopt, std::nullopt};
  ASSERT_EQ(Ask(0, 50), kResultNoAnswer);
  EXPECT_EQ(link.GetRetriesStage1(), 3u);
  EXPECT_EQ(link.GetRetriesStage2(), 10u);
  EXPECT_EQ(link.GetRequestDelay(), 25u);

  // A transaction after it: three attempts, each waiting the port's whole
  // header time-out, with the retry pause between them.
  port.written.clear();
  const std::int64_t start = clock.now;
  std::array<std::uint8_t, 1> none{};
  EXPECT_EQ(link.Transact(0, fn::kIdentity, 0, none.data(), answer), kResultNoAnswer);
  EXPECT_EQ(port.written.size(), 3u);
  EXPECT_EQ(clock.now - start, 3 * (25 + TotalReadTimeoutMs(3) + kRetryPauseMs));
}

}  // namespace
}  // namespace lur

// What the transaction tells an observer: every frame sent, every answer
// received (bad ones included) and then the transaction's result.
#include <gtest/gtest.h>

#include <array>

#include "link/ScriptedPort.h"
#include "link/TComPortClass.h"

namespace lur {
namespace {

using test::ScriptedPort;
using test::VirtualClock;
using test::WithCrc;
using Bytes = std::vector<std::uint8_t>;

struct TSeen {
  std::int64_t ms;
  char what;  // '>' sent, '<' received, '=' result
  Bytes bytes;
  int code = 0;
  int device = 0;
  bool operator==(const TSeen&) const = default;
};

class TRecorder : public TTrafficObserver {
 public:
  void Frame(std::int64_t ms, TrafficDirection direction, std::span<const std::uint8_t> bytes) override {
    seen.push_back({ms, direction == TrafficDirection::Sent ? '>' : '<', {bytes.begin(), bytes.end()}});
  }
  void Result(std::int64_t ms, int deviceIndex, int code) override { seen.push_back({ms, '=', {}, code, deviceIndex}); }
  std::string Kinds() const {
    std::string k;
    for (const auto& s : seen) k += s.what;
    return k;
  }
  std::vector<TSeen> seen;
};

class Traffic : public ::testing::Test {
 protected:
  Traffic() { link.SetTrafficObserver(&recorder); }
  int Send(std::uint8_t function, Bytes data = {}, int device = 0) {
    return link.Transact(device, function, static_cast<int>(data.size()), data.data(), answer);
  }
  VirtualClock clock;
  ScriptedPort port{clock};
  TComPortClass link{port, clock};
  TRecorder recorder;
  std::array<std::uint8_t, kAnswerCapacity> answer{};
};

TEST_F(Traffic, EveryAttemptAndTheResultInOrder) {
  Bytes bad = WithCrc({0x03, 0x44, 0x02, 0x0A, 0x55});
  bad.back() ^= 1;
  const Bytes good = WithCrc({0x03, 0x44, 0x02, 0x0A, 0x55});
  port.replies.push_back(bad);
  port.replies.push_back(good);
  EXPECT_EQ(Send(0x44, {0x0A}, 2), 0);
  const Bytes request = WithCrc({0x03, 0x44, 0x0A});
  const std::int64_t t0 = 1'000'000;
  // Sent after the 25 ms request delay; the answer taken at once (the
  // scripted line needs no time); 300 ms pause, then the next attempt.
  const std::vector<TSeen> expected = {
      {t0 + 25, '>', request},        {t0 + 25, '<', bad}, {t0 + 350, '>', request},
      {t0 + 350, '<', good},          {t0 + 350, '=', {}, 0, 2},
  };
  EXPECT_EQ(recorder.seen, expected);
}

TEST_F(Traffic, PartialAnswersAreShownAsTheyCame) {
  port.replies.push_back(Bytes{0x01, 0x44});                    // header cut short
  port.replies.push_back(Bytes{0x01, 0x44, 0x05, 0x0A, 0x01});  // body cut short
  port.replies.push_back(WithCrc({0x01, 0xC4, 0x03}));          // an exception answer
  EXPECT_EQ(Send(0x44, {0x0A}), 3);
  ASSERT_EQ(recorder.Kinds(), "><><><=");
  EXPECT_EQ(recorder.seen[1].bytes, (Bytes{0x01, 0x44}));
  EXPECT_EQ(recorder.seen[3].bytes, (Bytes{0x01, 0x44, 0x05, 0x0A, 0x01}));
  EXPECT_EQ(recorder.seen[5].bytes, WithCrc({0x01, 0xC4, 0x03}));
  EXPECT_EQ(recorder.seen[6].code, 3);
}

TEST_F(Traffic, SilenceRefusalsAndBroadcasts) {
  // A silent line: five requests, no answer, then 130.
  EXPECT_EQ(Send(17), 130);
  EXPECT_EQ(recorder.Kinds(), ">>>>>=");
  EXPECT_EQ(recorder.seen.back().code, 130);
  EXPECT_EQ(recorder.seen.back().ms, clock.now);

  // Refused before the line: only the result.
  recorder.seen.clear();
  EXPECT_EQ(Send(7), 1);
  port.open = false;
  EXPECT_EQ(Send(17), 256);
  ASSERT_EQ(recorder.Kinds(), "==");
  EXPECT_EQ(recorder.seen[0].code, 1);
  EXPECT_EQ(recorder.seen[1].code, 256);

  // A broadcast: its frame and success.
  port.open = true;
  recorder.seen.clear();
  EXPECT_EQ(Send(0x46, {1, 2, 3}), 0);
  EXPECT_EQ(recorder.Kinds(), ">=");
  EXPECT_EQ(recorder.seen[0].bytes[0], 0);
}

TEST_F(Traffic, DetachedObserverSeesNothingMore) {
  port.replies.push_back(WithCrc({0x01, 0x11, 0x00}));
  EXPECT_EQ(Send(17), 0);
  link.SetTrafficObserver(nullptr);
  port.replies.push_back(WithCrc({0x01, 0x11, 0x00}));
  EXPECT_EQ(Send(17), 0);
  EXPECT_EQ(recorder.Kinds(), "><=");
}

}  // namespace
}  // namespace lur

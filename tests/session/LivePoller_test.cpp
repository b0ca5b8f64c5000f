#include "session/TLivePoller.h"

#include <gtest/gtest.h>

#include <functional>

#include "link/Crc16.h"
#include "link/TComPortClass.h"
#include "model/TConfiguration.h"
#include "session/FailedAnswerCases.h"
#include "session/InputsView.h"
#include "session/LiveAnswer.h"
#include "session/PollClock.h"
#include "session/TServAddressing.h"
#include "session/TSession.h"
#include "support/SimPort.h"
#include "ui/TScriptedUserInterface.h"

namespace lur::test {
namespace {

// A user who may take time over a box: while it is open the clock runs and
// timers fire, as they do under a modal box.
class SlowUser : public TScriptedUserInterface {
 public:
  MsgAnswer Message(const TMessage& message) override {
    if (onBox) onBox();
    return TScriptedUserInterface::Message(message);
  }
  std::function<void()> onBox;
};

class LivePollerTest : public ::testing::Test {
 protected:
  LivePollerTest() {
    clock.timer = &timer;
    link.PortName = "COM1";
  }

  // The requests of the last n polls' worth, as (function, start, quantity).
  std::vector<std::array<int, 3>> Reads() const {
    std::vector<std::array<int, 3>> out;
    for (const SimPort::Request& q : line.requests) {
      const Frame& r = q.bytes;
      out.push_back({r[1], r[2] << 8 | r[3], r[4] << 8 | r[5]});
    }
    return out;
  }
  // Every read of the inputs (function 2) fails so.
  void FailInputs(sim::StagedFault how) { line.Fail({std::uint8_t{2}, std::nullopt}, how); }

  PollClock clock;
  ManualPollTimer timer{clock};
  SimPort line{clock};
  SlowUser ui;
  TComPortClass link{line, clock};
  TConfiguration config;
  TServAddressing addressing{config.Serv};
  TSession session{config, link, ui, addressing};
  InputsView view{session};
  TLivePoller poller{session, timer, view};
};

TEST_F(LivePollerTest, ShowingClearsTheCellsAndPollsOnceAPeriodInTheWindowsOrder) {
  view.inputs.fill(1);
  poller.Show();
  EXPECT_EQ(view.inputs[0], -1);
  EXPECT_TRUE(view.label);
  EXPECT_EQ(timer.Period(), 3000);

  clock.Advance(2900);
  EXPECT_TRUE(line.requests.empty());  // the first poll comes one period later
  clock.Advance(100);
  EXPECT_EQ(view.polls, 1);
  EXPECT_EQ(Reads(), (std::vector<std::array<int, 3>>{{1, 1016, 16}, {2, 0, 12}}));
  for (int i = 0; i < 12; ++i) {
    EXPECT_EQ(view.inputs[static_cast<std::size_t>(i)], line.Controller().Live().DiscreteInput(i) ? 1 : 0);
  }
  clock.Advance(6000);
  EXPECT_EQ(view.polls, 3);
  EXPECT_TRUE(ui.shown.empty());
}

TEST_F(LivePollerTest, ATickArrivingDuringASlowPollStartsNoSecondPoll) {
  // Each answer takes 4 s to come, so a 3-second tick falls inside every poll.
  line.answerDelayMs = 4000;
  poller.Show();
  clock.Advance(3000 * 4);

  EXPECT_GE(view.polls, 1);
  EXPECT_EQ(view.maxDepth, 1);
  EXPECT_GT(timer.fired, view.polls);
  EXPECT_EQ(poller.SkippedTicks(), timer.fired - view.polls);
  // Every poll sent its two requests, none interleaved with another's.
  const auto reads = Reads();
  for (std::size_t i = 0; i + 1 < reads.size(); i += 2) {
    EXPECT_EQ(reads[i][0], 1);
    EXPECT_EQ(reads[i + 1][0], 2);
  }
  EXPECT_TRUE(ui.shown.empty());
  EXPECT_TRUE(poller.Polling());
}

TEST_F(LivePollerTest, AFailedPollStopsPollingBeforeItsOneBox) {
  // One data byte missing leaves a byte count that does not match the request.
  for (const FailedAnswerCase& c : kFailedAnswerCases) {
    SCOPED_TRACE(c.what);
    PollClock clock2;
    ManualPollTimer timer2{clock2};
    clock2.timer = &timer2;
    SimPort line2{clock2};
    SlowUser ui2;
    TComPortClass link2{line2, clock2};
    link2.PortName = "COM1";
    TConfiguration config2;
    TServAddressing addressing2{config2.Serv};
    TSession session2{config2, link2, ui2, addressing2};
    InputsView view2{session2};
    TLivePoller poller2{session2, timer2, view2};
    line2.Fail({std::uint8_t{2}, std::nullopt}, c.fault);
    bool pollingAtBox = true;
    bool timerAtBox = true;
    // The user leaves the box open for half a minute.
    ui2.onBox = [&] {
      pollingAtBox = poller2.Polling();
      timerAtBox = timer2.IsActive();
      clock2.Advance(30000);
    };

    poller2.Show();
    clock2.Advance(3000);
    const std::size_t requestsAfterFailure = line2.requests.size();
    clock2.Advance(30000);

    EXPECT_EQ(view2.polls, 1);
    EXPECT_FALSE(pollingAtBox);
    EXPECT_FALSE(timerAtBox);
    ASSERT_EQ(ui2.shown.size(), 1u);
    EXPECT_EQ(ui2.shown[0].text, link2.ErrorText(0, c.code));
    EXPECT_FALSE(poller2.Polling());
    EXPECT_FALSE(view2.label);
    EXPECT_EQ(line2.requests.size(), requestsAfterFailure);
    // The first request of the poll was taken, the failed one left its
    // cells as they were.
    EXPECT_NE(view2.faulty, -1);
    EXPECT_EQ(view2.inputs[0], -1);
  }
}

TEST_F(LivePollerTest, ClosingStopsTheRequestsAndShowingAgainRestartsThem) {
  poller.Show();
  clock.Advance(3000);
  ASSERT_EQ(view.polls, 1);

  poller.Close();
  EXPECT_FALSE(view.label);
  EXPECT_FALSE(timer.IsActive());
  const std::size_t sent = line.requests.size();
  clock.Advance(30000);
  EXPECT_EQ(line.requests.size(), sent);

  poller.Show();
  EXPECT_EQ(view.clears, 3);  // construction, and each showing
  clock.Advance(3000);
  EXPECT_EQ(view.polls, 2);
}

TEST_F(LivePollerTest, TheClockWindowKeepsPollingAfterAFailureWithOneBoxEach) {
  view.keepPolling = true;
  FailInputs(ExceptionAnswer(4));
  // Ticks keep coming while each box is open; none starts a poll.
  ui.onBox = [this] { clock.Advance(10000); };

  poller.Show();
  clock.Advance(3000);
  EXPECT_EQ(view.polls, 1);
  EXPECT_EQ(ui.shown.size(), 1u);
  EXPECT_TRUE(poller.Polling());
  EXPECT_GT(poller.SkippedTicks(), 0);

  clock.Advance(3000);
  EXPECT_EQ(view.polls, 2);
  EXPECT_EQ(ui.shown.size(), 2u);
  EXPECT_EQ(view.maxDepth, 1);
}

TEST_F(LivePollerTest, TheIntervalOverridesTheViewsPeriod) {
  poller.SetPeriodMs(500);
  poller.Show();
  clock.Advance(2000);
  EXPECT_EQ(view.polls, 4);
  poller.SetPeriodMs(0);
  EXPECT_EQ(poller.PeriodMs(), 3000);
}

TEST(LiveAnswerTest, ByteCountOfEachReadFollowsItsQuantity) {
  struct Case {
    int function;
    int quantity;
    int bytes;
  };
  const Case cases[] = {
      {1, 1, 1},    {1, 8, 1},     {1, 9, 2},    {2, 12, 2},     {2, 16, 2},  {1, 2000, 250}, {1, 2001, -1},
      {1, 0, -1},   {3, 1, 2},     {4, 7, 14},   {3, 125, 250},  {3, 126, -1}, {4, 0, -1},     {5, 1, -1},
      {0x47, 1, -1}, {0x44, 1, -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.function) + ":" + std::to_string(c.quantity));
    EXPECT_EQ(LiveAnswerByteCount(static_cast<std::uint8_t>(c.function), c.quantity), c.bytes);
  }
  const Frame twelveBits = {1, 2, 2, 0xFF, 0x0F, 0, 0};
  EXPECT_EQ(CheckLiveAnswer(2, 12, twelveBits), 0);
  EXPECT_EQ(CheckLiveAnswer(2, 17, twelveBits), kResultBadData);
  EXPECT_EQ(CheckLiveAnswer(2, 8, twelveBits), kResultBadData);
  EXPECT_EQ(CheckLiveAnswer(3, 1, twelveBits), 0);
  EXPECT_EQ(CheckLiveAnswer(2, 12, Frame{1, 2}), kResultBadData);
}

TEST_F(LivePollerTest, TheReaderDecodesBitsAndRegistersAndRefusesWhatNoReadCarries) {
  TLiveReader reader(session);
  ASSERT_EQ(reader.Read(3, 672, 4), 0);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(reader.Register(i), line.Controller().Live().HoldingRegister(672 + i));
  EXPECT_EQ(reader.Register(4), 0);
  EXPECT_FALSE(reader.Bit(0));

  // Bits past the quantity are padding, whatever the byte holds.
  line.rewriteAnswer = [](const Frame& request, std::optional<Frame> answer) {
    if (request[1] == 2 && answer) {
      (*answer)[3] |= 0xF8;
      AppendCrc16(answer->data(), answer->size() - 2);
    }
    return answer;
  };
  ASSERT_EQ(reader.Read(2, 0, 3), 0);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(reader.Bit(i), line.Controller().Live().DiscreteInput(i));
  EXPECT_EQ(reader.Data()[0] & 0xF8, 0xF8);
  EXPECT_FALSE(reader.Bit(3));
  EXPECT_FALSE(reader.Bit(7));
  EXPECT_EQ(reader.Data().size(), 1u);
  line.rewriteAnswer = nullptr;

  line.requests.clear();
  EXPECT_EQ(reader.Read(5, 0, 1), kResultFunctionRefused);
  EXPECT_EQ(reader.Read(1, 0, 0), kResultFunctionRefused);
  EXPECT_EQ(reader.Read(1, 0x10000, 1), kResultFunctionRefused);
  EXPECT_TRUE(line.requests.empty());
  EXPECT_TRUE(reader.Data().empty());
}

}  // namespace
}  // namespace lur::test

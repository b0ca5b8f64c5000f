// The in-process simulated controller as the link sees it: answers on
// virtual time, silence costing the port's time-outs, staged faults hitting
// exactly the request they name.
#include "support/SimPort.h"

#include <gtest/gtest.h>

#include <array>

#include "link/TComPortClass.h"
#include "model/Protocol.h"
#include "ui/TScriptedUserInterface.h"

namespace lur::test {
namespace {

class SimPortTest : public ::testing::Test {
 protected:
  int Send(std::uint8_t function, std::vector<std::uint8_t> data = {}) {
    return link.Transact(0, function, static_cast<int>(data.size()), data.empty() ? nullptr : data.data(), answer);
  }
  VirtualClock clock;
  SimPort port{clock};
  TScriptedUserInterface ui;
  TComPortClass link{port, clock};
  std::array<std::uint8_t, kAnswerCapacity> answer{};
};

TEST_F(SimPortTest, AnswersAtOnceAndRecordsTheRequests) {
  const std::int64_t start = clock.now;
  ASSERT_EQ(Send(fn::kIdentity), 0);
  ASSERT_EQ(Send(fn::kReadPage, {35}), 0);
  EXPECT_EQ(answer[2], 97);
  // Only the request delays pass: nothing waited for a time-out.
  EXPECT_EQ(clock.now - start, 2 * static_cast<std::int64_t>(link.GetRequestDelay()));
  ASSERT_EQ(port.requests.size(), 2u);
  EXPECT_EQ(port.requests[1].function, fn::kReadPage);
  EXPECT_EQ(port.requests[1].page, 35);
  EXPECT_EQ(port.requests[1].address, 1);
  EXPECT_EQ(port.PagesRead(), std::vector<std::uint8_t>{35});
}

TEST_F(SimPortTest, SilenceCostsTheReadTimeOutOfEveryAttempt) {
  port.Fail({}, Silence());
  const std::int64_t start = clock.now;
  EXPECT_EQ(Send(fn::kIdentity), kResultNoAnswer);
  const std::int64_t attempt = link.GetRequestDelay() + TotalReadTimeoutMs(3) + kRetryPauseMs;
  EXPECT_EQ(clock.now - start, link.GetRetriesStage1() * attempt);
  EXPECT_EQ(port.Count(fn::kIdentity), static_cast<int>(link.GetRetriesStage1()));
}

TEST_F(SimPortTest, StagedFaultHitsTheNamedRequestOnly) {
  // The second read of page 10 has a bad CRC: that transaction repeats it once.
  port.FailPage(fn::kReadPage, 10, BadCrc(), 2);
  ASSERT_EQ(Send(fn::kReadPage, {10}), 0);
  ASSERT_EQ(Send(fn::kReadPage, {10}), 0);
  ASSERT_EQ(Send(fn::kReadPage, {10}), 0);
  EXPECT_EQ(port.PagesRead(), (std::vector<std::uint8_t>{10, 10, 10, 10}));

  // The next request, whatever it is, answers exception 4.
  port.FailRequest(1, ExceptionAnswer(4));
  EXPECT_EQ(Send(fn::kIdentity), 4);
  EXPECT_EQ(Send(fn::kIdentity), 0);
}

TEST_F(SimPortTest, RebuildKeepsPagesAndStagedFaults) {
  std::vector<std::uint8_t> units{35};
  units.resize(1 + 96, 'u');
  ASSERT_EQ(Send(fn::kWritePage, units), 0);
  EXPECT_EQ(port.writeOrder, std::vector<std::uint8_t>{35});
  EXPECT_EQ(port.written.at(35), std::vector<std::uint8_t>(96, 'u'));
  port.FailPage(fn::kReadPage, 9, ExceptionAnswer(2));

  sim::SimOptions other = port.Options();
  other.device = 2;
  port.Rebuild(other);
  EXPECT_EQ(port.Page(35), std::vector<std::uint8_t>(96, 'u'));
  EXPECT_EQ(link.Transact(1, fn::kReadPage, 1, std::array<std::uint8_t, 1>{9}.data(), answer), 2);
  EXPECT_EQ(link.Transact(1, fn::kReadPage, 1, std::array<std::uint8_t, 1>{35}.data(), answer), 0);
  EXPECT_EQ(answer[4], 'u');
}

TEST(SimPortPagesTest, ThePagesHookChangesTheFactoryPagesBeforeTheControllerTakesThem) {
  VirtualClock clock;
  SimPort port(clock, {}, [](sim::PageStore& pages) {
    pages.Put(35, std::vector<std::uint8_t>(96, 'h'));
    pages.Remove(9);
  });
  TScriptedUserInterface ui;
  TComPortClass link{port, clock};
  std::array<std::uint8_t, kAnswerCapacity> answer{};

  EXPECT_EQ(link.Transact(0, fn::kReadPage, 1, std::array<std::uint8_t, 1>{35}.data(), answer), 0);
  EXPECT_EQ(answer[4], 'h');
  EXPECT_EQ(port.Page(35), std::vector<std::uint8_t>(96, 'h'));
  EXPECT_EQ(port.Controller().Pages().Find(9), nullptr);
  EXPECT_NE(port.Controller().Pages().Find(10), nullptr);
}

}  // namespace
}  // namespace lur::test

#include "link/TPageWriter.h"

#include <gtest/gtest.h>

#include "link/ScriptedPort.h"
#include "link/TComPortClass.h"
#include "ui/TScriptedUserInterface.h"

namespace lur {
namespace {

using test::ScriptedPort;
using test::VirtualClock;
using test::WithCrc;
using Bytes = std::vector<std::uint8_t>;

class PageWrite : public ::testing::Test {
 protected:
  VirtualClock clock;
  ScriptedPort port{clock};
  TScriptedUserInterface ui;
  TComPortClass link{port, clock, ui};
  TFixedAddressing addressing{0, 0};
  Bytes page = {35, 'a', 'b', 'c'};

  int Write() { return WritePageWithPoll(link, addressing, page); }
  void Accepted(int device = 1) { port.replies.push_back(WithCrc({std::uint8_t(device), 0x45, 0x01, 35})); }
  void Busy(int device = 1) { port.replies.push_back(WithCrc({std::uint8_t(device), 0x8E, 0x06})); }
  void Done(int device = 1) { port.replies.push_back(WithCrc({std::uint8_t(device), 0x0E})); }
  std::vector<std::uint8_t> Functions() const {
    std::vector<std::uint8_t> f;
    for (const auto& w : port.written) f.push_back(w.bytes[1]);
    return f;
  }
};

TEST_F(PageWrite, PollsUntilStored) {
  Accepted();
  Busy();
  Busy();
  Done();
  EXPECT_EQ(Write(), 0);
  EXPECT_EQ(Functions(), (std::vector<std::uint8_t>{0x45, 14, 14, 14}));
  EXPECT_EQ(port.written[0].bytes, WithCrc({0x01, 0x45, 35, 'a', 'b', 'c'}));
  EXPECT_TRUE(ui.shown.empty());
}

TEST_F(PageWrite, ReaddressesToTheConfiguredDevice) {
  // Renumbering: the page goes to device 1, the poll to device 5.
  addressing = TFixedAddressing(0, 4);
  Accepted(1);
  Done(5);
  EXPECT_EQ(Write(), 0);
  EXPECT_EQ(port.written[0].bytes[0], 1);
  EXPECT_EQ(port.written[1].bytes[0], 5);
  EXPECT_EQ(addressing.AddressIndex(), 4);
}

TEST_F(PageWrite, EndlessBusyEndsAfterThirtySeconds) {
  Accepted();
  for (int i = 0; i < 1000; ++i) Busy();
  const auto start = clock.now;
  EXPECT_EQ(Write(), 6);
  EXPECT_GE(clock.now - start, kBusyPollLimitMs);
  EXPECT_LT(clock.now - start, kBusyPollLimitMs + 2000);
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].text, "устройство 1 COM1 Идет запись базы данных. Ждите.");
}

TEST_F(PageWrite, RefusedPageIsRetriedNotPolled) {
  // An idle controller would answer the poll with success: a refused page
  // must never be taken for written.
  for (int i = 0; i < 5; ++i) port.replies.push_back(WithCrc({0x01, 0xC5, 0x03}));
  Done();
  EXPECT_EQ(Write(), 3);
  EXPECT_EQ(Functions(), (std::vector<std::uint8_t>(5, 0x45)));
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].text, "устройство 1 COM1 ошибка обмена 03");
}

TEST_F(PageWrite, RefusalThenAcceptance) {
  port.replies.push_back(WithCrc({0x01, 0xC5, 0x04}));
  Accepted();
  Done();
  EXPECT_EQ(Write(), 0);
  EXPECT_EQ(Functions(), (std::vector<std::uint8_t>{0x45, 0x45, 14}));
}

TEST_F(PageWrite, BusyAnswerToThePageGoesOnToThePoll) {
  port.replies.push_back(WithCrc({0x01, 0xC5, 0x06}));
  Done();
  EXPECT_EQ(Write(), 0);
  EXPECT_EQ(Functions(), (std::vector<std::uint8_t>{0x45, 14}));
}

TEST_F(PageWrite, SilentPollStopsAtOnce) {
  Accepted();
  EXPECT_EQ(Write(), 130);
  EXPECT_EQ(Functions(), (std::vector<std::uint8_t>{0x45, 14, 14, 14, 14, 14}));
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].text, "устройство 1 COM1 не отвечает на запрос");
}

TEST_F(PageWrite, OtherPollFailuresRepeatThePage) {
  for (int i = 0; i < 5; ++i) {
    Accepted();
    port.replies.push_back(WithCrc({0x01, 0x8E, 0x02}));
  }
  EXPECT_EQ(Write(), 2);
  EXPECT_EQ(port.written.size(), 10u);
  EXPECT_EQ(ui.shown.size(), 1u);
}

TEST_F(PageWrite, ClosedPortIsReportedOnce) {
  port.open = false;
  EXPECT_EQ(Write(), 256);
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].text, "Не выбран COM-порт.");
}

}  // namespace
}  // namespace lur

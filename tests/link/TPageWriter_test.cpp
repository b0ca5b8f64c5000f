#include "link/TPageWriter.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "link/ScriptedPort.h"
#include "link/TComPortClass.h"
#include "session/LinkReports.h"
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
  TComPortClass link{port, clock};
  TFixedAddressing addressing{0, 0};
  Bytes page = {35, 'a', 'b', 'c'};

  int Write() { return WritePage(ui, link, addressing, page); }
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

TEST_F(PageWrite, SilentControllerEndsTheWriteAfterOneTransaction) {
  // No answer to the page: the transaction's five attempts, then one box,
  // not five rounds of them.
  const auto start = clock.now;
  EXPECT_EQ(Write(), 130);
  EXPECT_EQ(Functions(), (std::vector<std::uint8_t>(5, 0x45)));
  // 50 ms before the write, five attempts of 25 + 1,300 + 300 ms.
  EXPECT_EQ(clock.now - start, 50 + 5 * 1625);
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].text, "устройство 1 COM1 не отвечает на запрос");
}

TEST_F(PageWrite, LineAndPortFailuresOfThePageEndTheWrite) {
  struct Case {
    const char* what;
    int code;
    std::size_t sends;  // frames on the line
  };
  const Case cases[] = {
      {"exception 7", 7, 1},
      {"port not opened", 132, 5},
      {"port not set", 133, 5},
      {"port switched off", 134, 5},
      {"port failed while cleared", 135, 0},
      {"port closed", 256, 0},
  };
  for (const Case& c : cases) {
    port.written.clear();
    port.replies.clear();
    ui.shown.clear();
    port.open = true;
    port.failClear = false;
    port.readError = 0;
    if (c.code == 7) {
      for (int i = 0; i < 5; ++i) port.replies.push_back(WithCrc({0x01, 0xC5, 0x07}));
    } else if (c.code == 135) {
      port.failClear = true;
    } else if (c.code == 256) {
      port.open = false;
    } else {
      port.readError = -c.code;
    }
    EXPECT_EQ(Write(), c.code) << c.what;
    EXPECT_EQ(port.written.size(), c.sends) << c.what;
    for (const auto& w : port.written) EXPECT_EQ(w.bytes[1], 0x45) << c.what << ": never polled";
    EXPECT_EQ(ui.shown.size(), 1u) << c.what;
  }
}

TEST_F(PageWrite, GarbledAnswersToThePageStillRepeatIt) {
  struct Case {
    const char* what;
    std::vector<std::uint8_t> reply;
    int code;
    std::size_t sendsPerTransaction;
  };
  Bytes badCrc = WithCrc({0x01, 0x45, 0x01, 35});
  badCrc.back() ^= 1;
  const Case cases[] = {
      {"checksum", badCrc, 131, 10},
      {"incomplete header", {0x01, 0x45}, 129, 5},
      {"exception 4", WithCrc({0x01, 0xC5, 0x04}), 4, 1},
  };
  for (const Case& c : cases) {
    port.written.clear();
    port.replies.clear();
    ui.shown.clear();
    for (int i = 0; i < 60; ++i) port.replies.push_back(c.reply);
    EXPECT_EQ(Write(), c.code) << c.what;
    // Five writes of the page, each with its transaction's attempts.
    EXPECT_EQ(port.written.size(), 5 * c.sendsPerTransaction) << c.what;
    EXPECT_EQ(ui.shown.size(), 1u) << c.what;
  }
}

TEST_F(PageWrite, TruncatedPollsRepeatThePageFiveTimes) {
  // Every poll answer cut short: each poll is the transaction's five
  // attempts (129), then the page goes again; five pages, one box.
  for (int i = 0; i < 5; ++i) {
    Accepted();
    for (int j = 0; j < 5; ++j) port.replies.push_back(Bytes{0x01, 0x0E});
  }
  EXPECT_EQ(Write(), 129);
  const auto f = Functions();
  EXPECT_EQ(std::count(f.begin(), f.end(), 0x45), 5);
  EXPECT_EQ(std::count(f.begin(), f.end(), 14), 25);
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].text, "устройство 1 COM1 тайм-аут приема данных");
}

TEST_F(PageWrite, ThePageWriterItselfShowsNothing) {
  EXPECT_EQ(WritePageWithPoll(link, addressing, page), 130);
  EXPECT_TRUE(ui.shown.empty());
}

}  // namespace
}  // namespace lur

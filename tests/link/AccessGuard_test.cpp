// The limited access level in the transaction itself: whatever an operation
// forgot to check, nothing that changes the controller reaches the line.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>

#include "link/ScriptedPort.h"
#include "link/TComPortClass.h"
#include "link/TPageWriter.h"
#include "session/LinkReports.h"
#include "ui/TScriptedUserInterface.h"

namespace lur {
namespace {

using test::ScriptedPort;
using test::VirtualClock;
using test::WithCrc;
using Bytes = std::vector<std::uint8_t>;

class AccessGuard : public ::testing::Test {
 protected:
  AccessGuard() {
    link.SetAccessQuery([this] { return fullAccess; });
  }
  VirtualClock clock;
  ScriptedPort port{clock};
  TScriptedUserInterface ui;
  TComPortClass link{port, clock};
  TFixedAddressing addressing{0, 0};
  bool fullAccess = false;
  std::array<std::uint8_t, kAnswerCapacity> answer{};
};

TEST_F(AccessGuard, ChangingFunctionsNeverLeaveAtTheLimitedLevel) {
  const std::uint8_t changing[] = {0x45, 5, 6, 15, 16, 0x46};
  for (const bool full : {false, true}) {
    fullAccess = full;
    for (const std::uint8_t f : kAllowedFunctions) {
      const bool changes = std::find(std::begin(changing), std::end(changing), f) != std::end(changing);
      ASSERT_EQ(ChangesController(f), changes) << int(f);
      port.written.clear();
      port.replies.clear();
      port.clears = 0;
      port.replies.push_back(std::nullopt);
      link.SetRetriesStage1(1);
      const std::uint8_t data[] = {0x00, 0x01, 0x00, 0x01};
      const int code = link.Transact(0, f, 4, data, answer);
      if (changes && !full) {
        EXPECT_EQ(code, kResultNoAccess) << int(f);
        EXPECT_TRUE(port.written.empty()) << int(f);
        EXPECT_EQ(port.clears, 0) << "not even the buffers are touched: " << int(f);
      } else {
        EXPECT_NE(code, kResultNoAccess) << int(f);
        EXPECT_EQ(port.written.size(), 1u) << int(f) << (full ? " full" : " limited");
      }
    }
  }
}

TEST_F(AccessGuard, WithoutAQueryEverythingIsAllowed) {
  // lurctl's commands and the tests that set no query send as they always did.
  link.SetAccessQuery(nullptr);
  port.replies.push_back(WithCrc({0x01, 0x05, 0x00, 0x07, 0xFF, 0x00}));
  const std::uint8_t coil[] = {0x00, 0x07, 0xFF, 0x00};
  EXPECT_EQ(link.Transact(0, 5, 4, coil, answer), 0);
  EXPECT_EQ(port.written.size(), 1u);
}

TEST_F(AccessGuard, RefusedPageWriteIsOneWarningAndNoByte) {
  const Bytes page = {35, 'a', 'b'};
  const auto start = clock.now;
  EXPECT_EQ(WritePage(ui, link, addressing, page), kResultNoAccess);
  EXPECT_TRUE(port.written.empty());
  // Refused at once: no retries of the page, no poll.
  EXPECT_LT(clock.now - start, 100);
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].text, "Ваш уровень доступа не позволяет\nпроизводить вывод в СОМ-порт");
  EXPECT_EQ(ui.shown[0].caption, "Предупреждение");
  EXPECT_EQ(ui.shown[0].icon, MsgIcon::Warning);

  // The same write at the full level goes out.
  fullAccess = true;
  ui.shown.clear();
  port.replies.push_back(WithCrc({0x01, 0x45, 0x01, 35}));
  port.replies.push_back(WithCrc({0x01, 0x0E}));
  EXPECT_EQ(WritePage(ui, link, addressing, page), 0);
  EXPECT_EQ(port.written.size(), 2u);
  EXPECT_TRUE(ui.shown.empty());
}

TEST_F(AccessGuard, TheLevelIsAskedAtEveryRequest) {
  // A password entered later opens the way without a new link.
  const std::uint8_t coil[] = {0x00, 0x07, 0xFF, 0x00};
  EXPECT_EQ(link.Transact(0, 5, 4, coil, answer), kResultNoAccess);
  fullAccess = true;
  port.replies.push_back(WithCrc({0x01, 0x05, 0x00, 0x07, 0xFF, 0x00}));
  EXPECT_EQ(link.Transact(0, 5, 4, coil, answer), 0);
}

}  // namespace
}  // namespace lur

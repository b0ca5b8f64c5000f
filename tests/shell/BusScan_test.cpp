// The search of the bus against a controller on virtual time: what is asked,
// what is listed, what it costs, Cancel, the answers that cannot be used, a
// port that fails, and the scan window's list and choice.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "link/Crc16.h"
#include "link/ScriptedPort.h"
#include "link/TComPortClass.h"
#include "model/Protocol.h"
#include "shell/BusScan.h"
#include "shell/TFormScanController.h"
#include "support/SimPort.h"
#include "ui/TScriptedUserInterface.h"

namespace lur {
namespace {

using test::SimPort;
using Bytes = std::vector<std::uint8_t>;

sim::SimOptions At(int device) {
  sim::SimOptions options;
  options.device = device;
  options.modules = {1, 7, 3, 0, 0, 0, 0, 0};
  options.display = 1;
  return options;
}

class Scan : public ::testing::Test {
 protected:
  explicit Scan(int device = 9) : port(clock, At(device)) {}

  test::VirtualClock clock;
  SimPort port;
  TScriptedUserInterface ui;
  TComPortClass link{port, clock};

  TScanResult Run(const TScanOptions& options = {}) { return ScanBus(link, ui, options); }
  std::vector<int> AddressesAsked() const {
    std::vector<int> addresses;
    for (const auto& r : port.requests) addresses.push_back(r.address);
    return addresses;
  }
};

TEST_F(Scan, ListsTheControllerThatAnswersAndAsksOnlyItsIdentity) {
  link.SetRetriesStage1(4);
  link.SetRetriesStage2(7);
  link.SetRequestDelay(30);
  const std::int64_t start = clock.now;
  const TScanResult result = Run();

  ASSERT_EQ(result.found.size(), 1u);
  const TFoundDevice& device = result.found[0];
  EXPECT_EQ(device.number, 9);
  EXPECT_EQ(device.moduleCodes, "17300000");
  EXPECT_EQ(device.displayType, 1);
  EXPECT_EQ(device.displayCaption, "24+ЖКИ(4х20)");
  EXPECT_EQ(device.designation, "ЛУР-05-8B 17300000");
  EXPECT_TRUE(result.faults.empty());
  EXPECT_EQ(result.probed, 31);
  EXPECT_FALSE(result.cancelled);

  // Each address once, in order, never the broadcast, nothing but function 17.
  std::vector<int> expected;
  for (int a = 1; a <= 31; ++a) expected.push_back(a);
  EXPECT_EQ(AddressesAsked(), expected);
  EXPECT_EQ(port.Count(fn::kIdentity), 31);

  // The 30 silent addresses stay within the bound; each one waited its
  // time-out, not the port's 1.3 s and no retries.
  EXPECT_LE(clock.now - start, ScanBoundMs(link, {}));
  EXPECT_GE(clock.now - start, 30 * (30 + 300));

  EXPECT_EQ(link.GetRetriesStage1(), 4u);
  EXPECT_EQ(link.GetRetriesStage2(), 7u);
  EXPECT_EQ(link.GetRequestDelay(), 30u);
  EXPECT_EQ(port.ReadLimitMs(), 0);

  EXPECT_EQ(ui.progressMaximum, 31);
  EXPECT_EQ(ui.progressSteps, 31);
  EXPECT_FALSE(ui.progressVisible);
  EXPECT_TRUE(ui.shown.empty());
}

TEST_F(Scan, KeepsToItsRangeAndTimeOut) {
  const TScanOptions options{5, 8, 50};
  const std::int64_t start = clock.now;
  const TScanResult result = Run(options);
  EXPECT_EQ(AddressesAsked(), (std::vector<int>{5, 6, 7, 8}));
  EXPECT_TRUE(result.found.empty());
  EXPECT_EQ(clock.now - start, 4 * (25 + 50));
  EXPECT_LE(clock.now - start, ScanBoundMs(link, options));
}

TEST_F(Scan, CancelStopsAfterTheAddressBeingAsked) {
  ui.cancelAfterSteps = 3;
  const TScanResult result = Run();
  EXPECT_TRUE(result.cancelled);
  EXPECT_EQ(result.probed, 3);
  EXPECT_EQ(AddressesAsked(), (std::vector<int>{1, 2, 3}));
  EXPECT_FALSE(ui.progressVisible);
}

// Something at an address that gives no identity is said, never listed, and
// the scan goes on.
TEST_F(Scan, AnswersWithoutAnIdentityAreFaultsNotControllers) {
  port.rewriteAnswer = [](const test::Frame& request, std::optional<test::Frame> answer) -> std::optional<test::Frame> {
    if (request[0] == 3) return test::WithCrc({3, fn::kIdentity | 0x80, 1});
    // A display type the tables have no room for.
    if (request[0] == 4) return test::WithCrc({4, fn::kIdentity, 15, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 9});
    return answer;
  };
  const TScanResult result = Run({1, 12, 300});
  ASSERT_EQ(result.found.size(), 1u);
  EXPECT_EQ(result.found[0].number, 9);
  ASSERT_EQ(result.faults.size(), 2u);
  EXPECT_EQ(result.faults[0].number, 3);
  EXPECT_EQ(result.faults[0].code, 1);
  EXPECT_EQ(result.faults[1].number, 4);
  EXPECT_EQ(result.faults[1].code, kResultBadData);
  EXPECT_EQ(result.faults[1].text, link.ErrorText(3, kResultBadData));
  EXPECT_EQ(result.probed, 12);
}

TEST_F(Scan, PortFailureIsReportedOnceAndEndsTheScan) {
  port.Close();
  const TScanResult result = Run();
  EXPECT_EQ(result.portCode, kResultPortClosed);
  EXPECT_EQ(result.probed, 1);
  EXPECT_TRUE(port.requests.empty());
  EXPECT_EQ(ui.Texts(), (std::vector<std::string>{"Не выбран COM-порт."}));
  EXPECT_FALSE(ui.progressVisible);
}

TEST(ScanOptions, RangesAndTimeOutsOutsideTheLimitsAreRefused) {
  struct Case {
    TScanOptions options;
    bool valid;
  };
  const Case cases[] = {{{}, true},           {{1, 1, 10}, true},    {{31, 31, 10000}, true},
                        {{0, 31, 300}, false}, {{1, 32, 300}, false}, {{9, 8, 300}, false},
                        {{1, 31, 9}, false},   {{1, 31, 10001}, false}};
  for (const Case& c : cases) {
    std::string why;
    EXPECT_EQ(ValidScanOptions(c.options, why), c.valid) << c.options.from << ".." << c.options.to << " "
                                                         << c.options.timeoutMs;
    EXPECT_EQ(why.empty(), c.valid);
  }
}

TEST_F(Scan, WindowListsWhatAnsweredAndChoosesItsNumber) {
  TFormScanController form(link, ui);
  form.ScanClick();
  ASSERT_EQ(form.Rows(), 1);
  EXPECT_EQ(form.RowTexts(0), (std::vector<std::string>{"9", "17300000", "24+ЖКИ(4х20)", "ЛУР-05-8B 17300000"}));
  EXPECT_EQ(form.Status(), "Опрошено адресов: 31. Найдено приборов: 1.");
  EXPECT_EQ(form.ChooseClick(0), 9);
  EXPECT_EQ(form.ChooseClick(1), std::nullopt);
  EXPECT_EQ(form.ChooseClick(-1), std::nullopt);

  // A second scan starts afresh; one cut short says so.
  ui.cancelAfterSteps = 2;
  form.ScanClick();
  EXPECT_EQ(form.Rows(), 0);
  EXPECT_EQ(form.Status(), "Поиск прерван: опрошено 2 из 31. Приборы не найдены.");
}

}  // namespace
}  // namespace lur

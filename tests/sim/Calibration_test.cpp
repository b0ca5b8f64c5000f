// The calibration side of the simulated controller: converter codes of every
// analog module, the select, begin and end coils, the staged status bytes and
// a controller that falls silent.
#include <gtest/gtest.h>

#include <memory>

#include "RequestFrames.h"
#include "sim/CommandLine.h"
#include "sim/DefaultPages.h"
#include "sim/SimController.h"

namespace lur::sim {
namespace {

using namespace lur::sim::testing;

constexpr int kOn = 0xFF00;
constexpr int kOff = 0x0000;

int Code(const Bytes& page, std::size_t at) { return static_cast<std::int16_t>(page[at] | (page[at + 1] << 8)); }
// Page data (page number first): begin, end and present code of row r = 0..6.
int Begin(const Bytes& page, int r) { return Code(page, 1 + 4 * static_cast<std::size_t>(r)); }
int End(const Bytes& page, int r) { return Code(page, 3 + 4 * static_cast<std::size_t>(r)); }
int Present(const Bytes& page, int r) { return Code(page, 29 + 2 * static_cast<std::size_t>(r)); }

class CalibrationTest : public ::testing::Test {
 protected:
  // Analog modules: 1 = ЮНАК (7) in slot 2, 2 = thermo (8) in slot 3, 3 = type 6, 4 = type 9, 5 = type 13.
  SimController& Make(SimOptions options = {}) {
    options.modules = *ModuleSet::ParseTypes("178369D0");
    const ModuleSet modules(options.modules, options.display);
    controller_ = std::make_unique<SimController>(options, MakeDefaultPages(modules, options.functionBlocks),
                                                  [] { return std::int64_t{0}; }, ClockTime{});
    return *controller_;
  }
  std::optional<Bytes> Ask(const Bytes& request) { return controller_->Answer(request); }
  Bytes Codes(int module) { return AnswerData(Ask(Request(1, 0x44, {59 + module}))); }
  std::optional<Bytes> Coil(int command, int module, int row, int value) {
    return Ask(Standard(1, 5, command << 8 | (16 * module + row), value));
  }
  // The status bytes of the six inputs of analog module n, and of its cold junction.
  std::vector<int> Statuses(int module) {
    const Bytes data = AnswerData(Ask(Request(1, 0x47, {6 * (module - 1), 6})));
    std::vector<int> out;
    for (std::size_t i = 7; i < data.size(); i += 8) out.push_back(data[i]);
    return out;
  }
  int ColdJunctionStatus(int module) {
    const Bytes data = AnswerData(Ask(Request(1, 0x47, {module + 127, 1})));
    return data.size() == 8 ? data[7] : -1;
  }

  std::unique_ptr<SimController> controller_;
};

TEST_F(CalibrationTest, EveryAnalogModuleAnswersItsConverterCodes) {
  Make();
  for (int module = 1; module <= 5; ++module) {
    const Bytes page = Codes(module);
    ASSERT_EQ(page.size(), 43u) << module;
    EXPECT_EQ(page[0], 59 + module);
    for (int r = 0; r < 7; ++r) {
      EXPECT_LT(Begin(page, r), Present(page, r)) << module << ' ' << r;
      EXPECT_LT(Present(page, r), End(page, r)) << module << ' ' << r;
    }
  }
  EXPECT_TRUE(IsException(Ask(Request(1, 0x44, {65})), 0x44, 2));  // no sixth analog module
}

TEST_F(CalibrationTest, AStagedPageExceptionStillStagesAModuleWithoutCodes) {
  SimOptions o;
  o.pageExceptions[61] = 3;
  Make(o);
  EXPECT_TRUE(IsException(Ask(Request(1, 0x44, {61})), 0x44, 3));
  EXPECT_EQ(Codes(1).size(), 43u);
}

TEST_F(CalibrationTest, SelectSetsBitFiveOfThatInputUntilReleased) {
  Make();
  const std::vector<int> before = Statuses(2);
  const Bytes request = Standard(1, 5, 0x10 << 8 | 0x23, kOn);  // module 2, input 3
  EXPECT_EQ(Ask(request), std::optional<Bytes>(request));
  std::vector<int> selected = before;
  selected[2] |= 0x20;
  EXPECT_EQ(Statuses(2), selected);
  EXPECT_EQ(Statuses(1)[2] & 0x20, 0);  // module 1's input 3 is another input
  EXPECT_TRUE(controller_->Calibration().Selected(2, 3));

  ASSERT_TRUE(CrcOk(Coil(0x10, 2, 3, kOff)));
  EXPECT_EQ(Statuses(2), before);
  EXPECT_FALSE(controller_->Calibration().Selected(2, 3));
}

TEST_F(CalibrationTest, TheColdJunctionRowExistsOnlyOnAThermoModule) {
  Make();
  const int before = ColdJunctionStatus(2);
  ASSERT_TRUE(CrcOk(Coil(0x10, 2, 7, kOn)));
  EXPECT_EQ(ColdJunctionStatus(2), before | 0x20);
  EXPECT_TRUE(IsException(Coil(0x10, 1, 7, kOn), 5, 2));  // ЮНАК: no cold junction
  EXPECT_TRUE(IsException(Coil(0x10, 6, 1, kOn), 5, 2));  // no sixth analog module
  EXPECT_TRUE(IsException(Coil(0x10, 1, 0, kOn), 5, 2));
  EXPECT_TRUE(IsException(Coil(0x10, 1, 8, kOn), 5, 2));
}

TEST_F(CalibrationTest, MinAndMaxTakeThePresentCodeOfTheSelectedRowOnly) {
  Make();
  const Bytes before = Codes(2);
  EXPECT_TRUE(IsException(Coil(0x11, 2, 4, kOn), 5, 4));  // not selected
  EXPECT_TRUE(IsException(Coil(0x12, 2, 4, kOn), 5, 4));
  EXPECT_EQ(Codes(2), before);

  ASSERT_TRUE(CrcOk(Coil(0x10, 2, 4, kOn)));
  ASSERT_TRUE(CrcOk(Coil(0x11, 2, 4, kOn)));
  Bytes page = Codes(2);
  EXPECT_EQ(Begin(page, 3), Present(page, 3));
  EXPECT_EQ(End(page, 3), End(before, 3));
  ASSERT_TRUE(CrcOk(Coil(0x12, 2, 4, kOn)));
  page = Codes(2);
  EXPECT_EQ(End(page, 3), Present(page, 3));
  // The other rows and modules keep theirs.
  for (int r : {0, 1, 2, 4, 5, 6}) {
    EXPECT_EQ(Begin(page, r), Begin(before, r));
    EXPECT_EQ(End(page, r), End(before, r));
  }
  EXPECT_NE(Begin(Codes(1), 3), Present(Codes(1), 3));
}

TEST_F(CalibrationTest, AStagedStatusIsReportedWithBitFiveAddedWhileSelected) {
  SimOptions o;
  o.analogStatus[2] = 0x81;  // module 1, input 2
  o.analogStatus[7] = 0x07;  // module 2, input 1
  Make(o);
  EXPECT_EQ(Statuses(1)[1], 0x81);
  EXPECT_EQ(Statuses(2)[0], 0x07);
  ASSERT_TRUE(CrcOk(Coil(0x10, 1, 2, kOn)));
  EXPECT_EQ(Statuses(1)[1], 0xA1);
}

TEST_F(CalibrationTest, SilentAfterAnswersTheFirstRequestsOnly) {
  SimOptions o;
  o.silentAfter = 2;
  Make(o);
  EXPECT_TRUE(CrcOk(Ask(Request(1, 17))));
  EXPECT_TRUE(Ask(Request(2, 17)) == std::nullopt);  // for another address: not counted
  EXPECT_TRUE(CrcOk(Ask(Request(1, 0x44, {60}))));
  EXPECT_EQ(Ask(Request(1, 17)), std::nullopt);
  EXPECT_EQ(Ask(Request(1, 0x44, {60})), std::nullopt);
}

TEST(CalibrationCommandLine, TakesStatusesAndSilence) {
  const auto result = ParseCommandLine(
      {"--link", "/tmp/p", "--analog-status", "3:24", "--analog-status=48:C0", "--silent-after", "5"});
  ASSERT_TRUE(result.line) << result.error;
  EXPECT_EQ(result.line->options.analogStatus, (std::map<int, std::uint8_t>{{3, 0x24}, {48, 0xC0}}));
  EXPECT_EQ(result.line->options.silentAfter, std::optional<unsigned>(5));
}

TEST(CalibrationCommandLine, RefusesMalformedValues) {
  for (const char* bad : {"0:24", "49:24", "3:", "3:100", "3:G1", "324", "x:24"}) {
    const auto result = ParseCommandLine({"--link", "/tmp/p", "--analog-status", bad});
    EXPECT_FALSE(result.line) << bad;
    EXPECT_NE(result.error.find("--analog-status"), std::string::npos) << bad;
  }
  for (const char* bad : {"-1", "x", ""}) {
    EXPECT_FALSE(ParseCommandLine({"--link", "/tmp/p", "--silent-after", bad}).line) << bad;
  }
}

}  // namespace
}  // namespace lur::sim

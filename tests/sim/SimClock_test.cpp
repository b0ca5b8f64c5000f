// The simulated controller's clock as lursim's --clock and --clock-stopped
// make it, and the refused set that --verbose logs.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "RequestFrames.h"
#include "sim/CommandLine.h"
#include "sim/DefaultPages.h"
#include "sim/SimController.h"

namespace lur::sim {
namespace {

using namespace lur::sim::testing;

TEST(SimClockCommandLine, TakesAStartTimeThatExists) {
  struct Case {
    const char* text;
    std::optional<ClockTime> start;
  };
  const Case cases[] = {
      {"09:07:05,01.02.24,4", ClockTime{5, 7, 9, 1, 2, 24, 4}},
      {"23:59:59,31.12.99,7", ClockTime{59, 59, 23, 31, 12, 99, 7}},
      {"00:00:00,29.02.24,4", ClockTime{0, 0, 0, 29, 2, 24, 4}},  // 2024 is a leap year
      {"00:00:00,29.02.23,3", std::nullopt},
      {"00:00:00,31.04.24,1", std::nullopt},
      {"24:00:00,01.01.24,1", std::nullopt},
      {"12:60:00,01.01.24,1", std::nullopt},
      {"12:00:00,01.13.24,1", std::nullopt},
      {"12:00:00,00.01.24,1", std::nullopt},
      {"12:00:00,01.01.24,0", std::nullopt},
      {"12:00:00,01.01.24,8", std::nullopt},
      {"9:07:05,01.02.24,4", std::nullopt},
      {"09:07:05,01.02.2024,4", std::nullopt},
      {"09-07-05,01.02.24,4", std::nullopt},
      {"09:07:05 01.02.24 4", std::nullopt},
      {"", std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    const auto result = ParseCommandLine({"--link", "/tmp/p", std::string("--clock=") + c.text});
    ASSERT_EQ(result.line.has_value(), c.start.has_value()) << result.error;
    if (c.start) {
      EXPECT_EQ(result.line->options.clockStart, c.start);
      EXPECT_FALSE(result.line->options.clockStopped);
    } else {
      EXPECT_NE(result.error.find("--clock needs HH:MM:SS,DD.MM.YY,W"), std::string::npos);
    }
  }
  const auto stopped = ParseCommandLine({"--link", "/tmp/p", "--clock-stopped", "--clock", "09:07:05,01.02.24,4"});
  ASSERT_TRUE(stopped.line) << stopped.error;
  EXPECT_TRUE(stopped.line->options.clockStopped);
  EXPECT_FALSE(ParseCommandLine({"--link", "/tmp/p", "--clock-stopped=1"}).line);
  EXPECT_FALSE(ParseCommandLine({"--link", "/tmp/p", "--clock"}).line);
  const auto plain = ParseCommandLine({"--link", "/tmp/p"});
  ASSERT_TRUE(plain.line);
  EXPECT_FALSE(plain.line->options.clockStart.has_value());
}

class SimClockTest : public ::testing::Test {
 protected:
  SimController& Make(const SimOptions& options) {
    const ModuleSet modules(options.modules, options.display);
    controller_ = std::make_unique<SimController>(
        options, MakeDefaultPages(modules, options.functionBlocks), [this] { return nowMs_; }, ClockTime{});
    controller_->SetEventLog([this](std::string_view line) { log_.emplace_back(line); });
    return *controller_;
  }
  // Registers 1000..1006 as the window reads them.
  std::vector<int> Registers() {
    const auto answer = controller_->Answer(Standard(1, 4, 1000, 7));
    std::vector<int> values;
    if (!answer || answer->size() != 3 + 14 + 2) return values;
    for (int i = 0; i < 7; ++i) values.push_back((*answer)[3 + 2 * i] << 8 | (*answer)[4 + 2 * i]);
    return values;
  }
  void Broadcast(std::initializer_list<int> values) { EXPECT_FALSE(controller_->Answer(Request(0, 0x46, values))); }

  std::int64_t nowMs_ = 1000;
  std::unique_ptr<SimController> controller_;
  std::vector<std::string> log_;
};

TEST_F(SimClockTest, AStoppedClockShowsItsStartUntilABroadcastSetsIt) {
  SimOptions options;
  options.clockStart = ClockTime{5, 7, 9, 1, 2, 24, 4};
  options.clockStopped = true;
  Make(options);
  EXPECT_EQ(Registers(), (std::vector<int>{5, 7, 9, 1, 2, 24, 4}));
  nowMs_ += 3'600'000;
  EXPECT_EQ(Registers(), (std::vector<int>{5, 7, 9, 1, 2, 24, 4}));
  Broadcast({59, 58, 22, 28, 2, 25, 5});
  nowMs_ += 5'000;
  EXPECT_EQ(Registers(), (std::vector<int>{59, 58, 22, 28, 2, 25, 5}));
  EXPECT_TRUE(log_.empty());
}

TEST_F(SimClockTest, ARunningClockRunsOnFromItsStartAcrossTheMonth) {
  SimOptions options;
  options.clockStart = ClockTime{58, 59, 23, 29, 2, 24, 4};
  Make(options);
  nowMs_ += 2'000;
  EXPECT_EQ(Registers(), (std::vector<int>{0, 0, 0, 1, 3, 24, 5}));
}

TEST_F(SimClockTest, AnImpossibleSetIsRefusedOnALineOfItsOwn) {
  SimOptions options;
  options.clockStart = ClockTime{5, 7, 9, 1, 2, 24, 4};
  options.clockStopped = true;
  Make(options);
  Broadcast({0, 0, 12, 31, 2, 24, 4});
  EXPECT_EQ(Registers(), (std::vector<int>{5, 7, 9, 1, 2, 24, 4}));
  ASSERT_EQ(log_.size(), 1u);
  EXPECT_EQ(log_[0], "clock set refused: 12:00:00 31.02.24 day 4");
  Broadcast({0, 0, 12, 29, 2, 24, 4});
  EXPECT_EQ(Registers(), (std::vector<int>{0, 0, 12, 29, 2, 24, 4}));
  EXPECT_EQ(log_.size(), 1u);
}

}  // namespace
}  // namespace lur::sim

#include "sim/CommandLine.h"

#include <gtest/gtest.h>

namespace lur::sim {
namespace {

TEST(CommandLine, DefaultsNeedOnlyTheLink) {
  const auto result = ParseCommandLine({"--link", "/tmp/ttyLUR"});
  ASSERT_TRUE(result.line) << result.error;
  const CommandLine& line = *result.line;
  EXPECT_EQ(line.linkPath, "/tmp/ttyLUR");
  EXPECT_EQ(line.options.device, 1);
  EXPECT_EQ(line.options.modules, (std::array<std::uint8_t, 8>{1, 7, 3, 0, 0, 0, 0, 0}));
  EXPECT_EQ(line.options.functionBlocks, 120);
  EXPECT_FALSE(line.options.silent);
  EXPECT_EQ(line.options.busyPolls, 0u);
  EXPECT_TRUE(line.options.pageExceptions.empty());
}

TEST(CommandLine, TakesEveryOption) {
  const auto result = ParseCommandLine({"--link=/tmp/p",
                                        "--device",
                                        "31",
                                        "--modules",
                                        "1a8e3C00",
                                        "--display",
                                        "4",
                                        "--fb",
                                        "60",
                                        "--silent",
                                        "--bad-crc",
                                        "3",
                                        "--truncate=5",
                                        "--busy-polls",
                                        "2",
                                        "--busy-forever",
                                        "--exception",
                                        "10:4",
                                        "--exception=99:6",
                                        "--pace",
                                        "9600",
                                        "--verbose"});
  ASSERT_TRUE(result.line) << result.error;
  const SimOptions& o = result.line->options;
  EXPECT_EQ(result.line->linkPath, "/tmp/p");
  EXPECT_EQ(o.device, 31);
  EXPECT_EQ(o.modules, (std::array<std::uint8_t, 8>{1, 0xA, 8, 0xE, 3, 0xC, 0, 0}));
  EXPECT_EQ(o.display, 4);
  EXPECT_EQ(o.functionBlocks, 60);
  EXPECT_TRUE(o.silent);
  EXPECT_EQ(o.badCrcEvery, 3u);
  EXPECT_EQ(o.truncateEvery, 5u);
  EXPECT_EQ(o.busyPolls, 2u);
  EXPECT_TRUE(o.busyForever);
  EXPECT_EQ(o.pageExceptions, (std::map<std::uint8_t, std::uint8_t>{{10, 4}, {99, 6}}));
  EXPECT_EQ(o.paceBaud, 9600u);
  EXPECT_TRUE(result.line->verbose);
}

TEST(CommandLine, RefusesBadArguments) {
  const std::vector<std::vector<std::string>> bad = {
      {},
      {"--device", "1"},
      {"--link"},
      {"--link", "p", "--device", "0"},
      {"--link", "p", "--device", "32"},
      {"--link", "p", "--device", "1x"},
      {"--link", "p", "--modules", "1730000"},
      {"--link", "p", "--modules", "1730000G"},
      {"--link", "p", "--modules", "33333300"},  // six output modules: more than 40 outputs
      {"--link", "p", "--display", "5"},
      {"--link", "p", "--fb", "90"},
      {"--link", "p", "--bad-crc", "0"},
      {"--link", "p", "--truncate", "-1"},
      {"--link", "p", "--exception", "10"},
      {"--link", "p", "--exception", "10:0"},
      {"--link", "p", "--exception", "256:2"},
      {"--link", "p", "--pace", "0"},
      {"--link", "p", "--silent=1"},
      {"--link", "p", "--frobnicate"},
  };
  for (const auto& args : bad) {
    const auto result = ParseCommandLine(args);
    EXPECT_FALSE(result.line) << (args.empty() ? "(none)" : args.back());
    EXPECT_FALSE(result.error.empty());
  }
}

TEST(CommandLine, TakesThePollAndLiveFaults) {
  const auto result = ParseCommandLine({"--link", "p", "--poll-exception", "2", "--poll-truncate", "--mute", "2:12",
                                        "--mute=0x01:0x3F8", "--live-exception", "4:1000:0x0B", "--live-toggle",
                                        "750", "--faulty", "3", "--faulty=8", "--unreliable", "192"});
  ASSERT_TRUE(result.line) << result.error;
  const SimOptions& o = result.line->options;
  EXPECT_EQ(o.pollException, std::optional<std::uint8_t>(2));
  EXPECT_TRUE(o.pollTruncate);
  EXPECT_EQ(o.mutedRequests, (std::set<LiveRequest>{{2, 12}, {1, 1016}}));
  EXPECT_EQ(o.liveExceptions, (std::map<LiveRequest, std::uint8_t>{{{4, 1000}, 11}}));
  EXPECT_EQ(o.liveToggleMs, 750u);
  EXPECT_EQ(o.faultySlots, (std::set<int>{3, 8}));
  EXPECT_EQ(o.unreliableSignals, (std::set<int>{192}));
}

TEST(CommandLine, FaultyModulesAndUnreliableSignalsRepeat) {
  const auto result = ParseCommandLine({"--link", "p", "--faulty", "3", "--faulty=8", "--unreliable", "1",
                                        "--unreliable", "192", "--faulty", "3"});
  ASSERT_TRUE(result.line) << result.error;
  EXPECT_EQ(result.line->options.faultySlots, (std::set<int>{3, 8}));
  EXPECT_EQ(result.line->options.unreliableSignals, (std::set<int>{1, 192}));
}

TEST(CommandLine, RefusesBadFaultArguments) {
  const std::vector<std::vector<std::string>> bad = {
      {"--link", "p", "--poll-exception", "0"},
      {"--link", "p", "--poll-exception", "256"},
      {"--link", "p", "--poll-truncate=1"},
      {"--link", "p", "--mute", "2"},
      {"--link", "p", "--mute", "2:12:4"},
      {"--link", "p", "--mute", "256:0"},
      {"--link", "p", "--mute", "2:65536"},
      {"--link", "p", "--mute", "0x:1"},
      {"--link", "p", "--live-exception", "2:12"},
      {"--link", "p", "--live-exception", "2:12:0"},
      {"--link", "p", "--live-toggle", "0"},
      {"--link", "p", "--faulty", "0"},
      {"--link", "p", "--faulty", "9"},
      {"--link", "p", "--faulty"},
      {"--link", "p", "--unreliable", "0"},
      {"--link", "p", "--unreliable", "193"},
      {"--link", "p", "--unreliable", "x"},
  };
  for (const auto& args : bad) {
    const auto result = ParseCommandLine(args);
    EXPECT_FALSE(result.line) << args[2] << " " << args.back();
    EXPECT_FALSE(result.error.empty());
  }
}

}  // namespace
}  // namespace lur::sim

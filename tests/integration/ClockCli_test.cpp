// lurctl clock against the lursim program with a stopped clock, over a
// pseudo-terminal: the reading, the window's period as lursim's timestamped
// log records it, the broadcast, and a refused set in the log.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "Processes.h"

namespace lur {
namespace {

using test::BuiltProgram;
using test::RunCommand;
using test::Simulator;
using test::TempDir;

struct Lurctl {
  int Run(std::vector<std::string> args, const std::string& port) {
    std::vector<std::string> argv = {BuiltProgram("cli/lurctl"), "--port", port, "--stop", "1", "clock"};
    argv.insert(argv.end(), args.begin(), args.end());
    out.clear();
    err.clear();
    return RunCommand(argv, &out, &err, 120000);
  }
  std::string out, err;
};

// The milliseconds of the log lines whose request starts with head.
std::vector<double> RequestTimes(const std::string& log, const std::string& head) {
  std::vector<double> times;
  std::istringstream lines(log);
  for (std::string line; std::getline(lines, line);) {
    const std::size_t dot = line.find('.');
    if (dot == std::string::npos || line.compare(dot + 5, head.size(), head) != 0) continue;
    times.push_back(std::stod(line.substr(0, dot + 4)));
  }
  return times;
}

TEST(ClockCli, ReadsWatchesAndSetsAStoppedClock) {
  TempDir dir;
  Simulator sim(dir, {"--clock", "09:07:05,01.02.24,4", "--clock-stopped", "--verbose"});
  ASSERT_TRUE(sim.Ready()) << sim.Log();
  Lurctl lurctl;
  const std::string passwordFile = dir.File("none");

  ASSERT_EQ(lurctl.Run({}, sim.link), 0) << lurctl.err;
  EXPECT_EQ(lurctl.out, "time: 09:07:05\ndate: 01.02.24\nday: чт\n");
  ASSERT_EQ(lurctl.Run({"--json"}, sim.link), 0) << lurctl.err;
  EXPECT_EQ(lurctl.out,
            "{\"second\":5,\"minute\":7,\"hour\":9,\"day\":1,\"month\":2,\"year\":24,\"weekday\":4,"
            "\"time\":\"09:07:05\",\"date\":\"01.02.24\",\"dayname\":\"чт\"}\n");

  // Ten readings 100 ms apart, start to start, none overlapping the next.
  const std::size_t before = RequestTimes(sim.Log(), "01 04 03 E8 00 07").size();
  ASSERT_EQ(lurctl.Run({"--watch", "--count", "10"}, sim.link), 0) << lurctl.err;
  EXPECT_EQ(std::count(lurctl.out.begin(), lurctl.out.end(), '\n'), 10);
  EXPECT_NE(lurctl.out.find("poll=10 ms=1000 time=09:07:05 date=01.02.24 dayname=чт"), std::string::npos)
      << lurctl.out;
  std::vector<double> times = RequestTimes(sim.Log(), "01 04 03 E8 00 07");
  ASSERT_EQ(times.size(), before + 10) << sim.Log();
  times.erase(times.begin(), times.begin() + static_cast<std::ptrdiff_t>(before));
  std::vector<double> gaps;
  for (std::size_t i = 1; i < times.size(); ++i) gaps.push_back(times[i] - times[i - 1]);
  // A tick the loaded machine delays shortens the gap after it, so the
  // pace is judged over the whole run and by the median gap.
  EXPECT_GT(times.back() - times.front(), 8 * 85.0) << "readings crowd each other";
  std::sort(gaps.begin(), gaps.end());
  const double median = gaps[gaps.size() / 2];
  EXPECT_GT(median, 85.0);
  EXPECT_LT(median, 250.0);

  // The broadcast with the password; the stopped clock then shows it.
  ASSERT_EQ(lurctl.Run({"--set", "2024-02-29T22:58:59", "--password", "9362", "--password-file", passwordFile},
                       sim.link),
            0)
      << lurctl.err;
  EXPECT_EQ(lurctl.out, "set: 22:58:59 29.02.24 чт\n");
  ASSERT_EQ(lurctl.Run({}, sim.link), 0) << lurctl.err;
  EXPECT_EQ(lurctl.out, "time: 22:58:59\ndate: 29.02.24\nday: чт\n");

  // Without the password, and with a day February lacks, nothing is sent.
  const std::size_t broadcasts = RequestTimes(sim.Log(), "00 46").size();
  EXPECT_EQ(lurctl.Run({"--set", "now", "--password-file", passwordFile}, sim.link), 1);
  EXPECT_NE(lurctl.err.find("Ваш уровень доступа не позволяет производить вывод в СОМ-порт"), std::string::npos)
      << lurctl.err;
  EXPECT_EQ(lurctl.Run({"--set", "2023-02-29T12:00:00", "--password", "9362", "--password-file", passwordFile},
                       sim.link),
            1);
  EXPECT_NE(lurctl.err.find("Величина вне диапазона 1 - 28"), std::string::npos) << lurctl.err;
  EXPECT_EQ(RequestTimes(sim.Log(), "00 46").size(), broadcasts);
}

TEST(ClockCli, ARefusedSetIsLoggedOnALineOfItsOwn) {
  TempDir dir;
  Simulator sim(dir, {"--clock", "09:07:05,01.02.24,4", "--clock-stopped", "--verbose"});
  ASSERT_TRUE(sim.Ready()) << sim.Log();
  std::string out, err;
  // 12:00:00 on 31.02.24 sent by hand, as no window would.
  ASSERT_EQ(RunCommand({BuiltProgram("cli/lurctl"), "--port", sim.link, "--stop", "1", "raw", "46", "00", "00",
                        "0C", "1F", "02", "18", "04"},
                       &out, &err),
            0)
      << err;
  Lurctl lurctl;
  ASSERT_EQ(lurctl.Run({}, sim.link), 0) << lurctl.err;
  EXPECT_EQ(lurctl.out, "time: 09:07:05\ndate: 01.02.24\nday: чт\n");
  // After its timestamp, the line holds the refusal alone.
  std::vector<std::string> refusals;
  std::istringstream lines(sim.Log());
  for (std::string line; std::getline(lines, line);) {
    const std::size_t dot = line.find('.');
    if (line.find("refused") != std::string::npos && dot != std::string::npos) refusals.push_back(line.substr(dot + 5));
  }
  EXPECT_EQ(refusals, std::vector<std::string>{"clock set refused: 12:00:00 31.02.24 day 4"}) << sim.Log();
}

TEST(ClockCli, AStoppedControllerEndsTheWatchWithTheBox) {
  TempDir dir;
  Simulator sim(dir, {"--silent"});
  ASSERT_TRUE(sim.Ready()) << sim.Log();
  Lurctl lurctl;
  EXPECT_EQ(lurctl.Run({"--watch"}, sim.link), 1);
  EXPECT_TRUE(lurctl.out.empty()) << lurctl.out;
  EXPECT_NE(lurctl.err.find("устройство 1"), std::string::npos) << lurctl.err;
}

}  // namespace
}  // namespace lur

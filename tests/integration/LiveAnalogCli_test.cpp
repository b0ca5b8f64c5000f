// lurctl live analog against the lursim program over a pseudo-terminal: the
// requests and period of the calibration window read from lursim's
// timestamped log, the staged status bytes as printed, a module number with
// no analog module, and a controller that falls silent while it is polled.
#include <gtest/gtest.h>

#include <regex>
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

struct Logged {
  double ms;
  std::string request;  // hex bytes without the CRC
};

// "%10.3f <request hex> -> <answer>": the requests, their CRC cut off.
std::vector<Logged> Requests(const std::string& log) {
  static const std::regex kLine(R"(^ *([0-9]+\.[0-9]{3}) ([0-9A-F]{2}( [0-9A-F]{2})*) -> .*$)");
  std::vector<Logged> out;
  std::istringstream lines(log);
  std::smatch m;
  for (std::string line; std::getline(lines, line);) {
    if (!std::regex_match(line, m, kLine)) continue;
    const std::string hex = m[2];
    out.push_back({std::stod(m[1]), hex.substr(0, hex.size() - 6)});
  }
  return out;
}

int Lurctl(const std::string& port, const std::vector<std::string>& args, std::string& out, std::string& err) {
  std::vector<std::string> argv = {BuiltProgram("cli/lurctl"), "--port", port, "--stop", "1", "live", "analog"};
  argv.insert(argv.end(), args.begin(), args.end());
  return RunCommand(argv, &out, &err, 120000);
}

TEST(LiveAnalogCli, PollsAsTheWindowDoesAndPrintsEveryRow) {
  TempDir dir;
  // Analog module 1: type 7 (slot 2); module 2: the thermo module (slot 3),
  // its input 1 is analog signal 7.
  Simulator sim(dir, {"--verbose", "--modules", "17830000", "--analog-status", "7:24", "--analog-status", "8:81"});
  ASSERT_TRUE(sim.Ready()) << sim.Log();
  std::string out, err;
  ASSERT_EQ(Lurctl(sim.link, {"2", "--count", "3", "--json"}, out, err), 0) << err;

  std::vector<std::string> lines;
  std::istringstream printed(out);
  for (std::string line; std::getline(printed, line);) lines.push_back(line);
  ASSERT_EQ(lines.size(), 3u) << out;
  for (const char* part : {"\"view\":\"analog\"", "\"input1\":\"Вход 1\"", "\"status1\":\"0x24\"",
                           "\"state1\":\"к\"", "\"violation1\":\"LL\"", "\"status2\":\"0x81\"", "\"state2\":\"п\"",
                           "\"violation2\":\"L(L-H)\"", "\"state3\":\"и\"", "\"violation3\":\"норма\"",
                           "\"input7\":\"Тхс\""}) {
    EXPECT_NE(lines[0].find(part), std::string::npos) << part << " in " << lines[0];
  }
  EXPECT_TRUE(std::regex_search(lines[0], std::regex(R"("min1":"-?[0-9]+","adc1":"-?[0-9]+","max1":"-?[0-9]+")")))
      << lines[0];

  // The identity once, the opening, then each poll: states, cold junction, codes.
  const std::vector<Logged> requests = Requests(sim.Log());
  std::vector<std::string> sent;
  for (const Logged& r : requests) sent.push_back(r.request);
  const std::vector<std::string> opening = {"01 11", "01 47 06 06", "01 47 81 01", "01 44 3D"};
  std::vector<std::string> expected = opening;
  for (int poll = 0; poll < 3; ++poll) expected.insert(expected.end(), opening.begin() + 1, opening.end());
  EXPECT_EQ(sent, expected) << sim.Log();

  // Start to start every 3,000 ms, one request after the other.
  ASSERT_EQ(requests.size(), expected.size());
  for (std::size_t poll = 1; poll < 3; ++poll) {
    const double period = requests[4 + 3 * poll].ms - requests[1 + 3 * poll].ms;
    EXPECT_NEAR(period, 3000.0, 150.0) << poll;
  }
  for (std::size_t i = 1; i < requests.size(); ++i) EXPECT_GT(requests[i].ms, requests[i - 1].ms);
}

TEST(LiveAnalogCli, TextLinesAndAModuleThatIsNotThere) {
  TempDir dir;
  Simulator sim(dir, {"--modules", "17830000"});
  ASSERT_TRUE(sim.Ready()) << sim.Log();
  std::string out, err;
  ASSERT_EQ(Lurctl(sim.link, {"1", "--count", "1", "--interval", "200"}, out, err), 0) << err;
  EXPECT_EQ(out.rfind("poll=1 ms=", 0), 0u) << out;
  EXPECT_NE(out.find(" input1=\"Вход 1\" value1="), std::string::npos) << out;
  EXPECT_NE(out.find(" input6="), std::string::npos) << out;
  EXPECT_EQ(out.find(" input7="), std::string::npos) << out;  // no cold junction on a type-7 module

  EXPECT_EQ(Lurctl(sim.link, {"3", "--count", "1"}, out, err), 2);
  EXPECT_NE(err.find("the controller has no analog module 3"), std::string::npos) << err;
  EXPECT_TRUE(out.empty()) << out;
}

TEST(LiveAnalogCli, AControllerFallingSilentEndsTheRunWithItsMessage) {
  TempDir dir;
  // The identity and the three requests of the opening are answered, then nothing.
  Simulator sim(dir, {"--modules", "17830000", "--silent-after", "4"});
  ASSERT_TRUE(sim.Ready()) << sim.Log();
  std::string out, err;
  EXPECT_EQ(Lurctl(sim.link, {"2", "--interval", "200"}, out, err), 1);
  EXPECT_NE(err.find("не отвечает на запрос"), std::string::npos) << err;
  EXPECT_TRUE(out.empty()) << out;
}

}  // namespace
}  // namespace lur

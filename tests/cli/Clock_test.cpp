// lurctl clock over the simulated controller on virtual time: one reading,
// the window's 100 ms reading, and the broadcast with the window's checks.
#include "cli/CmdClock.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "link/Crc16.h"
#include "link/TComPortClass.h"
#include "model/TConfiguration.h"
#include "session/TSession.h"
#include "support/SimPort.h"
#include "ui/TTerminalUserInterface.h"

namespace lur::test {
namespace {

sim::SimOptions StoppedClock() {
  sim::SimOptions options;
  options.clockStart = sim::ClockTime{5, 7, 9, 1, 2, 24, 4};
  options.clockStopped = true;
  return options;
}

const std::vector<std::string> kPassword = {"--password", "9362", "--password-file", "/nonexistent/p"};

class ClockCommandTest : public ::testing::Test {
 protected:
  ClockCommandTest() : line(clock, StoppedClock()) { link.PortName = "COM1"; }
  ~ClockCommandTest() override { std::fclose(boxFile); }

  int Run(std::vector<std::string> args, const std::vector<std::string>& more = {}) {
    args.insert(args.end(), more.begin(), more.end());
    out.str("");
    err.str("");
    return RunClockCommand(args, session, clock, setup, out, err);
  }
  std::vector<std::string> Lines() const {
    std::vector<std::string> lines;
    std::istringstream in(out.str());
    for (std::string text; std::getline(in, text);) lines.push_back(text);
    return lines;
  }
  std::string Boxes() {
    std::fflush(boxFile);
    std::rewind(boxFile);
    std::string text;
    for (int c; (c = std::fgetc(boxFile)) != EOF;) text += static_cast<char>(c);
    return text;
  }
  int Reads() const { return line.Count(fn::kReadInputRegisters); }

  VirtualClock clock;
  SimPort line;
  std::FILE* boxFile = std::tmpfile();
  TTerminalUserInterface ui{boxFile};
  TComPortClass link{line, clock};
  std::unique_ptr<TConfiguration> config = std::make_unique<TConfiguration>();
  TFixedAddressing addressing{0, 0};
  TSession session{*config, link, ui, addressing};
  TClockCommandSetup setup{"/nonexistent/p", [] { return TClockValues{0, 30, 18, 13, 12, 26, 7}; }};
  std::ostringstream out;
  std::ostringstream err;
};

TEST_F(ClockCommandTest, OneReadingPrintsWhatTheWindowShows) {
  EXPECT_EQ(Run({}), 0);
  EXPECT_EQ(Lines(), (std::vector<std::string>{"time: 09:07:05", "date: 01.02.24", "day: чт"}));
  ASSERT_EQ(line.requests.size(), 1u);
  const Frame& r = line.requests[0].bytes;
  EXPECT_EQ(Frame(r.begin(), r.begin() + 6), (Frame{0x01, 0x04, 0x03, 0xE8, 0x00, 0x07}));

  EXPECT_EQ(Run({"--json"}), 0);
  EXPECT_EQ(Lines(), (std::vector<std::string>{
                         "{\"second\":5,\"minute\":7,\"hour\":9,\"day\":1,\"month\":2,\"year\":24,\"weekday\":4,"
                         "\"time\":\"09:07:05\",\"date\":\"01.02.24\",\"dayname\":\"чт\"}"}));
  EXPECT_EQ(Boxes(), "");
}

TEST_F(ClockCommandTest, WatchReadsEvery100MsAndStopsAtTheFirstFailure) {
  EXPECT_EQ(Run({"--watch", "--count", "3"}), 0);
  const std::string cells =
      " time=09:07:05 date=01.02.24 dayname=чт second=5 minute=7 hour=9 day=1 month=2 year=24 weekday=4";
  EXPECT_EQ(Lines(), (std::vector<std::string>{"poll=1 ms=100" + cells, "poll=2 ms=200" + cells,
                                               "poll=3 ms=300" + cells}));
  EXPECT_EQ(Reads(), 3);

  EXPECT_EQ(Run({"--watch", "--count", "1", "--interval", "250", "--json"}), 0);
  ASSERT_EQ(Lines().size(), 1u);
  EXPECT_EQ(Lines()[0].rfind("{\"view\":\"clock\",\"poll\":1,\"ms\":250,\"cells\":{\"time\":\"09:07:05\"", 0), 0u);

  // From the third reading on the controller is silent: two lines, the
  // box, exit 1, and no reading after it.
  int answered = 0;
  line.rewriteAnswer = [&answered](const Frame&, std::optional<Frame> answer) -> std::optional<Frame> {
    if (++answered > 2) return std::nullopt;
    return answer;
  };
  const int before = Reads();
  EXPECT_EQ(Run({"--watch"}), 1);
  EXPECT_EQ(Lines().size(), 2u);
  EXPECT_NE(Boxes().find(link.ErrorText(0, kResultNoAnswer)), std::string::npos);
  const int after = Reads();
  clock.SleepMs(5000);
  EXPECT_EQ(Reads(), after);
  EXPECT_GT(after, before + 2);  // the silent one was tried again by the link
}

TEST_F(ClockCommandTest, AFailedReadingExitsWithTheBox) {
  line.Fail({fn::kReadInputRegisters, 1000}, ExceptionAnswer(2));
  EXPECT_EQ(Run({}), 1);
  EXPECT_EQ(out.str(), "");
  EXPECT_NE(Boxes().find(link.ErrorText(0, 2)), std::string::npos);
}

TEST_F(ClockCommandTest, SetBroadcastsAnExplicitTimeWithItsDayOfWeek) {
  EXPECT_EQ(Run({"--set", "2024-02-29T22:58:59"}, kPassword), 0);
  EXPECT_EQ(Lines(), (std::vector<std::string>{"set: 22:58:59 29.02.24 чт"}));
  const std::vector<Frame> sent = line.RequestsOf(fn::kClockBroadcast);
  ASSERT_EQ(sent.size(), 1u);
  Frame expected{0x00, 0x46, 59, 58, 22, 29, 2, 24, 4, 0, 0};
  AppendCrc16(expected.data(), expected.size() - 2);
  EXPECT_EQ(sent[0], expected);
  EXPECT_EQ(Run({}), 0);
  EXPECT_EQ(Lines()[0], "time: 22:58:59");

  // "now" is the computer's clock as Button3 takes it: a Sunday is 7.
  EXPECT_EQ(Run({"--set", "now"}, kPassword), 0);
  EXPECT_EQ(Lines(), (std::vector<std::string>{"set: 18:30:00 13.12.26 вс"}));
  ASSERT_EQ(line.RequestsOf(fn::kClockBroadcast).size(), 2u);
  EXPECT_EQ(line.RequestsOf(fn::kClockBroadcast)[1][8], 7);
  EXPECT_EQ(Boxes(), "");
}

TEST_F(ClockCommandTest, SetRefusesWhatTheWindowRefusesAndSendsNothing) {
  struct Case {
    std::vector<std::string> args;
    int exit;
    const char* message;  // in the boxes (exit 1) or on err (exit 2)
  };
  const Case cases[] = {
      {{"--set", "2023-02-29T12:00:00"}, 1, "Величина вне диапазона 1 - 28"},
      {{"--set", "2024-04-31T12:00:00"}, 1, "Величина вне диапазона 1 - 30"},
      {{"--set", "1999-12-31T23:59:59"}, 1, "Величина вне диапазона 0 - 99"},
      {{"--set", "2100-01-01T00:00:00"}, 1, "Величина вне диапазона 0 - 99"},
      {{"--set", "2024-13-01T00:00:00"}, 1, "Величина вне диапазона 1 - 12"},
      {{"--set", "2024-00-01T00:00:00"}, 1, "Величина вне диапазона 1 - 12"},
      {{"--set", "2024-01-01T24:00:00"}, 1, "Величина вне диапазона 0 - 23"},
      {{"--set", "2024-01-01T23:60:00"}, 1, "Величина вне диапазона 0 - 59"},
      {{"--set", "2024-01-01"}, 2, "--set takes now or YYYY-MM-DDTHH:MM:SS"},
      {{"--set", "2024-01-01 12:00:00"}, 2, "--set takes now or YYYY-MM-DDTHH:MM:SS"},
      {{"--set", "2024-1-01T12:00:000"}, 2, "--set takes now or YYYY-MM-DDTHH:MM:SS"},
      {{"--watch", "--set", "now"}, 2, "not both"},
      {{"--interval", "50"}, 2, "--interval and --count go with --watch"},
      {{"--password", "9362"}, 2, "--password goes with --set"},
      {{"--bogus"}, 2, "clock does not take --bogus"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.args.back());
    std::vector<std::string> args = c.args;
    if (c.args[0] == "--set") args.insert(args.end(), kPassword.begin(), kPassword.end());
    EXPECT_EQ(Run(args), c.exit);
    const std::string where = c.exit == 1 ? Boxes() : err.str();
    EXPECT_NE(where.find(c.message), std::string::npos) << where;
  }
  EXPECT_EQ(line.Count(fn::kClockBroadcast), 0);
}

TEST_F(ClockCommandTest, SetNeedsThePassword) {
  EXPECT_EQ(Run({"--set", "now"}), 1);
  EXPECT_NE(Boxes().find("Ваш уровень доступа не позволяет производить вывод в СОМ-порт"), std::string::npos);
  EXPECT_EQ(Run({"--set", "now", "--password", "1111", "--password-file", "/nonexistent/p"}), 1);
  EXPECT_NE(Boxes().find("Введенный пароль неверен"), std::string::npos);
  EXPECT_EQ(line.Count(fn::kClockBroadcast), 0);
  EXPECT_EQ(out.str(), "");
}

}  // namespace
}  // namespace lur::test

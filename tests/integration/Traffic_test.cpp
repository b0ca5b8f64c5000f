// The traffic seen from both ends of a pty, and the page write against a
// silent controller, over the real port adapter.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "Processes.h"
#include "link/TComPortClass.h"
#include "link/TPageWriter.h"
#include "link/TQtSerialPort.h"
#include "link/TWaiter.h"
#include "session/LinkReports.h"
#include "ui/TScriptedUserInterface.h"

namespace lur {
namespace {

using Bytes = std::vector<std::uint8_t>;

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// Drops a leading timestamp ("  12.345 ") if the line has one; hexadecimal
// bytes have no decimal point.
std::string WithoutTimestamp(const std::string& line) {
  std::size_t i = line.find_first_not_of(' ');
  if (i == std::string::npos) return {};
  const std::size_t end = line.find(' ', i);
  const std::string first = line.substr(i, end == std::string::npos ? std::string::npos : end - i);
  const bool number = first.find_first_not_of("0123456789.") == std::string::npos &&
                      first.find('.') != std::string::npos && first.find_first_of("0123456789") != std::string::npos;
  if (!number) return line.substr(i);
  return end == std::string::npos ? std::string() : line.substr(line.find_first_not_of(' ', end));
}

// lursim --verbose: "<request> -> <answer>" or "<request> -> (no answer)",
// as the frames the client sent (">") and received ("<").
std::vector<std::string> SimulatorFrames(const std::string& log) {
  std::vector<std::string> frames;
  for (const std::string& raw : Lines(log)) {
    const std::string line = WithoutTimestamp(raw);
    const std::size_t arrow = line.find(" -> ");
    if (arrow == std::string::npos) continue;
    frames.push_back("> " + line.substr(0, arrow));
    const std::string answer = line.substr(arrow + 4);
    if (answer != "(no answer)") frames.push_back("< " + answer);
  }
  return frames;
}

// lurctl --trace: "  0.025 -> <bytes>", "  0.076 <- <bytes>", "  0.076 => ...".
std::vector<std::string> TraceFrames(const std::string& trace, std::vector<std::string>* results) {
  std::vector<std::string> frames;
  for (const std::string& raw : Lines(trace)) {
    const std::string line = WithoutTimestamp(raw);
    if (line.rfind("-> ", 0) == 0) frames.push_back("> " + line.substr(3));
    if (line.rfind("<- ", 0) == 0) frames.push_back("< " + line.substr(3));
    if (line.rfind("=> ", 0) == 0 && results != nullptr) results->push_back(line.substr(3));
  }
  return frames;
}

TEST(TrafficTrace, LurctlTracesExactlyWhatTheSimulatorSaw) {
  test::TempDir dir;
  test::Simulator sim(dir, {"--verbose"});
  ASSERT_TRUE(sim.Ready()) << sim.Log();
  std::string out, err;
  ASSERT_EQ(test::RunCommand({test::BuiltProgram("cli/lurctl"), "--port", sim.link, "--trace", "identify"}, &out, &err),
            0)
      << err;
  EXPECT_NE(out.find("modules: "), std::string::npos) << out;

  std::vector<std::string> results;
  const auto traced = TraceFrames(err, &results);
  ASSERT_GE(traced.size(), 2u) << err;
  EXPECT_EQ(traced.front(), "> 01 11 C0 2C");
  EXPECT_EQ(results, std::vector<std::string>{"успешно"}) << err;
  std::vector<std::string> seen;
  for (int wait = 0; wait < 100 && (seen = SimulatorFrames(sim.Log())).size() < traced.size(); ++wait) {
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  EXPECT_EQ(traced, seen) << "lurctl:\n" << err << "lursim:\n" << sim.Log();
}

TEST(TrafficTrace, TraceOfASilentLine) {
  test::TempDir dir;
  test::Simulator sim(dir, {"--verbose", "--silent"});
  ASSERT_TRUE(sim.Ready()) << sim.Log();
  std::string err;
  EXPECT_EQ(test::RunCommand({test::BuiltProgram("cli/lurctl"), "--port", sim.link, "--trace", "--request-delay", "1",
                              "raw", "44", "0A"},
                             nullptr, &err),
            1);
  std::vector<std::string> results;
  const auto traced = TraceFrames(err, &results);
  EXPECT_EQ(traced, std::vector<std::string>(5, "> 01 44 0A 93 07")) << err;
  ASSERT_EQ(results.size(), 1u) << err;
  EXPECT_EQ(results[0], "130: устройство 1 " + sim.link + " не отвечает на запрос");
}

// Counts the page writes the link puts on the line.
class TPageCounter : public TTrafficObserver {
 public:
  void Frame(std::int64_t, TrafficDirection direction, std::span<const std::uint8_t> bytes) override {
    if (direction == TrafficDirection::Sent && bytes.size() > 1) {
      if (bytes[1] == 0x45) ++pages;
      if (bytes[1] == 0x0E) ++polls;
    }
  }
  void Result(std::int64_t, int, int) override {}
  int pages = 0;
  int polls = 0;
};

struct PtyClient {
  explicit PtyClient(const std::string& name) {
    link.PortName = name;
    link.StopBitsText = std::string(1, '1');  // not a literal: GCC 12 -Wrestrict misfires on it at -O2
    link.SetTrafficObserver(&counter);
  }
  TSteadyWaiter waiter;
  TQtSerialPort port{waiter};
  TScriptedUserInterface ui;
  TComPortClass link{port, waiter};
  TPageCounter counter;
};

TEST(PageWriteAgainstLursim, SilentControllerIsOneBoxAfterOneTransaction) {
  test::TempDir dir;
  test::Simulator sim(dir, {"--silent"});
  ASSERT_TRUE(sim.Ready()) << sim.Log();
  PtyClient client(sim.link);
  ASSERT_EQ(client.link.OpenPort(), 0);
  TFixedAddressing addressing(0, 0);
  const Bytes page = {35, 'a', 'b', 'c'};
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(WritePage(client.ui, client.link, addressing, page), 130);
  const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
  std::printf("page write against a silent controller gave up after %lld ms\n", static_cast<long long>(ms.count()));
  EXPECT_EQ(client.counter.pages, 5);  // one transaction's attempts
  EXPECT_EQ(client.counter.polls, 0);
  ASSERT_EQ(client.ui.shown.size(), 1u);
  EXPECT_EQ(client.ui.shown[0].text, "устройство 1 " + sim.link + " не отвечает на запрос");
  EXPECT_LT(ms.count(), 20000);  // loose: five rounds would take forty seconds
}

}  // namespace
}  // namespace lur

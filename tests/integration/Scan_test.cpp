// The search of the bus over a pty: one lursim at a chosen number among 30
// silent addresses, found by lurctl scan; what went on the line; the time
// against its bound; the JSON; read --all; and a link whose settings are the
// same after a scan as before it.
#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "Processes.h"
#include "link/TComPortClass.h"
#include "link/TQtSerialPort.h"
#include "link/TWaiter.h"
#include "model/Protocol.h"
#include "shell/BusScan.h"
#include "ui/TScriptedUserInterface.h"

namespace lur {
namespace {

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// The frames after "-> " in lurctl's trace ("  0.025 -> 01 11 C0 2C"), and
// the requests in lursim's log ("  1074.785 01 11 C0 2C -> (no answer)").
std::vector<std::string> TracedRequests(const std::string& trace) {
  std::vector<std::string> frames;
  for (const std::string& line : Lines(trace)) {
    const std::size_t arrow = line.find(" -> ");
    if (arrow != std::string::npos) frames.push_back(line.substr(arrow + 4));
  }
  return frames;
}
std::vector<std::string> SimulatorRequests(const std::string& log) {
  std::vector<std::string> frames;
  for (const std::string& line : Lines(log)) {
    const std::size_t arrow = line.find(" -> ");
    if (arrow == std::string::npos) continue;
    std::string head = line.substr(0, arrow);
    head = head.substr(head.find_first_not_of(' '));
    frames.push_back(head.substr(head.find(' ') + 1));  // after the timestamp
  }
  return frames;
}

std::string FileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

long Figure(const std::string& text, const std::string& before) {
  const std::size_t at = text.find(before);
  return at == std::string::npos ? -1 : std::stol(text.substr(at + before.size()));
}

constexpr const char* kDeviceSeven = "device 7: modules 17300000, display 1 24+ЖКИ(4х20), ЛУР-05-8B 17300000";

TEST(ScanOverPty, FindsTheSimulatorAmongSilentAddressesAskingOnlyIdentities) {
  test::TempDir dir;
  test::Simulator sim(dir, {"--device", "7", "--verbose"});
  ASSERT_TRUE(sim.Ready()) << sim.Log();
  std::string out, err;
  const auto start = std::chrono::steady_clock::now();
  ASSERT_EQ(test::RunCommand({test::BuiltProgram("cli/lurctl"), "--port", sim.link, "--trace", "scan", "--timeout",
                              "100"},
                             &out, &err),
            0)
      << out << err;
  const long wallMs =
      std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count();
  EXPECT_NE(out.find(kDeviceSeven), std::string::npos) << out;

  // Every address once, in order, function 17, never the broadcast; lursim
  // saw the same and nothing else.
  const auto sent = TracedRequests(err);
  ASSERT_EQ(sent.size(), 31u) << err;
  for (int a = 1; a <= 31; ++a) {
    char head[8];
    std::snprintf(head, sizeof head, "%02X 11 ", a);
    EXPECT_EQ(sent[a - 1].rfind(head, 0), 0u) << sent[a - 1];
    EXPECT_EQ(sent[a - 1].size(), std::string("01 11 C0 2C").size()) << sent[a - 1];
  }
  std::vector<std::string> seen;
  for (int wait = 0; wait < 100 && (seen = SimulatorRequests(sim.Log())).size() < sent.size(); ++wait) {
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  EXPECT_EQ(seen, sent) << sim.Log();

  // The time: the scan's own figure within its bound (30 silent addresses
  // each waited the time-out, none waited retries), and the whole run within
  // the bound and the start of a sanitized process.
  const long scanMs = Figure(out, " addresses in ");
  const long boundMs = Figure(out, "(bound ");
  ASSERT_GT(boundMs, 0) << out;
  EXPECT_LE(scanMs, boundMs) << out;
  EXPECT_GE(scanMs, 30 * 100) << out;
  EXPECT_LE(wallMs, boundMs + 5000) << out;
  std::printf("scan of 31 addresses, 30 silent, time-out 100 ms: %ld ms, bound %ld ms, ratio %.3f; lurctl %ld ms\n",
              scanMs, boundMs, static_cast<double>(scanMs) / static_cast<double>(boundMs), wallMs);
}

TEST(ScanOverPty, JsonListsTheControllerAndTheRange) {
  test::TempDir dir;
  test::Simulator sim(dir, {"--device", "7"});
  ASSERT_TRUE(sim.Ready()) << sim.Log();
  std::string out, err;
  ASSERT_EQ(test::RunCommand({test::BuiltProgram("cli/lurctl"), "--port", sim.link, "scan", "--from", "5", "--to", "9",
                              "--json"},
                             &out, &err),
            0)
      << err;
  EXPECT_EQ(out.rfind("{\"from\": 5, \"to\": 9, \"timeout_ms\": 300, \"probed\": 5, \"cancelled\": false, ", 0), 0u)
      << out;
  EXPECT_NE(out.find("\"devices\": [{\"device\": 7, \"modules\": \"17300000\", \"display\": 1, \"display_type\": "
                     "\"24+ЖКИ(4х20)\", \"designation\": \"ЛУР-05-8B 17300000\", \"identity\": \"03 01 07 03 "),
            std::string::npos)
      << out;
  EXPECT_NE(out.find("\"faults\": []}"), std::string::npos) << out;

  // Nobody there: exit 1, an empty list.
  ASSERT_EQ(test::RunCommand({test::BuiltProgram("cli/lurctl"), "--port", sim.link, "scan", "--from", "8", "--to", "8",
                              "--timeout", "50", "--json"},
                             &out, &err),
            1);
  EXPECT_NE(out.find("\"devices\": []"), std::string::npos) << out;
}

TEST(ScanOverPty, ArgumentsOutsideTheLimitsAreRefusedBeforeAnythingIsSent) {
  test::TempDir dir;
  test::Simulator sim(dir, {"--device", "7", "--verbose"});
  ASSERT_TRUE(sim.Ready()) << sim.Log();
  const std::vector<std::vector<std::string>> cases = {
      {"scan", "--from", "0"},      {"scan", "--to", "32"},        {"scan", "--from", "9", "--to", "8"},
      {"scan", "--timeout", "5"},   {"scan", "--timeout", "x"},    {"scan", "--all"},
      {"read", "--all"},            {"read", "--from", "3", "-o", dir.File("x.lur")}};
  for (const auto& args : cases) {
    std::vector<std::string> argv = {test::BuiltProgram("cli/lurctl"), "--port", sim.link};
    argv.insert(argv.end(), args.begin(), args.end());
    std::string err;
    EXPECT_EQ(test::RunCommand(argv, nullptr, &err), 2) << args.back() << err;
  }
  EXPECT_TRUE(SimulatorRequests(sim.Log()).empty()) << sim.Log();
}

TEST(ScanOverPty, ReadAllSavesEveryControllerFound) {
  test::TempDir dir;
  test::Simulator sim(dir, {"--device", "7"});
  ASSERT_TRUE(sim.Ready()) << sim.Log();
  const std::string folder = dir.File("plant");
  std::string out, err;
  ASSERT_EQ(test::RunCommand({test::BuiltProgram("cli/lurctl"), "--port", sim.link, "read", "--all", "--to", "9",
                              "--timeout", "100", "-o", folder},
                             &out, &err),
            0)
      << err;
  EXPECT_EQ(out, "device 7: " + folder + "/device-7.lur\n");
  std::vector<std::string> files;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) files.push_back(entry.path().filename());
  EXPECT_EQ(files, std::vector<std::string>{"device-7.lur"});

  // The same file as reading that controller alone.
  ASSERT_EQ(test::RunCommand({test::BuiltProgram("cli/lurctl"), "--port", sim.link, "--device", "7", "read", "-o",
                              dir.File("alone.lur")},
                             nullptr, &err),
            0)
      << err;
  const std::string scanned = FileBytes(folder + "/device-7.lur");
  EXPECT_GT(scanned.size(), 1000u);
  EXPECT_EQ(scanned, FileBytes(dir.File("alone.lur")));
}

// The link after a scan: the retries and the port's own time-outs it had.
TEST(ScanOverPty, LeavesTheLinksRetriesAndTimeOutsAsTheyWere) {
  test::TempDir dir;
  test::Simulator sim(dir, {"--device", "7"});
  ASSERT_TRUE(sim.Ready()) << sim.Log();
  TSteadyWaiter waiter;
  TQtSerialPort port{waiter};
  TScriptedUserInterface ui;
  TComPortClass link{port, waiter};
  link.PortName = sim.link;
  ASSERT_EQ(link.OpenPort(), 0);
  link.SetRetriesStage1(2);
  link.SetRetriesStage2(3);
  link.SetRequestDelay(10);

  const TScanResult result = ScanBus(link, ui, {5, 8, 50});
  ASSERT_EQ(result.found.size(), 1u);
  EXPECT_EQ(link.GetRetriesStage1(), 2u);
  EXPECT_EQ(link.GetRetriesStage2(), 3u);
  EXPECT_EQ(link.GetRequestDelay(), 10u);
  EXPECT_EQ(port.ReadLimitMs(), 0);

  // A request to a silent address after it: two attempts, each waiting the
  // port's whole header time-out, not the scan's 50 ms.
  std::array<std::uint8_t, kAnswerCapacity> answer{};
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(link.Transact(2, fn::kIdentity, 0, nullptr, answer), kResultNoAnswer);
  const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
  EXPECT_GE(ms.count(), 2 * TotalReadTimeoutMs(3));
  link.ClosePort();
}

}  // namespace
}  // namespace lur

// The checks against lursim over a pseudo-terminal: lurctl write reads back
// what it wrote, a controller that alters a page is caught, and lurctl diff
// compares a file with a controller serving another file, whole or as far
// as it can read.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "Processes.h"

namespace lur {
namespace {

namespace fs = std::filesystem;
using test::BuiltProgram;
using test::RunCommand;
using test::Simulator;
using test::TempDir;

struct Lurctl {
  int Run(const std::string& port, std::vector<std::string> args) {
    std::vector<std::string> argv = {BuiltProgram("cli/lurctl"), "--port", port, "--stop", "1"};
    argv.insert(argv.end(), args.begin(), args.end());
    out.clear();
    err.clear();
    return RunCommand(argv, &out, &err, 120000);
  }
  std::string out, err;
};

bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

// The function and page of every frame lurctl --trace shows sent
// ("  0.025 -> 01 45 0C ...").
std::vector<std::pair<int, int>> SentRequests(const std::string& trace) {
  std::vector<std::pair<int, int>> sent;
  std::istringstream lines(trace);
  std::string line;
  while (std::getline(lines, line)) {
    const auto arrow = line.find(" -> ");
    if (arrow == std::string::npos) continue;
    std::istringstream bytes(line.substr(arrow + 4));
    int address = 0, function = 0, page = 0;
    bytes >> std::hex >> address >> function >> page;
    sent.emplace_back(function, page);
  }
  return sent;
}

class VerifyOverPty : public ::testing::Test {
 protected:
  // a.lur: a new configuration (ТОРИ, ЮНАК, МР-73); b.lur: the same with
  // signal 5 delayed 7 s instead of 5 (byte 6 of its record).
  void SetUp() override {
    ASSERT_EQ(lurctl.Run("/nonexistent", {"new", "--modules", "713", "--display", "0", "-o", A()}), 0) << lurctl.err;
    fs::copy_file(A(), B());
    std::fstream f(B(), std::ios::in | std::ios::out | std::ios::binary);
    const std::streamoff at = 1764 + 4 * 8 + 6;
    f.seekg(at);
    ASSERT_EQ(f.get(), 0x85);
    f.seekp(at);
    f.put(static_cast<char>(0x87));
  }
  std::string A() const { return dir.File("a.lur"); }
  std::string B() const { return dir.File("b.lur"); }
  int Write(const std::string& link, std::vector<std::string> extra = {}) {
    std::vector<std::string> args = {"--trace", "write", A(), "--password", "9362", "--password-file",
                                     dir.File("none")};
    args.insert(args.end(), extra.begin(), extra.end());
    return lurctl.Run(link, args);
  }

  TempDir dir;
  Lurctl lurctl;
};

TEST_F(VerifyOverPty, WriteIsFollowedByAReadOfEveryPageItWrote) {
  Simulator sim(dir, {"--config", B()});
  ASSERT_TRUE(sim.Ready()) << sim.Log();
  ASSERT_EQ(Write(sim.link), 0) << lurctl.err;
  EXPECT_TRUE(Has(lurctl.err, "Запись проверена: расхождений нет")) << lurctl.err;

  std::vector<int> written, readBack;
  for (const auto& [function, page] : SentRequests(lurctl.err)) {
    if (function == 0x45) {
      written.push_back(page);
      readBack.clear();
    } else if (function == 0x44) {
      readBack.push_back(page);
    }
  }
  ASSERT_GT(written.size(), 40u);
  EXPECT_EQ(readBack, written);
}

TEST_F(VerifyOverPty, AByteTheControllerAlteredFailsTheCheckNotTheWrite) {
  Simulator sim(dir, {"--config", B(), "--corrupt-after-write", "12:38"});
  ASSERT_TRUE(sim.Ready()) << sim.Log();
  EXPECT_EQ(Write(sim.link), 3) << lurctl.err;
  EXPECT_EQ(lurctl.out,
            "discrete signals, signal 5, TimeZ: 5 -> 58\n"
            "discrete signals, signal 5, DiskrZ: 0 -> 1\n"
            "discrete signals, signal 5, Arh: 1 -> 0\n");
  EXPECT_TRUE(Has(lurctl.err, "lurctl: расхождений: 3")) << lurctl.err;
  EXPECT_FALSE(Has(lurctl.err, "Запись проверена: расхождений нет"));

  // Without the check the same write is a success and reads nothing back.
  EXPECT_EQ(Write(sim.link, {"--no-verify"}), 0) << lurctl.err;
  EXPECT_EQ(SentRequests(lurctl.err).back().first, 0x0E);
}

TEST_F(VerifyOverPty, DiffOfAFileAndAControllerServingAnother) {
  Simulator sim(dir, {"--config", B()});
  ASSERT_TRUE(sim.Ready()) << sim.Log();
  EXPECT_EQ(lurctl.Run("/nonexistent", {"diff", A(), "--port", sim.link}), 1) << lurctl.err;
  EXPECT_EQ(lurctl.out, "discrete signals, signal 5, TimeZ: 5 -> 7\n1 difference\n");

  EXPECT_EQ(lurctl.Run("/nonexistent", {"diff", B(), "--port", sim.link}), 0) << lurctl.err;
  EXPECT_EQ(lurctl.out, "");
  // Nothing was written: the controller still serves b.lur.
  EXPECT_EQ(lurctl.Run("/nonexistent", {"diff", A(), "--port", sim.link}), 1);
}

TEST_F(VerifyOverPty, DiffStoppedPartWayListsWhatItReadAndSaysWhere) {
  Simulator sim(dir, {"--config", B(), "--exception", "22:2"});
  ASSERT_TRUE(sim.Ready()) << sim.Log();
  EXPECT_EQ(lurctl.Run("/nonexistent", {"diff", A(), "--port", sim.link}), 2);
  EXPECT_EQ(lurctl.out, "discrete signals, signal 5, TimeZ: 5 -> 7\n1 difference\n");
  EXPECT_TRUE(Has(lurctl.err, "чтение прервано на странице 22")) << lurctl.err;
  EXPECT_TRUE(Has(lurctl.err, "не сравнено: identity: function blocks, discrete signals: text, function blocks"))
      << lurctl.err;

  // Another device number: nobody answers; the identity is where it stopped.
  EXPECT_EQ(lurctl.Run("/nonexistent", {"--request-delay", "1", "diff", B(), "--port", sim.link, "--device", "2"}),
            2);
  EXPECT_EQ(lurctl.out, "");
  EXPECT_TRUE(Has(lurctl.err, "чтение прервано на запросе идентификации")) << lurctl.err;
  EXPECT_FALSE(Has(lurctl.err + lurctl.out, "нет расхождений"));
}

}  // namespace
}  // namespace lur

// lurctl read --all on a bus of two controllers, one of which fails its read:
// the failure is reported and the other is still read and saved.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "cli/CmdRead.h"
#include "link/ScriptedPort.h"
#include "link/TComPortClass.h"
#include "model/Protocol.h"
#include "support/SimPort.h"
#include "ui/TScriptedUserInterface.h"

namespace lur {
namespace {

namespace fs = std::filesystem;

struct Folder {
  fs::path path;
  Folder() {
    char name[] = "/tmp/lurreadall-XXXXXX";
    path = mkdtemp(name) ? name : "";
  }
  ~Folder() {
    std::error_code ec;
    if (!path.empty()) fs::remove_all(path, ec);
  }
};

std::set<std::string> Files(const fs::path& folder) {
  std::set<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) names.insert(entry.path().filename().string());
  return names;
}

TEST(ReadAll, OneControllerFailingLeavesTheOthersRead) {
  test::VirtualClock clock;
  sim::SimOptions options;
  options.device = 5;
  test::SimPort port(clock, options);
  // A second controller at 2: it gives its identity, then refuses every page.
  port.rewriteAnswer = [](const test::Frame& request, std::optional<test::Frame> answer) -> std::optional<test::Frame> {
    if (request[0] != 2) return answer;
    if (request[1] == fn::kIdentity) {
      return test::WithCrc({2, fn::kIdentity, 15, 3, 1, 7, 3, 0, 0, 0, 0, 0, 0, 0, 8, 0x34, 8, 1});
    }
    return test::WithCrc({2, static_cast<std::uint8_t>(request[1] | 0x80), 4});
  };
  TScriptedUserInterface ui;
  TComPortClass link(port, clock);
  Folder folder;
  ASSERT_FALSE(folder.path.empty());
  TLurctlOptions cli;
  cli.arguments = {"--all", "--to", "6", "--timeout", "100", "-o", (folder.path / "plant").string()};

  EXPECT_EQ(RunRead(cli, link, ui), 1);
  EXPECT_EQ(Files(folder.path / "plant"), std::set<std::string>{"device-5.lur"});
  // Controller 2 was tried first and its failure shown; 5 was read after it.
  ASSERT_FALSE(ui.shown.empty());
  bool readOfTwo = false;
  bool readOfFiveAfterIt = false;
  for (const auto& r : port.requests) {
    if (r.function != fn::kReadPage) continue;
    readOfTwo = readOfTwo || r.address == 2;
    readOfFiveAfterIt = readOfFiveAfterIt || (readOfTwo && r.address == 5);
  }
  EXPECT_TRUE(readOfTwo);
  EXPECT_TRUE(readOfFiveAfterIt);
  EXPECT_GT(fs::file_size(folder.path / "plant" / "device-5.lur"), 1000u);
}

}  // namespace
}  // namespace lur

// lurctl fb against the lursim program over a pseudo-terminal: the function
// block table read into a file's configuration, written from one, and the
// write a 60-block controller has no room for.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "Processes.h"
#include "shell/TConfigFile.h"

namespace lur {
namespace {

using Bytes = std::vector<std::uint8_t>;
using test::BuiltProgram;
using test::RunCommand;
using test::Simulator;
using test::TempDir;

// Where a 120-block file keeps its function block records.
constexpr std::size_t kRecords = 3300;
constexpr std::size_t kRecordBytes = 120 * 16;

Bytes ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteFile(const std::string& path, const Bytes& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

Bytes Records(const Bytes& file) {
  if (file.size() < kRecords + kRecordBytes) return {};
  return Bytes(file.begin() + kRecords, file.begin() + kRecords + kRecordBytes);
}

struct Lurctl {
  int Run(std::vector<std::string> args, const std::string& port = "/nonexistent/ttyLUR") {
    std::vector<std::string> argv = {BuiltProgram("cli/lurctl"), "--port", port, "--stop", "1"};
    argv.insert(argv.end(), args.begin(), args.end());
    out.clear();
    err.clear();
    return RunCommand(argv, &out, &err, 120000);
  }
  bool Said(const std::string& text) const { return err.find(text) != std::string::npos; }
  std::string out, err;
};

class FBCli : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(lurctl.Run({"new", "--modules", "1A783E00", "--display", "1", "-o", dir.File("empty.lur")}), 0)
        << lurctl.err;
    empty = ReadFile(dir.File("empty.lur"));
    ASSERT_EQ(empty.size(), kConfigFileSize120);
  }
  // The empty configuration with counter blocks in records 0 .. last.
  std::string WithBlocks(const std::string& name, int last) {
    Bytes file = empty;
    for (int i = 0; i <= last; ++i) {
      const std::size_t at = kRecords + 16 * static_cast<std::size_t>(i);
      file[at] = 2;
      file[at + 1] = static_cast<std::uint8_t>(i + 1);
    }
    WriteFile(dir.File(name), file);
    return dir.File(name);
  }

  TempDir dir;
  Lurctl lurctl;
  Bytes empty;
};

TEST_F(FBCli, WriteThenReadBringsTheTableBack) {
  const std::string blocks = WithBlocks("blocks.lur", 30);
  Simulator sim(dir, {"--config", dir.File("empty.lur"), "--save", dir.File("saved.lur")});
  ASSERT_TRUE(sim.Ready()) << sim.Log();
  EXPECT_EQ(lurctl.Run({"fb", "write", blocks, "--password", "9362", "--password-file", dir.File("none")}, sim.link),
            0)
      << lurctl.err;
  ASSERT_EQ(lurctl.Run({"fb", "read", dir.File("empty.lur"), "-o", dir.File("read.lur")}, sim.link), 0) << lurctl.err;
  EXPECT_EQ(Records(ReadFile(dir.File("read.lur"))), Records(ReadFile(blocks)));
  sim.Stop();
  EXPECT_EQ(Records(ReadFile(dir.File("saved.lur"))), Records(ReadFile(blocks)));
}

TEST_F(FBCli, ReadFromASixtyBlockControllerSavesSixtyBlocks) {
  Simulator sim(dir, {"--modules", "1A783E00", "--fb", "60"});
  ASSERT_TRUE(sim.Ready()) << sim.Log();
  ASSERT_EQ(lurctl.Run({"fb", "read", WithBlocks("blocks.lur", 90), "-o", dir.File("read.lur")}, sim.link), 0)
      << lurctl.err;
  EXPECT_TRUE(lurctl.Said("Прибор  на 60 ФБ")) << lurctl.err;
  EXPECT_EQ(ReadFile(dir.File("read.lur")).size(), kConfigFileSize60);
}

TEST_F(FBCli, RefusalsExitOneAndWriteNothing) {
  struct Case {
    const char* name;
    std::vector<std::string> simOptions;
    int lastBlock;
    std::vector<std::string> password;
    std::string said;
  };
  const std::vector<std::string> full = {"--password", "9362"};
  const Case cases[] = {
      {"no room in a 60-block controller", {"--fb", "60"}, 65, full, "Передаваемая конфигурация"},
      {"limited access", {}, 10, {}, "Ваш уровень доступа не позволяет производить вывод в СОМ-порт"},
      {"a page refused", {"--exception", "21:4"}, 30, full, "ошибка обмена 04"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempDir other;
    std::vector<std::string> options = {"--config", dir.File("empty.lur"), "--save", other.File("saved.lur")};
    options.insert(options.end(), c.simOptions.begin(), c.simOptions.end());
    Simulator sim(other, options);
    ASSERT_TRUE(sim.Ready()) << sim.Log();
    std::vector<std::string> args = {"fb", "write", WithBlocks("blocks.lur", c.lastBlock)};
    args.insert(args.end(), c.password.begin(), c.password.end());
    args.insert(args.end(), {"--password-file", other.File("none")});
    EXPECT_EQ(lurctl.Run(args, sim.link), 1);
    EXPECT_TRUE(lurctl.Said(c.said)) << lurctl.err;
    sim.Stop();
    // At most the page before the refused one reached the controller.
    const Bytes saved = ReadFile(other.File("saved.lur"));
    const std::size_t pages = saved.size() == kConfigFileSize60 ? 6 : 12;
    std::size_t written = 0;
    for (std::size_t p = 0; p < pages && saved.size() >= kRecords + 160 * pages; ++p) {
      const auto begin = saved.begin() + static_cast<long>(kRecords + 160 * p);
      if (std::any_of(begin, begin + 160, [](std::uint8_t b) { return b != 0; })) ++written;
    }
    EXPECT_EQ(written, std::string(c.name) == "a page refused" ? 1u : 0u);
  }
}

}  // namespace
}  // namespace lur

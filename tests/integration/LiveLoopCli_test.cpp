// lurctl live loop against the lursim program over a pseudo-terminal: the
// regulator's lamps and modes preset with --coil, a change seen at the next
// run, and refusals exiting 1 with their message on stderr.
#include <gtest/gtest.h>

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
    std::vector<std::string> argv = {
        BuiltProgram("cli/lurctl"), "--port", port, "--stop", "1", "live", "loop", "1"};
    argv.insert(argv.end(), args.begin(), args.end());
    out.clear();
    err.clear();
    return RunCommand(argv, &out, &err, 120000);
  }
  bool Printed(const std::string& text) const { return out.find(text) != std::string::npos; }
  bool Said(const std::string& text) const { return err.find(text) != std::string::npos; }
  std::string out, err;
};

TEST(LiveLoopCli, PresetCoilsShowAndAChangeStays) {
  TempDir dir;
  // Regulator 1 in manual mode, its output lamp red.
  Simulator sim(dir, {"--modules", "173E0000", "--coil", "790=1", "--coil=784=0"});
  ASSERT_TRUE(sim.Ready()) << sim.Log();
  Lurctl lurctl;
  const std::string passwordFile = dir.File("none");

  ASSERT_EQ(lurctl.Run({"--json", "--count", "1"}, sim.link), 0) << lurctl.err;
  for (const char* part : {"\"reg1\":1", "\"out1\":42.5", "\"auto1\":false", "\"out_lamp1\":\"red\"",
                           "\"in_lamp1\":\"green\"", "\"change_sp\":false", "\"change_out\":true"}) {
    EXPECT_TRUE(lurctl.Printed(part)) << part << " in " << lurctl.out;
  }

  ASSERT_EQ(lurctl.Run({"--out", "55.5", "--json", "--count", "1", "--password", "9362", "--password-file",
                        passwordFile},
                       sim.link),
            0)
      << lurctl.err;
  EXPECT_TRUE(lurctl.Printed("\"out1\":55.5")) << lurctl.out;

  // Without the password nothing is sent: the output stays.
  EXPECT_EQ(lurctl.Run({"--step", "up", "--count", "1", "--password-file", passwordFile}, sim.link), 1);
  EXPECT_TRUE(lurctl.Said("Ваш уровень доступа не позволяет производить вывод в СОМ-порт")) << lurctl.err;
  EXPECT_TRUE(lurctl.out.empty());
  ASSERT_EQ(lurctl.Run({"--count", "1"}, sim.link), 0) << lurctl.err;
  EXPECT_TRUE(lurctl.Printed("out1=55.5")) << lurctl.out;

  EXPECT_EQ(lurctl.Run({"--out", "120", "--password", "9362", "--password-file", passwordFile}, sim.link), 1);
  EXPECT_TRUE(lurctl.Said("Величина вне диапазона 0 - 100")) << lurctl.err;
}

TEST(LiveLoopCli, ARefusedWriteExitsOneWithTheControllersWords) {
  TempDir dir;
  Simulator sim(dir, {"--modules", "173E0000", "--live-exception", "5:784:4"});
  ASSERT_TRUE(sim.Ready()) << sim.Log();
  Lurctl lurctl;
  EXPECT_EQ(
      lurctl.Run({"--auto", "off", "--count", "1", "--password", "9362", "--password-file", dir.File("none")},
                 sim.link),
      1);
  EXPECT_TRUE(lurctl.Said("ошибка обмена 04")) << lurctl.err;
  EXPECT_TRUE(lurctl.out.empty());
}

}  // namespace
}  // namespace lur

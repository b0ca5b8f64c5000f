// lurctl live network against the lursim program over a pseudo-terminal: a
// configuration with exchange blocks served by lursim --config, each kind of
// block polled as the block dialog's "on line" would, the range dialog's
// refusals exiting 1 with its message on stderr, and a silent controller
// stopping the run with the window's report.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "Processes.h"
#include "model/Cp1251.h"
#include "model/TConfiguration.h"
#include "shell/TFileOperations.h"
#include "shell/TMainState.h"
#include "ui/TScriptedUserInterface.h"

namespace lur {
namespace {

using test::BuiltProgram;
using test::RunCommand;
using test::Simulator;
using test::TempDir;

struct Lurctl {
  int Run(const std::vector<std::string>& args, const std::string& port) {
    std::vector<std::string> argv = {BuiltProgram("cli/lurctl"), "--port", port, "--stop", "1", "live", "network"};
    argv.insert(argv.end(), args.begin(), args.end());
    out.clear();
    err.clear();
    return RunCommand(argv, &out, &err, 120000);
  }
  bool Printed(const std::string& text) const { return out.find(text) != std::string::npos; }
  bool Said(const std::string& text) const { return err.find(text) != std::string::npos; }
  std::string out, err;
};

class NetworkLiveCli : public ::testing::Test {
 protected:
  // A new configuration (a discrete and an analog input module) with four
  // exchange blocks: 1 function 2, 8 values from entry 36; 2 function 3, 3 values from entry 44 and analog signal 6 (a ЛУР-05 at
  // address 12); 3 function 1, 32 values from entry 56; 4 unconfigured.
  void SetUp() override {
    ASSERT_EQ(RunCommand({BuiltProgram("cli/lurctl"), "new", "--modules", "17000000", "--display", "1", "-o",
                          dir.File("base.lur")},
                         nullptr, nullptr, 60000),
              0);
    TConfiguration config;
    TScriptedUserInterface ui;
    TMainState state;
    const std::function<void()> none;
    TFileOperations files(config, ui, state, none, none);
    ASSERT_TRUE(files.OpenFile(dir.File("base.lur")));
    auto block = [&](int b, int kodF, int kolVh, int s1, int s2, int type, int slave) {
      config.MBM.SetKodF(b, kodF);
      config.MBM.SetKolVh(b, kolVh);
      config.MBM.SetStAddr_Beg1(b, s1);
      config.MBM.SetStAddr_Beg2(b, s2);
      config.MBM.SetTipUstr(b, type);
      config.MBM.SetUstr(b, slave);
    };
    block(0, 2, 8, 36, 0, 15, 3);
    block(1, 3, 3, 44, 6, 5, 12);
    block(2, 1, 32, 56, 0, 0, 4);
    config.MBM.SetPoz(0, Utf8ToCp1251("ТК-7"));
    ASSERT_TRUE(files.WriteConfigFile(dir.File("net.lur")));
  }

  TempDir dir;
  Lurctl lurctl;
};

TEST_F(NetworkLiveCli, EachBlockIsPolledAsItsWindowPollsIt) {
  Simulator sim(dir, {"--config", dir.File("net.lur"), "--unreliable", "37"});
  ASSERT_TRUE(sim.Ready()) << sim.Log();

  ASSERT_EQ(lurctl.Run({"1", "--count", "1"}, sim.link), 0) << lurctl.err;
  for (const char* part : {"entry1=36", "entry8=43", "state1=", "valid1=недостовер.", "valid2=достовер."}) {
    EXPECT_TRUE(lurctl.Printed(part)) << part << " in " << lurctl.out;
  }
  EXPECT_FALSE(lurctl.Printed("entry9=")) << lurctl.out;

  ASSERT_EQ(lurctl.Run({"2", "--json", "--count", "1"}, sim.link), 0) << lurctl.err;
  for (const char* part : {"\"signal1\":6", "\"signal3\":8", "\"tag1\":\"ТК-7    \"", "\"unit1\":\"%\"",
                           "\"state1\":\"и\"", "\"limit1\":\"норма\"", "\"value1\":\"  40.00\""}) {
    EXPECT_TRUE(lurctl.Printed(part)) << part << " in " << lurctl.out;
  }
  EXPECT_FALSE(lurctl.Printed("signal4")) << lurctl.out;

  // The alarm entries of block 2: 12, no range to choose.
  ASSERT_EQ(lurctl.Run({"2", "--alarms", "--count", "1"}, sim.link), 0) << lurctl.err;
  EXPECT_TRUE(lurctl.Printed("entry1=44")) << lurctl.out;
  EXPECT_TRUE(lurctl.Printed("entry12=55")) << lurctl.out;

  // 32 entries: the range dialog's fields.
  ASSERT_EQ(lurctl.Run({"3", "--first", "80", "--rows", "12", "--count", "1"}, sim.link), 0) << lurctl.err;
  EXPECT_TRUE(lurctl.Printed("entry1=80")) << lurctl.out;
  EXPECT_TRUE(lurctl.Printed("entry8=87")) << lurctl.out;
  EXPECT_FALSE(lurctl.Printed("entry9=")) << lurctl.out;

  // An unconfigured block: the analog view with no rows, nothing asked.
  ASSERT_EQ(lurctl.Run({"4", "--count", "1"}, sim.link), 0) << lurctl.err;
  EXPECT_FALSE(lurctl.Printed("signal1")) << lurctl.out;
}

TEST_F(NetworkLiveCli, RefusedRangesAndASilentControllerExitOne) {
  Simulator sim(dir, {"--config", dir.File("net.lur"), "--mute", "0x47:6"});
  ASSERT_TRUE(sim.Ready()) << sim.Log();
  struct Case {
    std::vector<std::string> args;
    const char* said;
  };
  const Case cases[] = {
      {{"3", "--first", "88", "--rows", "12"}, "Величина вне диапазона 56 - 87"},
      {{"3", "--first", "56", "--rows", "0"}, " Ошибка ввода "},
      {{"3", "--first", "56", "--rows", "13"}, "Величина вне диапазона 1 - 12"},
      {{"1", "--first", "36"}, "there is no range to choose"},
      {{"1", "--alarms"}, "it has no alarm entries"},
      {{"2", "--count", "3"}, "не отвечает на запрос"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.args[0] + " " + c.said);
    EXPECT_EQ(lurctl.Run(c.args, sim.link), 1);
    EXPECT_TRUE(lurctl.Said(c.said)) << lurctl.err;
  }
  EXPECT_EQ(lurctl.Run({"17"}, sim.link), 2);
}

}  // namespace
}  // namespace lur

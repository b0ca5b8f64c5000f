// The local network editor's write against the lursim program over a
// pseudo-terminal: a block deleted and Yes sends the exchange table, the
// base and text pages from the first network page and the renumbered
// function-15 page, in that order, and lursim's saved configuration holds
// every reference moved; No sends nothing and leaves the controller's
// configuration as the file it was served from.
#include <gtest/gtest.h>

#include <functional>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "Processes.h"
#include "link/TComPortClass.h"
#include "link/TQtSerialPort.h"
#include "link/TWaiter.h"
#include "model/TConfiguration.h"
#include "network/TFormLNetController.h"
#include "session/TServAddressing.h"
#include "session/TSession.h"
#include "shell/TFileOperations.h"
#include "shell/TMainState.h"
#include "ui/TScriptedUserInterface.h"

namespace lur {
namespace {

using test::BuiltProgram;
using test::RunCommand;
using test::Simulator;
using test::TempDir;

// The pages of the page writes (function 0x45) in lursim's log, in order.
std::vector<int> PagesWritten(const std::string& log) {
  static const std::regex kLine(R"(^ *[0-9]+\.[0-9]{3} [0-9A-F]{2} 45 ([0-9A-F]{2})( [0-9A-F]{2})* -> .*$)");
  std::vector<int> pages;
  std::istringstream lines(log);
  std::string line;
  std::smatch m;
  while (std::getline(lines, line)) {
    if (std::regex_match(line, m, kLine)) pages.push_back(std::stoi(m[1], nullptr, 16));
  }
  return pages;
}

std::vector<int> Range(int first, int last) {
  std::vector<int> pages;
  for (int p = first; p <= last; ++p) pages.push_back(p);
  return pages;
}

class LNetWritePlan : public ::testing::Test {
 protected:
  // A discrete, an analog and a relay module (the network from entry 36);
  // blocks 1 function 1, 8 values from 36, and 2 function 2, 8 values from
  // 44; function-15 block 1 sends signals 37, 45 and 50.
  void SetUp() override {
    ASSERT_EQ(RunCommand({BuiltProgram("cli/lurctl"), "new", "--modules", "17300000", "--display", "1", "-o",
                          dir.File("base.lur")},
                         nullptr, nullptr, 60000),
              0);
    ASSERT_TRUE(Files().OpenFile(dir.File("base.lur")));
    auto block = [&](int b, int kodF, int s1) {
      config.MBM.SetKodF(b, kodF);
      config.MBM.SetKolVh(b, 8);
      config.MBM.SetKolDat(b, 8);
      config.MBM.SetTipUstr(b, 5);
      config.MBM.SetUstr(b, b + 2);
      config.MBM.SetStAddr_Beg1(b, s1);
    };
    block(0, 1, 36);
    block(1, 2, 44);
    config.Serv.SetProcessedDiscreteCount(52);
    config.F15.SetKodF(0, 15);
    config.F15.SetKolVh(0, 3);
    const int refs[] = {37, 45, 50};
    for (int k = 0; k < 3; ++k) config.F15.SetSignal(0, k, refs[k]);
    ASSERT_TRUE(Files().WriteConfigFile(dir.File("net.lur")));
  }

  TFileOperations& Files() {
    if (!files) files = std::make_unique<TFileOperations>(config, ui, state, none, none);
    return *files;
  }

  // lursim serving net.lur; memory as after opening it, for the controller.
  void Serve(const std::vector<std::string>& more = {}) {
    std::vector<std::string> options = {"--config", dir.File("net.lur"), "--verbose", "--save", dir.File("out.lur")};
    options.insert(options.end(), more.begin(), more.end());
    sim = std::make_unique<Simulator>(dir, options);
    ASSERT_TRUE(sim->Ready()) << sim->Log();
    ASSERT_TRUE(Files().OpenFile(dir.File("net.lur")));
    config.Serv.FileMode = 0;
    config.Lur.FullAccess = 1;
    link.PortName = sim->link;
    ASSERT_EQ(link.OpenPort(), 0);
  }

  TempDir dir;
  TConfiguration config;
  TScriptedUserInterface ui;
  TMainState state;
  const std::function<void()> none;
  std::unique_ptr<TFileOperations> files;
  std::unique_ptr<Simulator> sim;
  TSteadyWaiter waiter;
  TQtSerialPort port{waiter};
  TComPortClass link{port, waiter};
  TFixedAddressing addressing{0, 0};
  TSession session{config, link, ui, addressing};
  TFormLNetController form{session, nullptr, nullptr};
};

TEST_F(LNetWritePlan, YesSendsTheChangedPagesInOrderAndTheControllerHoldsTheMovedReferences) {
  Serve();
  form.FormShow(TLNetMode::Functions);
  ASSERT_TRUE(form.DeleteBlock(0));
  ui.answers.push_back(MsgAnswer::Yes);
  ASSERT_TRUE(form.FormCloseQuery());
  std::vector<int> expected = {0x0A};
  for (const auto& part : {Range(13, 19), Range(42, 51), std::vector<int>{0x0B}}) {
    expected.insert(expected.end(), part.begin(), part.end());
  }
  EXPECT_EQ(PagesWritten(sim->Log()), expected) << sim->Log();
  link.ClosePort();
  ASSERT_EQ(sim->Stop(), 0);

  TConfiguration saved;
  TFileOperations savedFiles(saved, ui, state, none, none);
  ASSERT_TRUE(savedFiles.OpenFile(dir.File("out.lur")));
  EXPECT_EQ(saved.MBM.GetKodF(0), 2);
  EXPECT_EQ(saved.MBM.GetStAddr_Beg1(0), 36);
  EXPECT_EQ(saved.MBM.GetKodF(1), 0);
  EXPECT_EQ(saved.F15.GetSignal(0, 0), 0);
  EXPECT_EQ(saved.F15.GetSignal(0, 1), 37);
  EXPECT_EQ(saved.F15.GetSignal(0, 2), 42);
}

TEST_F(LNetWritePlan, NoSendsNothingAndTheControllerStaysAsTheFile) {
  Serve();
  form.FormShow(TLNetMode::Functions);
  ASSERT_TRUE(form.DeleteBlock(1));
  ui.answers.push_back(MsgAnswer::No);
  ASSERT_TRUE(form.FormCloseQuery());
  EXPECT_TRUE(PagesWritten(sim->Log()).empty()) << sim->Log();
  link.ClosePort();
  ASSERT_EQ(sim->Stop(), 0);
  std::string out, err;
  EXPECT_EQ(RunCommand({BuiltProgram("cli/lurctl"), "diff", dir.File("net.lur"), dir.File("out.lur")}, &out, &err),
            0)
      << out << err;
}

TEST_F(LNetWritePlan, AFailurePartWayStopsThereAndKeepsTheRestMarked) {
  Serve({"--write-fault", "14:4:1000"});
  form.FormShow(TLNetMode::Functions);
  ASSERT_TRUE(form.DeleteBlock(0));
  ui.answers.push_back(MsgAnswer::Yes);
  ASSERT_TRUE(form.FormCloseQuery());
  std::vector<int> pages = PagesWritten(sim->Log());
  ASSERT_GE(pages.size(), 3u) << sim->Log();
  EXPECT_EQ(std::vector<int>(pages.begin(), pages.begin() + 3), (std::vector<int>{0x0A, 13, 14}));
  for (std::size_t i = 3; i < pages.size(); ++i) EXPECT_EQ(pages[i], 14) << "attempts only";
  EXPECT_EQ(config.MBM.TableClean, 1);
  EXPECT_EQ(config.MBM.BaseRewrite, 1);
  EXPECT_EQ(config.F15.F15Changed, 1);
  EXPECT_EQ(config.F15.GetSignal(0, 2), 42);  // memory keeps the edit
  link.ClosePort();
  ASSERT_EQ(sim->Stop(), 0);
  TConfiguration saved;
  TFileOperations savedFiles(saved, ui, state, none, none);
  ASSERT_TRUE(savedFiles.OpenFile(dir.File("out.lur")));
  EXPECT_EQ(saved.MBM.GetKodF(0), 2);
  EXPECT_EQ(saved.F15.GetSignal(0, 2), 50);  // the function-15 page never went
}

TEST_F(LNetWritePlan, AtTheLimitedLevelNothingIsSent) {
  Serve();
  config.Lur.FullAccess = 0;
  form.FormShow(TLNetMode::Exchange);
  form.SkorClick(3);
  ui.answers.push_back(MsgAnswer::Yes);
  ASSERT_TRUE(form.FormCloseQuery());
  EXPECT_TRUE(PagesWritten(sim->Log()).empty()) << sim->Log();
  EXPECT_EQ(config.MBM.SettingsChanged, 1);
}

}  // namespace
}  // namespace lur

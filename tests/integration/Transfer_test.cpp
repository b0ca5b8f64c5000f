// The whole-configuration transfers against the lursim program over a
// pseudo-terminal: lurctl's read and write end to end, and the shell's own
// transfer in this process where what memory holds after a failure matters.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>

#include "Processes.h"
#include "link/TComPortClass.h"
#include "link/TQtSerialPort.h"
#include "link/TWaiter.h"
#include "shell/TConfigFile.h"
#include "shell/TConfigTransfer.h"
#include "shell/TFileOperations.h"
#include "ui/TScriptedUserInterface.h"

namespace lur {
namespace {

using Bytes = std::vector<std::uint8_t>;
using test::BuiltProgram;
using test::RunCommand;
using test::Simulator;
using test::TempDir;

Bytes ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteFile(const std::string& path, const Bytes& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

// The part of a file that the controller holds: everything but the blocks
// only files keep (output texts, block texts and layout).
Bytes ControllerPart(const Bytes& file) {
  const bool sixty = file.size() == kConfigFileSize60;
  const std::size_t fileOnlyBegin = sixty ? 7382 : 8004;
  const std::size_t fileOnlyEnd = sixty ? 17603 : 35085;
  if (file.size() < fileOnlyEnd) return file;
  Bytes part(file.begin(), file.begin() + static_cast<long>(fileOnlyBegin));
  part.insert(part.end(), file.begin() + static_cast<long>(fileOnlyEnd), file.end());
  return part;
}

// The same modules with every page empty: a controller a write can be seen on.
Bytes Blank(const Bytes& file) {
  Bytes blank = file;
  std::fill(blank.begin() + 16, blank.end(), 0);
  return blank;
}

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

// The program's side in this process: the one configuration, the link and
// the transfer, with a user that records every box.
struct Programmer {
  explicit Programmer(const std::string& portName) {
    link.PortName = portName;
    link.StopBitsText = "1";
    opened = link.OpenPort() == 0;
  }
  Bytes File() const { return BuildConfigFile(*config); }

  TSteadyWaiter waiter;
  TQtSerialPort port{waiter};
  TScriptedUserInterface ui;
  TComPortClass link{port, waiter};
  std::unique_ptr<TConfiguration> config = std::make_unique<TConfiguration>();
  TMainState state;
  std::function<void()> noRefresh;
  TShellContext context{*config, link, ui, state, noRefresh, noRefresh};
  TConfigTransfer transfer{context};
  TFileOperations files{*config, ui, state, noRefresh, noRefresh};
  bool opened = false;
};

struct RoundTrip {
  const char* modules;
  const char* blocks;
};

class TransferRoundTrip : public ::testing::TestWithParam<RoundTrip> {};

// read -> file -> write into a controller of the same modules whose pages
// were empty: it then holds every page that was read.
TEST_P(TransferRoundTrip, WhatIsReadIsWhatAControllerHoldsAfterTheWrite) {
  const RoundTrip c = GetParam();
  TempDir source, target;
  const std::string read = source.File("read.lur");
  Lurctl lurctl;
  {
    Simulator sim(source, {"--modules", c.modules, "--fb", c.blocks});
    ASSERT_TRUE(sim.Ready()) << sim.Log();
    ASSERT_EQ(lurctl.Run(sim.link, {"read", "-o", read}), 0) << lurctl.err;
  }
  const Bytes file = ReadFile(read);
  ASSERT_EQ(file.size(), std::string(c.blocks) == "60" ? kConfigFileSize60 : kConfigFileSize120);
  if (std::string(c.blocks) == "60") {
    EXPECT_NE(lurctl.err.find("Прибор  на 60 ФБ"), std::string::npos) << lurctl.err;
  }

  const std::string blank = target.File("blank.lur");
  const std::string saved = target.File("saved.lur");
  WriteFile(blank, Blank(file));
  Simulator sim(target, {"--config", blank, "--save", saved});
  ASSERT_TRUE(sim.Ready()) << sim.Log();
  ASSERT_EQ(
      lurctl.Run(sim.link, {"write", read, "--password", "9362", "--password-file", target.File("none")}), 0)
      << lurctl.err;
  EXPECT_NE(lurctl.err.find("соответствует конфигурации прибора"), std::string::npos) << lurctl.err;
  sim.Stop();
  EXPECT_EQ(ControllerPart(ReadFile(saved)), ControllerPart(file));
}

// With and without modules of types 14, 10 and 8; 120 and 60 blocks.
INSTANTIATE_TEST_SUITE_P(Controllers, TransferRoundTrip,
                         ::testing::Values(RoundTrip{"1A783E00", "120"}, RoundTrip{"17300000", "60"}),
                         [](const ::testing::TestParamInfo<RoundTrip>& info) {
                           return std::string("modules_") + info.param.modules + "_blocks_" + info.param.blocks;
                         });

class TransferFaults : public ::testing::Test {
 protected:
  // A configuration file of a controller with every kind of page.
  void SetUp() override {
    Simulator sim(dir, {"--modules", "1A783E00"});
    ASSERT_TRUE(sim.Ready()) << sim.Log();
    Lurctl lurctl;
    ASSERT_EQ(lurctl.Run(sim.link, {"read", "-o", dir.File("clean.lur")}), 0) << lurctl.err;
    clean = ReadFile(dir.File("clean.lur"));
  }
  TempDir dir;
  Bytes clean;
};

TEST_F(TransferFaults, GarbledAnswersAreRepeatedAndTheReadIsComplete) {
  TempDir other;
  Simulator sim(other, {"--modules", "1A783E00", "--bad-crc", "3", "--truncate", "7"});
  ASSERT_TRUE(sim.Ready()) << sim.Log();
  Programmer p(sim.link);
  ASSERT_TRUE(p.opened);
  EXPECT_TRUE(p.transfer.InPortButClick());
  EXPECT_TRUE(p.ui.shown.empty()) << p.ui.Texts()[0];
  EXPECT_EQ(p.File(), clean);
}

TEST_F(TransferFaults, ReadStoppedPartWayLeavesTheOpenedFileInMemory) {
  struct Case {
    std::vector<std::string> options;
    int reported;
  };
  const Case cases[] = {
      {{"--exception", "15:4"}, 4},
      {{"--bad-crc", "1"}, kResultChecksum},
      {{"--silent"}, kResultNoAnswer},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.options[0]);
    TempDir other;
    std::vector<std::string> options = {"--modules", "17300000"};
    options.insert(options.end(), c.options.begin(), c.options.end());
    Simulator sim(other, options);
    ASSERT_TRUE(sim.Ready()) << sim.Log();
    Programmer p(sim.link);
    ASSERT_TRUE(p.opened);
    ASSERT_TRUE(p.files.OpenFile(dir.File("clean.lur")));
    const Bytes before = p.File();
    EXPECT_FALSE(p.transfer.InPortButClick());
    EXPECT_EQ(p.ui.Texts(), std::vector<std::string>{p.link.ErrorText(0, c.reported)});
    EXPECT_EQ(p.File(), before);
    EXPECT_EQ(p.config->Serv.FileMode, 1);
    EXPECT_TRUE(p.state.labelFileVisible);
  }
}

TEST_F(TransferFaults, WriteStoppedPartWayKeepsMemoryAndTheControllerHasThePagesBefore) {
  TempDir other;
  const std::string blank = other.File("blank.lur");
  const std::string saved = other.File("saved.lur");
  WriteFile(blank, Blank(clean));
  Simulator sim(other, {"--config", blank, "--save", saved, "--exception", "20:4"});
  ASSERT_TRUE(sim.Ready()) << sim.Log();
  Programmer p(sim.link);
  ASSERT_TRUE(p.opened);
  ASSERT_TRUE(p.files.OpenFile(dir.File("clean.lur")));
  p.config->Lur.FullAccess = 1;
  const Bytes before = p.File();
  p.ui.shown.clear();
  EXPECT_FALSE(p.transfer.OutPortClick());
  ASSERT_EQ(p.ui.Texts().size(), 2u);
  EXPECT_NE(p.ui.Texts()[1].find("ошибка обмена 04"), std::string::npos);
  EXPECT_EQ(p.File(), before);
  sim.Stop();

  // Pages up to the discrete base went in; the function block pages did not.
  const Bytes held = ReadFile(saved);
  ASSERT_EQ(held.size(), clean.size());
  EXPECT_TRUE(std::equal(held.begin() + 16, held.begin() + 3300, clean.begin() + 16));
  EXPECT_TRUE(std::all_of(held.begin() + 3300, held.begin() + 5220, [](std::uint8_t b) { return b == 0; }));
}

TEST_F(TransferFaults, ControllerBusyForeverStopsTheWriteAfterItsPollLimit) {
  TempDir other;
  Simulator sim(other, {"--modules", "1A783E00", "--busy-forever"});
  ASSERT_TRUE(sim.Ready()) << sim.Log();
  Programmer p(sim.link);
  ASSERT_TRUE(p.opened);
  ASSERT_TRUE(p.files.OpenFile(dir.File("clean.lur")));
  p.config->Lur.FullAccess = 1;
  const Bytes before = p.File();
  p.ui.shown.clear();
  EXPECT_FALSE(p.transfer.OutPortClick());
  ASSERT_EQ(p.ui.Texts().size(), 2u);
  EXPECT_NE(p.ui.Texts()[1].find("Идет запись базы данных. Ждите."), std::string::npos);
  EXPECT_FALSE(p.ui.progressVisible);
  EXPECT_EQ(p.File(), before);
}

TEST_F(TransferFaults, LimitedAccessWritesNothing) {
  TempDir other;
  const std::string blank = other.File("blank.lur");
  const std::string saved = other.File("saved.lur");
  WriteFile(blank, Blank(clean));
  Simulator sim(other, {"--config", blank, "--save", saved});
  ASSERT_TRUE(sim.Ready()) << sim.Log();
  Lurctl lurctl;
  EXPECT_NE(lurctl.Run(sim.link, {"write", dir.File("clean.lur"), "--password-file", other.File("none")}), 0);
  EXPECT_NE(lurctl.err.find("Ваш уровень доступа не позволяет производить вывод в СОМ-порт"),
            std::string::npos)
      << lurctl.err;
  EXPECT_NE(lurctl.Run(sim.link, {"write", dir.File("clean.lur"), "--password", "1234", "--password-file",
                                  other.File("none")}),
            0);
  EXPECT_NE(lurctl.err.find("Введенный пароль неверен"), std::string::npos) << lurctl.err;
  sim.Stop();
  // Only what the controller works out itself may differ: its identity's
  // processed counts and the page numbers of its blocks.
  auto pages = [](Bytes file) {
    for (std::size_t at : {13u, 14u, 1368u, 1489u, 1683u}) file.at(at) = 0;
    for (std::size_t s = 0; s < 8; ++s) file.at(16 + 169 * s) = 0;
    return file;
  };
  EXPECT_EQ(pages(ReadFile(saved)), pages(ReadFile(blank)));
}

}  // namespace
}  // namespace lur

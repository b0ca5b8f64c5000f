// The scaling window of the network analog signals: the rows it shows, the
// texts a number field takes and refuses, what reaches the group pages, and
// its report.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "NetworkFixture.h"
#include "network/TFormR_MBMController.h"

namespace lur {
namespace {

using test::NetworkConfig;
using Col = TR_MBMColumn;

struct Scaling : ::testing::Test {
  Scaling() {
    link.PortName = "COM1";
    NetworkConfig::Build(config);
    // Block 3: one "ВЕДА" value after block 1's six (channel 6).
    NetworkConfig::Block(config, 3, 4, 4, 1, 76, 12);
    config.MBM.NewChannel(6);
  }
  test::VirtualClock clock;
  test::ScriptedPort port{clock};
  TScriptedUserInterface ui;
  TComPortClass link{port, clock};
  TConfiguration config;
  TFixedAddressing addressing{0, 0};
  TSession session{config, link, ui, addressing};
  TFormR_MBMController form{session};
};

TEST_F(Scaling, EveryBlocksRowsAreShownAndOnlyTheOpenBlocksAreEnabled) {
  form.Open(1);
  EXPECT_EQ(form.Row(0).labN, "7");
  EXPECT_EQ(form.Row(5).labN, "12");
  EXPECT_EQ(form.Row(2).poz, "TAG3    ");
  EXPECT_EQ(form.Row(0).numbers[static_cast<int>(Col::VSK)], config.MBM.GetMax(0));
  EXPECT_EQ(form.Row(0).hint, "номер аналогового сигнала в базе 7 (адрес 0x06)");
  EXPECT_EQ(form.Row(47).hint, "номер аналогового сигнала в базе 54 (адрес 0x35)");
  EXPECT_TRUE(form.Row(0).enabled);
  EXPECT_TRUE(form.Row(5).enabled);
  EXPECT_EQ(form.Row(6).labN, "13");  // block 3's value: shown, not editable
  EXPECT_FALSE(form.Row(6).enabled);
  EXPECT_EQ(form.Row(7).labN, "_");
  EXPECT_FALSE(form.Row(7).enabled);

  form.NumberExit(6, Col::NSK, "5");
  EXPECT_EQ(config.MBM.GetMin(6), "0,0000");
  EXPECT_EQ(config.MBM.GroupsClean, 1);
}

TEST_F(Scaling, NumberFieldsTakeWholeNumbersWithinTheRangeOnly) {
  struct Case {
    const char* text;
    bool accepted;
  };
  const Case cases[] = {
      {"12,5", true}, {"-5", true},    {"32767", true},     {"1,2,3", false}, {"12,", false},
      {"5-", false},  {"--5", false},  {"40000", false},    {"-32768", false}, {"1234567-", false},
      {"", false},    {"1?", false},   {"1б5", false},      {"-", false},
  };
  form.Open(1);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    ui.inputErrors.clear();
    config.MBM.SetMin(1, "7");
    form.NumberExit(1, Col::NSK, c.text);
    if (c.accepted) {
      EXPECT_TRUE(ui.inputErrors.empty());
      EXPECT_EQ(form.Row(1).numbers[0], c.text);
      EXPECT_NE(config.MBM.GetMin(1), "7,0000");
    } else {
      EXPECT_EQ(ui.inputErrors, (std::vector<TFieldError>{{"NSK2", " Ошибка ввода "}}));
      EXPECT_EQ(form.Row(1).numbers[0], "7,0000");  // the stored value comes back
      EXPECT_EQ(config.MBM.GetMin(1), "7,0000");
    }
  }
}

TEST_F(Scaling, AStoredNumberReachesTheGroupPageAndMarksTheGroups) {
  form.Open(1);
  const auto group = config.MBM.GetGroup(0);
  form.NumberExit(3, Col::UstHH, "12,5");
  EXPECT_EQ(config.MBM.GetUstHH(3), "12,5000");
  // Channel 3, set point HH: record bytes 1 + 28 x 3 + 17 .. + 19, Real24 of 12.5.
  const auto& stored = config.MBM.GetGroup(0);
  EXPECT_EQ(stored[1 + 28 * 3 + 17], 0x00);
  EXPECT_EQ(stored[1 + 28 * 3 + 18], 0x64);
  EXPECT_EQ(stored[1 + 28 * 3 + 19], 0x04);
  EXPECT_NE(stored, group);
  EXPECT_EQ(config.MBM.GroupsClean, 0);
}

TEST_F(Scaling, ClosingStoresTagsAndUnitsOfTheBlockOnly) {
  config.Serv.FileMode = 1;
  form.Open(1);
  form.FormCloseQuery();
  EXPECT_EQ(config.MBM.GroupsClean, 1);  // nothing changed
  EXPECT_EQ(config.Serv.Modified, 0);

  form.PozChange(0, "FT-101");
  form.PozChange(6, "NOPE");  // another block's row
  form.RazmClick(0, 3);
  form.FormCloseQuery();
  EXPECT_EQ(config.MBM.GetPoz(0), "FT-101  ");
  EXPECT_EQ(config.MBM.GetRazm(0), 3);
  EXPECT_NE(config.MBM.GetPoz(6), "NOPE    ");
  EXPECT_EQ(config.MBM.GroupsClean, 0);
  EXPECT_EQ(config.Serv.Modified, 1);
}

TEST_F(Scaling, ChannelsPastTheTableAreSkipped) {
  // Block 3 claims channels 46..49: only 46 and 47 exist.
  config.MBM.SetStAddr_Beg2(3, 6 + 46);
  config.MBM.SetKolVh(3, 4);
  form.Open(3);
  EXPECT_EQ(form.Row(46).labN, "53");
  EXPECT_TRUE(form.Row(47).enabled);
  EXPECT_EQ(form.ChannelCount(), 0);
  form.PozChange(46, "X");
  form.FormCloseQuery();  // nothing is stored for a block that does not fit
  EXPECT_EQ(config.MBM.GroupsClean, 1);
}

TEST_F(Scaling, TheReportHoldsTheBlocksRowsWithTheWindowsColumns) {
  form.Open(1);
  const TReport report = form.Report();
  ASSERT_EQ(report.blocks.size(), 2u);
  const auto& table = std::get<TReportTable>(report.blocks[1]);
  EXPECT_EQ(table.headers.size(), 10u);
  ASSERT_EQ(table.rows.size(), 6u);
  EXPECT_EQ(table.rows[2][1], "9");
  EXPECT_EQ(table.rows[2][3], "TAG3    ");

  const std::filesystem::path path = std::filesystem::path(::testing::TempDir()) / "scaling.rtf";
  ui.files.push_back(path.string());
  ui.answers.push_back(MsgAnswer::No);
  form.BNew1Click();
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  EXPECT_NE(text.str().find("TAG3"), std::string::npos);
  EXPECT_EQ(ui.Texts(), std::vector<std::string>{"Печатать?"});
}

}  // namespace
}  // namespace lur

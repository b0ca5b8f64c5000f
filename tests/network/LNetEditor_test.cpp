// The local network editor over the simulated controller: its modes,
// deleting blocks with every reference following, the exchange write with
// its page order and start pages, a failure part-way, the discard that puts
// back the state the window was shown with, file mode and the limited
// access level, and the function-15 blocks.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "NetworkFixture.h"
#include "link/TComPortClass.h"
#include "network/LNetPages.h"
#include "network/TFormLNetController.h"
#include "network/TFormMBMController.h"
#include "network/TMBMBlockDialog.h"
#include "session/EditorChanges.h"
#include "session/TModalWindow.h"
#include "session/TServAddressing.h"
#include "session/TSession.h"
#include "support/SimPort.h"
#include "ui/TScriptedUserInterface.h"

namespace lur {
namespace {

using test::MemoryImage;
using test::NetworkConfig;
using test::SimPort;
using Form = TFormLNetController;
using Bytes = std::vector<std::uint8_t>;

constexpr std::array<std::uint8_t, 8> kModules = {1, 7, 3, 14, 0, 0, 0, 0};

sim::SimOptions Options() {
  sim::SimOptions options;
  options.modules = kModules;
  return options;
}

Bytes Range(int first, int last) {
  Bytes pages;
  for (int p = first; p <= last; ++p) pages.push_back(static_cast<std::uint8_t>(p));
  return pages;
}

// The pages in order, a page repeated by the link's attempts counted once.
Bytes Distinct(const Bytes& pages) {
  Bytes out;
  for (const auto p : pages) {
    if (out.empty() || out.back() != p) out.push_back(p);
  }
  return out;
}

Bytes Join(std::initializer_list<Bytes> parts) {
  Bytes all;
  for (const auto& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

struct LNetTest : ::testing::Test {
  LNetTest() {
    link.PortName = "COM1";
    NetworkConfig::Build(config);
    config.Lur.FullAccess = 1;
    // As after a read: the controller holds what memory holds.
    config.Reserv.SaveAll(config);
  }

  // The block dialog's script for the next opening; none closes it as it is.
  std::function<void(TFormMBMController&)> script;
  int Answer(MsgAnswer a) {
    ui.answers.push_back(a);
    return 0;
  }

  test::VirtualClock clock;
  SimPort line{clock, Options()};
  TScriptedUserInterface ui;
  TComPortClass link{line, clock};
  TConfiguration config;
  TServAddressing addressing{config.Serv};
  TSession session{config, link, ui, addressing};
  TFormMBMController mbmForm{session};
  TModalFunction<TFormMBMController> mbmWindow{[this](TFormMBMController& f) {
    if (script) script(f);
    return f.FormCloseQuery();
  }};
  TMBMBlockDialog blockDialog{mbmForm, mbmWindow};
  Form form{session, &blockDialog, nullptr};
};

TEST_F(LNetTest, EachModeShowsItsCaptionGroupAndButtons) {
  config.MBM.SetSpeed(2);
  config.MBM.SetFrame(1);
  struct Case {
    TLNetMode mode;
    const char* caption;
    bool g1, g2, g3;
  };
  const Case cases[] = {
      {TLNetMode::Functions, "Локальная сеть RS-485 ModBus ф1,ф2,ф3,ф4", true, false, false},
      {TLNetMode::Exchange, "Локальная сеть RS-485", false, true, false},
      {TLNetMode::F15, "Локальная сеть RS-485 ModBus ф15", false, false, true},
  };
  for (const auto& c : cases) {
    form.FormShow(c.mode);
    EXPECT_EQ(form.caption, c.caption);
    EXPECT_EQ(form.groupBox1Visible, c.g1);
    EXPECT_EQ(form.groupBox2Visible, c.g2);
    EXPECT_EQ(form.groupBox3Visible, c.g3);
  }
  EXPECT_EQ(form.buttons[0], "Ф1");
  EXPECT_EQ(form.buttons[1], "Ф3");
  EXPECT_EQ(form.buttons[2], "Ф2");
  EXPECT_EQ(form.buttons[3], "");
  EXPECT_EQ(form.buttons15[0], "Ф15");
  EXPECT_EQ(form.buttons15[1], "");
  EXPECT_EQ(form.skor, 2);
  EXPECT_EQ(form.parit, 1);
  EXPECT_FALSE(form.labelFileVisible);
}

TEST_F(LNetTest, DeletingABlockMovesTheFollowingBlocksAndEveryReference) {
  form.FormShow(TLNetMode::Functions);
  form.ButtonRightClick(0);
  form.DeleteBlClick();

  // Block 0 (8 discrete entries from 36) went: the others move down a place.
  EXPECT_EQ(config.MBM.GetKodF(0), 3);
  EXPECT_EQ(config.MBM.GetStAddr_Beg1(0), 36);
  EXPECT_EQ(config.MBM.GetStAddr_Beg2(0), 6);
  EXPECT_EQ(config.MBM.GetKodF(1), 2);
  EXPECT_EQ(config.MBM.GetStAddr_Beg1(1), 60);
  EXPECT_EQ(config.MBM.GetKodF(2), 0);
  EXPECT_EQ(form.buttons[0], "Ф3");
  EXPECT_EQ(form.buttons[2], "");
  EXPECT_EQ(config.Serv.GetProcessedDiscreteCount(), 68);
  EXPECT_EQ(config.Serv.GetProcessedAnalogCount(), 12);
  // References to the removed entries become 0, those after move by 8.
  EXPECT_EQ(NetworkConfig::Refs(config, 0), (std::array<int, 4>{5, 0, 37, 62}));
  EXPECT_EQ(NetworkConfig::F15Refs(config), (std::array<int, 5>{0, 0, 37, 62, 200}));
  EXPECT_EQ(config.Serv.GetInputTexts()[61], config.Reserv.ResInputTexts[69]);
  EXPECT_EQ(config.MBM.BaseRewrite, 1);
  EXPECT_EQ(config.MBM.TableClean, 0);
  EXPECT_EQ(config.FB.FBToWrite, 1);
  EXPECT_EQ(config.F15.F15Changed, 1);
}

TEST_F(LNetTest, DeletingAnEmptyBlockChangesNothing) {
  form.FormShow(TLNetMode::Functions);
  const MemoryImage before(config);
  EXPECT_FALSE(form.DeleteBlock(5));
  EXPECT_TRUE(MemoryImage(config) == before);
  EXPECT_EQ(config.MBM.TableClean, 1);
  EXPECT_EQ(config.MBM.BaseRewrite, 0);
  EXPECT_TRUE(form.FormCloseQuery());
  EXPECT_TRUE(ui.shown.empty());
  EXPECT_TRUE(line.PagesWritten().empty());
}

TEST_F(LNetTest, YesAfterADeleteWritesTheChangedPagesInOrderAndPauses) {
  form.FormShow(TLNetMode::Functions);
  form.DeleteBlock(0);
  std::vector<bool> indicator;
  form.indicatorChanged = [&] { indicator.push_back(form.indicatorVisible); };
  Answer(MsgAnswer::Yes);
  const auto start = clock.NowMs();
  ASSERT_TRUE(form.FormCloseQuery());

  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].text, "База  была изменена. Передать в прибор?");
  EXPECT_EQ(ui.shown[0].caption, "Подтвердите передачу данных ");
  EXPECT_EQ(ui.shown[0].buttons, MsgButtons::YesNoCancel);
  EXPECT_EQ(ui.shown[0].defaultAnswer, MsgAnswer::No);
  // The network starts at entry 36, so base pages from 13 and text pages
  // from 42; the function block page the moves changed, then the
  // function-15 page. The network groups, the relay and the regulator pages
  // did not change and are not sent.
  EXPECT_EQ(line.PagesWritten(), Join({{0x0A}, Range(13, 19), Range(42, 51), {20}, {0x0B}}));
  EXPECT_EQ(line.Page(0x0B)[8], 0);
  EXPECT_EQ(line.Page(0x0B)[10], 37);
  EXPECT_EQ(line.Page(0x0A)[0], 3);  // the former block 1 in place 0
  EXPECT_GE(clock.NowMs() - start, Form::kPauseMs);
  EXPECT_EQ(indicator, (std::vector<bool>{true, false}));
  EXPECT_FALSE(ui.progressVisible);
  EXPECT_EQ(form.Result(), kModalOk);
  // Everything confirmed: flags clear, the reserve holds what was sent.
  EXPECT_EQ(config.MBM.TableClean, 1);
  EXPECT_EQ(config.MBM.GroupsClean, 1);
  EXPECT_EQ(config.MBM.BaseRewrite, 0);
  EXPECT_EQ(config.FB.FBToWrite, 0);
  EXPECT_EQ(config.F15.F15Changed, 0);
  EXPECT_EQ(config.Reserv.ResMBMHead, config.MBM.GetTable());
  EXPECT_EQ(config.Reserv.ResF15, config.F15.GetTable());
  EXPECT_EQ(config.Reserv.ResDiscreteCount, 68);
  EXPECT_EQ(config.Reserv.ResFB[0], config.FB.GetRecord(0));
  EXPECT_FALSE(NetworkChanges(config));
}

TEST_F(LNetTest, DeletingAnAnalogBlockAlsoWritesTheGroupsAndTheRegulatorPages) {
  form.FormShow(TLNetMode::Functions);
  form.DeleteBlock(1);
  // Regulator record 1 controlled analog 8, a value of the removed block.
  EXPECT_EQ(config.Reg.RegModified, 1);
  EXPECT_EQ(config.MBM.GroupsClean, 0);
  Answer(MsgAnswer::Yes);
  ASSERT_TRUE(form.FormCloseQuery());
  // One analog module: the network groups are pages 2..8.
  EXPECT_EQ(line.PagesWritten(),
            Join({Range(2, 8), {0x0A}, Range(13, 19), Range(42, 51), {20}, {0x20, 0x21}, {0x0B}}));
  EXPECT_EQ(config.Reg.RegModified, 0);
  EXPECT_EQ(config.Reserv.ResReg, config.Reg.GetFileBlock());
  EXPECT_EQ(config.Reserv.ResMBM[0], config.MBM.GetGroup(0));
  EXPECT_EQ(config.MBM.GroupsClean, 1);
}

TEST_F(LNetTest, NoPutsBackTheStateTheWindowWasShownWith) {
  const MemoryImage before(config);
  form.FormShow(TLNetMode::Functions);
  form.DeleteBlock(1);
  Answer(MsgAnswer::No);
  ASSERT_TRUE(form.FormCloseQuery());
  EXPECT_TRUE(MemoryImage(config) == before);
  EXPECT_EQ(config.MBM.TableClean, 1);
  EXPECT_EQ(config.MBM.BaseRewrite, 0);
  EXPECT_EQ(config.FB.FBToWrite, 0);
  EXPECT_EQ(config.F15.F15Changed, 0);
  EXPECT_EQ(config.Reg.RegModified, 0);
  EXPECT_TRUE(line.PagesWritten().empty());
  // The second stage asks nothing: the function-15 change was the moves'.
  EXPECT_EQ(ui.shown.size(), 1u);
}

TEST_F(LNetTest, CancelKeepsTheWindowOpenAndTheChange) {
  form.FormShow(TLNetMode::Functions);
  form.DeleteBlock(0);
  Answer(MsgAnswer::Cancel);
  EXPECT_FALSE(form.FormCloseQuery());
  EXPECT_EQ(config.MBM.GetKodF(0), 3);
  EXPECT_EQ(config.MBM.TableClean, 0);
}

TEST_F(LNetTest, AFailurePartWayKeepsWhatWasNotConfirmedMarked) {
  form.FormShow(TLNetMode::Functions);
  form.DeleteBlock(0);
  const MemoryImage edited(config);
  line.FailPage(0x45, 14, test::ExceptionAnswer(4));
  Answer(MsgAnswer::Yes);
  ASSERT_TRUE(form.FormCloseQuery());

  EXPECT_EQ(Distinct(line.PagesWritten()), Join({{0x0A}, {13, 14}}));
  EXPECT_TRUE(MemoryImage(config) == edited);
  EXPECT_EQ(config.MBM.TableClean, 1);  // the table was confirmed
  EXPECT_EQ(config.MBM.BaseRewrite, 1);
  EXPECT_EQ(config.FB.FBToWrite, 1);
  EXPECT_EQ(config.F15.F15Changed, 1);
  // Only the confirmed base page is in the reserve.
  EXPECT_EQ(config.Reserv.ResDiskr[24], config.Lur.GetRecords()[24]);
  EXPECT_NE(config.Reserv.ResInputTexts[61], config.Serv.GetInputTexts()[61]);
  EXPECT_FALSE(ui.progressVisible);
  // The main window sees the change as one the controller does not hold.
  EXPECT_TRUE(UnsentEditorChanges(config));

  // Shown again, the pending change is offered and goes this time.
  line.ClearFaults();
  line.ForgetRequests();
  line.writeOrder.clear();
  form.FormShow(TLNetMode::Functions);
  Answer(MsgAnswer::Yes);
  ASSERT_TRUE(form.FormCloseQuery());
  EXPECT_EQ(line.PagesWritten(), Join({{0x0A}, Range(13, 19), Range(42, 51), {20}, {0x0B}}));
  EXPECT_EQ(config.MBM.BaseRewrite, 0);
  EXPECT_EQ(config.FB.FBToWrite, 0);
  EXPECT_EQ(config.F15.F15Changed, 0);
}

TEST_F(LNetTest, OnlyTheSpeedChangedWritesTheExchangeTableAlone) {
  form.FormShow(TLNetMode::Exchange);
  form.SkorClick(3);
  form.ParitClick(2);
  EXPECT_EQ(config.MBM.SettingsChanged, 1);
  EXPECT_EQ(config.MBM.GetTableByte(193), (3 << 2) | 2);
  Answer(MsgAnswer::Yes);
  ASSERT_TRUE(form.FormCloseQuery());
  EXPECT_EQ(line.PagesWritten(), Bytes{0x0A});
  EXPECT_EQ(line.Page(0x0A)[192], (3 << 2) | 2);
  EXPECT_EQ(config.MBM.SettingsChanged, 0);
}

TEST_F(LNetTest, SettingsWithoutAChoiceAreRefusedWithResult6) {
  form.FormShow(TLNetMode::Exchange);
  form.SkorClick(1);
  form.parit = Form::kNoChoice;
  Answer(MsgAnswer::Yes);
  ASSERT_TRUE(form.FormCloseQuery());
  EXPECT_EQ(form.Result(), kModalError);
  ASSERT_EQ(ui.shown.size(), 2u);
  EXPECT_EQ(ui.shown[1].text, "ошибка настроек обмена");
  EXPECT_EQ(ui.shown[1].caption, "");
  EXPECT_EQ(ui.shown[1].icon, MsgIcon::None);
  EXPECT_TRUE(line.PagesWritten().empty());
  EXPECT_EQ(config.MBM.SettingsChanged, 1);
}

TEST_F(LNetTest, AtTheLimitedLevelNothingIsSentAndTheChangeStaysMarked) {
  config.Lur.FullAccess = 0;
  form.FormShow(TLNetMode::Functions);
  form.DeleteBlock(0);
  Answer(MsgAnswer::Yes);
  ASSERT_TRUE(form.FormCloseQuery());
  EXPECT_TRUE(line.PagesWritten().empty());
  EXPECT_EQ(config.MBM.TableClean, 0);
  EXPECT_EQ(config.MBM.BaseRewrite, 1);
  EXPECT_EQ(config.F15.F15Changed, 1);
}

TEST_F(LNetTest, FileModeMarksTheConfigurationAndAsksNothing) {
  config.Serv.FileMode = 1;
  form.FormShow(TLNetMode::Functions);
  EXPECT_TRUE(form.labelFileVisible);
  form.DeleteBlock(2);
  ASSERT_TRUE(form.FormCloseQuery());
  EXPECT_TRUE(ui.shown.empty());
  EXPECT_EQ(config.Serv.Modified, 1);
  EXPECT_TRUE(line.PagesWritten().empty());
}

TEST_F(LNetTest, ARejectedBlockIsReportedAndMarkedAndMemoryKept) {
  form.FormShow(TLNetMode::Functions);
  const MemoryImage before(config);
  form.ButtonClick(4);  // an empty block closed without a type
  ASSERT_FALSE(ui.shown.empty());
  EXPECT_EQ(ui.shown.back().text, "программирование закончено с ошибкой ");
  EXPECT_EQ(ui.shown.back().caption, "Ошибка");
  EXPECT_EQ(ui.shown.back().icon, MsgIcon::Error);
  EXPECT_EQ(form.BlockError(4), 1);
  EXPECT_TRUE(MemoryImage(config) == before);
}

TEST_F(LNetTest, AnAcceptedCreationIsWrittenAndNoPutsItBack) {
  const MemoryImage before(config);
  script = [](TFormMBMController& f) {
    f.TipUstrClick(5);
    f.CBoxKodFClick(1);
    f.EditChange(TMBMField::EditUstr, "7");
    f.EditChange(TMBMField::EditKolVh, "4");
    f.EditChange(TMBMField::EditKolDat, "4");
    f.EditChange(TMBMField::EditAdBegDat, "0000");
  };
  form.FormShow(TLNetMode::Functions);
  form.ButtonClick(3);
  ASSERT_EQ(config.MBM.GetKodF(3), 2);
  EXPECT_EQ(form.buttons[3], "Ф2");
  EXPECT_EQ(form.BlockError(3), 0);
  EXPECT_EQ(config.MBM.TableClean, 0);
  EXPECT_EQ(config.MBM.BaseRewrite, 1);
  Answer(MsgAnswer::No);
  ASSERT_TRUE(form.FormCloseQuery());
  EXPECT_TRUE(MemoryImage(config) == before);

  form.FormShow(TLNetMode::Functions);
  form.ButtonClick(3);
  Answer(MsgAnswer::Yes);
  ASSERT_TRUE(form.FormCloseQuery());
  EXPECT_EQ(line.PagesWritten(), Join({{0x0A}, Range(13, 19), Range(42, 51)}));
  EXPECT_EQ(line.Page(0x0A)[12 * 3], 2);
}

TEST(LNetPages, TheNetworkPagesStartWhereTheNetworkStarts) {
  struct Case {
    std::array<std::uint8_t, 8> modules;
    int start, basePage, textPage;
  };
  const Case cases[] = {
      {{1, 0, 0, 0, 0, 0, 0, 0}, 12, 0, 0},     // below 24: from pages 12 and 40
      {{1, 1, 0, 0, 0, 0, 0, 0}, 24, 1, 1},     // pages 13 and 41
      {{1, 7, 0, 0, 0, 0, 0, 0}, 36, 1, 2},     // pages 13 and 42
      {{7, 7, 7, 7, 7, 7, 7, 7}, 192, 8, 12},  // no network page at all
  };
  for (const auto& c : cases) {
    TConfiguration cfg;
    std::array<std::uint8_t, 15> id{};
    for (std::size_t s = 0; s < 8; ++s) id[1 + s] = c.modules[s];
    ASSERT_TRUE(cfg.Serv.SetIdentityFromBytes(id));
    EXPECT_EQ(lnet_pages::NetworkStart(cfg), c.start);
    EXPECT_EQ(lnet_pages::FirstBasePage(cfg), c.basePage) << c.start;
    EXPECT_EQ(lnet_pages::FirstTextPage(cfg), c.textPage) << c.start;
  }
}

TEST_F(LNetTest, DeletingAFunction15BlockIsWrittenOnceInTheSecondStage) {
  form.FormShow(TLNetMode::F15);
  form.LocNet15RightClick(0);
  form.DeleteBl15Click();
  EXPECT_EQ(config.F15.GetKodF(0), 0);
  EXPECT_EQ(NetworkConfig::F15Refs(config), (std::array<int, 5>{}));
  EXPECT_EQ(form.buttons15[0], "");
  EXPECT_EQ(config.F15.F15Changed, 1);

  line.FailPage(0x45, 0x0B, test::ExceptionAnswer(4));
  Answer(MsgAnswer::Yes);
  ASSERT_TRUE(form.FormCloseQuery());
  EXPECT_EQ(config.F15.F15Changed, 1);  // the failed write is not forgotten
  line.ClearFaults();
  line.ForgetRequests();

  form.FormShow(TLNetMode::F15);
  Answer(MsgAnswer::Yes);
  ASSERT_TRUE(form.FormCloseQuery());
  EXPECT_EQ(line.PagesWritten(), Bytes{0x0B});
  EXPECT_EQ(config.F15.F15Changed, 0);
  EXPECT_EQ(config.Reserv.ResF15, config.F15.GetTable());
}

TEST_F(LNetTest, NoToTheFunction15QuestionPutsTheBlockBack) {
  const auto table = config.F15.GetTable();
  form.FormShow(TLNetMode::F15);
  form.DeleteBlock15(0);
  Answer(MsgAnswer::No);
  ASSERT_TRUE(form.FormCloseQuery());
  EXPECT_EQ(config.F15.GetTable(), table);
  EXPECT_EQ(config.F15.F15Changed, 0);
  EXPECT_TRUE(line.PagesWritten().empty());
}

}  // namespace
}  // namespace lur

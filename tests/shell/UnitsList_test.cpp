#include <gtest/gtest.h>

#include <memory>

#include "../link/ScriptedPort.h"
#include "link/TComPortClass.h"
#include "model/Cp1251.h"
#include "shell/TShellContext.h"
#include "shell/TUnitsList.h"
#include "ui/TScriptedUserInterface.h"

namespace lur {
namespace {

struct UnitsFixture : ::testing::Test {
  test::VirtualClock clock;
  test::ScriptedPort port{clock};
  TScriptedUserInterface ui;
  TComPortClass link{port, clock};
  std::unique_ptr<TConfiguration> config = std::make_unique<TConfiguration>();
  TMainState state;
  TShellContext context{*config, link, ui, state, [] {}, [] {}};
  TUnitsList units{context};

  UnitsFixture() {
    config->MBA.SetDefaultUnits();
    units.Refresh();
  }
  // The write of page 35 and the completion poll, both confirmed.
  void ControllerConfirmsOneWrite() {
    port.replies.push_back(test::WithCrc({1, 0x45, 1, 35}));
    port.replies.push_back(test::WithCrc({1, 14}));
  }
  int PageWrites() const {
    int n = 0;
    for (const auto& f : port.written) n += f.bytes.size() > 2 && f.bytes[1] == 0x45;
    return n;
  }
  std::string Unit(int i) const { return Cp1251ToUtf8(config->MBA.GetUnitText(i)); }
};

TEST_F(UnitsFixture, RefreshShowsEntriesUpToTheirFirstBlank) {
  config->MBA.SetUnitText(Utf8ToCp1251("м с"), 3);
  units.CBoxRazmChangeClick(5);
  units.Refresh();
  ASSERT_EQ(state.units.size(), 16u);
  EXPECT_EQ(state.units[0], "град.С");
  EXPECT_EQ(state.units[3], "м");
  EXPECT_EQ(state.units[4], "кг/cм2");
  EXPECT_EQ(state.unitIndex, 0);
  EXPECT_EQ(config->MBA.UnitIndex, 0);
}

TEST_F(UnitsFixture, RenamingInControllerModeWritesPage35Once) {
  config->Lur.FullAccess = 1;
  ControllerConfirmsOneWrite();
  units.CBoxRazmChangeClick(5);  // "атм"
  units.ButRazmClick("бар", true);
  EXPECT_TRUE(ui.shown.empty());
  EXPECT_EQ(PageWrites(), 1);
  const auto& frame = port.written.front().bytes;
  ASSERT_EQ(frame.size(), 2u + 97u + 2u);
  EXPECT_EQ(frame[2], 35);
  // Entry 5 is "бар" and three blanks, in Windows-1251.
  const std::string sent(frame.begin() + 3 + 5 * 6, frame.begin() + 3 + 6 * 6);
  EXPECT_EQ(sent, Utf8ToCp1251("бар") + "   ");
  EXPECT_EQ(state.units[5], "бар");
  EXPECT_EQ(config->Reserv.ResUnits, config->MBA.GetUnits());
  EXPECT_EQ(config->Serv.Modified, 0);
}

TEST_F(UnitsFixture, ATypedTextKeepsAtMostSixCharacters) {
  config->Serv.FileMode = 1;
  units.CBoxRazmChangeClick(2);
  units.ButRazmClick("кгс/см2", true);
  EXPECT_EQ(Unit(2), "кгс/см");
  EXPECT_EQ(state.units[2], "кгс/см");
  EXPECT_EQ(config->Serv.Modified, 1);
  EXPECT_TRUE(port.written.empty());
}

TEST_F(UnitsFixture, ASelectedEntryUnchangedChangesNothing) {
  config->Serv.FileMode = 1;
  const auto before = config->MBA.GetUnits();
  units.CBoxRazmChangeClick(7);
  units.ButRazmClick("1/с", false);
  EXPECT_EQ(config->MBA.GetUnits(), before);
  EXPECT_EQ(config->MBA.UnitsChanged, 0);
}

TEST_F(UnitsFixture, AnEmptyTextIsRefused) {
  config->Serv.FileMode = 1;
  units.ButRazmClick("", true);
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].text, "Ошибочно введена размерность");
  EXPECT_EQ(ui.shown[0].caption, "Ошибка");
  EXPECT_EQ(ui.shown[0].icon, MsgIcon::Error);
  EXPECT_EQ(config->Serv.Modified, 0);
}

TEST_F(UnitsFixture, DefaultsAtTheLimitedLevelStayInMemory) {
  config->MBA.SetUnitText("x", 0);
  units.ButDefaultClick();
  EXPECT_EQ(Unit(0), "град.С");
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].text, "Ваш уровень доступа не позволяет\nпроизводить вывод в СОМ-порт");
  EXPECT_EQ(ui.shown[0].caption, "Предупреждение");
  EXPECT_EQ(ui.shown[0].icon, MsgIcon::Warning);
  EXPECT_TRUE(port.written.empty());
}

TEST_F(UnitsFixture, DefaultsInFileModeMarkTheFileModified) {
  config->Serv.FileMode = 1;
  config->MBA.SetUnitText("x", 15);
  units.ButDefaultClick();
  EXPECT_EQ(state.units[15], "резерв");
  EXPECT_EQ(config->Serv.Modified, 1);
  EXPECT_TRUE(port.written.empty());
  EXPECT_TRUE(ui.shown.empty());
}

TEST_F(UnitsFixture, AFailedWriteIsReportedAndLeavesTheListAsShown) {
  config->Lur.FullAccess = 1;
  link.SetRetriesStage1(1);
  units.CBoxRazmChangeClick(5);
  units.ButRazmClick("бар", true);  // the controller stays silent
  ASSERT_FALSE(ui.shown.empty());
  EXPECT_EQ(ui.shown.back().text, link.ErrorText(0, kResultNoAnswer));
  // Not refreshed: the field still offers the entry being renamed.
  EXPECT_EQ(state.unitIndex, 5);
  EXPECT_EQ(state.units[5], "атм");
}

}  // namespace
}  // namespace lur

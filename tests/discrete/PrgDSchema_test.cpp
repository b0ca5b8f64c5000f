#include <gtest/gtest.h>

#include "discrete/PrgDFixture.h"

namespace lur::test {
namespace {

using A = TFormPrgDAction;

// ---- showing and rebuilding ----------------------------------------------------------

TEST(PrgDShowing, FirstShowingRebuildsFromMemoryAndSendsNothing) {
  PrgDFixture f;
  f.Record(0, {0xA3, 0, 0, 0, 0, 0, 0, 0});
  f.Record(7, {0x20, 0, 0x02, 0, 0, 0, 0, 0});
  f.addressing.SetAddressIndex(4);
  f.config.Lur.PrgDShown = 0;
  f.prgd.FormShow();
  EXPECT_EQ(f.Rows(), (std::vector<int>{0, 7}));
  EXPECT_EQ(f.prgd.Caption(), "Программирование обработки дискретных входов ЛУР-05 устройство 5");
  EXPECT_FALSE(f.prgd.LabelFileShown());
  EXPECT_EQ(f.config.Lur.PrgDShown, 1);
  EXPECT_EQ(f.config.Lur.SchemaSet, 1);
  EXPECT_TRUE(f.line.requests.empty());
  EXPECT_TRUE(f.ui.shown.empty());
  EXPECT_EQ(f.prgd.EditModif(), "11733000");
  EXPECT_EQ(f.prgd.TipModInd(), "12+ЖКИ(4х20)");
}

TEST(PrgDShowing, FileModeRebuildsWithTheFileLabelAndTheCaptionKept) {
  PrgDFixture f;
  f.config.Serv.FileMode = 1;
  f.Record(2, {0x20, 0, 0, 0, 0, 0, 3, 0});
  f.prgd.FormShow();
  EXPECT_EQ(f.Rows(), std::vector<int>{2});
  EXPECT_TRUE(f.prgd.LabelFileShown());
  EXPECT_EQ(f.prgd.Caption(), "Программирование обработки дискретных входов");
  // Later reads of the editor do nothing in file mode.
  f.Record(3, {0x20, 0, 0, 0, 0, 0, 3, 0});
  f.prgd.InPortClick();
  EXPECT_EQ(f.Rows(), std::vector<int>{2});
  EXPECT_TRUE(f.line.requests.empty());
}

TEST(PrgDRebuild, RowsInSignalOrderWithTheirBlocksAndRepairs) {
  // Display type 3: 6 cells; two relay modules.
  PrgDFixture f({1, 1, 7, 3, 3, 0, 0, 0}, 3);
  f.Record(1, {0x20, 0, 0, 0, 0, 0, 0x80, 0});          // archived only: no handler
  f.Record(4, {0x09, 0, 0, 0, 0, 0, 0, 0});             // a cell without signalling: no handler
  f.Record(5, {0x89, 0, 0, 0, 0, 0, 0, 0});             // alarm on cell 9 of 6: repaired, then empty
  f.Record(9, {0x45, 0x81, 0x02, 0, 0x10, 0, 0x4A, 0}); // everything; module 4's byte beyond the modules
  f.Record(12, {0x20, 0, 0, 0, 0, 0x01, 0, 0});         // only module 5: a relay block that ends empty
  f.Record(47, {0xC6, 0, 0, 0, 0, 0, 0, 0});            // indication on cell 6
  f.Record(48, {0xC1, 0, 0, 0, 0, 0, 0, 0});            // past the base
  f.prgd.FormShow();
  EXPECT_EQ(f.Rows(), (std::vector<int>{5, 9, 12, 47}));
  EXPECT_EQ(f.config.Lur.NHandlers, 4);
  EXPECT_EQ(f.config.Lur.DiskrModified, 1);
  EXPECT_EQ(f.RecordOf(5), (TProgLurClass::Record{0x00, 0, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(f.RecordOf(9), (TProgLurClass::Record{0x45, 0x81, 0x02, 0, 0, 0, 0x4A, 0}));
  EXPECT_EQ(f.RecordOf(12), (TProgLurClass::Record{0x20, 0, 0, 0, 0, 0, 0, 0}));

  EXPECT_FALSE(f.Row(0).hasSign || f.Row(0).hasZader || f.Row(0).hasMR);
  const TSchemaRow& full = f.Row(1);
  EXPECT_TRUE(full.hasSign && full.hasZader && full.hasMR);
  EXPECT_EQ(full.tipS, 1);
  EXPECT_EQ(full.nTabS, 5);
  EXPECT_EQ(full.timeZ, 10);
  EXPECT_EQ(full.factor, 10);
  EXPECT_EQ(full.mrModules, 2);
  EXPECT_EQ(full.mr, (std::array<std::uint8_t, 5>{0x81, 0x02, 0, 0, 0}));
  EXPECT_TRUE(f.Row(2).hasMR);
  EXPECT_EQ(f.Row(3).tipS, 3);
  // The row without blocks is gone at the next rebuild.
  f.prgd.RebuildSchema();
  EXPECT_EQ(f.Rows(), (std::vector<int>{9, 47}));
  EXPECT_EQ(f.CurPos(), -1);
  EXPECT_EQ(f.CurSignal(), -1);
}

TEST(PrgDRebuild, NothingToRepairLeavesTheFlag) {
  PrgDFixture f;
  f.Record(3, {0x8C, 0x01, 0x80, 0, 0, 0, 0, 0});
  f.prgd.FormShow();
  EXPECT_EQ(f.config.Lur.DiskrModified, 0);
}

// ---- layout -------------------------------------------------------------------------

TEST(PrgDLayout, RowGeometryForTheFirstAndALaterRow) {
  PrgDFixture f;
  f.Record(2, {0x20, 0, 0, 0, 0, 0, 3, 0});
  f.Record(30, {0x20, 0, 0, 0, 0, 0, 3, 0});
  f.Record(31, {0x20, 0, 0, 0, 0, 0, 3, 0});
  f.config.Serv.SetInputText(Utf8ToCp1251("задвижка"), 31);
  f.prgd.FormShow();
  const TSchemaRow& first = f.Row(0);
  EXPECT_EQ(first.band, (TSchemaRect{0, 0, TFormPrgDController::kSchemaWidth, 54}));
  EXPECT_EQ(first.numberLabel.x, 2);
  EXPECT_EQ(first.numberLabel.y, 1);
  EXPECT_EQ(first.numberLabel.w, 202);
  EXPECT_EQ(first.textLabel.x, 1);
  EXPECT_EQ(first.textLabel.y, 19);
  EXPECT_EQ(first.contactButton.x, 182);
  EXPECT_EQ(first.contactButton.y, 6);
  EXPECT_EQ(first.archiveButton.y, 29);
  EXPECT_EQ(first.inputPanel, (TSchemaRect{212, 6, 90, 42}));
  EXPECT_EQ(first.zader, (TSchemaRect{522, 6, 42, 42}));
  ASSERT_EQ(first.markers.size(), 1u);
  EXPECT_EQ(first.markers[0], (TSchemaRect{515, first.line.y - 4, 9, 9}));
  EXPECT_EQ(first.line.x, 212);
  EXPECT_EQ(first.line.w, 522 - 212);
  // The blocks are centred on the line.
  EXPECT_EQ(first.zader.y + first.zader.h / 2, first.line.y + first.line.h / 2);

  const TSchemaRow& third = f.Row(2);
  EXPECT_EQ(third.band.y, 2 * 54);
  EXPECT_EQ(third.inputPanel, (TSchemaRect{212, 108 + 6, 90, 42}));
  EXPECT_EQ(third.zader.y, 108 + 6);
  EXPECT_EQ(third.markers[0].y, third.line.y - 4);
  EXPECT_EQ(third.numberText, "  № на схеме 3\n\n  № в базе 32");
  EXPECT_EQ(third.text, "  задвижка      ");
  EXPECT_EQ(third.identifier, f.config.Serv.GetInputId(31));
  EXPECT_EQ(third.hint, "номер входа  на схеме 3\nномер сигнала в базе 32 (адрес 0x1F)\nзадвижка      ");
  EXPECT_EQ(f.prgd.Layout().columnHeight, 4 * 54);
}

TEST(PrgDLayout, LineFollowsTheBlocksAsTheyComeAndGo) {
  PrgDFixture f;
  f.Record(0, {0x20, 0, 0, 0, 0, 0, 3, 0});
  f.prgd.FormShow();
  f.prgd.RowClick(0, false);
  f.sig.user = [](TFormSigController& d) {
    d.radioGroup1 = 2;
    d.edit1 = "04";
  };
  f.vyh.user = [](TFormVyhController& d) { d.OutputClick(0, 0); };
  const auto lineEnd = [&] { return f.Row(0).line.x + f.Row(0).line.w; };
  const auto markerXs = [&] {
    std::vector<int> xs;
    for (const TSchemaRect& m : f.Row(0).markers) xs.push_back(m.x);
    return xs;
  };
  EXPECT_EQ(lineEnd(), 522);
  f.prgd.CreatSignButClick();
  EXPECT_EQ(lineEnd(), 522);
  EXPECT_EQ(markerXs(), (std::vector<int>{395, 515}));
  f.prgd.CreatVyhButClick();
  EXPECT_EQ(lineEnd(), 622);
  EXPECT_EQ(markerXs(), (std::vector<int>{395, 515, 615}));
  EXPECT_EQ(f.Row(0).mrPanel, (TSchemaRect{622, 6, 200, 42}));
  // Deleting the middle block shortens nothing.
  f.prgd.DelZaderClick();
  EXPECT_EQ(lineEnd(), 622);
  EXPECT_EQ(f.Row(0).zader.w, 0);
  f.prgd.DelVyhClick();
  EXPECT_EQ(lineEnd(), 402);
  f.prgd.DelSignClick();
  EXPECT_EQ(f.Row(0).line.w, 90);
  EXPECT_TRUE(f.Row(0).markers.empty());
}

// ---- selection -------------------------------------------------------------------------

struct Selection : ::testing::Test {
  PrgDFixture f;
  Selection() {
    f.Handlers({1, 3, 5, 7});
    f.prgd.FormShow();
  }
  std::vector<int> SkyBlue() const {
    std::vector<int> rows;
    for (const TSchemaRow& r : f.prgd.Layout().rows)
      if (r.bandSelected) rows.push_back(r.position);
    return rows;
  }
};

TEST_F(Selection, ClickMakesTheRowCurrentAndMarksItAlone) {
  f.prgd.RowClick(1, false);
  f.prgd.RowClick(2, false);
  EXPECT_EQ(f.CurPos(), 2);
  EXPECT_EQ(f.CurSignal(), 5);
  EXPECT_EQ(f.Marked(), std::vector<int>{2});
  EXPECT_EQ(SkyBlue(), std::vector<int>{2});
  EXPECT_TRUE(f.Row(2).panelSelected);
  EXPECT_FALSE(f.Row(1).panelSelected);
}

TEST_F(Selection, CtrlClickOnTwoRowsWithAThirdCurrentSelectsAllThree) {
  f.prgd.RowClick(0, false);
  f.prgd.RowClick(2, true);
  f.prgd.RowClick(3, true);
  EXPECT_EQ(f.Marked(), (std::vector<int>{0, 2, 3}));
  EXPECT_EQ(SkyBlue(), (std::vector<int>{0, 2, 3}));
  EXPECT_EQ(f.config.Lur.NSelected, 3);
  EXPECT_EQ(f.CurPos(), -1);
  EXPECT_EQ(f.CurSignal(), -1);
  // Unmarking down to one row makes it current again.
  f.prgd.RowClick(2, true);
  f.prgd.RowClick(0, true);
  EXPECT_EQ(f.Marked(), std::vector<int>{3});
  EXPECT_EQ(f.CurPos(), 3);
  EXPECT_EQ(f.CurSignal(), 7);
  EXPECT_EQ(f.config.Lur.NSelected, 0);
}

TEST_F(Selection, CtrlClickUnmarkingTheCurrentRowLeavesNone) {
  f.prgd.RowClick(1, false);
  f.prgd.RowClick(1, true);
  EXPECT_EQ(f.CurPos(), -1);
  EXPECT_EQ(f.CurSignal(), -1);
  EXPECT_TRUE(f.Marked().empty());
  EXPECT_TRUE(SkyBlue().empty());
  EXPECT_EQ(f.config.Lur.NSelected, 0);
}

TEST_F(Selection, ClickOnTheEmptySchemaDropsEverything) {
  f.prgd.RowClick(1, false);
  f.config.Lur.CopyPos = 0;
  f.prgd.ScrollBox1Click();
  EXPECT_EQ(f.CurPos(), -1);
  EXPECT_EQ(f.CurSignal(), -1);
  EXPECT_TRUE(f.Marked().empty());
  EXPECT_TRUE(SkyBlue().empty());
  EXPECT_EQ(f.config.Lur.CopyPos, -1);
  // Clicks past the rows select nothing.
  f.prgd.RowClick(4, false);
  f.prgd.RowClick(-1, true);
  EXPECT_EQ(f.CurPos(), -1);
  EXPECT_TRUE(f.Marked().empty());
}

TEST_F(Selection, RightClickChoosesTheMenu) {
  using P = TFormPrgDController::TPopup;
  EXPECT_EQ(f.prgd.RightClick(1, true), P::Schema);
  f.prgd.RowClick(1, false);
  EXPECT_EQ(f.prgd.RightClick(1, true), P::Row);
  EXPECT_EQ(f.prgd.RightClick(1, false), P::Row);
  EXPECT_EQ(f.prgd.RightClick(2, true), P::Schema);
  EXPECT_EQ(f.prgd.RightClick(-1, false), P::Schema);
}

// The Row menu's items for a selection: which of the per-row items are on.
struct MenuCase {
  const char* what;
  std::function<void(PrgDFixture&)> select;
  std::vector<A> enabled;  // of kPerRow
};

TEST(PrgDRowMenu, ItemsEnabledPerSelection) {
  const std::vector<A> kPerRow = {A::AInfAnalog, A::AChange, A::ABSign,   A::ABZader,   A::ABVyh,
                                  A::ASign,      A::AZader,  A::ABlVyh,   A::ADelSign,  A::ADelZader,
                                  A::ADelVyh,    A::AArhiv,  A::AText};
  const MenuCase cases[] = {
      {"own discrete input with a delay", [](PrgDFixture& f) { f.prgd.RowClick(0, false); },
       {A::ABSign, A::ABVyh, A::AZader, A::ADelZader, A::AArhiv, A::AText}},
      {"analog limit with signalling and outputs", [](PrgDFixture& f) { f.prgd.RowClick(1, false); },
       {A::AInfAnalog, A::ABZader, A::ASign, A::ABlVyh, A::ADelSign, A::ADelVyh, A::AArhiv, A::AText}},
      {"one row copied before",
       [](PrgDFixture& f) {
         f.prgd.RowClick(1, false);
         f.prgd.PMenu2CopClick();
         f.prgd.RowClick(0, false);
       },
       {A::AChange, A::ABSign, A::ABVyh, A::AZader, A::ADelZader, A::AArhiv, A::AText}},
      {"a group",
       [](PrgDFixture& f) {
         f.prgd.RowClick(0, false);
         f.prgd.RowClick(1, true);
       },
       {}},
  };
  for (const MenuCase& c : cases) {
    SCOPED_TRACE(c.what);
    PrgDFixture f;
    f.Record(2, {0x20, 0, 0, 0, 0, 0, 3, 0});
    f.Record(30, {0xC4, 0x10, 0, 0, 0, 0, 0, 0});
    f.prgd.FormShow();
    c.select(f);
    const int band = f.config.Lur.NSelected > 1 ? 1 : std::max(f.CurPos(), 0);
    ASSERT_EQ(f.prgd.RightClick(band, true), TFormPrgDController::TPopup::Row);
    std::vector<A> enabled;
    for (const A a : kPerRow)
      if (f.prgd.Actions().IsEnabled(a)) enabled.push_back(a);
    EXPECT_EQ(enabled, c.enabled);
    // The group items stay offered.
    EXPECT_TRUE(f.prgd.Actions().IsEnabled(A::ACopy));
    EXPECT_TRUE(f.prgd.Actions().IsEnabled(A::ADelChoose));
  }
}

TEST(PrgDRowMenu, WindowsNotYetRegisteredAreOff) {
  PrgDFixture f;
  TEditorRegistry none;
  TFormPrgDController bare{f.session, f.forms, f.windows, none};
  EXPECT_FALSE(bare.Actions().IsEnabled(A::AFB));
  EXPECT_FALSE(bare.Actions().IsEnabled(A::AInfVyh));
  EXPECT_FALSE(bare.InformButMRAvailable());
  EXPECT_TRUE(f.prgd.Actions().IsEnabled(A::AFB));
  EXPECT_TRUE(f.prgd.InformButMRAvailable());
  EXPECT_FALSE(f.prgd.Actions().IsEnabled(A::AInsertPaspGroup));
  EXPECT_TRUE(f.prgd.Actions().IsEnabled(A::AVhod));
}

}  // namespace
}  // namespace lur::test

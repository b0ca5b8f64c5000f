#include "loops/LoopAssembly.h"

#include <gtest/gtest.h>

#include <vector>

namespace lur {
namespace {

// One regulator record as the test names it: signal, role code, output code.
struct Rec {
  int anVh;
  int tReg;
  int adOut;
};

TProgRegClass Table(const std::vector<Rec>& recs, const std::vector<int>& setterRegs = {}) {
  TProgRegClass reg;
  for (std::size_t i = 0; i < recs.size(); ++i) {
    const int r = static_cast<int>(i);
    reg.SetAnVh(r, recs[i].anVh);
    reg.SetTReg(r, recs[i].tReg);
    reg.SetAdOUT(r, recs[i].adOut);
    reg.SetKp(r, std::to_string(r + 1));
  }
  for (std::size_t s = 0; s < setterRegs.size(); ++s) {
    reg.SetAReg(static_cast<int>(s), setterRegs[s]);
    reg.SetTimePZ(static_cast<int>(s), 0, static_cast<std::uint16_t>(100 + s));
  }
  return reg;
}

std::vector<Rec> Records(const TProgRegClass& reg) {
  std::vector<Rec> out;
  for (int r = 0; r < TProgRegClass::kRecords; ++r) out.push_back({reg.GetAnVh(r), reg.GetTReg(r), reg.GetAdOUT(r)});
  return out;
}

void ExpectRecords(const TProgRegClass& reg, const std::vector<Rec>& want) {
  const std::vector<Rec> got = Records(reg);
  for (std::size_t r = 0; r < got.size(); ++r) {
    const Rec w = r < want.size() ? want[r] : Rec{0, 0, 0};
    EXPECT_EQ(got[r].anVh, w.anVh) << "record " << r;
    EXPECT_EQ(got[r].tReg, w.tReg) << "record " << r;
    EXPECT_EQ(got[r].adOut, w.adOut) << "record " << r;
  }
}

// Record 0 a single loop, 1 a cascade's outer regulator driving record 2,
// 2 its inner regulator, 3 a loop with setter 0, which drives regulator 4.
TProgRegClass ThreeLoops() { return Table({{1, 1, 0}, {2, 1, 10}, {3, 9, 1}, {4, 16, 2}}, {4}); }

TEST(LoopAssembly, MapsThreeLoopsToPanels) {
  TProgRegClass reg = ThreeLoops();
  const std::vector<TLoopPanels> loops = BuildLoopMap(reg);
  ASSERT_EQ(loops.size(), 3u);
  EXPECT_EQ(reg.NLoops, 3);
  EXPECT_EQ(reg.NRegs, 4);
  EXPECT_EQ(reg.NPZ, 1);
  EXPECT_EQ((std::vector<int>{reg.PanelLoop.begin(), reg.PanelLoop.begin() + 4}), (std::vector<int>{0, 1, 1, 2}));
  EXPECT_EQ((std::vector<int>{reg.PanelReg.begin(), reg.PanelReg.begin() + 4}), (std::vector<int>{0, 1, 2, 3}));
  EXPECT_EQ(reg.PanelLoop[4], -1);
  EXPECT_EQ(reg.PZPanelLoop[0], 2);
  EXPECT_EQ(reg.PZPanelRec[0], 0);
  EXPECT_EQ(loops[1].innerPanel, 2);
  EXPECT_EQ(loops[2].setterPanel, 0);
  EXPECT_EQ(MainPanelOf(reg, 1), 1);
  EXPECT_EQ(MainPanelOf(reg, 2), 3);
  EXPECT_EQ(SetterPanelOf(reg, 2), 0);
  EXPECT_EQ(SetterPanelOf(reg, 0), -1);
  EXPECT_EQ(PanelTypeOf(reg, 0), TRegType::rtPID);
}

TEST(LoopAssembly, DeletingTheCascadeRenumbersTheSetterLoop) {
  TProgRegClass reg = ThreeLoops();
  DeleteLoop(reg, 1);
  ExpectRecords(reg, {{1, 1, 0}, {4, 16, 2}});
  EXPECT_EQ(reg.GetAReg(0), 2);
  EXPECT_EQ(reg.GetTimePZ(0, 0), 100);
  EXPECT_EQ(reg.GetKp(1), "4,0000");
  EXPECT_EQ(reg.RegModified, 1);
}

TEST(LoopAssembly, DeletingTheFirstLoopRenumbersTheCascade) {
  TProgRegClass reg = ThreeLoops();
  DeleteLoop(reg, 0);
  ExpectRecords(reg, {{2, 1, 9}, {3, 8, 1}, {4, 16, 2}});
  EXPECT_EQ(reg.GetAReg(0), 3);
}

TEST(LoopAssembly, DeletingSelectedLoopsEqualsDeletingThemOneAtATime) {
  TProgRegClass together = ThreeLoops();
  BuildLoopMap(together);
  together.Reg_Choose[0] = 1;
  together.Reg_Choose[3] = 1;
  together.N_Ctrl = 2;
  DeleteSelectedLoops(together);

  TProgRegClass single = ThreeLoops();
  DeleteLoop(single, 2);
  DeleteLoop(single, 0);
  ExpectRecords(together, Records(single));
  ExpectRecords(together, {{2, 1, 9}, {3, 8, 1}});
  EXPECT_EQ(together.GetAReg(0), 0);
  EXPECT_EQ(together.N_Ctrl, 0);
  EXPECT_EQ(together.NLoops, 1);
}

// Codes that name no record or records that do not point back.
TEST(LoopAssembly, OddRecordsNeverTouchAnotherLoop) {
  struct Case {
    const char* what;
    std::vector<Rec> records;
    int loops;
    int deleted;
    std::vector<Rec> after;
  };
  const std::vector<Case> cases = {
      // The inner record names another outer: the cascade shows alone, the
      // inner record is no loop of its own, and deleting the cascade keeps it.
      {"inner not pointing back", {{1, 1, 10}, {2, 1, 0}, {3, 9, 1}}, 2, 0, {{2, 1, 0}, {3, 8, 1}}},
      // An output code past the records names no inner.
      {"output code 14", {{1, 1, 14}, {2, 1, 0}}, 2, 0, {{2, 1, 0}}},
      // A gap is skipped; the loop after it is still found and deleted alone.
      {"gap", {{1, 1, 0}, {0, 0, 0}, {3, 1, 2}}, 2, 1, {{1, 1, 0}}},
      // An unknown role draws as a loop so that it can be deleted.
      {"role 5", {{1, 5, 0}, {2, 1, 1}}, 2, 0, {{2, 1, 1}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TProgRegClass reg = Table(c.records);
    EXPECT_EQ(static_cast<int>(BuildLoopMap(reg).size()), c.loops);
    DeleteLoop(reg, c.deleted);
    ExpectRecords(reg, c.after);
  }
}

TEST(LoopAssembly, UnpackedSettersKeepTheirOwnIndices) {
  // Setter loops on records 0 and 1 use setters 1 and 0, out of loop order.
  TProgRegClass reg = Table({{1, 17, 0}, {2, 16, 1}}, {2, 1});
  DeleteLoop(reg, 0);
  ExpectRecords(reg, {{2, 16, 1}});
  EXPECT_EQ(reg.GetAReg(0), 1);
  EXPECT_EQ(reg.GetTimePZ(0, 0), 100);
  EXPECT_EQ(reg.GetAReg(1), 0);
}

TEST(LoopAssembly, NewSlotFollowsTheLastRecordInUse) {
  TProgRegClass packed = ThreeLoops();
  BuildLoopMap(packed);
  const std::optional<TLoopSlot> slot = NewLoopSlot(packed);
  ASSERT_TRUE(slot);
  EXPECT_EQ(slot->loop, 4);
  EXPECT_EQ(slot->regulator, 5);
  EXPECT_EQ(slot->setter, 2);

  TProgRegClass gap = Table({{1, 1, 0}, {0, 0, 0}, {3, 16, 2}}, {3});
  BuildLoopMap(gap);
  ASSERT_TRUE(NewLoopSlot(gap));
  EXPECT_EQ(NewLoopSlot(gap)->regulator, 4);

  TProgRegClass full = Table({{1, 1, 0}, {2, 1, 1}, {3, 1, 2}, {4, 1, 3}, {5, 1, 4}, {6, 1, 5}});
  BuildLoopMap(full);
  EXPECT_FALSE(NewLoopSlot(full));
}

TEST(LoopAssembly, StoredCascadeAndSetterLoopsMapBack) {
  TProgRegClass reg = Table({{1, 1, 0}});
  reg.ScaleLow = 0;
  reg.ScaleHigh = 100;
  TLoopValues cascade;
  cascade.kind = 2;
  cascade.regulator = 2;
  cascade.anVh = 5;
  cascade.output = 3;
  cascade.params = {"2", "100", "0", "0", "100", "25"};
  cascade.innerAnVh = 6;
  cascade.innerDirection = 1;
  cascade.innerOutput = 4;
  cascade.innerParams = {"1,5", "3000", "0", "0", "100", "25"};
  StoreLoop(reg, cascade);
  ExpectRecords(reg, {{1, 1, 0}, {5, 1, 10}, {6, 9, 3}});
  EXPECT_EQ(reg.GetTOut(2), 1);
  EXPECT_EQ(reg.GetKp(2), "1,5000");
  EXPECT_EQ(reg.CurLoop, 1);
  EXPECT_EQ(reg.CurReg, 1);
  EXPECT_EQ(reg.Reg_Choose[static_cast<std::size_t>(reg.CurPanel)], 1);
  EXPECT_EQ(reg.RegModified, 1);

  TLoopValues setter;
  setter.kind = 3;
  setter.regulator = 4;
  setter.anVh = 7;
  setter.output = 5;
  setter.params = {"1", "3000", "0", "0", "100", "25"};
  setter.setter = 1;
  setter.aReg = 4;
  setter.times = {10, 20, 30, 40, 50, 65535};
  setter.values = {50, 100, -50, 0, 1, 2};
  StoreLoop(reg, setter);
  EXPECT_EQ(reg.GetTReg(3), 16);
  EXPECT_EQ(reg.GetAdOUT(3), 4);
  EXPECT_EQ(reg.GetAReg(0), 4);
  EXPECT_EQ(reg.GetTimePZ(0, 5), 65535);
  EXPECT_EQ(reg.GetValPZ(0, 0), 8191);
  EXPECT_EQ(reg.GetValPZ(0, 1), 16383);
  EXPECT_EQ(reg.GetValPZ(0, 2), -8191);
  EXPECT_EQ(reg.NLoops, 3);
  EXPECT_EQ(SetterPanelOf(reg, 2), 0);
}

}  // namespace
}  // namespace lur

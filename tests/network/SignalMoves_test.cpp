// The signal moves on their own: one rule for every table that names a
// signal, what a move marks, and the places a moving block leaves behind.
#include <gtest/gtest.h>

#include "NetworkFixture.h"
#include "model/Cp1251.h"
#include "network/moves/SignalMoves.h"

namespace lur {
namespace {

using test::NetworkConfig;

struct Moves : ::testing::Test {
  Moves() { NetworkConfig::Build(cfg); }
  TConfiguration cfg;
  TSignalMoveMarks marks;
};

TEST_F(Moves, InsertingDiscreteSignalsMovesEveryTableThatNamesThem) {
  // Four signals open after entry 43 (block 0's end).
  InsertDiscreteSignals(cfg, 44, 4, marks);
  EXPECT_EQ(NetworkConfig::Refs(cfg, 0), (std::array<int, 4>{5, 37, 49, 74}));
  EXPECT_EQ(NetworkConfig::F15Refs(cfg), (std::array<int, 5>{37, 41, 49, 74, 200}));
  EXPECT_EQ(cfg.MR.GetVxKvit(0, 0), 5);  // a local input stays
  EXPECT_EQ(cfg.Lur.GetRecByte(73, 6), 0x85);
  EXPECT_EQ(cfg.Lur.GetRecords()[44], TProgLurClass::kEmptyRecord);
  EXPECT_EQ(cfg.Serv.GetInputText(73), "B2E1" + std::string(10, ' '));
  EXPECT_EQ(cfg.Serv.GetInputText(44), Utf8ToCp1251("Дискр.сигн.045"));
  EXPECT_TRUE(marks.base && marks.fb && marks.f15);
  EXPECT_FALSE(marks.regulator || marks.channels || marks.relay[0]);
}

TEST_F(Moves, RemovedSignalsClearTheirReferencesAndLaterOnesMoveDown) {
  DeleteDiscreteSignals(cfg, 40, 4, marks);  // entries 40..43: signals 41..44
  EXPECT_EQ(NetworkConfig::Refs(cfg, 0), (std::array<int, 4>{5, 37, 41, 66}));
  EXPECT_EQ(NetworkConfig::F15Refs(cfg), (std::array<int, 5>{37, 0, 41, 66, 200}));
  EXPECT_EQ(cfg.Lur.GetRecByte(65, 6), 0x85);
  EXPECT_EQ(cfg.Lur.GetRecords()[191], TProgLurClass::kEmptyRecord);
  EXPECT_EQ(cfg.Serv.GetInputText(191), std::string(14, ' '));
}

TEST_F(Moves, NumbersPushedPastTheListNameNothing) {
  cfg.F15.SetSignal(1, 0, 190);
  cfg.F15.SetSignal(1, 1, 250);  // a block output: never moved
  cfg.MR.SetVhSbr(188, 1, 0);
  InsertDiscreteRefs(cfg, 44, 4, marks);
  EXPECT_EQ(cfg.F15.GetSignal(1, 0), 0);
  EXPECT_EQ(cfg.F15.GetSignal(1, 1), 250);
  EXPECT_EQ(cfg.MR.GetVhSbr(1, 0), 192);
  EXPECT_TRUE(marks.relay[0]);
}

TEST_F(Moves, RelayInputsOfRemovedLocalSignalsAreCleared) {
  cfg.MR.SetVxKvit(9, 2, 0);
  DeleteDiscreteRefs(cfg, 4, 4, marks);  // inputs 5..8 go
  EXPECT_EQ(cfg.MR.GetVxKvit(0, 0), 0);
  EXPECT_EQ(cfg.MR.GetVxKvit(2, 0), 5);
  EXPECT_TRUE(marks.relay[0]);
  MarkMovedTables(cfg, marks);
  EXPECT_EQ(cfg.MR.GetMrSent(3), 0);  // the relay module sits in slot 2
  EXPECT_EQ(cfg.MR.GetMrSent(1), 1);
}

TEST_F(Moves, ARegulatorWhoseVariableIsRemovedLosesItsLoop) {
  DeleteAnalogRefs(cfg, 6, 6, marks);  // analog 7..12 go
  EXPECT_EQ(cfg.Reg.UsedRegs(), 1);
  EXPECT_EQ(cfg.Reg.GetAnVh(0), 3);
  EXPECT_EQ(NetworkConfig::Refs(cfg, 1), (std::array<int, 4>{3, 0, 0, 0}));
  EXPECT_TRUE(marks.regulator && marks.fb);
  EXPECT_EQ(cfg.Reg.RegModified, 1);
}

TEST_F(Moves, ACascadeGoesWholeWhenItsInnerVariableIsRemoved) {
  // Record 1 becomes the outer regulator of a cascade whose inner (record 2)
  // controls analog 10; the outer one keeps its variable 8.
  cfg.Reg.SetAdOUT(1, TProgRegClass::kCascadeOutBase + 2);
  cfg.Reg.SetAnVh(2, 10);
  cfg.Reg.SetTReg(2, TProgRegClass::kCascadeInnerBase + 1);
  cfg.Reg.SetAdOUT(2, 2);
  DeleteAnalogRefs(cfg, 9, 1, marks);
  EXPECT_EQ(cfg.Reg.UsedRegs(), 1);
  EXPECT_EQ(cfg.Reg.GetAnVh(0), 3);
}

TEST_F(Moves, RegulatorsFollowInsertedAnalogSignals) {
  InsertAnalogRefs(cfg, 6, 2, marks);
  EXPECT_EQ(cfg.Reg.GetAnVh(0), 3);
  EXPECT_EQ(cfg.Reg.GetAnVh(1), 10);
  EXPECT_EQ(NetworkConfig::Refs(cfg, 1), (std::array<int, 4>{3, 9, 14, 0}));
}

TEST_F(Moves, AMoveThatChangesNothingMarksNothing) {
  InsertDiscreteRefs(cfg, 150, 2, marks);  // nothing names a signal after 150
  DeleteAnalogRefs(cfg, 40, 2, marks);
  EXPECT_FALSE(marks.Any());
  MarkMovedTables(cfg, marks);
  EXPECT_EQ(cfg.FB.FBToWrite, 0);
  EXPECT_EQ(cfg.F15.F15Changed, 0);
  EXPECT_EQ(cfg.MBM.BaseRewrite, 0);
  EXPECT_EQ(cfg.MBM.GroupsClean, 1);
}

TEST_F(Moves, AGrowingAnalogBlockKeepsItsLeadingValuesAndResetsItsChannels) {
  TBlockSpanChange change;
  change.discreteStart = 44;
  change.analogStart = 6;
  change.oldDiscrete = 24;
  change.newDiscrete = 32;
  change.keptDiscrete = 24;
  change.oldAnalog = 6;
  change.newAnalog = 8;
  change.keptAnalog = 6;
  cfg.MBM.SetPoz(6, "NEXT");  // the channel after the block
  MoveBlockSignals(cfg, change, marks);
  EXPECT_EQ(NetworkConfig::Refs(cfg, 0), (std::array<int, 4>{5, 37, 45, 78}));
  EXPECT_EQ(NetworkConfig::Refs(cfg, 1), (std::array<int, 4>{3, 7, 12, 0}));
  EXPECT_EQ(cfg.Reg.GetAnVh(1), 8);
  EXPECT_EQ(cfg.MBM.GetPoz(8), "NEXT    ");
  EXPECT_EQ(cfg.MBM.GetPoz(2), std::string(8, ' '));  // the block's channels take the defaults
  EXPECT_EQ(cfg.MBM.GetMax(7), "100,0000");
  EXPECT_TRUE(marks.channels);
}

}  // namespace
}  // namespace lur

#include "model/TReservBlocksClass.h"

#include <gtest/gtest.h>

#include <memory>
#include <type_traits>

#include "model/TProgF15Class.h"
#include "model/TProgFBClass.h"
#include "model/TProgLurClass.h"
#include "model/TProgMBAClass.h"
#include "model/TProgMBMClass.h"
#include "model/TProgMRClass.h"
#include "model/TProgRegClass.h"
#include "model/TServClass.h"

namespace lur {
namespace {

using R = TReservBlocksClass;

// Every area has the shape of the live table it mirrors: copying is plain
// assignment, never a byte count that could drift from the table's size.
template <class Area, class Live>
constexpr bool kSameShape = std::is_same_v<std::remove_cvref_t<Area>, Live>;
static_assert(kSameShape<decltype(R::ResMBA[0]), TProgMBAClass::Block>);
static_assert(kSameShape<decltype(R::ResMR), TProgMRClass::Block>);
static_assert(kSameShape<decltype(R::ResMBMHead), TProgMBMClass::Table>);
static_assert(kSameShape<decltype(R::ResMBM[0]), TProgMBMClass::Group>);
static_assert(kSameShape<decltype(R::ResF15), TProgF15Class::Table>);
static_assert(kSameShape<decltype(R::ResDiskr), TProgLurClass::Records>);
static_assert(kSameShape<decltype(R::ResInputTexts), TServClass::InputTextTable>);
static_assert(kSameShape<decltype(R::ResOutputTexts), TServClass::OutputTextTable>);
static_assert(kSameShape<decltype(R::ResUnits), TProgMBAClass::Units>);
static_assert(kSameShape<decltype(R::ResInputIds), TServClass::InputIdTable>);
static_assert(kSameShape<decltype(R::ResOutputIds), TServClass::OutputIdTable>);
static_assert(kSameShape<decltype(R::ResFB[0]), TProgFBClass::Record>);
static_assert(kSameShape<decltype(R::ResAlgName[0]), TProgFBClass::Name>);
static_assert(kSameShape<decltype(R::ResTipDat), TProgLurClass::TipDat>);
static_assert(kSameShape<decltype(R::ResReg), TProgRegClass::FileBlock>);

TEST(TReservBlocksClass, StartsEmpty) {
  const auto reserve = std::make_unique<TReservBlocksClass>();
  EXPECT_EQ(reserve->ResDiscreteCount, 0);
  EXPECT_EQ(reserve->ResNAlg, 0);
  for (const auto& id : reserve->ResInputIds) {
    for (const auto& slot : id) ASSERT_TRUE(slot.empty());
  }
  for (const auto& id : reserve->ResOutputIds) {
    for (const auto& slot : id) ASSERT_TRUE(slot.empty());
  }
  for (const auto& row : reserve->ResAlgFB) {
    for (int v : row) ASSERT_EQ(v, 0);
  }
  EXPECT_EQ(reserve->ResMBMHead, TProgMBMClass::Table{});
  EXPECT_EQ(reserve->ResReg, (std::array<std::uint8_t, 336>{}));
}

TEST(TReservBlocksClass, AlgorithmsCopyWithinTheReservedSquare) {
  auto fb = std::make_unique<TProgFBClass>();
  fb->SetAlgFB(0, 0, 5);
  fb->SetAlgFB(119, 119, 7);
  fb->SetAlgFB(120, 3, 9);  // the live table's spare row has no place in the reserve
  fb->SetAlgFB(3, 120, 9);
  fb->SetAlgHead(119, 119);
  fb->SetAlgName(119, "Насос");
  fb->NAlg = 2;

  auto reserve = std::make_unique<TReservBlocksClass>();
  reserve->SaveAlgorithms(*fb);
  EXPECT_EQ(reserve->ResAlgFB[0][0], 5);
  EXPECT_EQ(reserve->ResAlgFB[119][119], 7);
  EXPECT_EQ(reserve->ResAlgFB[3][119], fb->GetAlgFB(3, 119));
  EXPECT_EQ(reserve->ResAlgHead[119], 119);
  EXPECT_EQ(reserve->ResNAlg, 2);

  auto restored = std::make_unique<TProgFBClass>();
  restored->SetAlgFB(120, 3, 44);
  reserve->RestoreAlgorithms(*restored);
  EXPECT_EQ(restored->GetAlgFB(119, 119), 7);
  EXPECT_EQ(restored->GetAlgFB(0, 0), 5);
  EXPECT_EQ(restored->GetAlgHead(119), 119);
  EXPECT_EQ(restored->GetAlgName(119), fb->GetAlgName(119));
  EXPECT_EQ(restored->NAlg, 2);
  EXPECT_EQ(restored->GetAlgFB(120, 3), 44);  // spare entries are not the reserve's

  reserve->ClearAlgorithms();
  EXPECT_EQ(reserve->ResAlgFB[119][119], 255);
  EXPECT_EQ(reserve->ResAlgHead[0], 255);
  TReservBlocksClass::AlgName blanks;
  blanks.fill(' ');
  EXPECT_EQ(reserve->ResAlgName[7], blanks);
  EXPECT_EQ(reserve->ResNAlg, 0);
}

TEST(TReservBlocksClass, FunctionBlockRecordsUpToTheActiveCount) {
  auto fb = std::make_unique<TProgFBClass>();
  for (int i = 0; i < 120; ++i) {
    TProgFBClass::Record record{};
    record.fill(static_cast<std::uint8_t>(i + 1));
    fb->SetRecord(i, record);
  }
  auto reserve = std::make_unique<TReservBlocksClass>();
  reserve->SaveFB(*fb, 60);
  EXPECT_EQ(reserve->ResFB[59][0], 60);
  EXPECT_EQ(reserve->ResFB[60], TProgFBClass::Record{});
  reserve->SaveFB(*fb, 500);  // never past the 120 records
  EXPECT_EQ(reserve->ResFB[119][15], 120);

  auto restored = std::make_unique<TProgFBClass>();
  reserve->RestoreFB(*restored, 60);
  EXPECT_EQ(restored->GetRecord(59)[3], 60);
  EXPECT_EQ(restored->GetRecord(60), TProgFBClass::Record{});
  reserve->RestoreFB(*restored, -1);
  EXPECT_EQ(restored->GetRecord(0)[0], 1);
}

TEST(TReservBlocksClass, TablesGoAndComeBackByAssignment) {
  TProgMBMClass mbm;
  mbm.SetKodF(4, 3);
  mbm.SetSpeed(2);
  auto reserve = std::make_unique<TReservBlocksClass>();
  reserve->ResMBMHead = mbm.GetTable();
  reserve->ResMBM[5] = mbm.GetGroup(5);
  mbm.DeleteBlock(4);
  mbm.SetTable(reserve->ResMBMHead);
  EXPECT_EQ(mbm.GetKodF(4), 3);
  EXPECT_EQ(mbm.GetSpeed(), 2);
}

}  // namespace
}  // namespace lur

#include "model/TReservBlocksClass.h"

#include <gtest/gtest.h>

#include <memory>
#include <type_traits>

#include "PageAnswerBuilder.h"
#include "model/TConfiguration.h"
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

// A configuration whose every table holds bytes of its own, none of them the
// reserve's starting zeros or empty texts.
std::unique_ptr<TConfiguration> FilledConfiguration() {
  using test::PatternBytes;
  auto c = std::make_unique<TConfiguration>();
  const std::array<std::uint8_t, 15> identity = {6, 1, 6, 3, 7, 14, 10, 0, 0, 0, 0, 1, 47, 6, 1};
  EXPECT_TRUE(c->Serv.SetIdentityFromBytes(identity));
  c->Serv.MakeDefaultInputIds();
  c->Serv.MakeDefaultOutputIds();
  c->Serv.SetOutputIdSlot(39, 7, "K");
  for (int e = 0; e < 192; ++e) c->Serv.SetDefaultInputText(e);
  c->Serv.SetOutputText("Насос", 39);
  for (int m = 0; m < 8; ++m) {
    EXPECT_TRUE(c->MBA.LoadBlock(PatternBytes(169, static_cast<std::uint8_t>(10 + m)), m));
    EXPECT_TRUE(c->MBM.PutGroupFromFile(m, PatternBytes(169, static_cast<std::uint8_t>(90 + m))));
  }
  EXPECT_TRUE(c->MBA.LoadUnits(PatternBytes(96, 3)));
  EXPECT_TRUE(c->MR.PutMRFromFile(PatternBytes(121, 4)));
  EXPECT_TRUE(c->MBM.PutTableFromFile(PatternBytes(194, 5)));
  EXPECT_TRUE(c->F15.PutF15FromFile(PatternBytes(81, 6)));
  for (int k = 0; k < TProgLurClass::kPageCount; ++k) {
    EXPECT_TRUE(c->Lur.PutPageFromFile(PatternBytes(192, static_cast<std::uint8_t>(20 + k))));
    c->Lur.StorePage(k);
  }
  EXPECT_TRUE(c->Lur.PutTipDatFromFile(PatternBytes(16, 7)));
  EXPECT_TRUE(c->FB.PutRecordsFromFile(PatternBytes(c->FB.RecordFileSize(), 8)));
  EXPECT_TRUE(c->FB.PutAlgFromFile(PatternBytes(c->FB.AlgFileSize(), 9)));
  EXPECT_TRUE(c->Reg.PutFileBlock(PatternBytes(336, 10)));
  return c;
}

TEST(TReservBlocksClass, SaveAllTakesEveryAreaFromItsTable) {
  const auto c = FilledConfiguration();
  auto& r = c->Reserv;
  r.SaveAll(*c);

  EXPECT_EQ(r.ResDiscreteCount, 47);
  EXPECT_EQ(r.ResAnalogCount, 6);
  for (int m = 0; m < 8; ++m) {
    EXPECT_EQ(r.ResMBA[static_cast<std::size_t>(m)], c->MBA.GetBlock(m)) << m;
    EXPECT_EQ(r.ResMBM[static_cast<std::size_t>(m)], c->MBM.GetGroup(m)) << m;
  }
  EXPECT_EQ(r.ResMR, c->MR.GetBlock());
  EXPECT_EQ(r.ResMBMHead, c->MBM.GetTable());
  EXPECT_EQ(r.ResF15, c->F15.GetTable());
  EXPECT_EQ(r.ResDiskr, c->Lur.GetRecords());
  EXPECT_EQ(r.ResInputTexts, c->Serv.GetInputTexts());
  EXPECT_EQ(r.ResOutputTexts, c->Serv.GetOutputTexts());
  EXPECT_EQ(r.ResUnits, c->MBA.GetUnits());
  EXPECT_EQ(r.ResInputIds, c->Serv.GetInputIds());
  EXPECT_EQ(r.ResOutputIds, c->Serv.GetOutputIds());
  for (int i = 0; i < 120; ++i) {
    const auto row = static_cast<std::size_t>(i);
    EXPECT_EQ(r.ResFB[row], c->FB.GetRecord(i)) << i;
    EXPECT_EQ(r.ResAlgName[row], c->FB.GetAlgNameBytes(i)) << i;
    EXPECT_EQ(r.ResAlgHead[row], c->FB.GetAlgHead(i)) << i;
    for (int k = 0; k < 120; ++k)
      ASSERT_EQ(r.ResAlgFB[row][static_cast<std::size_t>(k)], c->FB.GetAlgFB(i, k));
  }
  EXPECT_EQ(r.ResNAlg, c->FB.NAlg);
  EXPECT_EQ(r.ResReg, c->Reg.GetFileBlock());
  for (int i = 0; i < 16; ++i) EXPECT_EQ(r.ResTipDat[static_cast<std::size_t>(i)], c->Lur.GetTipDatByte(i));
}

TEST(TReservBlocksClass, SaveAllTakesFunctionBlocksUpToTheActiveCapacity) {
  const auto c = FilledConfiguration();
  auto& r = c->Reserv;
  r.SaveAll(*c);
  const auto before = r.ResFB[70];
  c->FB.CapFB = 60;
  c->FB.ClearRecord(10);
  c->FB.ClearRecord(70);
  r.SaveAll(*c);
  EXPECT_EQ(r.ResFB[10], TProgFBClass::Record{});
  EXPECT_EQ(r.ResFB[70], before);  // a record a 60-block layout does not hold
}

}  // namespace
}  // namespace lur

#include "model/TCopyBlocksClass.h"

#include <gtest/gtest.h>

#include <memory>
#include <type_traits>

#include "model/TProgFBClass.h"
#include "model/TProgLurClass.h"
#include "model/TProgMBAClass.h"
#include "model/TProgMBMClass.h"
#include "model/TProgMRClass.h"
#include "model/TProgRegClass.h"
#include "model/TServClass.h"

namespace lur {
namespace {

using C = TCopyBlocksClass;

template <class Area, class Live>
constexpr bool kSameShape = std::is_same_v<std::remove_cvref_t<Area>, Live>;
static_assert(kSameShape<decltype(C::CopyMBA[0]), TProgMBAClass::Block>);
static_assert(kSameShape<decltype(C::CopyMR), TProgMRClass::Block>);
static_assert(kSameShape<decltype(C::CopyMBM[0]), TProgMBMClass::Group>);
static_assert(kSameShape<decltype(C::CopyDiskr), TProgLurClass::Records>);
static_assert(kSameShape<decltype(C::CopyInputTexts), TServClass::InputTextTable>);
static_assert(kSameShape<decltype(C::CopyOutputTexts), TServClass::OutputTextTable>);
static_assert(kSameShape<decltype(C::CopyInputIds), TServClass::InputIdTable>);
static_assert(kSameShape<decltype(C::CopyOutputIds), TServClass::OutputIdTable>);
static_assert(kSameShape<decltype(C::CopyFB[0]), TProgFBClass::Record>);
static_assert(kSameShape<decltype(C::CopyReg), TProgRegClass::FileBlock>);
static_assert(std::tuple_size_v<decltype(C::CopyFBMark)> == 121);

TEST(TCopyBlocksClass, StartsEmpty) {
  const auto copy = std::make_unique<TCopyBlocksClass>();
  EXPECT_EQ(copy->CopyFBCount, 0);
  EXPECT_EQ(copy->CopyDiskrCount, 0);
  EXPECT_EQ(copy->CopyInFirst, 0);
  EXPECT_EQ(copy->CopyOutLast, 0);
  for (int mark : copy->CopyFBMark) ASSERT_EQ(mark, 0);
  for (const auto& id : copy->CopyInputIds) {
    for (const auto& slot : id) ASSERT_TRUE(slot.empty());
  }
  for (const auto& page : copy->CopyMBA) ASSERT_EQ(page, TProgMBAClass::Block{});
  EXPECT_EQ(copy->CopyReg, (std::array<std::uint8_t, 336>{}));
}

TEST(TCopyBlocksClass, HoldsModuleDataWhileTheTablesChange) {
  TProgMBAClass mba;
  mba.SetPozText("TE-1", 2, 0);
  auto copy = std::make_unique<TCopyBlocksClass>();
  copy->CopyMBA[2] = mba.GetBlock(2);
  mba.SetPozText("other", 2, 0);
  mba.SetBlock(2, copy->CopyMBA[2]);
  EXPECT_EQ(mba.GetPozText(2, 0), "TE-1    ");
}

}  // namespace
}  // namespace lur

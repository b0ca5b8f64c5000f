#include "model/AnalogSignalInfo.h"

#include <gtest/gtest.h>

namespace lur {
namespace {

TEST(AnalogSignalInfo, LocalChannelsThenNetworkValues) {
  // Two local modules (signals 1..12); exchange block 0 delivers two analog
  // values from analog entry 12, kept in network channels 0 and 1.
  TProgMBAClass mba;
  TProgMBMClass mbm;
  mba.SetPozText("TE-12", 1, 5);
  mba.SetMinSkText("-50", 1, 5);
  mba.SetMaxSkText("150", 1, 5);
  mba.SetUnit(1, 5, 0);
  mbm.SetKodF(0, 4);
  mbm.SetKolVh(0, 2);
  mbm.SetStAddr_Beg2(0, 12);
  mbm.SetPoz(1, "PT-2");
  mbm.SetMin(1, "0");
  mbm.SetMax(1, "16");
  mbm.SetRazm(1, 2);

  const auto local = LookupAnalogSignal(mba, mbm, 12, 2, 1);
  ASSERT_TRUE(local.has_value());
  EXPECT_EQ(local->poz, "TE-12   ");
  EXPECT_EQ(local->minText, "-50,0000");
  EXPECT_EQ(local->maxText, "150,0000");
  EXPECT_EQ(local->max, 150.0f);
  EXPECT_EQ(local->unit, 0);

  const auto net = LookupAnalogSignal(mba, mbm, 14, 2, 1);
  ASSERT_TRUE(net.has_value());
  EXPECT_EQ(net->poz, "PT-2    ");
  EXPECT_EQ(net->minText, "0,0000");
  EXPECT_EQ(net->maxText, "16,0000");
  EXPECT_EQ(net->max, 16.0f);
  EXPECT_EQ(net->unit, 2);

  EXPECT_FALSE(LookupAnalogSignal(mba, mbm, 15, 2, 1).has_value());
}

}  // namespace
}  // namespace lur

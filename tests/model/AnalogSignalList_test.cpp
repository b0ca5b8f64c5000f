// The analog signal list: local channels by module, then the network analog
// inputs, stepping over discrete network inputs.
#include <gtest/gtest.h>

#include <array>

#include "model/AnalogSignalList.h"
#include "model/TProgMBAClass.h"
#include "model/TProgMBMClass.h"
#include "model/TServClass.h"

namespace lur {
namespace {

TEST(AnalogSignalList, LocalChannelsThenNetworkAnalogInputsPastDiscreteOnes) {
  TServClass serv;
  std::array<std::uint8_t, 15> id{};
  id[1] = 1;   // a discrete input module: 12 signals
  id[2] = 7;   // an analog input module: 24 signals
  id[3] = 6;   // a second one
  id[12] = 60;
  ASSERT_TRUE(serv.SetIdentityFromBytes(id));
  serv.MakeDefaultInputIds();
  // 3 discrete network values, then 1 analog one (4 threshold entries).
  const std::array<TServClass::NetBlock, 2> net = {TServClass::NetBlock{2, 3}, TServClass::NetBlock{3, 1}};
  ASSERT_EQ(serv.BuildNetInputIds(net), 12 + 48 + 3 + 4);
  TProgMBAClass mba;
  TProgMBMClass mbm;
  const std::vector<AnalogSignalRow> rows = AnalogSignalList(serv, mba, mbm);
  ASSERT_EQ(rows.size(), 13u);
  EXPECT_EQ(rows[0].id, "AI1_1");
  EXPECT_EQ(rows[5].id, "AI1_6");
  EXPECT_EQ(rows[6].id, "AI2_1");
  EXPECT_EQ(rows[11].id, "AI2_6");
  EXPECT_EQ(rows[12].id, "DLAI2_1");

  // Without network values only the local channels are listed.
  serv.ClearNetCounts();
  EXPECT_EQ(AnalogSignalList(serv, mba, mbm).size(), 12u);
}

}  // namespace
}  // namespace lur

#include "model/TProgMBMClass.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <vector>

#include "PageAnswerBuilder.h"
#include "model/Cp1251.h"

namespace lur {
namespace {

using test::MakeAnswer;
using test::MakePageAnswer;
using test::PatternBytes;
using Real = TProgMBMClass::ChannelReal;

// Byte offset of field `offset` of exchange block b in the table.
int BlockByte(int b, int offset) { return 1 + 12 * b + offset; }

std::vector<std::uint8_t> ChannelBytes(const TProgMBMClass& mbm, int e) {
  std::vector<std::uint8_t> bytes;
  for (int i = 0; i < 28; ++i) bytes.push_back(mbm.GetGroupByte(e / 6, 1 + 28 * (e % 6) + i));
  return bytes;
}

void FillChannelsWithPattern(TProgMBMClass& mbm) {
  for (int g = 0; g < 8; ++g)
    ASSERT_TRUE(mbm.PutGroupFromFile(g, PatternBytes(169, static_cast<std::uint8_t>(g * 31))));
}

TEST(TProgMBMClass, TypeByteSettersKeepTheirNeighbours) {
  TProgMBMClass mbm;
  const int type = BlockByte(3, 7);
  mbm.SetTableByte(type, 0xC5);
  mbm.SetTipDate(3, 1);
  EXPECT_EQ(mbm.GetTableByte(type), 0x15);  // bits 6 and 7 cleared with the data type
  mbm.SetTipUstr(3, 0x0A);
  EXPECT_EQ(mbm.GetTableByte(type), 0x1A);
  mbm.SetByte_Order(3, 1);
  EXPECT_EQ(mbm.GetTableByte(type), 0x3A);
  mbm.SetTipDate(3, 0);
  EXPECT_EQ(mbm.GetTableByte(type), 0x2A);
  EXPECT_EQ(mbm.GetTipUstr(3), 0x0A);
  EXPECT_EQ(mbm.GetTipDate(3), 0);
  EXPECT_EQ(mbm.GetByte_Order(3), 1);
}

TEST(TProgMBMClass, SettingsByteFields) {
  TProgMBMClass mbm;
  mbm.SetTableByte(193, 0x01);
  mbm.SetSpeed(3);
  EXPECT_EQ(mbm.GetTableByte(193), 0x0D);
  mbm.SetTableByte(193, 0xF0);
  mbm.SetFrame(2);
  mbm.SetSpeed(1);
  EXPECT_EQ(mbm.GetTableByte(193), 0xF6);
  EXPECT_EQ(mbm.GetSpeed(), 1);
  EXPECT_EQ(mbm.GetFrame(), 2);
}

TEST(TProgMBMClass, BlockFieldsLandAtTheirOffsets) {
  TProgMBMClass mbm;
  mbm.SetKodF(15, 3);
  mbm.SetKolVh(15, 6);
  mbm.SetUstr(15, 255);
  mbm.SetAdBegDat(15, 0xFFFE);
  mbm.SetKolDat(15, 12);
  mbm.SetStAddr_Beg1(15, 100);
  mbm.SetStAddr_Beg2(15, 40);
  mbm.SetXMax(15, -2);
  const std::uint8_t expected[12] = {3, 6, 255, 0xFE, 0xFF, 12, 0, 0, 100, 40, 0xFE, 0xFF};
  for (int i = 0; i < 12; ++i) EXPECT_EQ(mbm.GetTableByte(BlockByte(15, i)), expected[i]) << i;
  EXPECT_EQ(mbm.GetAdBegDat(15), 0xFFFE);  // unsigned
  EXPECT_EQ(mbm.GetXMax(15), -2);          // signed
  EXPECT_EQ(mbm.GetTableByte(193), 0);     // the settings byte follows block 15
}

TEST(TProgMBMClass, TableAndGroupPagesRoundTrip) {
  const auto tableBytes = PatternBytes(193, 11);
  const auto groupBytes = PatternBytes(168, 99);
  TProgMBMClass mbm;
  ASSERT_TRUE(mbm.PutTableFromAnswer(MakePageAnswer(0x0A, tableBytes)));
  ASSERT_TRUE(mbm.PutGroupFromAnswer(2, MakePageAnswer(5, groupBytes), 5));

  const auto tableData = mbm.GetTablePageData();
  EXPECT_EQ(tableData[0], 0x0A);
  EXPECT_TRUE(std::equal(tableBytes.begin(), tableBytes.end(), tableData.begin() + 1));
  const auto groupData = mbm.GetGroupPageData(2, 5);
  EXPECT_EQ(groupData[0], 5);
  EXPECT_TRUE(std::equal(groupBytes.begin(), groupBytes.end(), groupData.begin() + 1));
  EXPECT_EQ(mbm.GetGroup(1), TProgMBMClass::Group{});  // neighbours untouched

  const auto tableFile = PatternBytes(194, 1);
  const auto groupFile = PatternBytes(169, 2);
  ASSERT_TRUE(mbm.PutTableFromFile(tableFile));
  ASSERT_TRUE(mbm.PutGroupFromFile(7, groupFile));
  EXPECT_TRUE(std::equal(tableFile.begin(), tableFile.end(), mbm.GetTable().begin()));
  EXPECT_TRUE(std::equal(groupFile.begin(), groupFile.end(), mbm.GetGroup(7).begin()));
}

TEST(TProgMBMClass, RefusedPagesLeaveTheImagesUnchanged) {
  const auto tableBytes = PatternBytes(193, 4);
  const auto groupBytes = PatternBytes(168, 5);
  TProgMBMClass mbm;
  FillChannelsWithPattern(mbm);
  ASSERT_TRUE(mbm.PutTableFromFile(PatternBytes(194, 6)));
  const TProgMBMClass before = mbm;

  auto wrongFunction = MakePageAnswer(0x0A, tableBytes);
  wrongFunction[1] = 0x45;
  auto longer = tableBytes;
  longer.push_back(0);
  const auto good = MakePageAnswer(0x0A, tableBytes);
  const std::vector<std::vector<std::uint8_t>> badTables = {
      wrongFunction,
      MakePageAnswer(0x0B, tableBytes),
      MakePageAnswer(0x0A, std::span(tableBytes).first(192)),
      MakePageAnswer(0x0A, longer),
      {good.begin(), good.begin() + 150},
      MakeAnswer(0xC4, std::vector<std::uint8_t>{0x02}),
  };
  for (std::size_t i = 0; i < badTables.size(); ++i) EXPECT_FALSE(mbm.PutTableFromAnswer(badTables[i])) << i;

  const auto page3 = MakePageAnswer(3, groupBytes);
  EXPECT_FALSE(mbm.PutGroupFromAnswer(0, page3, 4));  // another page echoed than asked for
  EXPECT_FALSE(mbm.PutGroupFromAnswer(8, page3, 3));  // no such group
  EXPECT_FALSE(mbm.PutGroupFromAnswer(-1, page3, 3));
  EXPECT_FALSE(mbm.PutGroupFromAnswer(0, MakePageAnswer(9, groupBytes), 9));  // not a group page
  EXPECT_FALSE(mbm.PutGroupFromAnswer(0, MakePageAnswer(3, std::span(groupBytes).first(100)), 3));
  EXPECT_FALSE(mbm.PutGroupFromAnswer(0, {page3.begin(), page3.begin() + 100}, 3));
  EXPECT_FALSE(mbm.PutTableFromFile(std::span(tableBytes).first(193)));
  EXPECT_FALSE(mbm.PutGroupFromFile(0, groupBytes));  // 168 bytes: one short

  EXPECT_EQ(mbm.GetTable(), before.GetTable());
  for (int g = 0; g < 8; ++g) EXPECT_EQ(mbm.GetGroup(g), before.GetGroup(g)) << g;
}

TEST(TProgMBMClass, AnalogSignalLookup) {
  // One local module (signals 1..6); block 0 discrete, block 1 three analog
  // values from analog entry 6, block 2 two analog values from entry 9.
  TProgMBMClass mbm;
  mbm.SetKodF(0, 1);
  mbm.SetKolVh(0, 8);
  mbm.SetKodF(1, 3);
  mbm.SetKolVh(1, 3);
  mbm.SetStAddr_Beg2(1, 6);
  mbm.SetKodF(2, 4);
  mbm.SetKolVh(2, 2);
  mbm.SetStAddr_Beg2(2, 9);
  // Block 5, after two empty places: one value from entry 11.
  mbm.SetKodF(5, 3);
  mbm.SetKolVh(5, 1);
  mbm.SetStAddr_Beg2(5, 11);

  struct Case {
    int n;
    int netBlockTotal;
    bool found;
    bool local;
    int moduleOrBlock;
    int channelOrValue;
    int netChannel;
  };
  const Case cases[] = {
      {1, 3, true, true, 0, 0, -1},
      {6, 3, true, true, 0, 5, -1},
      {7, 3, true, false, 1, 0, 0},
      {9, 3, true, false, 1, 2, 2},
      {10, 3, true, false, 2, 0, 3},
      {11, 3, true, false, 2, 1, 4},
      {12, 3, true, false, 5, 0, 5},
      {13, 3, false, false, 0, 0, 0},
      {0, 3, false, false, 0, 0, 0},
      {-4, 3, false, false, 0, 0, 0},
      // Every block is walked, whatever block count the caller holds.
      {7, 1, true, false, 1, 0, 0},
      {7, 0, true, false, 1, 0, 0},
      {10, 1, true, false, 2, 0, 3},
  };
  for (const auto& c : cases) {
    const auto place = mbm.FindAnalogSignal(c.n, 1, c.netBlockTotal);
    ASSERT_EQ(place.has_value(), c.found) << c.n << " / " << c.netBlockTotal;
    if (!c.found) continue;
    EXPECT_EQ(place->local, c.local) << c.n;
    if (c.local) {
      EXPECT_EQ(place->module, c.moduleOrBlock) << c.n;
      EXPECT_EQ(place->channel, c.channelOrValue) << c.n;
    } else {
      EXPECT_EQ(place->block, c.moduleOrBlock) << c.n;
      EXPECT_EQ(place->value, c.channelOrValue) << c.n;
      EXPECT_EQ(place->netChannel, c.netChannel) << c.n;
    }
  }
}

TEST(TProgMBMClass, AnalogSignalLookupRefusesDataThatPointsOutside) {
  TProgMBMClass mbm;
  for (int b = 0; b < 16; ++b) {
    mbm.SetKodF(b, 3);
    mbm.SetKolVh(b, 3);
    mbm.SetStAddr_Beg2(b, 12 + 3 * b);
  }
  // A block count past the table (as a damaged identity may claim) stops at block 15.
  const auto last = mbm.FindAnalogSignal(12 + 48, 2, 200);
  ASSERT_TRUE(last.has_value());
  EXPECT_EQ(last->block, 15);
  EXPECT_EQ(last->netChannel, 47);
  EXPECT_FALSE(mbm.FindAnalogSignal(12 + 49, 2, 200).has_value());

  mbm.SetStAddr_Beg2(0, 250);  // channel record 238: past the 48 records
  EXPECT_FALSE(mbm.FindAnalogSignal(13, 2, 16).has_value());
  mbm.SetStAddr_Beg2(0, 5);  // below the local channels: record -7
  EXPECT_FALSE(mbm.FindAnalogSignal(13, 2, 16).has_value());
  mbm.SetKolVh(0, 255);  // a count beyond the records, start in range
  mbm.SetStAddr_Beg2(0, 12);
  EXPECT_TRUE(mbm.FindAnalogSignal(12 + 48, 2, 16).has_value());
  EXPECT_FALSE(mbm.FindAnalogSignal(12 + 49, 2, 16).has_value());
  EXPECT_FALSE(mbm.FindAnalogSignal(1, 9, 16).has_value());  // more local modules than slots
}

TEST(TProgMBMClass, ChannelRealsAsText) {
  struct Case {
    const char* typed;
    const char* shown;
  };
  const Case cases[] = {
      {"0", "0,0000"},       {"100", "100,0000"},    {"12,5", "12,5000"},     {"0.1", "0,1000"},
      {"-0,1", "-0,1000"},   {"0,12349", "0,1235"},  {"-0,12349", "-0,1235"}, {"-5", "-5,0000"},
      {"999,9", "999,8750"}, {"1234,5", "1234,500"}, {"12345", "12345,00"},   {"-5000", "-5000,0000"},
      {"32767", "32767,00"},
  };
  TProgMBMClass mbm;
  for (const auto& c : cases) {
    ASSERT_TRUE(mbm.SetUstH(30, c.typed)) << c.typed;
    EXPECT_EQ(mbm.GetUstH(30), c.shown) << c.typed;
  }
  mbm.SetMin(47, "1");
  for (const char* bad : {"", "abc", "1,2,3", "--5", "1e40"}) {
    EXPECT_FALSE(mbm.SetMin(47, bad)) << bad;
    EXPECT_EQ(mbm.GetMin(47), "1,0000") << bad;
  }
  EXPECT_FALSE(mbm.SetReal(47, Real::Min, 2e38f));  // past the Real24 exponent
  EXPECT_FALSE(mbm.SetReal(47, Real::Min, std::numeric_limits<float>::infinity()));
  EXPECT_TRUE(mbm.SetReal(47, Real::Max, -3.0f));
  EXPECT_EQ(mbm.GetMin(47), "1,0000");
  EXPECT_EQ(mbm.GetReal(47, Real::Max), -3.0f);
  // Each real has its own three bytes: Min at 2, HH at 17 of the record.
  mbm.SetUstHH(0, "1");
  EXPECT_EQ(mbm.GetGroupByte(0, 1 + 17), 0x00);
  EXPECT_EQ(mbm.GetGroupByte(0, 1 + 18), 0x40);
  EXPECT_EQ(mbm.GetGroupByte(0, 1 + 19), 0x01);
}

TEST(TProgMBMClass, UnitAndTag) {
  TProgMBMClass mbm;
  mbm.SetGroupByte(1, 1 + 28 * 2, 0x07);  // channel 8
  mbm.SetRazm(8, 5);
  EXPECT_EQ(mbm.GetGroupByte(1, 1 + 28 * 2), 0x57);
  EXPECT_EQ(mbm.GetRazm(8), 5);

  mbm.SetPoz(8, "T1");
  EXPECT_EQ(mbm.GetPoz(8), "T1      ");
  mbm.SetPoz(8, "ABCDEFGHIJ");
  EXPECT_EQ(mbm.GetPoz(8), "ABCDEFGH");
  mbm.SetPoz(8, std::string_view("AB\0CD", 5));
  EXPECT_EQ(mbm.GetPoz(8), "AB      ");
  EXPECT_EQ(mbm.GetGroupByte(1, 1 + 28 * 2 + 20), 'A');
  EXPECT_EQ(mbm.GetGroupByte(1, 1 + 28 * 3), 0);  // the next record untouched
}

TEST(TProgMBMClass, DeleteChannelsMovesRawRecordsAndDefaultsTheTail) {
  TProgMBMClass mbm;
  FillChannelsWithPattern(mbm);
  const TProgMBMClass before = mbm;

  mbm.DeleteChannels(46, 1);
  EXPECT_EQ(ChannelBytes(mbm, 46), ChannelBytes(before, 47));
  EXPECT_EQ(ChannelBytes(mbm, 45), ChannelBytes(before, 45));
  EXPECT_EQ(mbm.GetRazm(47), 1);
  EXPECT_EQ(mbm.GetMax(47), "100,0000");
  EXPECT_EQ(mbm.GetPoz(47), "        ");

  mbm = before;
  mbm.DeleteChannels(4, 3);
  // Pattern bytes are no canonical reals: any pass through text would change them.
  for (int e = 4; e < 45; ++e) EXPECT_EQ(ChannelBytes(mbm, e), ChannelBytes(before, e + 3)) << e;
  for (int e = 45; e < 48; ++e) {
    EXPECT_EQ(mbm.GetMin(e), "0,0000") << e;
    EXPECT_EQ(mbm.GetUstHH(e), "100,0000") << e;
  }
  EXPECT_EQ(mbm.GetGroup(0)[0], before.GetGroup(0)[0]);  // page number bytes stay

  mbm = before;
  mbm.DeleteChannels(40, 30);  // more than there are: channels 40..47 defaulted
  for (int e = 0; e < 40; ++e) EXPECT_EQ(ChannelBytes(mbm, e), ChannelBytes(before, e)) << e;
  for (int e = 40; e < 48; ++e) EXPECT_EQ(mbm.GetUstH(e), "100,0000") << e;
}

TEST(TProgMBMClass, InsertChannelsOpensAGap) {
  TProgMBMClass mbm;
  FillChannelsWithPattern(mbm);
  const TProgMBMClass before = mbm;
  mbm.InsertChannels(10, 2);
  for (int e = 12; e < 48; ++e) EXPECT_EQ(ChannelBytes(mbm, e), ChannelBytes(before, e - 2)) << e;
  for (int e = 0; e < 12; ++e) EXPECT_EQ(ChannelBytes(mbm, e), ChannelBytes(before, e)) << e;

  mbm = before;
  mbm.InsertChannels(47, 1);  // nothing left to move
  mbm.InsertChannels(0, 48);
  mbm.InsertChannels(48, 1);
  for (int e = 0; e < 48; ++e) EXPECT_EQ(ChannelBytes(mbm, e), ChannelBytes(before, e)) << e;
}

TEST(TProgMBMClass, NewChannelTags) {
  TProgMBMClass mbm;
  FillChannelsWithPattern(mbm);
  const struct {
    int e;
    const char* tag;
  } cases[] = {{0, "поз.5101"}, {8, "поз.5109"}, {11, "поз.5112"}, {47, "поз.5148"}};
  for (const auto& c : cases) {
    mbm.NewChannel(c.e);
    EXPECT_EQ(Cp1251ToUtf8(mbm.GetPoz(c.e)), c.tag);
    EXPECT_EQ(mbm.GetRazm(c.e), 1);
    EXPECT_EQ(mbm.GetMin(c.e), "0,0000");
    EXPECT_EQ(mbm.GetMax(c.e), "100,0000");
    EXPECT_EQ(mbm.GetUstLL(c.e), "0,0000");
    EXPECT_EQ(mbm.GetUstL(c.e), "0,0000");
    EXPECT_EQ(mbm.GetUstH(c.e), "100,0000");
    EXPECT_EQ(mbm.GetUstHH(c.e), "100,0000");
  }
}

TEST(TProgMBMClass, DeleteBlockMovesTheFollowingBlocksDown) {
  // Five blocks: 8 discrete values; 3 analog; 4 discrete; 2 analog; 16 discrete.
  TProgMBMClass mbm;
  const int kodF[] = {1, 3, 2, 4, 1};
  const int kolVh[] = {8, 3, 4, 2, 16};
  int discrete = 30, analog = 6;
  for (int b = 0; b < 5; ++b) {
    mbm.SetKodF(b, kodF[b]);
    mbm.SetKolVh(b, kolVh[b]);
    mbm.SetUstr(b, b + 1);
    mbm.SetStAddr_Beg1(b, discrete);
    mbm.SetStAddr_Beg2(b, analog);
    discrete += mbm.GetDiscreteSpan(b);
    analog += mbm.GetAnalogSpan(b);
  }
  EXPECT_EQ(mbm.GetDiscreteSpan(1), 12);
  EXPECT_EQ(mbm.GetAnalogSpan(1), 3);
  EXPECT_EQ(mbm.GetAnalogSpan(0), 0);

  const TProgMBMClass before = mbm;
  ASSERT_TRUE(mbm.DeleteBlock(1));
  EXPECT_EQ(mbm.GetKodF(1), 2);
  EXPECT_EQ(mbm.GetUstr(1), 3);
  EXPECT_EQ(mbm.GetStAddr_Beg1(1), before.GetStAddr_Beg1(2) - 12);
  EXPECT_EQ(mbm.GetStAddr_Beg2(1), before.GetStAddr_Beg2(2) - 3);
  EXPECT_EQ(mbm.GetKodF(3), 1);
  EXPECT_EQ(mbm.GetStAddr_Beg1(3), before.GetStAddr_Beg1(4) - 12);
  for (int i = 0; i < 12; ++i) EXPECT_EQ(mbm.GetTableByte(BlockByte(4, i)), 0) << i;
  EXPECT_EQ(mbm.GetStAddr_Beg1(0), 30);  // blocks before stay

  const TProgMBMClass afterFirst = mbm;
  EXPECT_FALSE(mbm.DeleteBlock(4));  // empty
  EXPECT_FALSE(mbm.DeleteBlock(16));
  EXPECT_EQ(mbm.GetTable(), afterFirst.GetTable());
}

TEST(TProgMBMClass, DeleteBlockStoresZeroForStartsThatWouldWrap) {
  TProgMBMClass mbm;
  mbm.SetKodF(0, 3);
  mbm.SetKolVh(0, 10);  // spans 40 and 10
  mbm.SetKodF(1, 1);
  mbm.SetStAddr_Beg1(1, 20);
  mbm.SetStAddr_Beg2(1, 4);
  mbm.SetKodF(15, 1);
  mbm.SetStAddr_Beg1(15, 100);
  ASSERT_TRUE(mbm.DeleteBlock(0));
  EXPECT_EQ(mbm.GetStAddr_Beg1(0), 0);
  EXPECT_EQ(mbm.GetStAddr_Beg2(0), 0);
  EXPECT_EQ(mbm.GetStAddr_Beg1(14), 60);  // the last block moves too
  EXPECT_EQ(mbm.GetKodF(15), 0);
}

TEST(TProgMBMClass, LiveAnswers) {
  std::vector<std::uint8_t> data;
  for (const char* text : {" 12,50 ", "-1,0000"}) data.insert(data.end(), text, text + 7), data.push_back(0);
  data[7] = 0x25;
  data[15] = 0x40;
  TProgMBMClass mbm;
  ASSERT_TRUE(mbm.PutLiveFromAnswer(46, 2, MakeAnswer(0x47, data)));
  EXPECT_EQ(mbm.LiveText(46), " 12,50 ");
  EXPECT_EQ(mbm.LiveStatus(46), 0x25);
  EXPECT_EQ(mbm.LiveText(47), "-1,0000");
  EXPECT_EQ(mbm.LiveStatus(47), 0x40);

  const auto good = MakeAnswer(0x47, data);
  auto wrongFunction = good;
  wrongFunction[1] = 0x44;
  EXPECT_FALSE(mbm.PutLiveFromAnswer(47, 2, good));  // record past index 47
  EXPECT_FALSE(mbm.PutLiveFromAnswer(0, 3, good));   // count byte says two records
  EXPECT_FALSE(mbm.PutLiveFromAnswer(0, 2, wrongFunction));
  EXPECT_FALSE(mbm.PutLiveFromAnswer(0, 2, std::span(good).first(10)));
  EXPECT_FALSE(mbm.PutLiveFromAnswer(-1, 2, good));
  EXPECT_EQ(mbm.LiveText(0), std::string(7, '\0'));
  EXPECT_EQ(mbm.LiveText(48), "");
}

TEST(TProgMBMClass, OutOfRangeIndicesTouchNothing) {
  TProgMBMClass mbm;
  const TProgMBMClass before = mbm;
  mbm.SetKodF(16, 3);
  mbm.SetXMax(-1, 5);
  mbm.SetTipDate(16, 1);
  mbm.SetTableByte(194, 1);
  mbm.SetGroupByte(8, 0, 1);
  mbm.SetGroupByte(0, 169, 1);
  mbm.SetRazm(48, 3);
  mbm.SetPoz(-1, "x");
  EXPECT_FALSE(mbm.SetMax(48, "1"));
  mbm.DeleteChannels(48, 1);
  mbm.DefaultChannels(-1, 2);
  mbm.NewChannel(48);
  EXPECT_EQ(mbm.GetTable(), before.GetTable());
  for (int g = 0; g < 8; ++g) EXPECT_EQ(mbm.GetGroup(g), before.GetGroup(g));
  EXPECT_EQ(mbm.GetGroup(9), TProgMBMClass::Group{});
  EXPECT_EQ(mbm.GetPoz(48), "");
}

}  // namespace
}  // namespace lur

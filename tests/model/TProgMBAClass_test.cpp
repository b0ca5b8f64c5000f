#include "model/TProgMBAClass.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "PageAnswerBuilder.h"
#include "model/Cp1251.h"

namespace lur {
namespace {

using test::MakeAnswer;
using test::MakePageAnswer;
using test::PatternBytes;
using Range = TProgMBAClass::ScaleRange;

// Byte of channel c's record at `offset` inside a block.
int ChannelByte(int c, int offset) { return 1 + 28 * c + offset; }

TEST(TProgMBAClass, ConstructionDefaults) {
  TProgMBAClass mba;
  for (int a = 0; a < 8; ++a) {
    EXPECT_EQ(mba.GetBlock(a), TProgMBAClass::Block{}) << a;
    EXPECT_EQ(mba.GetNewVersion(a), 0) << a;
    EXPECT_EQ(mba.GetBlockSaved(a + 1), 1) << a;
    EXPECT_EQ(mba.GetBlockError(a + 1), 0) << a;
  }
  EXPECT_EQ(mba.GetUnits(), TProgMBAClass::Units{});
  EXPECT_EQ(TProgMBAClass::GetLenBlock(), 169);
  EXPECT_EQ(mba.CopySource, -1);
}

TEST(TProgMBAClass, AnswerGoesToTheBlockOfItsPage) {
  const auto page3 = PatternBytes(168, 30);
  const auto page1 = PatternBytes(168, 10);
  TProgMBAClass mba;
  ASSERT_TRUE(mba.LoadBlockFromAnswer(MakePageAnswer(3, page3), 3));  // before page 1
  ASSERT_TRUE(mba.LoadBlockFromAnswer(MakePageAnswer(1, page1), 1));
  const auto data = mba.GetBlockPageData(2);
  EXPECT_EQ(mba.GetBlockByte(2, 0), 3);
  EXPECT_EQ(data[0], 3);
  EXPECT_TRUE(std::equal(page3.begin(), page3.end(), data.begin() + 1));
  EXPECT_TRUE(std::equal(page1.begin(), page1.end(), mba.GetBlock(0).begin() + 1));
  EXPECT_EQ(mba.GetBlock(1), TProgMBAClass::Block{});
}

TEST(TProgMBAClass, RefusedBlockAnswersChangeNothing) {
  const auto bytes = PatternBytes(168, 1);
  const auto good = MakePageAnswer(4, bytes);
  auto otherFunction = good;
  otherFunction[1] = 0x47;
  auto longer = bytes;
  longer.push_back(1);
  struct Case {
    std::vector<std::uint8_t> answer;
    int page;
  };
  const Case cases[] = {
      {good, 5},  // another page echoed than asked for
      {good, 0},
      {MakePageAnswer(9, bytes), 9},
      {otherFunction, 4},
      {MakePageAnswer(4, std::span(bytes).first(167)), 4},
      {MakePageAnswer(4, longer), 4},
      {{good.begin(), good.begin() + 120}, 4},
      {MakeAnswer(0xC4, std::vector<std::uint8_t>{0x03}), 4},
  };
  TProgMBAClass mba;
  for (int a = 0; a < 8; ++a)
    ASSERT_TRUE(mba.LoadBlock(PatternBytes(169, static_cast<std::uint8_t>(50 + a)), a));
  const TProgMBAClass before = mba;
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    EXPECT_FALSE(mba.LoadBlockFromAnswer(cases[i].answer, cases[i].page)) << i;
  }
  EXPECT_FALSE(mba.LoadBlock(std::span(bytes), 0));  // 168 bytes: one short
  EXPECT_FALSE(mba.LoadBlock(PatternBytes(169, 0), 8));
  for (int a = 0; a < 8; ++a) EXPECT_EQ(mba.GetBlock(a), before.GetBlock(a)) << a;
}

TEST(TProgMBAClass, FileBlocksCarryTheNewVersionFlag) {
  auto block = PatternBytes(169, 7);
  block[0] = 0x81;
  TProgMBAClass mba;
  ASSERT_TRUE(mba.LoadBlockFromFile(block, 0));
  EXPECT_EQ(mba.GetBlockByte(0, 0), 0x01);
  EXPECT_EQ(mba.GetNewVersion(0), 1);
  const auto out = mba.GetBlockForFile(0);
  EXPECT_TRUE(std::equal(block.begin(), block.end(), out.begin()));

  block[0] = 0x02;
  ASSERT_TRUE(mba.LoadBlockFromFile(block, 1));
  EXPECT_EQ(mba.GetNewVersion(1), 0);
  const auto plain = mba.GetBlockForFile(1);
  EXPECT_TRUE(std::equal(block.begin(), block.end(), plain.begin()));
  // The page write never carries the flag.
  EXPECT_EQ(mba.GetBlockPageData(0)[0], 0x01);
}

TEST(TProgMBAClass, UnitsPage) {
  std::vector<std::uint8_t> units;
  for (int i = 0; i < 16; ++i) {
    const std::string entry = Utf8ToCp1251(i == 5   ? "атм   "
                                           : i == 7 ? "      "
                                           : i == 9 ? "м3 ч  "
                                                    : "ABCDEF");
    units.insert(units.end(), entry.begin(), entry.end());
  }
  ASSERT_EQ(units.size(), 96u);
  TProgMBAClass mba;
  ASSERT_TRUE(mba.LoadUnitsFromAnswer(MakePageAnswer(35, units)));
  EXPECT_EQ(Cp1251ToUtf8(mba.GetUnitText(5)), "атм");
  EXPECT_EQ(mba.GetUnitText(7), "");                  // six blanks read as no text
  EXPECT_EQ(Cp1251ToUtf8(mba.GetUnitText(9)), "м3");  // a blank ends the text
  EXPECT_EQ(mba.GetUnitText(15), "ABCDEF");
  const auto data = mba.GetUnitsPageData();
  EXPECT_EQ(data[0], 35);
  EXPECT_TRUE(std::equal(units.begin(), units.end(), data.begin() + 1));

  const TProgMBAClass before = mba;
  EXPECT_FALSE(mba.LoadUnitsFromAnswer(MakePageAnswer(34, units)));
  EXPECT_FALSE(mba.LoadUnitsFromAnswer(MakePageAnswer(35, std::span(units).first(95))));
  EXPECT_FALSE(mba.LoadUnits(std::span(units).first(95)));
  EXPECT_EQ(mba.GetUnits(), before.GetUnits());
}

TEST(TProgMBAClass, UnitTexts) {
  TProgMBAClass mba;
  mba.SetDefaultUnits();
  std::vector<std::string> list;
  mba.FillUnitList(list);
  ASSERT_EQ(list.size(), 16u);
  EXPECT_EQ(Cp1251ToUtf8(list[0]), "град.С");
  EXPECT_EQ(Cp1251ToUtf8(list[4]), "кг/cм2");
  EXPECT_EQ(mba.GetUnitsByte(4 * 6 + 3), 'c');  // the Latin c of the controller's list
  EXPECT_EQ(Cp1251ToUtf8(list[15]), "резерв");

  mba.SetUnitText(Utf8ToCp1251("бар"), 5);
  EXPECT_EQ(Cp1251ToUtf8(std::string(mba.GetUnits().begin() + 30, mba.GetUnits().begin() + 36)), "бар   ");
  mba.SetUnitText("ABCDEFGH", 6);
  EXPECT_EQ(mba.GetUnitText(6), "ABCDEF");
  EXPECT_EQ(mba.GetUnitsByte(42), '1');  // unit 7, "1/с", untouched

  const std::vector<std::string> three = {"a", "b", "c"};
  mba.SetUnitFromList(three, 2);
  EXPECT_EQ(mba.GetUnitText(2), "c");
  mba.SetUnitFromList(three, 3);  // the list has no entry 3
  EXPECT_EQ(Cp1251ToUtf8(mba.GetUnitText(3)), "КПа");
}

TEST(TProgMBAClass, ChannelBitFieldsKeepTheOtherBits) {
  TProgMBAClass mba;
  mba.SetBlockByte(4, ChannelByte(5, 0), 0x02);
  mba.SetUnit(4, 5, 5);
  EXPECT_EQ(mba.GetBlockByte(4, ChannelByte(5, 0)), 0x52);
  mba.SetScaleType(4, 5, 1);
  EXPECT_EQ(mba.GetBlockByte(4, ChannelByte(5, 0)), 0x51);

  mba.SetBlockByte(4, ChannelByte(5, 1), 0xC8);
  mba.SetDeadZone(4, 5, 3);
  EXPECT_EQ(mba.GetBlockByte(4, ChannelByte(5, 1)), 0xF8);
  mba.SetInputType(4, 5, 5);
  EXPECT_EQ(mba.GetBlockByte(4, ChannelByte(5, 1)), 0xFD);
  mba.SetRangeIndex(4, 5, 0x2A);
  EXPECT_EQ(mba.GetBlockByte(4, ChannelByte(5, 1)), 0xEA);
  EXPECT_EQ(mba.GetRangeIndex(4, 5), 0x2A);
  EXPECT_EQ(mba.GetInputType(4, 5), 2);
  EXPECT_EQ(mba.GetDeadZone(4, 5), 2);
  EXPECT_EQ(mba.GetUnit(4, 5), 5);
  EXPECT_EQ(mba.GetScaleType(4, 5), 1);
  EXPECT_EQ(mba.GetBlockByte(4, ChannelByte(4, 0)), 0);  // the neighbour record
}

TEST(TProgMBAClass, TagsAndReals) {
  TProgMBAClass mba;
  mba.SetPozText("TE-101", 2, 3);
  EXPECT_EQ(mba.GetPozText(2, 3), "TE-101  ");
  mba.SetPozText("ABCDEFGHIJ", 2, 3);
  EXPECT_EQ(mba.GetPozText(2, 3), "ABCDEFGH");
  EXPECT_EQ(mba.GetBlockByte(2, ChannelByte(3, 20)), 'A');
  EXPECT_EQ(mba.GetBlockByte(2, ChannelByte(4, 0)), 0);

  struct Case {
    const char* typed;
    const char* shown;
  };
  const Case cases[] = {{"0", "0,0000"},       {"0,1", "0,1000"},         {"999,5", "999,5000"},
                        {"1000", "1000,000"},  {"9999", "9999,000"},      {"10000", "10000,00"},
                        {"-200", "-200,0000"}, {"-12345", "-12345,0000"}, {"-0,5", "-0,5000"}};
  for (const auto& c : cases) {
    ASSERT_TRUE(mba.SetMaxSkText(c.typed, 7, 5)) << c.typed;
    EXPECT_EQ(mba.GetMaxSkText(7, 5), c.shown) << c.typed;
  }
  ASSERT_TRUE(mba.SetMinSkText("1", 7, 5));
  EXPECT_EQ(mba.GetBlockByte(7, ChannelByte(5, 2)), 0x00);
  EXPECT_EQ(mba.GetBlockByte(7, ChannelByte(5, 3)), 0x40);
  EXPECT_EQ(mba.GetBlockByte(7, ChannelByte(5, 4)), 0x01);
  ASSERT_TRUE(mba.SetUstHHText("100", 7, 5));
  EXPECT_EQ(mba.GetBlockByte(7, ChannelByte(5, 17)), 0x00);
  EXPECT_EQ(mba.GetBlockByte(7, ChannelByte(5, 18)), 0x64);
  EXPECT_EQ(mba.GetBlockByte(7, ChannelByte(5, 19)), 0x07);
  EXPECT_FALSE(mba.SetUstLText("x", 7, 5));
  EXPECT_FALSE(mba.SetUstLText("1", 8, 0));
  EXPECT_FALSE(mba.SetReal(7, 5, TProgMBAClass::ChannelReal::MinSk, -2e38f));  // past the Real24 exponent
  EXPECT_EQ(mba.GetMinSkText(7, 5), "1,0000");
}

TEST(TProgMBAClass, RangeTablesBySensorAndVersion) {
  struct Case {
    int sensor;
    bool newVersion;
    std::size_t count;
    Range first;
  };
  const Case cases[] = {
      {0, false, 13, {-120, 30}},
      {1, true, 13, {-120, 30}},
      {3, false, 13, {-120, 30}},
      {2, false, 12, {-50, 200}},
      {4, false, 6, {-120, 30}},
      {5, false, 2, {0, 1300}},
      {6, true, 2, {0, 1300}},
      {7, false, 2, {100, 1800}},
      {8, false, 2, {100, 1800}},
      {9, false, 2, {100, 1800}},
      {7, true, 2, {0, 0}},
      {8, true, 46, {-200, -150}},
      {10, false, 46, {-200, -150}},
      {12, true, 46, {-200, -150}},
      {13, false, 11, {-50, 0}},
      {9, true, 0, {}},
      {14, false, 0, {}},
      {15, true, 0, {}},
      {16, false, 0, {}},
      {-1, false, 0, {}},
  };
  for (const auto& c : cases) {
    const auto ranges = TProgMBAClass::RangeTable(c.sensor, c.newVersion);
    EXPECT_EQ(ranges.size(), c.count) << c.sensor << " " << c.newVersion;
    if (!ranges.empty()) {
      EXPECT_EQ(ranges.front(), c.first) << c.sensor;
    }
  }
  EXPECT_EQ(TProgMBAClass::RangeTable(10, false).back(), (Range{0, 120}));
  EXPECT_EQ(TProgMBAClass::RangeTable(2, false).back(), (Range{600, 1100}));
  EXPECT_TRUE(TProgMBAClass::HasTypedLimits(14, false));
  EXPECT_TRUE(TProgMBAClass::HasTypedLimits(9, true));
  EXPECT_FALSE(TProgMBAClass::HasTypedLimits(9, false));
}

TEST(TProgMBAClass, RangeListsForTheEditor) {
  TProgMBAClass mba;
  EXPECT_EQ(mba.GetRangeMinima(2, 0), (std::vector<int>{-50, 0, 200, 400, 600}));
  EXPECT_EQ(mba.GetRangeMaxima(2, 0, 0), (std::vector<int>{200, 300, 400, 600, 800, 900, 1100}));
  EXPECT_EQ(mba.FindRangeIndex(2, 0, 0, 900), 6);
  EXPECT_EQ(mba.FindRangeIndex(2, 0, 0, 950), std::nullopt);

  // -100 comes twice in the resistance table, apart: listed once, at its first place.
  const auto minima = mba.GetRangeMinima(10, 0);
  EXPECT_EQ(std::count(minima.begin(), minima.end(), -100), 1);
  EXPECT_EQ(minima[3], -100);
  EXPECT_EQ(mba.GetRangeMaxima(10, 0, -100), (std::vector<int>{50, 200, 500}));

  // The module's flag picks the table: sensor 8 is a thermocouple on the old version.
  mba.SetNewVersion(3, 1);
  EXPECT_EQ(mba.GetRanges(8, 3).size(), 46u);
  EXPECT_EQ(mba.GetRanges(8, 2).size(), 2u);

  // A stored range index is six bits wide; the tables are shorter.
  EXPECT_EQ(mba.GetRange(4, 0, 5), (Range{0, 300}));
  EXPECT_EQ(mba.GetRange(4, 0, 6), std::nullopt);
  EXPECT_EQ(mba.GetRange(4, 0, 63), std::nullopt);
  EXPECT_EQ(mba.GetRange(14, 0, 0), std::nullopt);
  EXPECT_TRUE(mba.GetRangeMinima(15, 0).empty());
}

TEST(TProgMBAClass, ModuleBookkeeping) {
  TProgMBAClass mba;
  mba.SetBlockSaved(8, 0);
  mba.SetBlockError(1, 1);
  mba.SetBlockSaved(9, 0);  // no such slot
  mba.SetBlockError(0, 1);  // slots count from 1
  mba.SetNewVersion(8, 1);
  EXPECT_EQ(mba.GetBlockSaved(8), 0);
  EXPECT_EQ(mba.GetBlockError(1), 1);
  EXPECT_EQ(mba.GetBlockSaved(9), 0);
  EXPECT_EQ(mba.GetBlockError(0), 0);
  EXPECT_EQ(mba.GetNewVersion(8), 0);
  mba.ResetModuleState();
  EXPECT_EQ(mba.GetBlockSaved(8), 1);
  EXPECT_EQ(mba.GetBlockError(1), 0);
}

TEST(TProgMBAClass, ConverterCodes) {
  std::vector<std::uint8_t> codes(42);
  // Row 1: beginning -2 (FE FF), end 1000 (E8 03); row 6 present code 0x1234.
  codes[4] = 0xFE;
  codes[5] = 0xFF;
  codes[6] = 0xE8;
  codes[7] = 0x03;
  codes[40] = 0x34;
  codes[41] = 0x12;
  TProgMBAClass mba;
  ASSERT_TRUE(mba.PutCodesFromAnswer(1, MakePageAnswer(61, codes)));
  EXPECT_EQ(mba.GetCodeBegin(1, 1), -2);
  EXPECT_EQ(mba.GetCodeEnd(1, 1), 1000);
  EXPECT_EQ(mba.GetCodeNow(1, 6), 0x1234);
  EXPECT_EQ(mba.GetCodeNow(1, 7), 0);
  EXPECT_FALSE(mba.PutCodesFromAnswer(2, MakePageAnswer(61, codes)));  // page of another module
  EXPECT_FALSE(mba.PutCodesFromAnswer(8, MakePageAnswer(68, codes)));
  EXPECT_FALSE(mba.PutCodesFromAnswer(1, MakePageAnswer(61, std::span(codes).first(30))));
  EXPECT_EQ(mba.GetCodeBegin(2, 1), 0);
}

TEST(TProgMBAClass, CalibrationStates) {
  std::vector<std::uint8_t> data;
  for (int r = 0; r < 6; ++r) {
    const std::string text = "  " + std::to_string(r) + ",000";
    data.insert(data.end(), text.begin(), text.end());
    data.push_back(static_cast<std::uint8_t>(0x20 + r));
  }
  TProgMBAClass mba;
  ASSERT_TRUE(mba.PutCalibrStatesFromAnswer(0, 6, MakeAnswer(0x47, data)));
  EXPECT_EQ(mba.GetCalibrText(4), "  4,000");
  EXPECT_EQ(mba.GetCalibrStatus(5), 0x25);
  ASSERT_TRUE(mba.PutCalibrStatesFromAnswer(6, 1, MakeAnswer(0x47, std::span(data).first(8))));
  EXPECT_EQ(mba.GetCalibrText(6), "  0,000");
  EXPECT_FALSE(mba.PutCalibrStatesFromAnswer(2, 6, MakeAnswer(0x47, data)));  // rows past the cold junction
  EXPECT_EQ(mba.GetCalibrText(7), "");
}

}  // namespace
}  // namespace lur

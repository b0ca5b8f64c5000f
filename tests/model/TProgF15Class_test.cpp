#include "model/TProgF15Class.h"

#include <gtest/gtest.h>

#include <vector>

#include "PageAnswerBuilder.h"

namespace lur {
namespace {

using test::MakeAnswer;
using test::MakePageAnswer;
using test::PatternBytes;

TEST(TProgF15Class, AnswerBecomesTableAndPageDataUnchanged) {
  const auto page = PatternBytes(80, 3);
  TProgF15Class table;
  ASSERT_TRUE(table.PutF15FromAnswer(MakePageAnswer(0x0B, page)));
  const auto data = table.GetPageData();
  EXPECT_EQ(data[0], 0x0B);
  EXPECT_TRUE(std::equal(page.begin(), page.end(), data.begin() + 1));
  EXPECT_EQ(table.GetF15Byte(0), 0x0B);
  EXPECT_EQ(table.GetF15Byte(80), page[79]);
}

TEST(TProgF15Class, FileBlockRoundTrips) {
  const auto block = PatternBytes(81, 200);
  TProgF15Class table;
  ASSERT_TRUE(table.PutF15FromFile(block));
  EXPECT_TRUE(std::equal(block.begin(), block.end(), table.GetTable().begin()));
  // A file block cut short is refused rather than read past its end.
  TProgF15Class other;
  EXPECT_FALSE(other.PutF15FromFile(std::span(block).first(80)));
  EXPECT_EQ(other.GetTable(), TProgF15Class().GetTable());
}

TEST(TProgF15Class, RefusedAnswersLeaveTableUnchanged) {
  const auto page = PatternBytes(80, 9);
  auto good = MakePageAnswer(0x0B, page);
  std::vector<std::vector<std::uint8_t>> refused;
  auto otherFunction = good;
  otherFunction[1] = 0x43;
  refused.push_back(otherFunction);
  refused.push_back(MakeAnswer(0xC4, std::vector<std::uint8_t>{0x03}));  // exception answer
  refused.push_back(MakePageAnswer(0x0A, page));                         // another page echoed
  refused.push_back(MakePageAnswer(0x0B, std::span(page).first(79)));    // count 80
  auto longer = page;
  longer.push_back(0x55);
  refused.push_back(MakePageAnswer(0x0B, longer));                                // count 82
  refused.push_back(std::vector<std::uint8_t>(good.begin(), good.begin() + 60));  // cut short
  refused.push_back({});

  TProgF15Class table;
  ASSERT_TRUE(table.PutF15FromFile(PatternBytes(81, 77)));
  const auto before = table.GetTable();
  for (std::size_t i = 0; i < refused.size(); ++i) {
    EXPECT_FALSE(table.PutF15FromAnswer(refused[i])) << i;
    EXPECT_EQ(table.GetTable(), before) << i;
  }
}

TEST(TProgF15Class, ControlBitsKeepTheOtherBits) {
  TProgF15Class table;
  table.SetF15Byte(1 + 7, 0x20);
  table.SetKvit(0, 1);
  EXPECT_EQ(table.GetF15Byte(8), 0x30);
  table.SetSbros(0, 0);
  EXPECT_EQ(table.GetF15Byte(8), 0x10);
  EXPECT_EQ(table.GetKvit(0), 1);
  EXPECT_EQ(table.GetSbros(0), 0);
  table.SetF15Byte(41 + 7, 0xCF);
  table.SetSbros(1, 1);
  EXPECT_EQ(table.GetF15Byte(48), 0xEF);
}

TEST(TProgF15Class, SecondBlockLayout) {
  TProgF15Class table;
  table.SetKodF(1, 15);
  table.SetKolVh(1, 32);
  table.SetUstr(1, 7);
  table.SetAdBegDat(1, 0x0340);
  table.SetKolDat(1, 0x1234);
  table.SetSignal(1, 0, 1);
  table.SetSignal(1, 31, 254);
  EXPECT_EQ(table.GetF15Byte(41), 15);
  EXPECT_EQ(table.GetF15Byte(42), 32);
  EXPECT_EQ(table.GetF15Byte(43), 7);
  EXPECT_EQ(table.GetF15Byte(44), 0x40);
  EXPECT_EQ(table.GetF15Byte(45), 0x03);
  EXPECT_EQ(table.GetF15Byte(46), 0x34);
  EXPECT_EQ(table.GetF15Byte(47), 0x12);
  EXPECT_EQ(table.GetF15Byte(49), 1);
  EXPECT_EQ(table.GetF15Byte(80), 254);  // signal 32 of block 2 is the last byte
  EXPECT_EQ(table.GetAdBegDat(1), 0x0340);
  EXPECT_EQ(table.GetKolDat(1), 0x1234);
  // Block 1 is untouched.
  for (int i = 1; i <= 40; ++i) EXPECT_EQ(table.GetF15Byte(i), 0) << i;
}

TEST(TProgF15Class, OutOfRangeIndicesTouchNothing) {
  TProgF15Class table;
  const auto before = table.GetTable();
  table.SetKodF(2, 15);
  table.SetKodF(-1, 15);
  table.SetSignal(0, 32, 5);
  table.SetSignal(0, -1, 5);
  table.SetF15Byte(81, 1);
  EXPECT_EQ(table.GetTable(), before);
  EXPECT_EQ(table.GetKodF(2), 0);
  EXPECT_EQ(table.GetSignal(1, 32), 0);
  EXPECT_EQ(table.GetF15Byte(-1), 0);
}

TEST(TProgF15Class, SignalNumbersDecodeWithinTheirRanges) {
  struct Case {
    int number;
    TProgF15Class::SignalSource::Kind kind;
    int index;
  };
  using Kind = TProgF15Class::SignalSource::Kind;
  const Case cases[] = {
      {0, Kind::None, -1},         {1, Kind::DiscreteInput, 0},  {192, Kind::DiscreteInput, 191},
      {193, Kind::BlockOutput, 0}, {254, Kind::BlockOutput, 61}, {255, Kind::Invalid, -1},
  };
  TProgF15Class table;
  for (const auto& c : cases) {
    table.SetSignal(0, 3, c.number);
    const auto source = table.DecodeSignal(0, 3);
    EXPECT_EQ(source.kind, c.kind) << c.number;
    EXPECT_EQ(source.index, c.index) << c.number;
  }
}

TEST(TProgF15Class, UsedSignalCountNeverPassesTheBlock) {
  TProgF15Class table;
  table.SetKolVh(0, 16);
  EXPECT_EQ(table.GetUsedSignalCount(0), 16);
  table.SetKolVh(0, 200);  // as a damaged file may hold it
  EXPECT_EQ(table.GetUsedSignalCount(0), 32);
}

}  // namespace
}  // namespace lur

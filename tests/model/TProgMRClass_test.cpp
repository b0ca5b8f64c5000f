#include "model/TProgMRClass.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "PageAnswerBuilder.h"

namespace lur {
namespace {

using test::MakePageAnswer;

using Bytes = std::vector<std::uint8_t>;

Bytes Pattern(std::size_t size, std::uint8_t seed) {
  Bytes bytes(size);
  for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<std::uint8_t>(seed + 11 * i);
  return bytes;
}

Bytes BlockOf(const TProgMRClass& table) { return Bytes(table.GetBlock().begin(), table.GetBlock().end()); }

// ---- records ----------------------------------------------------------------------

TEST(TProgMRRecords, DefaultRecordFields) {
  TProgMRClass table;
  table.SetVxKvit(5, 7, 4);
  table.SetDefaultOutput(7, 4);
  EXPECT_EQ(table.GetTipVyh(7, 4), 1);
  EXPECT_EQ(table.GetKvitBlock(7, 4), 1);
  EXPECT_EQ(table.GetSbrTopLevel(7, 4), 1);
  EXPECT_EQ(table.GetKvitTopLevel(7, 4), 0);
  EXPECT_EQ(table.GetSbrMind(7, 4), 1);
  EXPECT_EQ(table.GetKvitMind(7, 4), 0);
  EXPECT_EQ(table.GetVxKvit(7, 4), 0);
  // Output 7 of module 4 is the last three bytes of the block.
  EXPECT_EQ(table.GetMRByte(118), 0x17);
  EXPECT_EQ(table.GetMRByte(119), 0);
  EXPECT_EQ(table.GetMRByte(120), 0);
  EXPECT_EQ(table.GetMRByte(117), 0);
}

TEST(TProgMRRecords, EachBitSetterTouchesOnlyItsBit) {
  struct Case {
    const char* name;
    void (TProgMRClass::*set)(int, int, int);
    int (TProgMRClass::*get)(int, int) const;
    std::uint8_t bit;
  };
  using T = TProgMRClass;
  const Case cases[] = {
      {"TipVyh", &T::SetTipVyh, &T::GetTipVyh, 0x01},
      {"KvitBlock", &T::SetKvitBlock, &T::GetKvitBlock, 0x02},
      {"SbrTopLevel", &T::SetSbrTopLevel, &T::GetSbrTopLevel, 0x04},
      {"KvitTopLevel", &T::SetKvitTopLevel, &T::GetKvitTopLevel, 0x08},
      {"SbrMind", &T::SetSbrMind, &T::GetSbrMind, 0x10},
      {"KvitMind", &T::SetKvitMind, &T::GetKvitMind, 0x20},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TProgMRClass table;
    table.SetDefaultOutput(2, 1);
    const std::uint8_t base = table.GetMRByte(1 + 24 + 6);
    (table.*c.set)(1, 2, 1);
    EXPECT_EQ(table.GetMRByte(1 + 24 + 6), base | c.bit);
    EXPECT_EQ((table.*c.get)(2, 1), 1);
    (table.*c.set)(0, 2, 1);
    EXPECT_EQ(table.GetMRByte(1 + 24 + 6), base & ~c.bit);
    EXPECT_EQ((table.*c.get)(2, 1), 0);
    EXPECT_EQ(table.GetMRByte(1 + 24 + 3), 0);  // output 1 untouched
  }
  TProgMRClass table;
  table.SetDefaultOutput(0, 0);
  table.SetKvitMind(1, 0, 0);
  EXPECT_EQ(table.GetMRByte(1), 0x37);
  table.SetKvitMind(0, 0, 0);
  EXPECT_EQ(table.GetMRByte(1), 0x17);
}

TEST(TProgMRRecords, IndicesOutsideTheTravellingModulesAreIgnored) {
  TProgMRClass table;
  table.SetDefaultModule(5);
  table.SetTipVyh(1, 8, 0);
  table.SetVxKvit(9, -1, 0);
  table.SetVhSbr(9, 0, -1);
  table.SetMRByte(121, 0xFF);
  EXPECT_EQ(BlockOf(table), Bytes(121, 0));
  EXPECT_EQ(table.GetTipVyh(0, 5), 0);
  EXPECT_EQ(table.GetMRByte(121), 0);
  EXPECT_FALSE(table.SetModuleRecords(5, TProgMRClass::ModuleRecords{}));
}

TEST(TProgMRRecords, ModuleCopyAndReplaceClearsForeignInputs) {
  TProgMRClass table;
  for (int o = 0; o < 8; ++o) {
    table.SetDefaultOutput(o, 0);
    table.SetVxKvit(static_cast<std::uint8_t>(10 + o), o, 0);
    table.SetVhSbr(static_cast<std::uint8_t>(o), o, 0);
  }
  const auto copied = table.GetModuleRecords(0);
  ASSERT_TRUE(table.SetModuleRecords(4, copied));
  EXPECT_EQ(table.GetModuleRecords(4), copied);
  table.ClearInputsAbove(4, 12);  // the target configuration has 12 discrete inputs
  for (int o = 0; o < 8; ++o) {
    EXPECT_EQ(table.GetVxKvit(o, 4), 10 + o <= 12 ? 10 + o : 0) << o;
    EXPECT_EQ(table.GetVhSbr(o, 4), o);
  }
  EXPECT_EQ(table.GetVxKvit(7, 0), 17);  // the source keeps its numbers
}

// ---- page 9 ------------------------------------------------------------------------

TEST(TProgMRPage, AnswerToBlockToWriteIsByteIdentical) {
  TProgMRClass table;
  const Bytes data = Pattern(120, 3);
  ASSERT_TRUE(table.PutMRFromAnswer(0x44, MakePageAnswer(9, data)));
  const auto out = table.GetBlockForTransfer();
  EXPECT_EQ(out[0], 9);
  EXPECT_EQ(Bytes(out.begin() + 1, out.end()), data);
  EXPECT_EQ(table.GetMRByte(1), data[0]);
  EXPECT_EQ(TProgMRClass::GetLenMR(), 121);
}

TEST(TProgMRPage, FileBlockRoundTripSetsThePageNumber) {
  TProgMRClass table;
  Bytes file = Pattern(121, 1);
  file[0] = 0;  // a block never read from a controller
  ASSERT_TRUE(table.PutMRFromFile(file));
  EXPECT_EQ(BlockOf(table), file);
  const auto out = table.GetBlockForTransfer();
  file[0] = 9;
  EXPECT_EQ(Bytes(out.begin(), out.end()), file);
  EXPECT_FALSE(table.PutMRFromFile(Bytes(120, 0xFF)));
  EXPECT_EQ(table.GetMRByte(1), file[1]);
}

TEST(TProgMRPage, RefusedAnswersLeaveTheTableUnchanged) {
  const Bytes good = Pattern(120, 7);
  Bytes cut = MakePageAnswer(9, good);
  cut.resize(60);
  Bytes wrongCount = MakePageAnswer(9, good);
  wrongCount[2] = 200;
  struct Case {
    const char* name;
    std::uint8_t function;
    Bytes answer;
  };
  const Case cases[] = {
      {"another function", 0x03, MakePageAnswer(9, good)},
      {"another page echoed", 0x44, MakePageAnswer(10, good)},
      {"a longer page", 0x44, MakePageAnswer(9, Pattern(192, 7))},
      {"a shorter page", 0x44, MakePageAnswer(9, Pattern(40, 7))},
      {"count of another length", 0x44, wrongCount},
      {"fewer bytes than the page", 0x44, cut},
      {"empty", 0x44, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TProgMRClass table;
    table.SetDefaultModule(2);
    const Bytes before = BlockOf(table);
    EXPECT_FALSE(table.PutMRFromAnswer(c.function, c.answer));
    EXPECT_EQ(BlockOf(table), before);
  }
}

// ---- editor state ----------------------------------------------------------------------

TEST(TProgMRState, ModulePositionsAreCheckedAndReset) {
  TProgMRClass table;
  for (int p = 1; p <= 8; ++p) EXPECT_EQ(table.GetMrSent(p), 1);
  table.SetMrSlot(3);
  table.SetMrSlot2(3);
  table.SetMrSent(3, 0);
  table.SetMrSent(8, 0);
  table.SetMrSent(0, 0);  // a cleared MrSlot2 changes nothing
  table.SetMrSent(9, 0);
  EXPECT_EQ(table.GetMrSent(3), 0);
  EXPECT_EQ(table.GetMrSent(0), 1);
  table.ResetModuleState();
  EXPECT_EQ(table.GetMrSent(3), 1);
  EXPECT_EQ(table.GetMrSent(8), 1);
  EXPECT_EQ(table.GetMrSlot2(), 0);
  EXPECT_EQ(table.GetMrSlot(), 3);
  EXPECT_EQ(table.CopiedModule, -1);
}

TEST(TProgMRState, CheckMRField) {
  const std::pair<const char*, bool> cases[] = {
      {"", true},       {"0", false},    {"12", false},
      {"32767", false}, {"32768", true}, {"-32767", false},
      {"-32768", true}, {"1a", true},    {"99999999999999999999", true},
  };
  for (const auto& [text, bad] : cases) EXPECT_EQ(TProgMRClass::CheckMRField(text), bad) << text;
}

}  // namespace
}  // namespace lur

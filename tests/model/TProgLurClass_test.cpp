#include "model/TProgLurClass.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "PageAnswerBuilder.h"

namespace lur {
namespace {

using test::MakePageAnswer;

using Bytes = std::vector<std::uint8_t>;
using Record = TProgLurClass::Record;

Bytes Pattern(std::size_t size, std::uint8_t seed) {
  Bytes bytes(size);
  for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<std::uint8_t>(seed + 13 * i);
  return bytes;
}

// Record n carries its own number in byte 7, so moves can be followed.
Record Tagged(int n) { return {0x41, 1, 2, 3, 4, 5, 6, static_cast<std::uint8_t>(n)}; }

class TProgLurMoves : public ::testing::Test {
 protected:
  void SetUp() override {
    TProgLurClass::Records records;
    for (int n = 0; n < 192; ++n) records[n] = Tagged(n);
    base.SetRecords(records);
  }
  Record At(int n) const { return base.GetRecords()[n]; }
  TProgLurClass base;
};

// ---- fields ---------------------------------------------------------------------

TEST(TProgLurFields, SettersReplaceOnlyTheirBits) {
  struct Case {
    const char* name;
    int byte;
    std::uint8_t before;
    void (TProgLurClass::*set)(int, std::uint8_t);
    std::uint8_t (TProgLurClass::*get)(int) const;
    std::uint8_t mask, value, after;
  };
  using T = TProgLurClass;
  const Case cases[] = {
      {"TipS alarm over warning", 0, 0x65, &T::SetTipS, &T::GetTipS, 0xC0, 0x80, 0xA5},
      {"TipS none", 0, 0xE5, &T::SetTipS, &T::GetTipS, 0xC0, 0x00, 0x25},
      {"NTabS", 0, 0xFF, &T::SetNTabS, &T::GetNTabS, 0x1F, 0x03, 0xE3},
      {"TipK off", 0, 0xFF, &T::SetTipK, &T::GetTipK, 0x20, 0x00, 0xDF},
      {"TimeZ", 6, 0xC0, &T::SetTimeZ, &T::GetTimeZ, 0x3F, 60, 0xFC},
      {"DiskrZ", 6, 0x85, &T::SetDiskrZ, &T::GetDiskrZ, 0x40, 0x40, 0xC5},
      {"Arh off", 6, 0xC5, &T::SetArh, &T::GetArh, 0x80, 0x00, 0x45},
      {"value wider than the field", 6, 0x00, &T::SetTimeZ, &T::GetTimeZ, 0x3F, 0xFF, 0x3F},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TProgLurClass base;
    base.SetRecByte(191, c.byte, c.before);
    (base.*c.set)(191, c.value);
    EXPECT_EQ(base.GetRecByte(191, c.byte), c.after);
    EXPECT_EQ((base.*c.get)(191), c.after & c.mask);  // in place, not shifted down
    EXPECT_EQ(base.GetRecByte(190, c.byte), 0);       // the neighbour is untouched
  }
}

TEST(TProgLurFields, IndicesOutsideTheBaseAreIgnored) {
  TProgLurClass base;
  base.SetTipS(192, 0xC0);
  base.SetRecByte(-1, 0, 0xFF);
  base.SetRecByte(0, 8, 0xFF);
  EXPECT_EQ(base.GetTipS(192), 0);
  EXPECT_EQ(base.GetRecByte(0, 8), 0);
  for (const auto& r : base.GetRecords()) EXPECT_EQ(r, Record{});
}

TEST(TProgLurFields, WhatMakesAHandler) {
  const std::pair<Record, bool> cases[] = {
      {{0x20, 0, 0, 0, 0, 0, 0, 0}, false},        // empty record
      {{0x00, 0, 0, 0, 0, 0, 0x80, 0}, false},     // archived only
      {{0x1F, 0, 0, 0, 0, 0, 0x40, 0xFF}, false},  // a cell without signalling, discreteness, reserve byte
      {{0x00, 0, 0, 0, 0, 0x01, 0, 0}, true},      // drives an output of module 5
      {{0x40, 0, 0, 0, 0, 0, 0, 0}, true},         // warning signalling
      {{0x00, 0, 0, 0, 0, 0, 0x01, 0}, true},      // one second of delay
  };
  for (const auto& [record, handler] : cases) {
    TProgLurClass base;
    TProgLurClass::Records records{};
    records[7] = record;
    base.SetRecords(records);
    EXPECT_EQ(base.HasHandler(7), handler) << int(record[0]) << " " << int(record[6]);
  }
  EXPECT_FALSE(TProgLurClass{}.HasHandler(192));
}

// ---- pages ------------------------------------------------------------------------

TEST(TProgLurPages, AnswersToRecordsToPagesAreByteIdentical) {
  TProgLurClass base;
  for (int k = 0; k < 8; ++k) {
    ASSERT_TRUE(base.PutPageFromAnswer(MakePageAnswer(12 + k, Pattern(192, k)), k));
    ASSERT_TRUE(base.StorePage(k));
  }
  EXPECT_EQ(base.GetRecords()[24][0], Pattern(192, 1)[0]);  // page 1 begins at record 24
  EXPECT_EQ(base.GetRecords()[191][7], Pattern(192, 7)[191]);
  for (int k = 7; k >= 0; --k) {
    ASSERT_TRUE(base.LoadPage(k));
    EXPECT_EQ(Bytes(base.GetPage().begin(), base.GetPage().end()), Pattern(192, k)) << k;
  }
  EXPECT_EQ(TProgLurClass::GetLenPage(), 193);
}

TEST(TProgLurPages, FilePagesRoundTrip) {
  TProgLurClass base;
  const Bytes file = Pattern(192 * 8, 5);
  for (int k = 0; k < 8; ++k) {
    ASSERT_TRUE(base.PutPageFromFile(std::span(file).subspan(192 * k)));
    ASSERT_TRUE(base.StorePage(k));
  }
  Bytes out;
  for (int k = 0; k < 8; ++k) {
    ASSERT_TRUE(base.LoadPage(k));
    out.insert(out.end(), base.GetPage().begin(), base.GetPage().end());
  }
  EXPECT_EQ(out, file);
  EXPECT_FALSE(base.StorePage(8));
  EXPECT_FALSE(base.LoadPage(-1));
}

TEST(TProgLurPages, RefusedAnswersLeaveTheBaseUnchanged) {
  const Bytes good = Pattern(192, 9);
  Bytes cut = MakePageAnswer(14, good);
  cut.resize(150);
  Bytes wrongCount = MakePageAnswer(14, good);
  wrongCount[2] = 97;
  const std::pair<const char*, Bytes> cases[] = {
      {"another page echoed", MakePageAnswer(15, good)},
      {"a longer page", MakePageAnswer(14, Pattern(200, 9))},
      {"a shorter page", MakePageAnswer(14, Pattern(100, 9))},
      {"count of another length", wrongCount},
      {"fewer bytes than the page", cut},
      {"empty", {}},
  };
  for (const auto& [name, answer] : cases) {
    SCOPED_TRACE(name);
    TProgLurClass base;
    ASSERT_TRUE(base.PutPageFromFile(Pattern(192, 1)));
    ASSERT_TRUE(base.StorePage(2));
    const auto records = base.GetRecords();
    EXPECT_FALSE(base.PutPageFromAnswer(answer, 2));
    EXPECT_EQ(Bytes(base.GetPage().begin(), base.GetPage().end()), Pattern(192, 1));
    EXPECT_EQ(base.GetRecords(), records);
  }
  TProgLurClass base;
  EXPECT_FALSE(base.PutPageFromAnswer(MakePageAnswer(20, good), 8));
  EXPECT_FALSE(base.PutPageFromFile(Bytes(191)));
}

// ---- moves ------------------------------------------------------------------------

TEST_F(TProgLurMoves, DeleteAtTheEndEmptiesTheTail) {
  base.DeleteRecs(190, 5);
  for (int n = 0; n < 190; ++n) EXPECT_EQ(At(n), Tagged(n));
  EXPECT_EQ(At(190), TProgLurClass::kEmptyRecord);
  EXPECT_EQ(At(191), TProgLurClass::kEmptyRecord);
}

TEST_F(TProgLurMoves, DeleteInTheMiddleClosesTheGap) {
  base.DeleteRecs(10, 24);
  EXPECT_EQ(At(9), Tagged(9));
  EXPECT_EQ(At(10), Tagged(34));
  EXPECT_EQ(At(167), Tagged(191));
  EXPECT_EQ(At(168), TProgLurClass::kEmptyRecord);
  base.DeleteRecs(0, 1000);
  for (int n = 0; n < 192; ++n) EXPECT_EQ(At(n), TProgLurClass::kEmptyRecord);
}

TEST_F(TProgLurMoves, InsertAtTheStartShiftsAndDropsTheLast) {
  base.InsertRecs(0, 1);
  EXPECT_EQ(At(0), Tagged(0));  // unchanged until cleared
  for (int n = 1; n < 192; ++n) EXPECT_EQ(At(n), Tagged(n - 1));
  base.ClearRecs(0, 1);
  EXPECT_EQ(At(0), TProgLurClass::kEmptyRecord);
}

TEST_F(TProgLurMoves, InsertNearTheEndAndPastIt) {
  base.InsertRecs(188, 2);
  EXPECT_EQ(At(189), Tagged(189));
  EXPECT_EQ(At(190), Tagged(188));
  EXPECT_EQ(At(191), Tagged(189));
  base.InsertRecs(191, 1);  // nothing can move
  base.InsertRecs(0, 192);
  base.InsertRecs(-3, 2);
  EXPECT_EQ(At(191), Tagged(189));
  EXPECT_EQ(At(0), Tagged(0));
}

TEST_F(TProgLurMoves, ClearStopsAfterTheLastRecord) {
  base.ClearRecs(188, 10);
  EXPECT_EQ(At(187), Tagged(187));
  for (int n = 188; n < 192; ++n) EXPECT_EQ(At(n), TProgLurClass::kEmptyRecord);
  base.ClearRecs(-1, 5);
  base.ClearRecs(192, 5);
  EXPECT_EQ(At(0), Tagged(0));
}

TEST_F(TProgLurMoves, CopyRecCopiesAllEightBytes) {
  base.CopyRec(191, 0);
  EXPECT_EQ(At(0), Tagged(191));
  base.CopyRec(192, 1);
  base.CopyRec(1, -1);
  EXPECT_EQ(At(1), Tagged(1));
}

// ---- new configuration ---------------------------------------------------------------

TEST(TProgLurDefaults, NewConfigurationRecords) {
  struct Case {
    const char* name;
    int cells, signals, outputs;
    int alarmed, opened;
  };
  const Case cases[] = {
      {"24-cell display, 192 signals", 24, 192, 0, 24, 24},
      {"16-cell display, 16 signals", 16, 16, 8, 16, 16},
      {"6-cell display gets 12", 6, 12, 8, 12, 12},
      {"no modules", 12, 0, 0, 12, 12},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TProgLurClass base;
    base.SetRecByte(100, 3, 0x55);
    base.SetFactoryDefaults(c.cells, c.signals, c.outputs);
    for (int n = 0; n < 192; ++n) {
      Record expected = TProgLurClass::kEmptyRecord;
      if (n < c.alarmed) expected[0] = static_cast<std::uint8_t>(0x80 | 0x20 | (n + 1));
      if (n < c.opened) {
        expected[6] = c.outputs ? 0x85 : 0x80;
        expected[1] = c.outputs ? 0x01 : 0x00;
      }
      ASSERT_EQ(base.GetRecords()[n], expected) << n;
    }
  }
  TProgLurClass base;
  base.SetFactoryDefaults(24, 192, 0);
  EXPECT_EQ(base.GetRecords()[0], (Record{0xA1, 0, 0, 0, 0, 0, 0x80, 0}));
  EXPECT_EQ(base.GetRecords()[23], (Record{0xB8, 0, 0, 0, 0, 0, 0x80, 0}));
}

// ---- sensor-type block ------------------------------------------------------------

TEST(TProgLurTipDat, BitsRepackTheirWord) {
  TProgLurClass base;
  base.SetTipDatBit(3, 2, 1);
  EXPECT_EQ(base.GetTipDatByte(4), 0x08);
  EXPECT_EQ(base.GetTipDatByte(5), 0x00);
  base.SetTipDatBit(11, 2, 1);
  EXPECT_EQ(base.GetTipDatByte(5), 0x08);
  base.SetTipDatBit(3, 2, 0);
  EXPECT_EQ(base.GetTipDatByte(4), 0x00);
  base.SetTipDatBit(16, 2, 1);  // ignored
  base.SetTipDatBit(0, 8, 1);
  for (int i = 0; i < 16; ++i) EXPECT_EQ(base.GetTipDatByte(i), i == 5 ? 0x08 : 0) << i;
}

TEST(TProgLurTipDat, AnswerUnpacksAndRoundTrips) {
  TProgLurClass base;
  Bytes block(16, 0);
  block[0] = 0x01;   // module 1, sensor 1
  block[3] = 0x80;   // module 2, bit 15
  block[15] = 0x08;  // module 8, sensor 12
  ASSERT_TRUE(base.PutTipDatFromAnswer(MakePageAnswer(98, block)));
  base.UnpackTipDat();
  EXPECT_EQ(base.GetTipDatBit(0, 0), 1);
  EXPECT_EQ(base.GetTipDatBit(15, 1), 1);
  EXPECT_EQ(base.GetTipDatBit(11, 7), 1);
  EXPECT_EQ(base.GetTipDatBit(1, 0), 0);
  base.SetTipDatBit(0, 0, 1);  // the repack keeps every other bit of the word
  Bytes out;
  for (int i = 0; i < 16; ++i) out.push_back(base.GetTipDatByte(i));
  EXPECT_EQ(out, block);
  EXPECT_EQ(TProgLurClass::GetLenTipDat(), 17);

  const Bytes refused[] = {MakePageAnswer(97, block), MakePageAnswer(98, Bytes(17, 0xFF)), Bytes(10, 0)};
  for (const auto& answer : refused) EXPECT_FALSE(base.PutTipDatFromAnswer(answer));
  EXPECT_FALSE(base.PutTipDatFromFile(Bytes(15, 0xFF)));
  for (int i = 0; i < 16; ++i) EXPECT_EQ(base.GetTipDatByte(i), block[i]);
}

// ---- window services ----------------------------------------------------------------

TEST(TProgLurServices, AskCreateConfig) {
  struct Case {
    bool yes;
    int fullAccess;
    bool closes, informed;
  };
  const Case cases[] = {{false, 1, true, false}, {true, 1, false, false}, {true, 0, false, true}};
  for (const auto& c : cases) {
    TProgLurClass base;
    base.FullAccess = c.fullAccess;
    std::string asked, told;
    const bool closes = base.AskCreateConfig(
        [&](std::string_view q) {
          asked = q;
          return c.yes;
        },
        [&](std::string_view t) { told = t; });
    EXPECT_EQ(closes, c.closes);
    EXPECT_EQ(asked, "Конфигурация не задана. Будете создавать?");
    EXPECT_EQ(told, c.informed ? "Ваш уровень доступа не позволяет создавать схему" : "");
  }
}

TEST(TProgLurServices, CheckDelayField) {
  const std::tuple<const char*, int, bool> cases[] = {
      {"", 6, true},   {"0", 6, false}, {"60", 6, false},  {"61", 6, true},
      {"-1", 6, true}, {"5x", 6, true}, {"1", 7, false},   {"10", 7, false},
      {"5", 7, true},  {"", 3, true},   {"abc", 3, false}, {"99999999999", 6, true},
  };
  for (const auto& [text, kind, bad] : cases)
    EXPECT_EQ(TProgLurClass::CheckDelayField(text, kind), bad) << text;
}

TEST(TProgLurState, ConstructionDefaults) {
  TProgLurClass base;
  for (const auto& r : base.GetRecords()) EXPECT_EQ(r, Record{});
  for (int p = 0; p < 192; ++p) {
    EXPECT_EQ(base.PosSignal[p], -1);
    EXPECT_EQ(base.PosMark[p], 0);
  }
  for (int m = 0; m < 8; ++m) EXPECT_EQ(base.TipDatSent[m], 1);
  EXPECT_EQ(base.CurSignal, -1);
  EXPECT_EQ(base.CurPos, -1);
  EXPECT_EQ(base.CopyPos, -1);
  EXPECT_EQ(base.DiskrModified + base.SchemaSet + base.FullAccess + base.NHandlers, 0);
  EXPECT_EQ(base.GetTipDatModule(), 0);
}

}  // namespace
}  // namespace lur

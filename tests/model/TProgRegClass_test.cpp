#include "model/TProgRegClass.h"

#include <gtest/gtest.h>

#include <limits>
#include <random>
#include <vector>

#include "PageAnswerBuilder.h"
#include "model/Real24.h"

namespace lur {
namespace {

using test::MakePageAnswer;
using test::MakePageAnswerCounted;

using Param = TProgRegClass::Param;
using Record = TProgRegClass::RegRecord;

std::vector<std::uint8_t> RandomBytes(std::size_t n, unsigned seed) {
  std::mt19937 gen(seed);
  std::vector<std::uint8_t> out(n);
  for (auto& b : out) b = static_cast<std::uint8_t>(gen());
  return out;
}

// Every record byte set to a distinct value, so a field writing the wrong
// byte shows as a changed neighbour.
TProgRegClass Patterned() {
  TProgRegClass t;
  for (int i = 0; i < 6; ++i) {
    for (int j = 0; j < 28; ++j) {
      t.SetRegByte(i, j, 0x80 + i * 28 + j);
      t.SetPZByte(i, j, i * 28 + j);
    }
  }
  return t;
}

// ---- record layout --------------------------------------------------------------

TEST(TProgRegClassRecords, FieldsSitAtTheirOffsetsAndKeepTheRest) {
  TProgRegClass t = Patterned();
  const Record regBefore = t.GetRegRecord(2);
  const auto pzBefore = t.GetPZRecord(4);

  t.SetAnVh(2, 11);
  t.SetTReg(2, 17);
  t.SetAdOUT(2, 3);
  ASSERT_TRUE(t.SetParam(2, Param::Kp, 1.0f));
  ASSERT_TRUE(t.SetParam(2, Param::OSF, -1.0f));
  t.SetAReg(4, 3);
  t.SetTimePZ(4, 0, 0x1234);
  t.SetValPZ(4, 5, -2);

  Record reg = regBefore;
  reg[0] = 11;
  reg[1] = 17;
  reg[2] = 3;
  reg[6] = 0x00, reg[7] = 0x40, reg[8] = 0x01;     // Kp
  reg[21] = 0x00, reg[22] = 0xC0, reg[23] = 0x01;  // OSF
  EXPECT_EQ(t.GetRegRecord(2), reg);
  auto pz = pzBefore;
  pz[0] = 3;
  pz[1] = 0x34, pz[2] = 0x12;    // point 1 interval, little-endian
  pz[23] = 0xFE, pz[24] = 0xFF;  // point 6 value
  EXPECT_EQ(t.GetPZRecord(4), pz);
  EXPECT_EQ(t.GetValPZ(4, 5), -2);
  EXPECT_EQ(t.GetTimePZ(4, 0), 0x1234);
  EXPECT_EQ(t.GetValPZ(4, 4), static_cast<std::int16_t>(4 * 28 + 19 + 256 * (4 * 28 + 20)));

  for (int i : {0, 1, 3, 4, 5}) EXPECT_EQ(t.GetRegRecord(i), Patterned().GetRegRecord(i)) << i;
}

TEST(TProgRegClassRecords, OutputDirectionIsBitZeroOnly) {
  TProgRegClass t;
  t.SetRegByte(0, 3, 0xFE);
  t.SetTOut(0, 1);
  EXPECT_EQ(t.GetRegByte(0, 3), 0xFF);
  EXPECT_EQ(t.GetTOut(0), 1);
  t.SetTOut(0, 0);
  EXPECT_EQ(t.GetRegByte(0, 3), 0xFE);
  EXPECT_EQ(t.GetTOut(0), 0);
}

TEST(TProgRegClassRecords, IndicesOutsideTheTableReadZeroAndWriteNothing) {
  TProgRegClass t = Patterned();
  const auto before = t.GetFileBlock();
  t.SetAnVh(6, 1);
  t.SetAReg(-1, 1);
  t.SetRegByte(0, 28, 1);
  t.SetPZByte(5, -1, 1);
  t.SetTimePZ(0, 6, 1);
  t.SetValPZ(0, -1, 1);
  EXPECT_FALSE(t.SetKp(6, "1"));
  EXPECT_FALSE(t.SetParam(-1, Param::Td, 1.0f));
  EXPECT_EQ(t.GetFileBlock(), before);
  EXPECT_EQ(t.GetTReg(6), 0);
  EXPECT_EQ(t.GetTimePZ(0, 6), 0);
  EXPECT_EQ(t.GetKp(6), "");
}

// ---- loops ------------------------------------------------------------------------

TEST(TProgRegClassLoops, KindFromRoleAndOutputCodes) {
  struct Case {
    int tReg, adOut, kind;
  };
  const Case cases[] = {
      {0, 0, 0},   {1, 5, 1},  {1, 8, 2},  {1, 13, 2},  {1, 200, 2}, {8, 0, 2},   {13, 9, 2},
      {14, 0, 14}, {16, 0, 3}, {21, 3, 3}, {22, 0, 22}, {7, 8, 7},   {15, 1, 15}, {255, 9, 255},
  };
  TProgRegClass t;
  for (const auto& c : cases) {
    t.SetTReg(1, c.tReg);
    t.SetAdOUT(1, c.adOut);
    EXPECT_EQ(t.LoopKind(1), c.kind) << c.tReg << " " << c.adOut;
  }
}

TEST(TProgRegClassLoops, ReferencesNamingNoRecordGiveNone) {
  TProgRegClass t;
  // Outer regulator: TReg 1, AdOUT 8 + inner.
  t.SetTReg(0, 1);
  t.SetAdOUT(0, 13);
  EXPECT_EQ(t.CascadeInnerOf(0), 5);
  t.SetAdOUT(0, 14);  // kind 2, but no inner record 6
  EXPECT_EQ(t.LoopKind(0), 2);
  EXPECT_EQ(t.CascadeInnerOf(0), std::nullopt);
  EXPECT_EQ(t.DacOutputOf(0), std::nullopt);
  t.SetAdOUT(0, 5);
  EXPECT_EQ(t.DacOutputOf(0), 5);
  EXPECT_EQ(t.CascadeInnerOf(0), std::nullopt);
  t.SetAdOUT(0, 6);
  EXPECT_EQ(t.DacOutputOf(0), std::nullopt);

  t.SetTReg(1, 8);
  EXPECT_EQ(t.CascadeOuterOf(1), 0);
  t.SetTReg(1, 21);
  EXPECT_EQ(t.SetterOf(1), 5);
  EXPECT_EQ(t.CascadeOuterOf(1), std::nullopt);
  t.SetTReg(1, 22);
  EXPECT_EQ(t.SetterOf(1), std::nullopt);

  for (int aReg : {0, 7, 255}) {
    t.SetAReg(2, aReg);
    EXPECT_EQ(t.RegulatorOfSetter(2), std::nullopt) << aReg;
  }
  t.SetAReg(2, 6);
  EXPECT_EQ(t.RegulatorOfSetter(2), 5);
  EXPECT_EQ(t.CascadeInnerOf(6), std::nullopt);
  EXPECT_EQ(t.RegulatorOfSetter(-1), std::nullopt);
}

TEST(TProgRegClassLoops, UsedRecordsEndAtTheFirstFreeOne) {
  TProgRegClass t;
  EXPECT_EQ(t.UsedRegs(), 0);
  for (int i = 0; i < 6; ++i) t.SetAnVh(i, i + 1);
  EXPECT_EQ(t.UsedRegs(), 6);
  t.SetAnVh(3, 0);
  EXPECT_EQ(t.UsedRegs(), 3);
}

// ---- parameters as text ---------------------------------------------------------------

TEST(TProgRegClassParams, TextHasFourDecimalsAndSevenSignificantDigits) {
  struct Case {
    Real24 bytes;
    const char* text;
  };
  const Case cases[] = {
      {{0x00, 0x00, 0x00}, "0,0000"},
      {{0x00, 0x40, 0x01}, "1,0000"},
      {{0x00, 0xC0, 0x01}, "-1,0000"},
      {FloatToReal24(3000.0f), "3000,0000"},
      {FloatToReal24(25.0f), "25,0000"},
      {{0x1B, 0x4F, 0x01}, "1,2360"},  // 20251 / 16384 = 1.23602...
      {{0x00, 0x42, 0x01}, "1,0313"},  // 1.03125: the tie rounds away from zero
      {{0x00, 0xBE, 0x01}, "-1,0313"},
      {FloatToReal24(12345.5f), "12345,5000"},  // 7 digits used, the rest zeros
      {FloatToReal24(123456.0f), "123456,0000"},
      {{0xFF, 0x7F, 0x0F}, "32767,0000"},
      {{0xFF, 0x7F, 0x1B}, "134213600,0000"},  // 134213632 to 7 digits
      {{0x00, 0x40, 0xF3}, "0,0001"},          // 2^-14 = 0.000061
      {{0x00, 0xC0, 0xF0}, "0,0000"},          // -2^-16: no minus on a zero
  };
  TProgRegClass t;
  for (const auto& c : cases) {
    for (int j = 0; j < 3; ++j) t.SetRegByte(4, 9 + j, c.bytes[j]);  // Ti
    EXPECT_EQ(t.GetTi(4), c.text) << c.text;
  }
  EXPECT_EQ(t.GetParamText(4, Param::Ti, '.'), "0.0000");
}

TEST(TProgRegClassParams, EachSetterParsesIntoItsOwnField) {
  struct Case {
    bool (TProgRegClass::*set)(int, std::string_view);
    std::string (TProgRegClass::*get)(int) const;
    int offset;
  };
  const Case cases[] = {
      {&TProgRegClass::SetKp, &TProgRegClass::GetKp, 6},
      {&TProgRegClass::SetTi, &TProgRegClass::GetTi, 9},
      {&TProgRegClass::SetTd, &TProgRegClass::GetTd, 12},
      {&TProgRegClass::SetOL, &TProgRegClass::GetOL, 15},
      {&TProgRegClass::SetOH, &TProgRegClass::GetOH, 18},
      {&TProgRegClass::SetOSF, &TProgRegClass::GetOSF, 21},
  };
  for (const auto& c : cases) {
    TProgRegClass t = Patterned();
    ASSERT_TRUE((t.*c.set)(3, "3000"));
    Record expected = Patterned().GetRegRecord(3);
    expected[c.offset] = 0xC0;  // 3000 = 0x5DC0 * 2^-3
    expected[c.offset + 1] = 0x5D;
    expected[c.offset + 2] = 0x0C;
    EXPECT_EQ(t.GetRegRecord(3), expected) << c.offset;
    EXPECT_EQ((t.*c.get)(3), "3000,0000");

    ASSERT_TRUE((t.*c.set)(3, "-0,5"));
    EXPECT_EQ((t.*c.get)(3), "-0,5000");
    const Record kept = t.GetRegRecord(3);
    for (const char* bad : {"", "x", "1,,5", "1e39"}) {
      EXPECT_FALSE((t.*c.set)(3, bad)) << bad;
      EXPECT_EQ(t.GetRegRecord(3), kept) << bad;
    }
  }
}

// ---- set-point conversion ---------------------------------------------------------------

TEST(TProgRegClassSetPoints, ValueToCodeTruncatesAndRefusesWhatDoesNotFit) {
  struct Case {
    double value, low, high;
    std::optional<std::int16_t> code;
  };
  const Case cases[] = {
      {50, 0, 100, 8191},  // 8191.5
      {100, 0, 100, 16383},
      {0, 0, 100, 0},
      {-50, 0, 100, -8191},  // toward zero, not down
      {0.01, 0, 100, 1},
      {-0.01, 0, 100, -1},
      {50, 20, 120, 8191},             // no offset by the low end
      {50, 100, 0, -8191},             // a falling scale is a scale
      {200.01, 0, 100, 32767},         // 32767.8
      {200.02, 0, 100, std::nullopt},  // 32769.5 does not fit
      {-200.01, 0, 100, -32767},
      {-200.02, 0, 100, std::nullopt},
      // With H - L = 16383 the code is the value itself: the edges of 16 bits.
      {32767.9, 0, 16383, 32767},
      {32768, 0, 16383, std::nullopt},
      {-32768, 0, 16383, -32768},
      {-32768.9, 0, 16383, -32768},
      {-32769, 0, 16383, std::nullopt},
      {5, 10, 10, std::nullopt},  // H = L
      {0, 0, 0, std::nullopt},
      {1e300, 0, 1, std::nullopt},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(TProgRegClass::SetPointCode(c.value, c.low, c.high), c.code)
        << c.value << " " << c.low << ".." << c.high;
  }
  EXPECT_NEAR(TProgRegClass::SetPointValue(8191, 0, 100), 49.99695, 1e-5);
  EXPECT_NEAR(TProgRegClass::SetPointValue(-16383, 20, 120), -100.0, 1e-12);
}

TEST(TProgRegClassSetPoints, PointsUseTheScaleOfTheLoopBeingEdited) {
  TProgRegClass t;
  t.ScaleLow = 0;
  t.ScaleHigh = 400;
  ASSERT_TRUE(t.SetValPZValue(1, 2, 100));
  EXPECT_EQ(t.GetValPZ(1, 2), 4095);  // 4095.75
  EXPECT_NEAR(t.GetValPZValue(1, 2), 99.98169, 1e-5);

  t.ScaleHigh = 0;
  EXPECT_FALSE(t.SetValPZValue(1, 2, 5));
  EXPECT_EQ(t.GetValPZ(1, 2), 4095);
  t.ScaleHigh = 1;
  EXPECT_FALSE(t.SetValPZValue(1, 2, 3));  // 49149 would wrap to a negative code
  EXPECT_EQ(t.GetValPZ(1, 2), 4095);
  EXPECT_FALSE(t.SetValPZValue(1, 6, 0));
}

// ---- record moves ---------------------------------------------------------------------

TEST(TProgRegClassMoves, DeleteAndInsertAtTheEnds) {
  const TProgRegClass full = Patterned();
  auto reg = [&](int i) { return full.GetRegRecord(i); };
  const Record zero{};

  TProgRegClass t = full;
  t.DeleteRegs(5, 1);
  for (int i = 0; i < 5; ++i) EXPECT_EQ(t.GetRegRecord(i), reg(i));
  EXPECT_EQ(t.GetRegRecord(5), zero);

  t = full;
  for (int i = 0; i < 6; ++i) t.SetAnVh(i, i + 1);
  t.DeleteRegs(0, 1);
  EXPECT_EQ(t.UsedRegs(), 5);
  EXPECT_EQ(t.GetAnVh(0), 2);
  EXPECT_EQ(t.GetRegRecord(5), zero);

  t = full;
  t.DeleteRegs(1, 2);
  EXPECT_EQ(t.GetRegRecord(0), reg(0));
  EXPECT_EQ(t.GetRegRecord(1), reg(3));
  EXPECT_EQ(t.GetRegRecord(3), reg(5));
  EXPECT_EQ(t.GetRegRecord(4), zero);

  t = full;
  t.InsertRegs(1, 2);
  EXPECT_EQ(t.GetRegRecord(0), reg(0));
  EXPECT_EQ(t.GetRegRecord(1), reg(1));  // kept until overwritten
  EXPECT_EQ(t.GetRegRecord(2), reg(2));
  EXPECT_EQ(t.GetRegRecord(3), reg(1));
  EXPECT_EQ(t.GetRegRecord(5), reg(3));  // 4 and 5 lost

  t = full;
  t.InsertPZ(5, 1);
  t.InsertPZ(0, 6);
  t.DeletePZ(6, 1);
  t.DeletePZ(-1, 1);
  t.DeleteRegs(0, 0);
  EXPECT_EQ(t.GetFileBlock(), full.GetFileBlock());

  t.DeletePZ(2, 1);
  EXPECT_EQ(t.GetPZRecord(2), full.GetPZRecord(3));
  EXPECT_EQ(t.GetPZRecord(5), TProgRegClass::PZRecord{});
  EXPECT_EQ(t.GetRegRecord(2), reg(2));  // the regulators are another table
  t.DeleteRegs(0, 6);
  for (int i = 0; i < 6; ++i) EXPECT_EQ(t.GetRegRecord(i), zero);
}

TEST(TProgRegClassMoves, AnyCountIsCutToTheRecordsThereAre) {
  const TProgRegClass full = Patterned();
  TProgRegClass t = full;
  t.DeleteRegs(2, std::numeric_limits<int>::max());  // a count from a damaged file, never an overflow
  EXPECT_EQ(t.GetRegRecord(1), full.GetRegRecord(1));
  for (int i = 2; i < 6; ++i) EXPECT_EQ(t.GetRegRecord(i), Record{}) << i;
  t = full;
  t.InsertPZ(2, std::numeric_limits<int>::max());
  EXPECT_EQ(t.GetFileBlock(), full.GetFileBlock());
}

// ---- pages ---------------------------------------------------------------------------

TEST(TProgRegClassPages, AnswersToImagesAndBackAreIdentical) {
  TProgRegClass t;
  const auto regs = RandomBytes(168, 1);
  const auto setters = RandomBytes(168, 2);
  ASSERT_TRUE(t.PutPageFromAnswer(MakePageAnswer(0x20, regs), TProgRegClass::RegPage));
  ASSERT_TRUE(t.LoadPage(TProgRegClass::RegPage));
  ASSERT_TRUE(t.PutPageFromAnswer(MakePageAnswer(0x21, setters), TProgRegClass::PZPage));
  ASSERT_TRUE(t.LoadPage(TProgRegClass::PZPage));
  EXPECT_EQ(t.LenReg, 169);

  ASSERT_TRUE(t.StorePage(TProgRegClass::RegPage));
  EXPECT_TRUE(std::equal(regs.begin(), regs.end(), t.PageBuffer().begin()));
  ASSERT_TRUE(t.StorePage(TProgRegClass::PZPage));
  EXPECT_TRUE(std::equal(setters.begin(), setters.end(), t.PageBuffer().begin()));
  EXPECT_EQ(t.GetAnVh(5), regs[140]);
  EXPECT_EQ(t.GetAReg(1), setters[28]);
}

TEST(TProgRegClassPages, RefusedAnswersAndUnknownPagesChangeNothing) {
  TProgRegClass t = Patterned();
  const auto images = t.GetFileBlock();
  ASSERT_TRUE(t.PutPageFromAnswer(MakePageAnswer(0x21, RandomBytes(168, 5)), TProgRegClass::PZPage));
  const auto buffer = t.PageBuffer();

  const auto other = RandomBytes(168, 6);
  auto cut = MakePageAnswer(0x20, other);
  cut.resize(4 + 167);
  const std::vector<std::vector<std::uint8_t>> refused = {
      MakePageAnswerCounted(168, 0x20, other),
      MakePageAnswerCounted(170, 0x20, other),
      MakePageAnswer(0x21, other),
      cut,
      {1, 0x44, 169, 0x20},
  };
  for (const auto& answer : refused) {
    EXPECT_FALSE(t.PutPageFromAnswer(answer, TProgRegClass::RegPage));
    EXPECT_EQ(t.PageBuffer(), buffer);
  }
  EXPECT_FALSE(t.PutPageFromAnswer(MakePageAnswer(0x22, other), 0x22));
  EXPECT_FALSE(t.PutPageFromFile(std::vector<std::uint8_t>(167, 0)));
  EXPECT_EQ(t.PageBuffer(), buffer);

  for (int page : {0x1F, 0x22, 0}) EXPECT_FALSE(t.LoadPage(page)) << page;
  EXPECT_EQ(t.GetFileBlock(), images);
  EXPECT_FALSE(t.StorePage(0x22));
  EXPECT_EQ(t.PageBuffer(), TProgRegClass::PageImage{});  // cleared, nothing copied
  EXPECT_EQ(t.LenReg, 169);
}

TEST(TProgRegClassPages, FileBlockRoundTrips) {
  TProgRegClass t;
  const auto block = RandomBytes(336, 9);
  ASSERT_TRUE(t.PutFileBlock(block));
  const auto out = t.GetFileBlock();
  EXPECT_TRUE(std::equal(block.begin(), block.end(), out.begin()));
  EXPECT_EQ(t.GetAReg(0), block[168]);

  EXPECT_FALSE(t.PutFileBlock(std::span(block).first(335)));
  EXPECT_EQ(t.GetFileBlock(), out);
}

// ---- state ---------------------------------------------------------------------------

TEST(TProgRegClassState, ConstructionDefaultsAndStatusBits) {
  TProgRegClass t;
  EXPECT_EQ(t.LenReg, 169);
  EXPECT_EQ(t.kReg, 6);
  EXPECT_EQ(t.RegRecordCount, 6);
  EXPECT_EQ(t.RegRecordWork, 6);
  EXPECT_EQ(t.DefKp, 1.0f);
  EXPECT_EQ(t.DefTi, 3000.0f);
  EXPECT_EQ(t.DefOH, 100.0f);
  EXPECT_EQ(t.DefOSF, 25.0f);
  EXPECT_EQ(t.PanelLoop[5], -1);
  EXPECT_EQ(t.PZPanelRec[0], -1);
  EXPECT_EQ(t.CurLoop, -1);
  EXPECT_EQ(t.CurReg, -1);
  EXPECT_EQ(t.CurPanel, -1);
  EXPECT_EQ(t.ActPanel, -1);
  EXPECT_EQ(t.GetFileBlock(), TProgRegClass::FileBlock{});

  t.RegStatus[2] = 0xC3;
  t.RegStatus[3] = 0x3C;
  EXPECT_TRUE(t.IsAutomatic(2) && t.IsSwitchAP(2) && t.OutputIndicator(2) && t.InputIndicator(2));
  EXPECT_FALSE(t.IsAutomatic(3) || t.IsSwitchAP(3) || t.OutputIndicator(3) || t.InputIndicator(3));
  EXPECT_FALSE(t.IsAutomatic(6));
}

}  // namespace
}  // namespace lur

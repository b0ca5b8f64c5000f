#include "model/TProgFBClass.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <string>
#include <vector>

#include "PageAnswerBuilder.h"
#include "model/Real24.h"

namespace lur {
namespace {

using test::MakePageAnswer;
using test::MakePageAnswerCounted;

using Record = TProgFBClass::Record;

std::vector<std::uint8_t> RandomBytes(std::size_t n, unsigned seed) {
  std::mt19937 gen(seed);
  std::vector<std::uint8_t> out(n);
  for (auto& b : out) b = static_cast<std::uint8_t>(gen());
  return out;
}

// ---- bit fields ------------------------------------------------------------------

struct FieldCase {
  const char* name;
  std::function<int(const TProgFBClass&, int)> get;
  std::function<void(TProgFBClass&, int, int)> set;
  int byte;
  std::uint8_t mask;  // the field's bits in place
};

TEST(TProgFBClassFields, EachFieldOwnsExactlyItsBits) {
  using T = TProgFBClass;
  const FieldCase cases[] = {
      {"SubTip", &T::GetSubTip, &T::SetSubTip, 0, 0xF0},
      {"KindVh0", [](const T& t, int i) { return t.GetKindVh(i, 0); },
       [](T& t, int i, int v) { t.SetKindVh(i, 0, v); }, 1, 0x07},
      {"DirVh2", [](const T& t, int i) { return t.GetDirVh(i, 2); },
       [](T& t, int i, int v) { t.SetDirVh(i, 2, v); }, 5, 0x08},
      {"NVh3", [](const T& t, int i) { return t.GetNVh(i, 3); },
       [](T& t, int i, int v) { t.SetNVh(i, 3, v); }, 8, 0xFF},
      {"KindVhComp", &T::GetKindVhComp, &T::SetKindVhComp, 7, 0x07},
      {"DirVhComp", &T::GetDirVhComp, &T::SetDirVhComp, 7, 0x08},
      {"NVhComp", &T::GetNVhComp, &T::SetNVhComp, 8, 0xFF},
      {"TimerD", &T::GetTimerD, &T::SetTimerD, 5, 0x03},
      {"TimerTime", &T::GetTimerTime, &T::SetTimerTime, 6, 0xFF},
      {"TimerAdrUst", &T::GetTimerAdrUst, &T::SetTimerAdrUst, 7, 0x0F},
      {"TimerTUstT", &T::GetTimerTUstT, &T::SetTimerTUstT, 7, 0x10},
      {"TimeHour", &T::GetTimeHour, &T::SetTimeHour, 5, 0xFC},
      {"TimeMin", &T::GetTimeMin, &T::SetTimeMin, 4, 0xFF},
      {"TimeSec", &T::GetTimeSec, &T::SetTimeSec, 3, 0xFF},
      {"AnVh", &T::GetAnVh, &T::SetAnVh, 1, 0x7F},
      {"KindAn", &T::GetKindAn, &T::SetKindAn, 1, 0x80},
      {"Gisterezis", &T::GetGisterezis, &T::SetGisterezis, 5, 0x7C},
      {"CompCond", &T::GetCompCond, &T::SetCompCond, 5, 0x80},
      {"NTabS", &T::GetNTabS, &T::SetNTabS, 9, 0x1F},
      {"Arh", &T::GetArh, &T::SetArh, 9, 0x20},
      {"TipS", &T::GetTipS, &T::SetTipS, 9, 0xC0},
      {"MR1", [](const T& t, int i) { return t.GetMR(i, 1); }, [](T& t, int i, int v) { t.SetMR(i, 1, v); },
       10, 0xFF},
      {"MR5", [](const T& t, int i) { return t.GetMR(i, 5); }, [](T& t, int i, int v) { t.SetMR(i, 5, v); },
       14, 0xFF},
      {"IntVh11", [](const T& t, int i) { return t.GetIntVh(i, 11); },
       [](T& t, int i, int v) { t.SetIntVh(i, 11, v); }, 12, 0xFF},
      {"IntBase", &T::GetIntBase, &T::SetIntBase, 13, 0xFF},
      {"HourBeginDay", &T::GetHourBeginDay, &T::SetHourBeginDay, 14, 0xFF},
      {"NX1", &T::GetNX1, &T::SetNX1, 1, 0x7F},
      {"KindX1", &T::GetKindX1, &T::SetKindX1, 1, 0x80},
      {"NX2", &T::GetNX2, &T::SetNX2, 5, 0x7F},
      {"KindX2", &T::GetKindX2, &T::SetKindX2, 5, 0x80},
      {"AdrY1", [](const T& t, int i) { return t.GetAdrY(i, 1); },
       [](T& t, int i, int v) { t.SetAdrY(i, 1, v); }, 9, 0xFF},
      {"AdrY2", [](const T& t, int i) { return t.GetAdrY(i, 2); },
       [](T& t, int i, int v) { t.SetAdrY(i, 2, v); }, 6, 0xFF},
  };
  const Record pattern{0xA5, 0x5A, 0xC3, 0x3C, 0x96, 0x69, 0x0F, 0xF0,
                       0x81, 0x18, 0x24, 0x42, 0x99, 0x66, 0xE7, 0x7E};
  const int i = 37;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    int shift = 0;
    while (!((c.mask >> shift) & 1)) ++shift;
    const int fieldMax = c.mask >> shift;

    TProgFBClass t;
    t.SetRecord(i, pattern);
    EXPECT_EQ(c.get(t, i), (pattern[c.byte] & c.mask) >> shift);

    c.set(t, i, 0x7FFF);  // wider than every field: cut to the field's bits
    Record expected = pattern;
    expected[c.byte] = static_cast<std::uint8_t>(expected[c.byte] | c.mask);
    EXPECT_EQ(t.GetRecord(i), expected);
    EXPECT_EQ(c.get(t, i), fieldMax);

    c.set(t, i, 0);
    expected[c.byte] = static_cast<std::uint8_t>(expected[c.byte] & ~c.mask);
    EXPECT_EQ(t.GetRecord(i), expected);
    EXPECT_EQ(c.get(t, i), 0);
    // Neighbouring records are untouched.
    EXPECT_EQ(t.GetRecord(i - 1), Record{});
    EXPECT_EQ(t.GetRecord(i + 1), Record{});
  }
}

TEST(TProgFBClassFields, TypeByteAndCountSetPoint) {
  TProgFBClass t;
  Record r{};
  r[0] = 0x35;
  r[3] = 0xEA;  // bits 5-7 set, bits 0-3 = 0xA
  t.SetRecord(0, r);

  t.SetTipFB(0, 6);
  EXPECT_EQ(t.GetRecord(0)[0], 0x06);  // whole byte: SubTip cleared
  EXPECT_EQ(t.GetSubTip(0), 0);

  t.SetLimitCount(0, 21);
  EXPECT_EQ(t.GetRecord(0)[1] >> 4, 5);
  EXPECT_EQ(t.GetRecord(0)[3], 0x1A);  // bit 4 set, bits 5-7 cleared, bits 0-3 kept
  EXPECT_EQ(t.GetLimitCount(0), 21);
  t.SetLimitCount(0, 3);
  EXPECT_EQ(t.GetRecord(0)[3], 0x0A);
  EXPECT_EQ(t.GetLimitCount(0), 3);
}

TEST(TProgFBClassFields, SelectorsOutsideTheirRangeReadZeroAndWriteNothing) {
  TProgFBClass t;
  const Record r = [] {
    Record x;
    x.fill(0x77);
    return x;
  }();
  t.SetRecord(4, r);
  EXPECT_EQ(t.GetAdrY(4, 3), 0);
  t.SetAdrY(4, 3, 1);
  t.SetMR(4, 0, 1);
  t.SetMR(4, 6, 1);
  t.SetNVh(4, 4, 1);
  t.SetIntVh(4, 12, 1);
  EXPECT_FALSE(t.SetConstText(4, "1", 3));
  EXPECT_EQ(t.GetConstText(4, 0), "");
  EXPECT_EQ(t.GetRecord(4), r);
  // Record indices outside the table.
  t.SetTipFB(-1, 3);
  t.SetRecord(TProgFBClass::kSlots, r);
  EXPECT_EQ(t.GetTipFB(TProgFBClass::kSlots), 0);
  EXPECT_EQ(t.GetLimitText(-1), "");
  EXPECT_FALSE(t.SetLimitText(TProgFBClass::kSlots, "1"));
}

TEST(TProgFBClassFields, InputCountFollowsTheType) {
  struct Case {
    std::uint8_t b0;
    int inputs;
  };
  const Case cases[] = {{0x00, 0}, {0x01, 4}, {0x02, 4}, {0x03, 4}, {0x04, 4}, {0x05, 2},
                        {0x06, 2}, {0x46, 2}, {0x56, 1}, {0x07, 4}, {0x17, 4}, {0x38, 1},
                        {0x09, 4}, {0x0C, 0}, {0x1C, 0}, {0x0A, 0}, {0x0F, 0}};
  TProgFBClass t;
  for (const auto& c : cases) {
    t.SetRecord(0, Record{c.b0});
    EXPECT_EQ(t.InputCount(0), c.inputs) << int(c.b0);
  }
}

// ---- real numbers as text ------------------------------------------------------

struct TextCase {
  Real24 bytes;
  const char* text;
};

TEST(TProgFBClassText, LimitTextDecimalsByMagnitude) {
  auto bytesOf = [](float v) { return FloatToReal24(v); };
  const TextCase cases[] = {
      {{0x00, 0x40, 0x01}, "1,0000"},
      {{0x00, 0x00, 0x00}, "0,0000"},
      {bytesOf(1.5f), "1,5000"},
      {bytesOf(-1.5f), "-1,5000"},
      {bytesOf(10.0f), "10,0000"},   // 10 is still in the 4-decimal band
      {bytesOf(-10.0f), "-10,000"},  // -10 is not
      {bytesOf(12.25f), "12,250"},
      {bytesOf(100.0f), "100,000"},
      {bytesOf(-100.0f), "-100,00"},
      {bytesOf(100.5f), "100,50"},
      {bytesOf(1000.0f), "1000,00"},
      {bytesOf(-1000.0f), "-1000,0"},
      {bytesOf(1000.5f), "1000,5"},
      {bytesOf(10000.0f), "10000,0"},
      {bytesOf(-10000.0f), "-10000"},
      {bytesOf(12345.0f), "12345"},
      {bytesOf(10000.5f), "10001"},    // no decimals: rounded half away from zero
      {bytesOf(0.1f), "0,1000"},       // 0.0999985 rounds back up at 4 decimals
      {{0xFF, 0x4F, 0x04}, "9,9995"},  // 10 - 2^-11
      // Exact ties round away from zero: 1 + 1/32 = 1.03125.
      {{0x00, 0x42, 0x01}, "1,0313"},
      {{0x00, 0xBE, 0x01}, "-1,0313"},
      // Below the last place: no "-0,0000".
      {bytesOf(-0.00001f), "0,0000"},
      {bytesOf(0.00005f), "0,0000"},  // 0.0000499... after truncation
      // 7 significant digits: 0x7FFF * 2^12 = 134213632.
      {{0xFF, 0x7F, 0x1B}, "134213600"},
      {{0x01, 0x80, 0x1B}, "-134213600"},
      {{0xFF, 0x7F, 0x17}, "8388352"},   // 0x7FFF * 2^8: seven digits, all kept
      {{0xFF, 0x7F, 0x18}, "16776700"},  // 16776704
  };
  TProgFBClass t;
  for (const auto& c : cases) {
    Record r{0x08};
    r[2] = c.bytes[0];
    r[3] = c.bytes[1];
    r[4] = c.bytes[2];
    t.SetRecord(3, r);
    EXPECT_EQ(t.GetLimitText(3), c.text)
        << int(c.bytes[0]) << " " << int(c.bytes[1]) << " " << int(c.bytes[2]);
  }
  t.SetRecord(3, Record{0x08, 0, 0x00, 0x60, 0x01});  // 1.5
  EXPECT_EQ(t.GetLimitText(3, '.'), "1.5000");
}

TEST(TProgFBClassText, ConstantsUseTheirOwnBytes) {
  TProgFBClass t;
  ASSERT_TRUE(t.SetConstText(50, "2,5", 1));
  ASSERT_TRUE(t.SetConstText(50, "-250", 2));
  const Record r = t.GetRecord(50);
  EXPECT_EQ((Real24{r[2], r[3], r[4]}), FloatToReal24(2.5f));
  EXPECT_EQ((Real24{r[6], r[7], r[8]}), FloatToReal24(-250.0f));
  EXPECT_EQ(r[5], 0);
  EXPECT_EQ(t.GetConstText(50, 1), "2,5000");
  EXPECT_EQ(t.GetConstText(50, 2), "-250,00");
}

TEST(TProgFBClassText, SetLimitTextParsesAndTruncates) {
  struct Case {
    const char* text;
    Real24 bytes;
  };
  const Case accepted[] = {
      {"1", {0x00, 0x40, 0x01}},   {"-1", {0x00, 0xC0, 0x01}},    {"1,5", {0x00, 0x60, 0x01}},
      {"1.5", {0x00, 0x60, 0x01}}, {" 100 ", {0x00, 0x64, 0x07}}, {"+0,5", {0x00, 0x40, 0x00}},
      {"0", {0x00, 0x00, 0x00}},   {"-0", {0x00, 0x00, 0x00}},    {",5", {0x00, 0x40, 0x00}},
      {"0,1", {0x66, 0x66, 0xFD}},  // truncated: a rounded mantissa would be 0x6667
      {"1e3", {0x00, 0x7D, 0x0A}},
  };
  TProgFBClass t;
  for (const auto& c : accepted) {
    ASSERT_TRUE(t.SetLimitText(9, c.text)) << c.text;
    const Record r = t.GetRecord(9);
    EXPECT_EQ((Real24{r[2], r[3], r[4]}), c.bytes) << c.text;
  }
  const char* refused[] = {"",  "  ",   "abc",   "1,2,3", "1.2,3", "--1", "1-",  "+",
                           ",", "1e39", "-1e39", "1e400", "nan",   "inf", "12 3"};
  t.SetLimitText(9, "7");
  const Record before = t.GetRecord(9);
  for (const char* text : refused) {
    EXPECT_FALSE(t.SetLimitText(9, text)) << text;
    EXPECT_EQ(t.GetRecord(9), before) << text;
  }
}

// ---- pages ------------------------------------------------------------------------

TEST(TProgFBClassPages, AnswerToRecordsAndBackIsIdentical) {
  TProgFBClass t;
  for (int p = 0; p < TProgFBClass::kPageCount; ++p) {
    const auto body = RandomBytes(160, 100 + p);
    ASSERT_TRUE(t.PutPageFromAnswer(MakePageAnswer(static_cast<std::uint8_t>(20 + p), body), p)) << p;
    ASSERT_TRUE(t.StorePage(p));
  }
  EXPECT_EQ(t.LenPageFB, 161);
  for (int p = 0; p < TProgFBClass::kPageCount; ++p) {
    const auto body = RandomBytes(160, 100 + p);
    ASSERT_TRUE(t.LoadPage(p));
    EXPECT_TRUE(std::equal(body.begin(), body.end(), t.PageBuffer().begin())) << p;
    EXPECT_EQ(t.GetRecord(10 * p + 9)[15], body[159]);
  }
  EXPECT_EQ(t.GetRecord(120), Record{});  // the spare slot is no page's
}

TEST(TProgFBClassPages, RefusedAnswersChangeNothing) {
  TProgFBClass t;
  const auto good = RandomBytes(160, 7);
  ASSERT_TRUE(t.PutPageFromAnswer(MakePageAnswer(23, good), 3));
  const auto buffer = t.PageBuffer();

  const auto other = RandomBytes(160, 8);
  std::vector<std::uint8_t> shortAnswer = MakePageAnswer(23, other);
  shortAnswer.resize(4 + 159);
  const std::vector<std::vector<std::uint8_t>> refused = {
      MakePageAnswerCounted(160, 23, other),  // count of another page length
      MakePageAnswer(24, other),              // another page echoed
      shortAnswer,                            // fewer bytes than announced
      MakePageAnswer(23, std::vector<std::uint8_t>(other.begin(), other.begin() + 40)),
      {},
  };
  for (const auto& answer : refused) {
    EXPECT_FALSE(t.PutPageFromAnswer(answer, 3));
    EXPECT_EQ(t.PageBuffer(), buffer);
  }
  EXPECT_FALSE(t.PutPageFromAnswer(MakePageAnswer(32, other), 12));  // no page 12 of records
  EXPECT_FALSE(t.PutPageFromAnswer(MakePageAnswer(19, other), -1));
  EXPECT_EQ(t.PageBuffer(), buffer);
  EXPECT_FALSE(t.StorePage(12));
  EXPECT_FALSE(t.LoadPage(-1));
  EXPECT_FALSE(t.PutPageFromFile(std::vector<std::uint8_t>(159, 1)));
  EXPECT_EQ(t.PageBuffer(), buffer);
}

TEST(TProgFBClassPages, FileRecordBlockRoundTripsInBothLayouts) {
  for (int cap : {120, 60}) {
    SCOPED_TRACE(cap);
    TProgFBClass t;
    t.SetRecord(119, Record{0x03, 0x01, 0x05});  // left over from an earlier configuration
    t.CapFB = cap;
    ASSERT_EQ(t.RecordFileSize(), static_cast<std::size_t>(cap * 16));
    const auto block = RandomBytes(t.RecordFileSize(), cap);
    ASSERT_TRUE(t.PutRecordsFromFile(block));
    EXPECT_EQ(t.RecordsToFile(), block);
    EXPECT_EQ(t.GetRecord(cap - 1)[15], block.back());
    if (cap == 60) {
      EXPECT_EQ(t.GetRecord(119), Record{});
    }
    EXPECT_EQ(t.GetRecord(120), Record{});

    const auto before = t.RecordsToFile();
    EXPECT_FALSE(t.PutRecordsFromFile(std::span(block).first(block.size() - 1)));
    EXPECT_EQ(t.RecordsToFile(), before);
  }
}

TEST(TProgFBClassPages, FileAlgorithmSectionRoundTripsAndIsCheckedOnUse) {
  for (int cap : {120, 60}) {
    SCOPED_TRACE(cap);
    TProgFBClass t;
    t.CapFB = cap;
    const std::size_t size = static_cast<std::size_t>(cap / 10 * 1000 + cap + cap * cap + 1);
    ASSERT_EQ(t.AlgFileSize(), size);
    auto block = RandomBytes(size, 1000 + cap);
    block.back() = 250;  // an algorithm count no configuration can have
    ASSERT_TRUE(t.PutAlgFromFile(block));
    EXPECT_EQ(t.AlgToFile(), block);
    EXPECT_EQ(t.NAlg, 250);      // kept as read
    EXPECT_EQ(t.AlgCount(), 0);  // but not used
    for (int a = 0; a < TProgFBClass::kSlots; ++a) {
      for (int n : t.AlgMembers(a)) {
        EXPECT_GE(n, 1);
        EXPECT_LE(n, cap);
      }
    }
    EXPECT_FALSE(t.PutAlgFromFile(std::span(block).first(size - 1)));
    EXPECT_EQ(t.AlgToFile(), block);
  }
}

TEST(TProgFBClassPages, NamePagesCarryTenNames) {
  TProgFBClass t;
  std::vector<std::uint8_t> page(1000, ' ');
  for (int k = 0; k < 10; ++k) page[k * 100] = static_cast<std::uint8_t>('A' + k);
  ASSERT_TRUE(t.PutNamePageFromFile(page));
  ASSERT_TRUE(t.StoreNamePage(11));
  EXPECT_EQ(t.GetAlgName(110), "A");
  EXPECT_EQ(t.GetAlgName(119), "J");
  EXPECT_EQ(t.GetAlgName(120), "");
  ASSERT_TRUE(t.LoadNamePage(11));
  EXPECT_TRUE(std::equal(page.begin(), page.end(), t.NamePageBuffer().begin()));
  EXPECT_FALSE(t.StoreNamePage(12));
  EXPECT_FALSE(t.PutNamePageFromFile(std::vector<std::uint8_t>(999, 'x')));
}

// ---- algorithms ---------------------------------------------------------------------

TEST(TProgFBClassAlgorithms, NamesArePaddedAndTrimmed) {
  TProgFBClass t;
  t.SetAlgName(0, "Котел");
  const auto bytes = t.GetAlgNameBytes(0);
  EXPECT_EQ(bytes[99], ' ');
  EXPECT_EQ(t.GetAlgName(0), "Котел");
  const std::string longName = std::string(100, 'x') + std::string(20, 'y');
  t.SetAlgName(1, longName);
  EXPECT_EQ(t.GetAlgName(1), std::string(100, 'x'));
  EXPECT_EQ(t.GetAlgName(2), "");  // never written: zeros read as blank
  t.SetAlgName(121, "out of table");
  EXPECT_EQ(t.GetAlgName(121), "");
}

TEST(TProgFBClassAlgorithms, ListsHeadsAndReset) {
  TProgFBClass t;
  t.NAlg = 2;
  for (int k = 0; k < 3; ++k) t.SetAlgFB(0, k, 1 + k);  // blocks 1..3
  t.SetAlgFB(1, 0, 4);
  t.SetAlgFB(1, 1, 5);
  t.SetAlgFB(1, 2, 0);  // damage ends the list
  t.SetAlgFB(1, 3, 6);
  t.SetAlgFB(2, 0, 7);  // beyond NAlg

  EXPECT_EQ(t.AlgMembers(0), (std::vector<int>{1, 2, 3}));
  EXPECT_EQ(t.AlgMembers(1), (std::vector<int>{4, 5}));
  EXPECT_EQ(t.FindAlgOfBlock(5), 1);
  EXPECT_EQ(t.FindAlgOfBlock(6), std::nullopt);
  EXPECT_EQ(t.FindAlgOfBlock(7), std::nullopt);

  t.SetAlgHead(50, 51);
  t.RebuildAlgHead();
  EXPECT_TRUE(t.IsAlgHead(0));
  EXPECT_TRUE(t.IsAlgHead(3));
  EXPECT_FALSE(t.IsAlgHead(1));
  EXPECT_EQ(t.GetAlgHead(50), 255);
  EXPECT_EQ(t.GetAlgHead(3), 4);

  t.CapFB = 60;
  t.SetAlgFB(0, 3, 61);  // a block a 60-block configuration does not have
  EXPECT_EQ(t.AlgMembers(0), (std::vector<int>{1, 2, 3}));

  t.ResetAlgorithms();
  EXPECT_EQ(t.NAlg, 0);
  EXPECT_EQ(t.GetAlgFB(0, 0), 255);
  EXPECT_EQ(t.GetAlgHead(0), 255);
  TProgFBClass::Name blank;
  blank.fill(' ');
  EXPECT_EQ(t.GetAlgNameBytes(7), blank);
}

// ---- counting ---------------------------------------------------------------------

TEST(TProgFBClassCounting, BlocksCalculationRecordsAndFreeSlots) {
  TProgFBClass t;
  for (int i = 0; i < 5; ++i) t.SetRecord(i, Record{0x01});
  t.SetRecord(5, Record{0x0C});  // integrator block 1
  t.SetRecord(6, Record{0x0C});  // integrator block 2
  t.SetRecord(7, Record{0x1C});  // arithmetic
  t.SetRecord(8, Record{0x5C});  // arithmetic
  t.FindNFB();
  t.CountCalc();
  EXPECT_EQ(t.NFB, 5);
  EXPECT_EQ(t.NIntegr, 2);
  EXPECT_EQ(t.NMat, 2);
  EXPECT_EQ(t.FreeFB(), 116);

  struct Case {
    int nmat, nintegr, free;
  };
  for (const Case c : {Case{0, 0, 120}, Case{0, 1, 119}, Case{2, 0, 118}, Case{1, 1, 117}}) {
    t.NMat = c.nmat;
    t.NIntegr = c.nintegr;
    EXPECT_EQ(t.FreeFB(), c.free) << c.nmat << " " << c.nintegr;
  }

  // An unknown type (13..15) ends the blocks like an empty record.
  t.SetRecord(2, Record{0x0D});
  t.FindNFB();
  EXPECT_EQ(t.NFB, 2);

  // A full 60-block table stops at CapFB.
  TProgFBClass full;
  full.CapFB = 60;
  for (int i = 0; i < 121; ++i) full.SetRecord(i, Record{0x03});
  full.FindNFB();
  EXPECT_EQ(full.NFB, 60);

  // Counting starts at NFB and does not pass record 119.
  TProgFBClass tail;
  tail.NFB = 110;
  for (int i = 100; i < 121; ++i) tail.SetRecord(i, Record{0x1C});
  tail.CountCalc();
  EXPECT_EQ(tail.NMat, 10);
  EXPECT_EQ(tail.NIntegr, 0);
}

// ---- renumbering ---------------------------------------------------------------------

class TProgFBClassRenumber : public ::testing::Test {
 protected:
  // AND block with four discrete-kind inputs.
  void Gate(int i, std::array<std::pair<int, int>, 4> inputs) {
    t.SetTipFB(i, 1);
    for (int j = 0; j < 4; ++j) {
      t.SetKindVh(i, j, inputs[j].first);
      t.SetNVh(i, j, inputs[j].second);
    }
  }
  void Comparator(int i, int anVh, int inputKind, int inputN) {
    t.SetTipFB(i, 8);
    t.SetAnVh(i, anVh);
    t.SetKindAn(i, 1);
    t.SetKindVhComp(i, inputKind);
    t.SetNVhComp(i, inputN);
  }
  TProgFBClass t;
};

TEST_F(TProgFBClassRenumber, DelDiskrRefsFollowsTheRemovedSignals) {
  Gate(0, {{{0, 12}, {0, 20}, {0, 10}, {1, 20}}});
  Gate(1, {{{4, 11}, {4, 14}, {2, 20}, {0, 0}}});
  Comparator(2, 20, 0, 14);
  t.DelDiskrRefs(10, 3);
  EXPECT_EQ(t.GetNVh(0, 0), 0);
  EXPECT_EQ(t.GetNVh(0, 1), 17);
  EXPECT_EQ(t.GetNVh(0, 2), 10);
  EXPECT_EQ(t.GetNVh(0, 3), 20);  // block output: never renumbered
  EXPECT_EQ(t.GetNVh(1, 0), 0);
  EXPECT_EQ(t.GetNVh(1, 1), 11);
  EXPECT_EQ(t.GetNVh(1, 2), 20);  // analog flag: not a discrete reference
  EXPECT_EQ(t.GetNVh(1, 3), 0);   // unconnected stays unconnected
  EXPECT_EQ(t.GetNVhComp(2), 11);
  EXPECT_EQ(t.GetAnVh(2), 20);
  EXPECT_EQ(t.RefsChanged, 1);
}

TEST_F(TProgFBClassRenumber, ShiftDownAnRefsTreatsComparatorFromTheNextSignal) {
  Gate(0, {{{2, 5}, {2, 4}, {0, 5}, {0, 0}}});
  Comparator(1, 5, 2, 5);
  Comparator(2, 6, 0, 0);
  t.ShiftDownAnRefs(4, 1);
  EXPECT_EQ(t.GetNVh(0, 0), 4);
  EXPECT_EQ(t.GetNVh(0, 1), 4);
  EXPECT_EQ(t.GetNVh(0, 2), 5);
  EXPECT_EQ(t.GetAnVh(1), 5);
  EXPECT_EQ(t.GetNVhComp(1), 4);  // the comparator's own input follows the input rule
  EXPECT_EQ(t.GetAnVh(2), 5);
  EXPECT_EQ(t.GetKindAn(2), 1);  // the flag bit beside AnVh survives
}

TEST_F(TProgFBClassRenumber, EveryRuleOnDiscreteAndAnalogReferences) {
  struct Case {
    const char* name;
    std::function<void(TProgFBClass&)> run;
    int before, after;
    bool analog;
  };
  const Case cases[] = {
      {"ClearDiskr hit", [](auto& t) { t.ClearDiskrRef(6); }, 7, 0, false},
      {"ClearDiskr miss", [](auto& t) { t.ClearDiskrRef(6); }, 8, 8, false},
      {"ReplaceDiskr inside", [](auto& t) { t.ReplaceDiskrRefs(10, 4, 8); }, 14, 0, false},
      {"ReplaceDiskr after", [](auto& t) { t.ReplaceDiskrRefs(10, 4, 8); }, 15, 23, false},
      {"ReplaceDiskr before", [](auto& t) { t.ReplaceDiskrRefs(10, 4, 8); }, 10, 10, false},
      {"ReplaceDiskr fewer", [](auto& t) { t.ReplaceDiskrRefs(10, 4, -2); }, 20, 18, false},
      {"ShiftUpDiskr", [](auto& t) { t.ShiftUpDiskrRefs(10, 12); }, 11, 23, false},
      {"ShiftUpDiskr to the last", [](auto& t) { t.ShiftUpDiskrRefs(10, 12); }, 180, 192, false},
      {"ShiftUpDiskr past 192", [](auto& t) { t.ShiftUpDiskrRefs(10, 12); }, 181, 0, false},
      {"ShiftUpDiskr past a byte", [](auto& t) { t.ShiftUpDiskrRefs(0, 70); }, 190, 0, false},
      {"ShiftDownDiskr below 1", [](auto& t) { t.ShiftDownDiskrRefs(0, 5); }, 3, 0, false},
      {"ShiftDownDiskr", [](auto& t) { t.ShiftDownDiskrRefs(0, 5); }, 9, 4, false},
      {"DelAn", [](auto& t) { t.DelAnRefs(6, 6); }, 13, 7, true},
      {"DelAn inside", [](auto& t) { t.DelAnRefs(6, 6); }, 12, 0, true},
      {"ClearAn", [](auto& t) { t.ClearAnRef(0); }, 1, 0, true},
      {"ReplaceAn", [](auto& t) { t.ReplaceAnRefs(6, 6, 6); }, 13, 19, true},
      {"ShiftUpAn to 48", [](auto& t) { t.ShiftUpAnRefs(6, 6); }, 42, 48, true},
      {"ShiftUpAn past 48", [](auto& t) { t.ShiftUpAnRefs(6, 6); }, 43, 0, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    t = TProgFBClass();
    const int kind = c.analog ? 2 : 0;
    Gate(0, {{{kind, c.before}, {0, 0}, {0, 0}, {0, 0}}});
    Comparator(1, c.analog ? c.before : 0, c.analog ? 0 : 4, c.analog ? 0 : c.before);
    c.run(t);
    EXPECT_EQ(t.GetNVh(0, 0), c.after);
    EXPECT_EQ(c.analog ? t.GetAnVh(1) : t.GetNVhComp(1), c.after);
    EXPECT_EQ(t.RefsChanged, c.before != c.after ? 1 : 0);
  }
}

TEST_F(TProgFBClassRenumber, OnlyTheInputsOfTheTypeInTheBlockAreaAreScanned) {
  // Alarm-clock timer: one input; b3/b4 are the alarm time, not an input.
  t.SetTipFB(0, 6);
  t.SetSubTip(0, 5);
  t.SetKindVh(0, 0, 0);
  t.SetNVh(0, 0, 20);
  t.SetKindVh(0, 1, 0);
  t.SetNVh(0, 1, 20);  // alarm minute
  // Hysteresis: two inputs.
  Gate(1, {{{0, 20}, {0, 20}, {0, 20}, {0, 20}}});
  t.SetTipFB(1, 5);
  // Last record of the function block area with one arithmetic block: the
  // record after it is calculation data and is not scanned.
  Gate(118, {{{0, 20}, {0, 0}, {0, 0}, {0, 0}}});
  Gate(119, {{{0, 20}, {0, 0}, {0, 0}, {0, 0}}});
  t.NMat = 1;

  t.ShiftUpDiskrRefs(0, 1);
  EXPECT_EQ(t.GetNVh(0, 0), 21);
  EXPECT_EQ(t.GetNVh(0, 1), 20);
  EXPECT_EQ(t.GetNVh(1, 0), 21);
  EXPECT_EQ(t.GetNVh(1, 1), 21);
  EXPECT_EQ(t.GetNVh(1, 2), 20);
  EXPECT_EQ(t.GetNVh(118, 0), 21);
  EXPECT_EQ(t.GetNVh(119, 0), 20);

  t.NIntegr = 1;  // two more records belong to calculations
  t.ShiftUpDiskrRefs(0, 1);
  EXPECT_EQ(t.GetNVh(118, 0), 21);
  EXPECT_EQ(t.GetNVh(0, 0), 22);
}

TEST_F(TProgFBClassRenumber, OpenGapMovesRecordsAndFollowsBlockReferences) {
  for (int i = 0; i < 30; ++i) {
    Gate(i, {{{1, 3}, {1, 6}, {1, 118}, {0, 7}}});
    t.SetMR(i, 5, i);  // marks the record
  }
  Comparator(4, 3, 1, 9);
  t.SetRecord(
      116, Record{0x0C, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x74});
  t.NMat = 0;
  t.NIntegr = 1;  // M = 118
  const Record last = t.GetRecord(116);

  t.OpenGapFB(5, 10, 12, 20);

  for (int i = 8; i < 23; ++i) EXPECT_EQ(t.GetMR(i, 5), i - 3) << i;
  EXPECT_EQ(t.GetRecord(119), last);
  for (int i = 5; i < 8; ++i) EXPECT_EQ(t.GetMR(i, 5), i);  // old contents until overwritten
  for (int i : {0, 4, 8, 22}) {
    SCOPED_TRACE(i);
    if (t.GetTipFB(i) == 8) continue;
    EXPECT_EQ(t.GetNVh(i, 0), 3);  // n <= at: unchanged
    EXPECT_EQ(t.GetNVh(i, 1), 9);  // moved with its block
    EXPECT_EQ(t.GetNVh(i, 2), 0);  // 121 would pass M
    EXPECT_EQ(t.GetNVh(i, 3), 7);  // a signal, not a block
  }
  EXPECT_EQ(t.GetNVhComp(4), 12);
  EXPECT_EQ(t.GetAnVh(4), 3);
  // Records from nfb + L on are not renumbered.
  EXPECT_EQ(t.GetNVh(22, 1), 9);
  EXPECT_EQ(t.GetNVh(23, 1), 6);
}

TEST_F(TProgFBClassRenumber, OpenGapStopsAtTheFirstCalculationRecordAndAtTheEnd) {
  Gate(0, {{{1, 2}, {0, 0}, {0, 0}, {0, 0}}});
  t.SetRecord(1, Record{0x1C});
  Gate(2, {{{1, 2}, {0, 0}, {0, 0}, {0, 0}}});
  t.OpenGapFB(0, 0, 0, 3);  // L = 1
  EXPECT_EQ(t.GetNVh(0, 0), 3);
  EXPECT_EQ(t.GetTipFB(2), 12);  // record 1 moved to 2
  EXPECT_EQ(t.GetNVh(3, 0), 2);  // beyond the calculation record: untouched

  TProgFBClass u;
  u.SetRecord(119, Record{0x01});
  u.OpenGapFB(119, 0, 0, 0);  // nothing to move at the last slot
  EXPECT_EQ(u.GetTipFB(119), 1);
  EXPECT_EQ(u.GetRecord(120), Record{});
  u.OpenGapFB(-1, 0, 5, 0);
  u.OpenGapFB(0, 5, 0, 0);
  EXPECT_EQ(u.GetTipFB(119), 1);
}

TEST(TProgFBClassSignalling, ClearedFromBlock63OnForFunctionBlocksOnly) {
  TProgFBClass t;
  for (int i : {61, 62, 100}) t.SetRecord(i, Record{0x01, 0, 0, 0, 0, 0, 0, 0, 0, 0xFF, 0x0F});
  t.SetRecord(70, Record{0x1C, 0, 0, 0, 0, 0, 0, 0, 0, 0x2A});  // arithmetic: b9 is AdrY
  t.ClearSignallingBeyondLimit();
  EXPECT_EQ(t.GetRecord(61)[9], 0xFF);
  EXPECT_EQ(t.GetRecord(62)[9], 0x00);
  EXPECT_EQ(t.GetRecord(100)[9], 0x00);
  EXPECT_EQ(t.GetRecord(100)[10], 0x0F);  // relay outputs stay
  EXPECT_EQ(t.GetAdrY(70, 1), 0x2A);
}

TEST(TProgFBClassState, ConstructionDefaults) {
  TProgFBClass t;
  EXPECT_EQ(t.CapFB, 120);
  EXPECT_EQ(t.LenPageFB, 161);
  EXPECT_EQ(t.GetAlgHead(120), 255);
  EXPECT_EQ(t.GetAlgFB(120, 120), 255);
  EXPECT_EQ(t.PosFB[120], -1);
  EXPECT_EQ(t.CurFB, -1);
  EXPECT_EQ(t.CurPosFB, -1);
  EXPECT_EQ(t.PopupPos, -1);
  EXPECT_EQ(t.CalcMode, -1);
  EXPECT_EQ(t.CurMat, -1);
  EXPECT_EQ(t.PlaceFB[5].source, (std::array<int, 4>{}));
}

}  // namespace
}  // namespace lur

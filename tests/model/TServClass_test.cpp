#include "model/TServClass.h"

#include <gtest/gtest.h>

#include <numeric>
#include <random>
#include <vector>

#include "PageAnswerBuilder.h"
#include "model/Cp1251.h"
#include "model/Protocol.h"

namespace lur {
namespace {

using test::MakeAnswer;
using test::MakePageAnswer;

using Bytes = std::vector<std::uint8_t>;

// Identity record: byte 0 module count, 1..8 slot codes, 9/10 opaque, 11 outputs,
// 12 processed discrete, 13 processed analog, 14 display type.
TServClass::Identity MakeIdentity(std::array<std::uint8_t, 8> slots, std::uint8_t discrete = 36,
                                  std::uint8_t analog = 6, std::uint8_t display = 1) {
  TServClass::Identity id{};
  id[0] = 3;
  std::copy(slots.begin(), slots.end(), id.begin() + 1);
  id[9] = 0xAB;
  id[10] = 0xCD;
  id[11] = 8;
  id[12] = discrete;
  id[13] = analog;
  id[14] = display;
  return id;
}

Bytes IdentityAnswer(const TServClass::Identity& id) { return MakeAnswer(fn::kIdentity, id); }

Bytes Pattern(std::size_t size, std::uint8_t seed) {
  Bytes bytes(size);
  for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<std::uint8_t>(seed + 7 * i);
  return bytes;
}

std::string Text(std::string_view utf8) { return Utf8ToCp1251(utf8); }

// ---- identity ------------------------------------------------------------------

struct IdentityCase {
  const char* name;
  std::array<std::uint8_t, 8> slots;
  int di, ai, doModules, type5, firstAnalog, firstOutput;
};

TEST(TServIdentity, DerivesModuleCountsFromSlots) {
  const IdentityCase cases[] = {
      {"one of each", {1, 7, 3, 0, 0, 0, 0, 0}, 1, 1, 1, 0, 2, 3},
      {"14 and 15 in no group", {14, 15, 14, 15, 0, 0, 0, 0}, 0, 0, 0, 0, 1, 1},
      {"type 5 counted twice", {2, 10, 11, 6, 13, 5, 12, 5}, 3, 2, 3, 2, 4, 6},
      {"eight analog modules", {6, 7, 8, 9, 13, 6, 7, 8}, 0, 8, 0, 0, 1, 9},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TServClass serv;
    const auto id = MakeIdentity(c.slots);
    ASSERT_TRUE(serv.SetIdentityFromAnswer(17, IdentityAnswer(id)));
    EXPECT_EQ(serv.GetIdentityRecord(), id);  // bytes 9 and 10 kept as they came
    EXPECT_EQ(serv.GetDiModuleCount(), c.di);
    EXPECT_EQ(serv.GetAiModuleCount(), c.ai);
    EXPECT_EQ(serv.GetDoModuleCount(), c.doModules);
    EXPECT_EQ(serv.GetFirstAnalogSlot(), c.firstAnalog);
    EXPECT_EQ(serv.GetFirstOutputSlot(), c.firstOutput);
    EXPECT_EQ(serv.GetDiCount(), 12 * c.di);
    EXPECT_EQ(serv.GetAiCount(), 6 * c.ai);
    EXPECT_EQ(serv.GetDoCount(), 8 * c.doModules);
    EXPECT_EQ(serv.GetProcessedDiscreteCount(), 36);
    EXPECT_EQ(serv.GetProcessedAnalogCount(), 6);
    EXPECT_EQ(serv.GetDisplayType(), 1);
    for (int s = 0; s < 8; ++s) EXPECT_EQ(serv.GetModuleType(s), c.slots[s]);
  }
}

TEST(TServIdentity, FileBytesAndAnswerGiveTheSameRecord) {
  const auto id = MakeIdentity({1, 2, 6, 8, 3, 14, 0, 0}, 60, 12, 2);
  TServClass fromAnswer, fromFile;
  ASSERT_TRUE(fromAnswer.SetIdentityFromAnswer(17, IdentityAnswer(id)));
  ASSERT_TRUE(fromFile.SetIdentityFromBytes(id));
  EXPECT_EQ(fromFile.GetIdentityRecord(), fromAnswer.GetIdentityRecord());
  EXPECT_EQ(fromFile.GetDiCount(), 24);
  EXPECT_EQ(fromFile.GetAiCount(), 12);
  EXPECT_EQ(fromFile.GetDoCount(), 8);
}

TEST(TServIdentity, RefusesIdentitiesThatWouldIndexPastTheTables) {
  struct Bad {
    const char* name;
    Bytes answer;
    std::uint8_t function = 17;
  };
  auto with = [](int byte, std::uint8_t value) {
    auto id = MakeIdentity({1, 0, 0, 0, 0, 0, 0, 0});
    id[byte] = value;
    return IdentityAnswer(id);
  };
  Bytes shortAnswer = IdentityAnswer(MakeIdentity({1, 7, 0, 0, 0, 0, 0, 0}));
  shortAnswer.resize(17);  // 14 identity bytes received
  Bytes lowCount = IdentityAnswer(MakeIdentity({1, 7, 0, 0, 0, 0, 0, 0}));
  lowCount[2] = 14;
  const Bad cases[] = {
      {"module code 16", with(3, 16)},
      {"module code 255", with(8, 255)},
      {"display type 5", with(14, 5)},
      {"six output modules", IdentityAnswer(MakeIdentity({3, 4, 5, 12, 3, 4, 0, 0}))},
      {"193 discrete signals", with(12, 193)},
      {"193 analog signals", with(13, 193)},
      {"answer of another function", IdentityAnswer(MakeIdentity({1, 7, 0, 0, 0, 0, 0, 0})), 0x44},
      {"answer cut short", shortAnswer},
      {"count below 15", lowCount},
      {"empty answer", {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TServClass serv;
    const auto good = MakeIdentity({2, 6, 4, 0, 0, 0, 0, 0});
    ASSERT_TRUE(serv.SetIdentityFromBytes(good));
    EXPECT_FALSE(serv.SetIdentityFromAnswer(c.function, c.answer));
    EXPECT_EQ(serv.GetIdentityRecord(), good);
    EXPECT_EQ(serv.GetDiModuleCount(), 1);
    EXPECT_EQ(serv.GetAiModuleCount(), 1);
    EXPECT_EQ(serv.GetDoModuleCount(), 1);
    EXPECT_EQ(serv.GetModuleType(0), 2);
  }
  TServClass serv;
  const Bytes fourteen(14, 0);
  EXPECT_FALSE(serv.SetIdentityFromBytes(fourteen));
  // The limits themselves are usable: five output modules, 192 signals, display 4.
  EXPECT_TRUE(serv.SetIdentityFromBytes(MakeIdentity({3, 4, 5, 12, 3, 15, 0, 0}, 192, 192, 4)));
  EXPECT_EQ(serv.GetDoCount(), 40);
}

TEST(TServIdentity, DisplayTypeCountFollowsTheTableAndKeepsItsLastValue) {
  TServClass serv;
  EXPECT_EQ(serv.GetDisplayTypeCount(), 12);  // display type 0 after construction
  const std::pair<int, int> cases[] = {{0, 12}, {1, 24}, {2, 16}, {3, 6}, {4, 24}};
  for (auto [type, count] : cases) {
    ASSERT_TRUE(serv.SetDisplayType(type));
    EXPECT_EQ(serv.GetDisplayTypeCount(), count) << type;
    EXPECT_EQ(serv.GetIdentityRecord()[14], type);
  }
  ASSERT_TRUE(serv.SetDisplayType(3));
  EXPECT_FALSE(serv.SetDisplayType(5));
  EXPECT_EQ(serv.GetDisplayType(), 3);
  EXPECT_EQ(serv.GetDisplayTypeCount(), 6);
}

TEST(TServIdentity, CountsSetByHandRecomputeAndRefreshTheRecord) {
  TServClass serv;
  EXPECT_TRUE(serv.SetDiModuleCount(2));
  EXPECT_TRUE(serv.SetAiModuleCount(3));
  EXPECT_TRUE(serv.SetDoModuleCount(5));
  EXPECT_FALSE(serv.SetDoModuleCount(6));
  EXPECT_FALSE(serv.SetDiModuleCount(9));
  EXPECT_FALSE(serv.SetProcessedDiscreteCount(193));
  serv.RecomputeCounts();
  EXPECT_EQ(serv.GetDiCount(), 24);
  EXPECT_EQ(serv.GetAiCount(), 18);
  EXPECT_EQ(serv.GetDoCount(), 40);

  ASSERT_TRUE(serv.SetProcessedDiscreteCount(120));
  ASSERT_TRUE(serv.SetProcessedAnalogCount(18));
  serv.RefreshIdentityCounts();
  EXPECT_EQ(serv.GetIdentityRecord()[12], 120);
  EXPECT_EQ(serv.GetIdentityRecord()[13], 18);
}

TEST(TServIdentity, GroupIndexOfSlotCountsWithinTheGroup) {
  TServClass serv;
  // Canonical order: the index is the slot less the modules of the groups before.
  ASSERT_TRUE(serv.SetIdentityFromBytes(MakeIdentity({1, 6, 8, 8, 3, 4, 14, 0})));
  const int canonical[] = {0, 0, 1, 2, 0, 1, -1, -1};
  for (int s = 0; s < 8; ++s) EXPECT_EQ(serv.GroupIndexOfSlot(s), canonical[s]) << s;
  // Any other order stays within each group's range.
  ASSERT_TRUE(serv.SetIdentityFromBytes(MakeIdentity({3, 8, 1, 0, 8, 1, 12, 0})));
  const int mixed[] = {0, 0, 0, -1, 1, 1, 1, -1};
  for (int s = 0; s < 8; ++s) EXPECT_EQ(serv.GroupIndexOfSlot(s), mixed[s]) << s;
  EXPECT_EQ(serv.GroupIndexOfSlot(-1), -1);
  EXPECT_EQ(serv.GroupIndexOfSlot(8), -1);
  EXPECT_EQ(serv.GetModuleType(8), 0);
}

TEST(TServIdentity, DeviceAndAddressIndicesStayWithinDeviceNumbers) {
  TServClass serv;
  EXPECT_TRUE(serv.SetDeviceIndex(30));
  EXPECT_FALSE(serv.SetDeviceIndex(31));
  EXPECT_FALSE(serv.SetAddressIndex(-1));
  EXPECT_TRUE(serv.SetAddressIndex(4));
  EXPECT_EQ(serv.GetDeviceIndex(), 30);
  EXPECT_EQ(serv.GetAddressIndex(), 4);
  EXPECT_EQ(serv.GetShortPageRequestLength(), 97);
  EXPECT_EQ(serv.GetTextPageRequestLength(), 225);
  EXPECT_EQ(serv.GetSlotCount(), 8);
}

// ---- identifiers ------------------------------------------------------------------

TEST(TServIds, DefaultsOfLocalModules) {
  TServClass serv;
  ASSERT_TRUE(serv.SetIdentityFromBytes(MakeIdentity({1, 2, 6, 7, 3, 5, 0, 0})));
  serv.MakeDefaultInputIds();
  serv.MakeDefaultOutputIds();
  EXPECT_EQ(serv.GetInputId(0), "DI_1_1    ");
  // "11" fills one slot of the ten.
  EXPECT_EQ(serv.GetInputId(22), "DI_2_11    ");
  EXPECT_EQ(serv.GetInputIdShort(22), "DI_2_11  ");
  EXPECT_EQ(serv.GetInputIdSlot(22, 5), "11");
  // Analog limits follow the 24 discrete inputs, four per channel.
  EXPECT_EQ(serv.GetInputId(24), "AI1_1_LL  ");
  EXPECT_EQ(serv.GetInputId(25), "AI1_1_L   ");
  EXPECT_EQ(serv.GetInputId(26), "AI1_1_H   ");
  EXPECT_EQ(serv.GetInputId(24 + 23), "AI1_6_HH  ");
  EXPECT_EQ(serv.GetInputId(24 + 47), "AI2_6_HH  ");
  EXPECT_EQ(serv.GetInputId(24 + 48), "");  // nothing past the local inputs
  EXPECT_EQ(serv.GetOutputId(7), "DO_1_8  ");
  EXPECT_EQ(serv.GetOutputId(15), "DO_2_8  ");
  EXPECT_EQ(serv.GetOutputId(16), "");
  EXPECT_EQ(serv.GetInputId(192), "");
  EXPECT_EQ(serv.GetOutputId(-1), "");
}

TEST(TServIds, NetworkIdsFollowTheLocalInputsInBlockOrder) {
  TServClass serv;
  ASSERT_TRUE(serv.SetIdentityFromBytes(MakeIdentity({1, 6, 0, 0, 0, 0, 0, 0})));  // 12 + 24 local
  std::array<TServClass::NetBlock, 16> blocks{};
  blocks[0] = {3, 2};  // 2 analog values: 8 entries
  blocks[1] = {9, 5};  // not an exchange of inputs
  blocks[2] = {2, 3};  // 3 discrete values
  blocks[3] = {1, 0};
  EXPECT_EQ(serv.BuildNetInputIds(blocks), 36 + 8 + 3);
  EXPECT_EQ(serv.GetInputId(36), "DLAI1_1_LL");
  EXPECT_EQ(serv.GetInputId(38), "DLAI1_1_H ");
  EXPECT_EQ(serv.GetInputIdShort(43), "DLAI1_2_");
  EXPECT_EQ(serv.GetInputId(44), "DLDI_3_1  ");
  EXPECT_EQ(serv.GetInputId(46), "DLDI_3_3  ");
  EXPECT_EQ(serv.GetNetAnalogCount(0), 2);
  EXPECT_EQ(serv.GetNetDiscreteCount(0), 0);
  EXPECT_EQ(serv.GetNetAnalogCount(1), 0);
  EXPECT_EQ(serv.GetNetDiscreteCount(1), 0);
  EXPECT_EQ(serv.GetNetDiscreteCount(2), 3);
  EXPECT_EQ(serv.GetNetAnalogTotal(), 2);
  EXPECT_EQ(serv.GetNetDiscreteTotal(), 3);
  EXPECT_EQ(serv.GetNetBlockTotal(), 3);
  EXPECT_EQ(serv.GetNetAnalogCount(16), 0);

  serv.ClearNetCounts();
  EXPECT_EQ(serv.GetNetBlockTotal(), 0);
  EXPECT_EQ(serv.GetNetDiscreteCount(2), 0);
}

TEST(TServIds, NetworkIdsStopAtTheLastEntry) {
  TServClass serv;
  ASSERT_TRUE(serv.SetIdentityFromBytes(MakeIdentity({6, 7, 8, 9, 13, 6, 7, 0})));  // 168 local entries
  serv.MakeDefaultInputIds();
  std::array<TServClass::NetBlock, 16> blocks;
  blocks.fill({4, 255});  // register counts no signal base can hold
  EXPECT_EQ(serv.BuildNetInputIds(blocks), 192);
  EXPECT_EQ(serv.GetInputId(167), "AI7_6_HH  ");
  EXPECT_EQ(serv.GetInputId(168), "DLAI1_1_LL");
  EXPECT_EQ(serv.GetInputId(191), "DLAI1_6_HH");
  EXPECT_EQ(serv.GetNetAnalogCount(15), 255);  // the counts are what the table says
  EXPECT_FALSE(serv.MakeNetDiscreteId(0, 0, 192));
  EXPECT_FALSE(serv.MakeNetAnalogId(0, 0, 4, 10));
  EXPECT_FALSE(serv.MakeNetAnalogId(0, 0, 0, -1));
}

TEST(TServIds, SlotsAreStoredAsGivenAndClearedTogether) {
  TServClass serv;
  serv.SetInputIdSlot(5, 0, "X");
  serv.SetInputIdSlot(5, 10, "hidden");
  serv.SetInputIdSlot(5, 11, "ignored");
  serv.SetOutputIdSlot(39, 7, "7");
  serv.SetOutputIdSlot(40, 0, "ignored");
  EXPECT_EQ(serv.GetInputId(5), "X");  // slot 10 is not part of the shown form
  EXPECT_EQ(serv.GetInputIdSlot(5, 10), "hidden");
  EXPECT_EQ(serv.GetOutputId(39), "7");
  auto copy = serv.GetInputIds();
  serv.ClearInputIds();
  serv.ClearOutputIds();
  EXPECT_EQ(serv.GetInputIdSlot(5, 10), "");
  EXPECT_EQ(serv.GetOutputId(39), "");
  serv.SetInputIds(copy);
  EXPECT_EQ(serv.GetInputIdSlot(5, 10), "hidden");
}

// ---- texts -----------------------------------------------------------------------

TEST(TServTexts, SetTextTruncatesOrPadsToFourteenBytes) {
  TServClass serv;
  EXPECT_EQ(serv.GetInputText(0), "");  // zero bytes after construction
  serv.SetInputText("ABCDEFGHIJKLMNOPQRST", 0);
  EXPECT_EQ(serv.GetInputText(0), "ABCDEFGHIJKLMN");
  serv.SetInputText("abc", 191);
  EXPECT_EQ(serv.GetInputText(191), "abc           ");
  serv.SetOutputText(Text("Насос"), 39);
  EXPECT_EQ(Cp1251ToUtf8(serv.GetOutputText(39)), "Насос         ");
  serv.SetInputText("x", 192);
  serv.SetOutputText("x", 40);
  EXPECT_EQ(serv.GetInputText(192), "");
  EXPECT_EQ(serv.GetOutputText(40), "");
}

TEST(TServTexts, DefaultTextNumbersTheEntryFromOne) {
  TServClass serv;
  serv.SetDefaultInputText(0);
  serv.SetDefaultInputText(99);
  serv.SetDefaultInputText(191);
  serv.SetDefaultInputText(192);
  EXPECT_EQ(Cp1251ToUtf8(serv.GetInputText(0)), "Дискр.сигн.001");
  EXPECT_EQ(Cp1251ToUtf8(serv.GetInputText(99)), "Дискр.сигн.100");
  EXPECT_EQ(Cp1251ToUtf8(serv.GetInputText(191)), "Дискр.сигн.192");
}

class TServTextMoves : public ::testing::Test {
 protected:
  void SetUp() override {
    for (int e = 0; e < 192; ++e) serv.SetInputText(Tag(e), e);
  }
  // Built by appending: GCC 12 warns (-Wrestrict) on a literal + string at -O2.
  static std::string Tag(int e) {
    std::string tag = "T";
    tag += std::to_string(e);
    return tag;
  }
  std::string At(int e) const {
    std::string t = serv.GetInputText(e);
    return t.substr(0, t.find(' '));
  }
  TServClass serv;
};

TEST_F(TServTextMoves, DeleteTakesLaterTextsAndKeepsThoseWithoutSource) {
  serv.DeleteInputTexts(190, 5);
  for (int e = 0; e < 192; ++e) EXPECT_EQ(At(e), Tag(e)) << e;
  serv.DeleteInputTexts(10, 3);
  EXPECT_EQ(At(9), "T9");
  EXPECT_EQ(At(10), "T13");
  EXPECT_EQ(At(188), "T191");
  EXPECT_EQ(At(189), "T189");  // no source past 191
  EXPECT_EQ(At(191), "T191");
  serv.DeleteInputTexts(-1, 3);
  serv.DeleteInputTexts(0, 0);
  EXPECT_EQ(At(0), "T0");
}

TEST_F(TServTextMoves, InsertOpensAGapAndDropsTheTail) {
  serv.InsertInputTexts(0, 1);
  EXPECT_EQ(At(0), "T0");  // the gap keeps its text
  EXPECT_EQ(At(1), "T0");
  EXPECT_EQ(At(191), "T190");
  serv.InsertInputTexts(190, 5);  // everything would move past 191
  EXPECT_EQ(At(191), "T190");
  serv.InsertInputTexts(100, 192);
  EXPECT_EQ(At(191), "T190");
}

TEST_F(TServTextMoves, BlankStopsAtTheEnd) {
  serv.BlankInputTexts(188, 10);
  EXPECT_EQ(At(187), "T187");
  for (int e = 188; e < 192; ++e) EXPECT_EQ(serv.GetInputText(e), std::string(14, ' '));
  serv.BlankOutputTexts(38, 5);
  EXPECT_EQ(serv.GetOutputText(39), std::string(14, ' '));
  EXPECT_EQ(serv.GetOutputText(37), "");
}

// ---- text pages ---------------------------------------------------------------------

TEST(TServTextPages, AnswerToTextsToPageIsByteIdentical) {
  TServClass serv;
  for (int page = 0; page < 12; ++page) {
    const Bytes data = Pattern(224, static_cast<std::uint8_t>(page));
    ASSERT_TRUE(serv.LoadInputTextPageFromAnswer(MakePageAnswer(40 + page, data), page));
    ASSERT_TRUE(serv.StoreInputTextPage(page));
  }
  EXPECT_EQ(serv.GetInputTexts()[16][0], Pattern(224, 1)[0]);
  for (int page = 11; page >= 0; --page) {
    ASSERT_TRUE(serv.FetchInputTextPage(page));
    const auto out = serv.GetInputTextPage();
    EXPECT_EQ(Bytes(out.begin(), out.end()), Pattern(224, static_cast<std::uint8_t>(page))) << page;
  }
}

TEST(TServTextPages, FileBlocksRoundTrip) {
  TServClass serv;
  for (int page = 0; page < 4; ++page) {
    ASSERT_TRUE(serv.LoadOutputTextPage(Pattern(140, static_cast<std::uint8_t>(50 + page))));
    ASSERT_TRUE(serv.StoreOutputTextPage(page));
  }
  ASSERT_TRUE(serv.LoadInputTextPage(Pattern(224, 9)));
  ASSERT_TRUE(serv.StoreInputTextPage(11));
  for (int page = 0; page < 4; ++page) {
    ASSERT_TRUE(serv.FetchOutputTextPage(page));
    const auto out = serv.GetOutputTextPage();
    EXPECT_EQ(Bytes(out.begin(), out.end()), Pattern(140, static_cast<std::uint8_t>(50 + page)));
  }
  ASSERT_TRUE(serv.FetchInputTextPage(11));
  const auto in = serv.GetInputTextPage();
  EXPECT_EQ(Bytes(in.begin(), in.end()), Pattern(224, 9));
  EXPECT_FALSE(serv.StoreInputTextPage(12));
  EXPECT_FALSE(serv.FetchOutputTextPage(4));
  EXPECT_FALSE(serv.StoreOutputTextPage(-1));
}

TEST(TServTextPages, RefusedAnswersLeaveTheTransferPageUnchanged) {
  const Bytes good = Pattern(224, 3);
  Bytes longer = MakePageAnswer(41, Pattern(230, 3));
  Bytes shortCount = MakePageAnswer(41, good);
  shortCount[2] = 200;
  Bytes cut = MakePageAnswer(41, good);
  cut.resize(100);
  const std::pair<const char*, Bytes> cases[] = {
      {"another page echoed", MakePageAnswer(42, good)},
      {"count of a longer page", longer},
      {"count below the page", shortCount},
      {"fewer bytes than the page", cut},
      {"empty", {}},
  };
  for (const auto& [name, answer] : cases) {
    SCOPED_TRACE(name);
    TServClass serv;
    ASSERT_TRUE(serv.LoadInputTextPage(Pattern(224, 77)));
    EXPECT_FALSE(serv.LoadInputTextPageFromAnswer(answer, 1));
    const auto page = serv.GetInputTextPage();
    EXPECT_EQ(Bytes(page.begin(), page.end()), Pattern(224, 77));
  }
  TServClass serv;
  EXPECT_FALSE(serv.LoadInputTextPageFromAnswer(MakePageAnswer(52, good), 12));
  EXPECT_FALSE(serv.LoadInputTextPage(Bytes(223)));
  EXPECT_FALSE(serv.LoadOutputTextPage(Bytes(139)));
}

// ---- construction ------------------------------------------------------------------

TEST(TServClassState, ConstructionDefaults) {
  TServClass serv;
  EXPECT_EQ(serv.GetDeviceIndex(), 0);
  EXPECT_EQ(serv.GetDiCount() + serv.GetAiCount() + serv.GetDoCount(), 0);
  EXPECT_EQ(serv.GetNetBlockTotal(), 0);
  EXPECT_EQ(serv.GetInputId(0), "");
  EXPECT_EQ(serv.FileMode + serv.Modified + serv.InputTextsEdited + serv.OutputTextsEdited, 0);
  EXPECT_EQ(std::accumulate(serv.StateFlags.begin(), serv.StateFlags.end(), 0), 0);
  for (const auto& text : serv.GetInputTexts()) EXPECT_EQ(text, TServClass::Text{});
}

}  // namespace
}  // namespace lur

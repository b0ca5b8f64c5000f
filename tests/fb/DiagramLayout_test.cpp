// The function block diagram laid out from the table: rows and columns,
// element places, zigzag links, input captions, colours and algorithm
// captions, and the mouse mapped back to a block.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "fb/TDiagramLayout.h"
#include "model/Cp1251.h"
#include "model/ModuleTypes.h"
#include "model/TConfiguration.h"

namespace lur {
namespace {

constexpr int kAnd = 1, kOr = 3, kGist = 5, kTimer = 6, kTrigger = 7, kComparator = 8, kCounter = 9;

struct DiagramFixture : ::testing::Test {
  // Two discrete input modules (signals 1..24), one analog module (25..48),
  // two relay modules; one exchange block of 2 analog network values
  // (signals 49..56).
  DiagramFixture() {
    std::array<std::uint8_t, 15> id{};
    const std::array<std::uint8_t, 8> modules = {1, 1, 7, 3, 3, 0, 0, 0};
    for (int s = 0; s < 8; ++s) id[static_cast<std::size_t>(1 + s)] = modules[static_cast<std::size_t>(s)];
    id[12] = 56;
    EXPECT_TRUE(config.Serv.SetIdentityFromBytes(id));
    config.Serv.MakeDefaultInputIds();
    const std::array<TServClass::NetBlock, 1> net = {TServClass::NetBlock{3, 2}};
    config.Serv.BuildNetInputIds(net);
  }

  TProgFBClass& fb() { return config.FB; }
  // Block number n (1-based) of type t with its inputs of kind 0 from
  // signal n, direct (a comparator's bytes are its own: left clear).
  void Block(int n, int t) {
    fb().ClearRecord(n - 1);
    fb().SetTipFB(n - 1, t);
    if (t == kComparator) return;
    for (int j = 0; j < 4; ++j) {
      fb().SetKindVh(n - 1, j, 0);
      fb().SetDirVh(n - 1, j, 1);
      fb().SetNVh(n - 1, j, n);
    }
  }
  void Input(int n, int j, int kind, int source) {
    fb().SetKindVh(n - 1, j, kind);
    fb().SetNVh(n - 1, j, source);
  }
  void Algorithm(int a, std::vector<int> members, const std::string& name) {
    for (std::size_t k = 0; k < members.size(); ++k) fb().SetAlgFB(a, static_cast<int>(k), members[k]);
    fb().SetAlgFB(a, static_cast<int>(members.size()), TProgFBClass::kNoEntry);
    fb().SetAlgName(a, Utf8ToCp1251(name));
    fb().NAlg = std::max(fb().NAlg, a + 1);
    fb().RebuildAlgHead();
  }
  const TDiagramBlock& At(const TDiagramLayout& layout, int n) { return layout.blocks.at(static_cast<std::size_t>(n - 1)); }

  TConfiguration config;
};

TEST_F(DiagramFixture, BlocksFillThreeColumnsAndRelayPanelsAndAlgorithmHeadsStartRows) {
  for (int n = 1; n <= 11; ++n) Block(n, kAnd);
  fb().SetMR(4, 1, 0x01);  // block 5: relay outputs end its row
  Algorithm(0, {7, 8}, "Насос");  // block 7 heads an algorithm
  fb().SetTipFB(11, TProgFBClass::kCalcType);  // a calculation record ends the blocks
  const TDiagramLayout layout = LayOutDiagram(config);
  ASSERT_EQ(layout.blocks.size(), 11u);
  const std::array<std::array<int, 2>, 11> expected = {{
      {0, 0}, {0, 1}, {0, 2},  // column 2 wraps
      {1, 0}, {1, 1},          // block 5 has a relay panel
      {2, 0},                  // a relay panel ends the row even in column 1
      {3, 0}, {3, 1}, {3, 2},  // block 7 heads an algorithm
      {4, 0}, {4, 1},
  }};
  for (int n = 1; n <= 11; ++n) {
    const TDiagramBlock& b = At(layout, n);
    EXPECT_EQ(b.record, n - 1);
    EXPECT_EQ((std::array<int, 2>{b.row, b.column}), expected[static_cast<std::size_t>(n - 1)]) << n;
    EXPECT_EQ(b.panel, (TDiagramRect{250 * b.column, 120 * b.row + 15, 150, 110})) << n;
  }
  EXPECT_EQ(layout.height, 120 * 4 + 15 + 110 + 20);
}

TEST_F(DiagramFixture, ElementsSitWhereTheBlockPutsThem) {
  for (int n = 1; n <= 3; ++n) Block(n, kAnd);
  fb().SetTipS(0, 2);
  fb().SetNTabS(0, 7);
  fb().SetMR(1, 2, 0x05);  // block 2 in column 1: relay panel and line
  const TDiagramLayout layout = LayOutDiagram(config);
  ASSERT_EQ(layout.blocks.size(), 3u);

  const TDiagramBlock& first = At(layout, 1);
  EXPECT_EQ(first.rect, (TDiagramRect{0, 15, 250, 110}));
  EXPECT_EQ(first.mark, (TDiagramRect{150, 87, 80, 23}));
  EXPECT_EQ(first.markText, "ФБ1");
  EXPECT_EQ(first.linkAt.x, 230);
  EXPECT_EQ(first.linkAt.y, 35);
  ASSERT_TRUE(first.signPanel);
  EXPECT_EQ(first.signPanelRect, (TDiagramRect{165, 25, 60, 42}));
  EXPECT_EQ(first.signLinkAt.x, 192);
  EXPECT_EQ(first.signLinkAt.y, 32);
  EXPECT_EQ(first.tipS, 2);
  EXPECT_EQ(first.nTabS, 7);
  EXPECT_FALSE(first.relayPanel);

  const TDiagramBlock& second = At(layout, 2);
  EXPECT_FALSE(second.signPanel);
  ASSERT_TRUE(second.relayPanel);
  EXPECT_EQ(second.relayPanelRect, (TDiagramRect{750, 15 + 24, 200, 42}));
  EXPECT_EQ(second.relayLine, (TDiagramRect{500, 15 + 44, 250, 3}));  // 500 - 250 x column
  EXPECT_EQ(second.rect, (TDiagramRect{250, 15, 700, 110}));          // widened to the panel's end
  EXPECT_EQ(second.link, kLinkZigzag2);
  EXPECT_EQ(second.relayMasks, (std::array<int, 5>{0, 0x05, 0, 0, 0}));

  // Block 3 wraps below; a panel the editor just added shows before the
  // record has anything in it.
  fb().HasSignPanel[2] = 1;
  fb().HasMRPanel[2] = 1;
  const TDiagramLayout added = LayOutDiagram(config);
  const TDiagramBlock& third = At(added, 3);
  EXPECT_EQ(third.panel, (TDiagramRect{0, 135, 150, 110}));
  EXPECT_TRUE(third.signPanel);
  EXPECT_EQ(third.tipS, 0);
  ASSERT_TRUE(third.relayPanel);
  EXPECT_EQ(third.relayLine, (TDiagramRect{250, 135 + 44, 500, 3}));
  EXPECT_EQ(third.rect.w, 950);
}

TEST_F(DiagramFixture, AZigzagLinksABlockToTheNextInTheSameRowOnly) {
  struct Case {
    int input;  // 0-based input of block 2 fed by block 1, -1 none
    std::optional<TDiagramLink> link;
  };
  const Case cases[] = {
      {0, kLinkZigzag3}, {1, kLinkZigzag2}, {2, kLinkZigzag1}, {3, kLinkZigzag0}, {-1, std::nullopt},
  };
  for (const Case& c : cases) {
    TConfiguration fresh = config;
    std::swap(fresh, config);
    Block(1, kAnd);
    Block(2, kOr);
    if (c.input >= 0) Input(2, c.input, 1, 1);
    Input(2, 0, 1, c.input == 0 ? 1 : 5);  // an output of another block is no link
    const TDiagramLayout layout = LayOutDiagram(config);
    EXPECT_EQ(At(layout, 1).link, c.link) << c.input;
    EXPECT_FALSE(At(layout, 2).link.has_value());
    std::swap(fresh, config);
  }

  // Block 4 in column 0 of the next row takes block 3's output: no link.
  for (int n = 1; n <= 4; ++n) Block(n, kAnd);
  Input(4, 0, 1, 3);
  // The comparator's single input is its first.
  Block(5, kComparator);
  fb().SetKindVhComp(4, 1);
  fb().SetNVhComp(4, 4);
  const TDiagramLayout layout = LayOutDiagram(config);
  EXPECT_FALSE(At(layout, 3).link.has_value());
  EXPECT_EQ(At(layout, 4).link, kLinkZigzag3);
}

TEST_F(DiagramFixture, InputCaptionsNameTheSourceByKindAndRange) {
  const std::vector<std::string> analog = {"AI1_1", "AI1_2"};
  struct Case {
    int kind, n;
    std::string caption;
  };
  const Case cases[] = {
      {0, 1, "DI_1_1    "},     {0, 0, ""},          {0, 192, ""},  // signal 192 has no identifier here
      {0, 193, ""},             {4, 2, "DI_1_2      b"}, {4, 0, ""},
      {2, 1, "AI1_1  b"},       {2, 3, "  b"},       {2, 48, "  b"}, {2, 49, ""}, {2, 0, ""},
      {1, 1, "ФБ1"},            {1, 48, "ФБ48"},     {1, 120, "ФБ120"}, {1, 121, "КВУ121"}, {1, 192, "КВУ192"},
      {1, 0, ""},               {3, 5, ""},          {5, 5, ""},     {7, 1, ""},
  };
  for (const Case& c : cases) EXPECT_EQ(InputCaption(config, analog, c.kind, c.n), c.caption) << c.kind << "/" << c.n;
}

TEST_F(DiagramFixture, PanelsShowTheirInputsAndSettingsFromTheRecord) {
  Block(1, kAnd);
  fb().SetDirVh(0, 1, 0);
  Input(1, 2, 2, 7);  // the first network analog value (row 7 of the analog list)
  Input(1, 3, 2, 2);  // a local analog channel
  Block(2, kComparator);
  fb().SetKindVhComp(1, 4);
  fb().SetNVhComp(1, 3);
  fb().SetDirVhComp(1, 0);
  fb().SetAnVh(1, 5);
  fb().SetKindAn(1, 1);
  fb().SetSubTip(1, 4);  // set-point at address 4
  fb().SetGisterezis(1, 31);
  fb().SetCompCond(1, 1);
  Block(3, kComparator);
  fb().SetAnVh(2, 1);  // an analog signal
  Block(4, kComparator);  // compares nothing
  Block(5, kTimer);
  fb().SetSubTip(4, 5);  // the alarm clock
  fb().SetTimeHour(4, 7);
  fb().SetTimeMin(4, 30);
  fb().SetTimeSec(4, 15);
  Block(6, kCounter);
  fb().SetLimitCount(5, 31);
  Block(7, kGist);
  Block(8, kTrigger);
  fb().SetSubTip(7, 1);

  const TDiagramLayout layout = LayOutDiagram(config);
  ASSERT_EQ(layout.blocks.size(), 8u);
  const TDiagramBlock& gate = At(layout, 1);
  EXPECT_EQ(gate.type, 0);
  EXPECT_EQ(gate.inputs[0].caption, "DI_1_1    ");
  EXPECT_FALSE(gate.inputs[0].inverse);
  EXPECT_TRUE(gate.inputs[1].inverse);
  EXPECT_EQ(gate.inputs[2].caption, "DLAI1_1  b");
  EXPECT_EQ(gate.inputs[3].caption, "AI1_2  b");

  const TDiagramBlock& comparator = At(layout, 2);
  EXPECT_EQ(comparator.type, 7);
  EXPECT_EQ(comparator.inputs[0].caption, "DI_1_3      b");
  EXPECT_TRUE(comparator.inputs[0].inverse);
  EXPECT_EQ(comparator.inputs[1].caption, "МБ5");
  EXPECT_EQ(comparator.inputs[2].caption, "");  // the panel writes the set-point and the delay
  EXPECT_EQ(comparator.settings.compAdjustable, 1);
  EXPECT_EQ(comparator.settings.subTip, 4);
  EXPECT_EQ(comparator.settings.gisterezis, 31);
  EXPECT_EQ(comparator.settings.compCond, 1);
  EXPECT_EQ(At(layout, 3).inputs[1].caption, "AI1_1");
  EXPECT_EQ(At(layout, 3).settings.compAdjustable, 0);
  EXPECT_EQ(At(layout, 4).inputs[1].caption, "");

  const TDiagramBlock& clock = At(layout, 5);
  EXPECT_EQ(clock.inputs[0].caption, "DI_1_5    ");
  EXPECT_EQ(clock.inputs[1].caption, "");  // time values, not inputs
  EXPECT_EQ((std::array<int, 3>{clock.settings.timeHour, clock.settings.timeMin, clock.settings.timeSec}),
            (std::array<int, 3>{7, 30, 15}));
  EXPECT_EQ(At(layout, 6).settings.limitCount, 31);
  EXPECT_EQ(At(layout, 7).inputs[2].caption, "");  // a hysteresis block has two inputs
  EXPECT_EQ(At(layout, 8).settings.subTip, 1);
}

TEST_F(DiagramFixture, ForeignValuesPassWithoutIndexingAndTheTableBoundsStop) {
  Block(1, 10);  // types 10 and 11 are counted as blocks
  Block(2, 11);
  Block(3, kTimer);
  fb().SetSubTip(2, 9);
  fb().SetTimerTime(2, 200);
  fb().SetTimerD(2, 3);
  const TDiagramLayout layout = LayOutDiagram(config);
  ASSERT_EQ(layout.blocks.size(), 3u);
  EXPECT_EQ(At(layout, 1).type, 9);
  EXPECT_EQ(At(layout, 2).type, 10);
  EXPECT_EQ(At(layout, 3).settings.subTip, 9);
  EXPECT_EQ(At(layout, 3).settings.timerTime, 120);
  EXPECT_EQ(At(layout, 3).settings.timerD, 3);

  // A 60-block table ends at record 59 whatever follows.
  for (int n = 1; n <= 70; ++n) Block(n, kAnd);
  fb().CapFB = 60;
  EXPECT_EQ(LayOutDiagram(config).blocks.size(), 60u);
  // A relay mask of a module the configuration lacks (two relay modules
  // here) still shows the panel, but not the mask.
  fb().CapFB = 120;
  fb().SetMR(0, 3, 0x80);
  const TDiagramLayout masked = LayOutDiagram(config);
  const TDiagramBlock& first = At(masked, 1);
  EXPECT_TRUE(first.relayPanel);
  EXPECT_EQ(first.relayMasks, (std::array<int, 5>{}));
}

TEST_F(DiagramFixture, ChosenAndSelectedBlocksAreSkyBlue) {
  for (int n = 1; n <= 4; ++n) Block(n, kAnd);
  fb().CurPosFB = 1;
  fb().Selected[3] = 1;
  const TDiagramLayout layout = LayOutDiagram(config);
  const std::array<bool, 4> lit = {false, true, false, true};
  for (int n = 1; n <= 4; ++n) {
    EXPECT_EQ(At(layout, n).highlighted, lit[static_cast<std::size_t>(n - 1)]) << n;
    EXPECT_EQ(At(layout, n).color, lit[static_cast<std::size_t>(n - 1)] ? (TDiagramColor{166, 202, 240})
                                                                         : kButtonFaceColor);
  }
}

TEST_F(DiagramFixture, AlgorithmCaptionsStandAboveTheirFirstBlock) {
  for (int n = 1; n <= 5; ++n) Block(n, kAnd);
  Algorithm(0, {1, 2}, "Насос 1");
  Algorithm(1, {4, 5}, "Насос 2");
  Algorithm(2, {}, "Пусто");
  Algorithm(3, {9}, "Дальше");  // its first block lies beyond the blocks
  const TDiagramLayout layout = LayOutDiagram(config);
  ASSERT_EQ(layout.captions.size(), 4u);
  EXPECT_EQ(layout.captions[0].text, "Насос 1");  // without the padding blanks
  EXPECT_EQ(layout.captions[2].text, "Пусто");
  EXPECT_EQ(layout.captions[0].x, 8);
  EXPECT_EQ(layout.captions[0].y, 15 - 12);
  EXPECT_EQ(At(layout, 4).row, 1);  // block 4 heads algorithm 2
  EXPECT_EQ(layout.captions[1].y, 135 - 12);
  EXPECT_EQ(layout.captions[2].y, 135 + 108);
  EXPECT_EQ(layout.captions[3].y, 135 + 108);

  // No blocks: captions stack from the top.
  for (int n = 1; n <= 5; ++n) fb().ClearRecord(n - 1);
  const TDiagramLayout empty = LayOutDiagram(config);
  EXPECT_TRUE(empty.blocks.empty());
  EXPECT_EQ(empty.height, 0);
  ASSERT_EQ(empty.captions.size(), 4u);
  EXPECT_EQ(empty.captions[2].y, 120 * 2 + 3);
}

TEST_F(DiagramFixture, TheMouseFindsTheBlockUnderIt) {
  for (int n = 1; n <= 4; ++n) Block(n, kAnd);
  fb().SetMR(1, 1, 1);
  const TDiagramLayout layout = LayOutDiagram(config);
  struct Case {
    int x, y;
    std::optional<int> record;
  };
  const Case cases[] = {
      {0, 15, 0},     {249, 124, 0},  {250, 15, 1},  {940, 60, 1},  // the relay panel belongs to block 2
      {950, 60, std::nullopt},        {10, 14, std::nullopt},       {10, 125, std::nullopt},
      {10, 135, 2},   {260, 140, 3},  {600, 140, std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(BlockAt(layout, c.x, c.y), c.record) << c.x << "," << c.y;
}

}  // namespace
}  // namespace lur

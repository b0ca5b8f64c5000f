// Copying a run of function blocks and inserting it before a block or after
// the last one: where the copies land, how their references are mended for
// the configuration they land in, the refusals, the algorithms, the copy
// buffer outliving the window and the configuration, and the saved file.
#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "fb/TFormFBController.h"
#include "link/TComPortClass.h"
#include "model/TConfiguration.h"
#include "session/TServAddressing.h"
#include "shell/TConfigFile.h"
#include "support/ScriptedDialog.h"
#include "support/SimPort.h"
#include "ui/TScriptedUserInterface.h"

namespace lur::test {
namespace {

using C = TFormFBControl;
using Button = TFormFBController::TButton;
using Popup = TFormFBController::TPopup;
using Form = TFormFBController;

constexpr int kAnd = 1;
constexpr int kComparator = TProgFBClass::kComparatorType;
constexpr int kBlockOut = TProgFBClass::kKindBlockOutput;

// The block dialog as a user who creates an OR gate (the group commands
// open none).
class NewBlockDialog : public TBlockDialog {
 public:
  explicit NewBlockDialog(TProgFBClass& table) : fb(table) {}
  void Reset() override {}
  void PrepareNew(int n, bool) override { number = n; }
  void PrepareFromRecord(int, bool) override {}
  int ShowModal() override {
    ++shows;
    return kModalOk;
  }
  int ChosenType() const override { return 3; }
  int Number() const override { return number; }
  void WriteRecord(int i) override { fb.SetTipFB(i, 3); }
  TProgFBClass& fb;
  int number = 0;
  int shows = 0;
};

// Relay modules, display type (0: 12 cells, 2: 16 cells) and the processed
// signal counts of a configuration.
struct Shape {
  int relayModules = 2;
  int displayType = 0;
  int discrete = 48;
  int analog = 8;
};

void ApplyShape(TConfiguration& config, const Shape& shape) {
  std::array<std::uint8_t, 15> id{};
  id[1] = 1;  // two discrete input modules, an analog one, then the relay modules
  id[2] = 1;
  id[3] = 7;
  for (int m = 0; m < shape.relayModules; ++m) id[static_cast<std::size_t>(4 + m)] = 3;
  id[12] = static_cast<std::uint8_t>(shape.discrete);
  id[13] = static_cast<std::uint8_t>(shape.analog);
  id[14] = static_cast<std::uint8_t>(shape.displayType);
  ASSERT_TRUE(config.Serv.SetIdentityFromBytes(id));
  ASSERT_EQ(config.Serv.GetDoModuleCount(), shape.relayModules);
  ASSERT_TRUE(config.Serv.SetProcessedDiscreteCount(shape.discrete));
  ASSERT_TRUE(config.Serv.SetProcessedAnalogCount(shape.analog));
  config.Serv.MakeDefaultInputIds();
}

// Tags a block: its fourth input names discrete signal `tag` (kept by every
// mend while tag <= the discrete count), so a test can tell where it went.
void Tag(TProgFBClass& fb, int i, int tag) {
  fb.SetKindVh(i, 3, TProgFBClass::kKindDiscrete);
  fb.SetNVh(i, 3, tag);
}

struct GroupFixture {
  GroupFixture() {
    ApplyShape(config, Shape{});
    config.Lur.FullAccess = 1;
    editor.FormCreate();
  }

  // AND blocks at records 0 .. count - 1, each tagged with its number.
  void Blocks(int count) {
    for (int i = 0; i < count; ++i) {
      fb.SetTipFB(i, kAnd);
      Tag(fb, i, (i + 1) % 49);
    }
    editor.FormShow();
  }
  void Arithmetic(int count) {
    for (int k = 0; k < count; ++k) {
      fb.SetTipFB(fb.NFB + k, TProgFBClass::kCalcType);
      fb.SetSubTip(fb.NFB + k, 1);
      fb.SetAdrY(fb.NFB + k, 1, 30 + k);
    }
    editor.FormShow();
  }
  void Ref(int i, int j, int n, int kind = kBlockOut) {
    fb.SetKindVh(i, j, kind);
    fb.SetNVh(i, j, n);
  }
  // Blocks (1-based numbers) selected with Ctrl, then "Копировать ".
  void CopyBlocks(const std::vector<int>& numbers) {
    editor.ScrollBox1Click();
    for (int n : numbers) editor.PanFB1MouseDown(n - 1, Button::Left, true);
    editor.CopyGroupClick();
  }
  // A right click on block n (selected alone) and the insertion before it.
  void InsertBefore(int n) {
    editor.PanFB1MouseDown(n - 1, Button::Left, false);
    ASSERT_EQ(editor.PanFB1MouseDown(n - 1, Button::Right, false), Popup::Block);
    editor.InsertGroupClick();
  }
  void Algorithm(int a, const std::vector<int>& members) {
    for (int k = 0; k < TProgFBClass::kSlots; ++k)
      fb.SetAlgFB(a, k, k < static_cast<int>(members.size()) ? members[static_cast<std::size_t>(k)] : 255);
    fb.SetAlgName(a, "A" + std::to_string(a));
    fb.NAlg = std::max(fb.NAlg, a + 1);
    fb.RebuildAlgHead();
  }
  std::vector<int> Tags() const {
    std::vector<int> tags;
    for (int i = 0; i < fb.NFB; ++i) tags.push_back(fb.GetNVh(i, 3));
    return tags;
  }
  std::vector<int> Selected() const {
    std::vector<int> s;
    for (int p = 0; p < TProgFBClass::kSlots; ++p)
      if (fb.Selected[static_cast<std::size_t>(p)] != 0) s.push_back(p);
    return s;
  }
  std::vector<TProgFBClass::Record> Records() const {
    std::vector<TProgFBClass::Record> r;
    for (int i = 0; i < TProgFBClass::kSlots; ++i) r.push_back(fb.GetRecord(i));
    return r;
  }

  VirtualClock clock;
  SimPort line{clock};
  TScriptedUserInterface ui;
  TComPortClass link{line, clock};
  TConfiguration config;
  TProgFBClass& fb = config.FB;
  TServAddressing addressing{config.Serv};
  TSession session{config, link, ui, addressing};

  NewBlockDialog block{config.FB};
  TFormSigController sig;
  TFormVyhController vyh{config.Lur};
  ScriptedDialog<TFormSigController> sigDialog;
  ScriptedDialog<TFormVyhController> vyhDialog;
  TFormFBDialogs dialogs{block, sig, sigDialog.window, vyh, vyhDialog.window};
  Form editor{session, dialogs};
};

class FBGroup : public ::testing::Test, protected GroupFixture {};

std::vector<int> Range(int from, int to) {
  std::vector<int> v;
  for (int n = from; n <= to; ++n) v.push_back(n);
  return v;
}

// ---- copying -------------------------------------------------------------------------------

TEST_F(FBGroup, CopyFillsTheBufferAtTheSourceIndicesAndClearsEveryOldMark) {
  Blocks(10);
  // Marks a larger configuration left behind, above this one's free slots.
  fb.CapFB = 60;
  config.Copy.CopyFBMark[100] = 1;
  config.Copy.CopyFBMark[120] = 1;
  EXPECT_FALSE(editor.Controls().IsEnabled(C::PMenu3AddGroup));

  CopyBlocks({3, 4, 5});
  EXPECT_EQ(config.Copy.CopyFBCount, 3);
  std::vector<int> marked;
  for (int i = 0; i <= 120; ++i)
    if (config.Copy.CopyFBMark[static_cast<std::size_t>(i)] != 0) marked.push_back(i);
  EXPECT_EQ(marked, (std::vector<int>{2, 3, 4}));
  EXPECT_EQ(config.Copy.CopyFB[3], fb.GetRecord(3));
  EXPECT_TRUE(editor.Controls().IsEnabled(C::PMenu3AddGroup));
  EXPECT_TRUE(editor.Controls().IsEnabled(C::PMenu1InsertGroup));
  EXPECT_EQ(fb.FBModified, 0);  // copying changes nothing

  // A copy with nothing selected (the key alone) keeps the group.
  editor.ScrollBox1Click();
  editor.CopyGroupClick();
  EXPECT_EQ(config.Copy.CopyFBCount, 3);
}

TEST_F(FBGroup, TheBlockMenuOffersTheInsertionForOneBlockOnly) {
  Blocks(4);
  CopyBlocks({1});
  editor.PanFB1MouseDown(1, Button::Left, false);
  ASSERT_EQ(editor.PanFB1MouseDown(1, Button::Right, false), Popup::Block);
  EXPECT_TRUE(editor.Controls().IsEnabled(C::PMenu1Copy));
  EXPECT_TRUE(editor.Controls().IsEnabled(C::PMenu1InsertGroup));

  editor.PanFB1MouseDown(2, Button::Left, true);
  ASSERT_EQ(editor.PanFB1MouseDown(2, Button::Right, false), Popup::Block);
  EXPECT_TRUE(editor.Controls().IsEnabled(C::PMenu1Copy));
  EXPECT_FALSE(editor.Controls().IsEnabled(C::PMenu1InsertGroup));
  EXPECT_FALSE(editor.Controls().IsEnabled(C::PMenu1FB));
}

// ---- where the group lands -----------------------------------------------------------------

TEST_F(FBGroup, AddingAfterTheLastBlockRenumbersReferencesIntoTheGroup) {
  Blocks(10);
  Ref(3, 0, 3);   // block 4 takes block 3 (in the group)
  Ref(3, 1, 8);   // block 8 (outside, before the end)
  Ref(3, 2, 12);  // block 12, which does not exist
  CopyBlocks({3, 4, 5});
  editor.AddGroupClick();

  EXPECT_EQ(fb.NFB, 13);
  EXPECT_EQ(Tags(), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 3, 4, 5}));
  EXPECT_EQ(fb.GetNVh(11, 0), 11);
  EXPECT_EQ(fb.GetNVh(11, 1), 8);
  EXPECT_EQ(fb.GetNVh(11, 2), 0);
  EXPECT_EQ(fb.GetNVh(3, 0), 3);  // the original keeps its references
  EXPECT_EQ(Selected(), (std::vector<int>{10, 11, 12}));
  EXPECT_EQ(fb.NSelectedFB, 3);
  EXPECT_EQ(fb.CurPosFB, -1);  // several blocks: none is the chosen one
  EXPECT_EQ(editor.ScrollTarget(), 10);
  EXPECT_EQ(fb.PopupPos, -1);
  EXPECT_EQ(fb.FBModified, 1);
  EXPECT_EQ(fb.PlaceFB[11].source, (std::array<int, 4>{11, 8, 0, 0}));
  EXPECT_TRUE(ui.shown.empty());
}

TEST_F(FBGroup, InsertingBeforeABlockMovesTheRestAndFollowsBothSides) {
  Blocks(10);
  Ref(3, 0, 5);  // block 4 takes block 5 (both in the group)
  Ref(3, 1, 1);  // block 1, before the insertion point
  Ref(3, 2, 9);  // block 9, which moves up by three
  Ref(9, 0, 6);  // block 10 (not copied) takes block 6
  Ref(0, 0, 2);  // block 1 takes block 2
  CopyBlocks({3, 4, 5});
  InsertBefore(2);

  EXPECT_EQ(fb.NFB, 13);
  EXPECT_EQ(Tags(), (std::vector<int>{1, 3, 4, 5, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
  // The copy of block 4 is block 3 now.
  EXPECT_EQ(fb.GetNVh(2, 0), 4);
  EXPECT_EQ(fb.GetNVh(2, 1), 1);
  EXPECT_EQ(fb.GetNVh(2, 2), 12);
  // Old blocks follow their moved sources.
  EXPECT_EQ(fb.GetNVh(12, 0), 9);
  EXPECT_EQ(fb.GetNVh(0, 0), 5);
  EXPECT_EQ(Selected(), (std::vector<int>{1, 2, 3}));
  EXPECT_EQ(editor.ScrollTarget(), 1);
  EXPECT_EQ(fb.PopupPos, -1);
}

TEST_F(FBGroup, AddingAfterTheLastBlockMovesTheCalculationRecords) {
  Blocks(4);
  Arithmetic(2);
  ASSERT_EQ(fb.NMat, 2);
  CopyBlocks({1, 2});
  editor.AddGroupClick();

  EXPECT_EQ(fb.NFB, 6);
  EXPECT_EQ(fb.NMat, 2);
  EXPECT_EQ(fb.GetTipFB(6), TProgFBClass::kCalcType);
  EXPECT_EQ(fb.GetAdrY(6, 1), 30);
  EXPECT_EQ(fb.GetAdrY(7, 1), 31);
  EXPECT_EQ(fb.GetTipFB(8), 0);
}

TEST_F(FBGroup, InsertingBeforeABlockMovesTheCalculationRecordsToo) {
  fb.CapFB = 60;
  Blocks(5);
  Arithmetic(1);
  CopyBlocks({5});
  InsertBefore(1);
  EXPECT_EQ(Tags(), (std::vector<int>{5, 1, 2, 3, 4, 5}));
  EXPECT_EQ(fb.GetTipFB(6), TProgFBClass::kCalcType);
  EXPECT_EQ(fb.GetAdrY(6, 1), 30);
  // One block inserted: it is the chosen one.
  EXPECT_EQ(fb.CurPosFB, 0);
  EXPECT_EQ(Selected(), std::vector<int>{0});
}

// ---- refusals ------------------------------------------------------------------------------

TEST_F(FBGroup, RefusalsChangeNothing) {
  struct Case {
    const char* name;
    std::function<void(GroupFixture&)> setUp;
    bool before;
    const char* text;
  };
  const Case cases[] = {
      {"gap in the copied blocks",
       [](GroupFixture& f) {
         f.CopyBlocks({2, 3, 5});
       },
       false, Form::kGroupGap},
      {"gap, inserted before a block",
       [](GroupFixture& f) {
         f.CopyBlocks({2, 3, 5});
       },
       true, Form::kGroupGap},
      {"118 of 120 used, group of 3",
       [](GroupFixture& f) {
         f.CopyBlocks({1, 2, 3});
         f.Blocks(118);
       },
       false, Form::kGroupTooLarge},
      {"58 of 60 used, group of 3 before a block",
       [](GroupFixture& f) {
         f.CopyBlocks({1, 2, 3});
         f.fb.CapFB = 60;
         f.Blocks(58);
       },
       true, Form::kGroupTooLarge},
      {"only a group above the free slots",
       [](GroupFixture& f) {
         f.config.Copy.CopyFBMark[70] = 1;
         f.config.Copy.CopyFBCount = 1;
         f.fb.CapFB = 60;
       },
       false, Form::kGroupNone},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const auto fixture = std::make_unique<GroupFixture>();
    GroupFixture& f = *fixture;
    f.Blocks(10);
    c.setUp(f);
    const auto before = f.Records();
    const int blocks = f.fb.NFB;
    if (c.before) {
      f.InsertBefore(2);
    } else {
      f.editor.AddGroupClick();
    }
    EXPECT_EQ(f.ui.Texts(), std::vector<std::string>{c.text});
    EXPECT_EQ(f.ui.shown.at(0).caption, std::string("Предупреждение"));
    EXPECT_EQ(f.Records(), before);
    EXPECT_EQ(f.fb.NFB, blocks);
    EXPECT_EQ(f.fb.FBModified, 0);
    EXPECT_EQ(f.fb.PopupPos, -1);
  }
}

// ---- mends for the configuration the group lands in ----------------------------------------

TEST_F(FBGroup, SignalReferencesThisConfigurationLacksAreCleared) {
  // D = 48 discrete, A = 8 analog signals.
  struct Case {
    int kind;
    int n;
    int expected;
  };
  const Case cases[] = {
      {TProgFBClass::kKindDiscrete, 48, 48},
      {TProgFBClass::kKindDiscrete, 49, 0},
      {TProgFBClass::kKindDiscreteFlag, 48, 48},
      {TProgFBClass::kKindDiscreteFlag, 60, 0},
      {TProgFBClass::kKindAnalogFlag, 8, 8},
      {TProgFBClass::kKindAnalogFlag, 9, 0},
      {kBlockOut, 130, 130},  // a КВУ number stays
  };
  Blocks(2);
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "kind " << c.kind << " n " << c.n);
    config.Copy.CopyFBMark.fill(0);
    config.Copy.CopyFBMark[0] = 1;
    config.Copy.CopyFBCount = 1;
    TProgFBClass::Record r{};
    r[0] = kAnd;
    r[1] = static_cast<std::uint8_t>(c.kind | 0x08);
    r[2] = static_cast<std::uint8_t>(c.n);
    config.Copy.CopyFB[0] = r;
    editor.AddGroupClick();
    const int i = fb.NFB - 1;
    EXPECT_EQ(fb.GetNVh(i, 0), c.expected);
    EXPECT_EQ(fb.GetKindVh(i, 0), c.kind);
    EXPECT_EQ(fb.GetDirVh(i, 0), 1);
  }
}

TEST_F(FBGroup, ComparatorValueBeyondItsSourceIsCleared) {
  // 8 analog signals, 2 arithmetic blocks.
  struct Case {
    int kindAn;
    int anVh;
    int expected;
  };
  const Case cases[] = {{0, 8, 8}, {0, 9, 0}, {1, 2, 2}, {1, 3, 0}, {1, 8, 0}};
  Blocks(2);
  Arithmetic(2);
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "KindAn " << c.kindAn << " AnVh " << c.anVh);
    config.Copy.CopyFBMark.fill(0);
    config.Copy.CopyFBMark[5] = 1;
    config.Copy.CopyFBCount = 1;
    auto scratchTable = std::make_unique<TProgFBClass>();
    TProgFBClass& scratch = *scratchTable;
    scratch.SetTipFB(0, kComparator);
    scratch.SetKindAn(0, c.kindAn);
    scratch.SetAnVh(0, c.anVh);
    scratch.SetKindVhComp(0, TProgFBClass::kKindDiscrete);
    scratch.SetNVhComp(0, 60);  // no such discrete signal
    config.Copy.CopyFB[5] = scratch.GetRecord(0);
    editor.AddGroupClick();
    const int i = fb.NFB - 1;
    ASSERT_EQ(fb.GetTipFB(i), kComparator);
    EXPECT_EQ(fb.GetAnVh(i), c.expected);
    EXPECT_EQ(fb.GetKindAn(i), c.kindAn);
    EXPECT_EQ(fb.GetNVhComp(i), 0);
  }
  EXPECT_EQ(fb.NMat, 2);
}

TEST_F(FBGroup, SignallingCellsAndRelayMasksFollowTheDisplayAndModules) {
  // A 16-cell display and two relay modules.
  ApplyShape(config, Shape{2, 2, 48, 8});
  ASSERT_EQ(config.Serv.GetDisplayTypeCount(), 16);
  Blocks(3);
  fb.SetNTabS(0, 20);
  fb.SetTipS(0, 2);
  fb.SetArh(0, 1);
  fb.SetNTabS(1, 16);
  fb.SetTipS(1, 1);
  fb.SetMR(1, 2, 0x05);
  // Masks of module 3, copied from a configuration that has it.
  fb.SetMR(1, 3, 0x81);
  CopyBlocks({1, 2});
  editor.AddGroupClick();

  EXPECT_EQ(fb.GetNTabS(3), 0);
  EXPECT_EQ(fb.GetTipS(3), 0);
  EXPECT_EQ(fb.GetArh(3), 1);
  EXPECT_EQ(fb.GetNTabS(4), 16);
  EXPECT_EQ(fb.GetTipS(4), 1);
  EXPECT_EQ(fb.GetMR(4, 2), 0x05);
  EXPECT_EQ(fb.GetMR(4, 3), 0);
}

TEST_F(FBGroup, ABlockPushedPastBlock62LosesSignallingAndArchiving) {
  Blocks(62);
  fb.SetNTabS(61, 5);
  fb.SetTipS(61, 1);
  fb.SetArh(61, 1);
  fb.SetNTabS(60, 4);
  fb.SetTipS(60, 1);
  CopyBlocks({10});
  InsertBefore(1);

  EXPECT_EQ(fb.NFB, 63);
  EXPECT_EQ(fb.GetNTabS(62), 0);
  EXPECT_EQ(fb.GetTipS(62), 0);
  EXPECT_EQ(fb.GetArh(62), 0);
  EXPECT_EQ(fb.GetNTabS(61), 4);  // block 61 became 62: still signalled
  EXPECT_EQ(fb.GetTipS(61), 1);
}

// ---- algorithms ----------------------------------------------------------------------------

TEST_F(FBGroup, AlgorithmsFollowTheInsertedGroup) {
  struct Case {
    const char* name;
    std::vector<std::vector<int>> before;
    int insertBefore;  // 0: after the last block
    std::vector<std::vector<int>> after;
    std::vector<int> heads;  // records that head an algorithm
  };
  const Case cases[] = {
      {"after the last block", {Range(1, 5), Range(6, 10)}, 0, {Range(1, 5), Range(6, 12)}, {0, 5}},
      {"after the last block, last algorithm empty",
       {Range(1, 10), {}},
       0,
       {Range(1, 10), {11, 12}},
       {0, 10}},
      {"before a block heading the second",
       {Range(1, 5), Range(6, 10)},
       6,
       {Range(1, 7), Range(8, 12)},
       {0, 7}},
      {"before a block inside the first",
       {Range(1, 5), Range(6, 10)},
       3,
       {Range(1, 7), Range(8, 12)},
       {0, 7}},
      {"before the head of the first", {Range(1, 5), Range(6, 10)}, 1, {Range(1, 7), Range(8, 12)}, {0, 7}},
      {"before a block of no algorithm", {Range(1, 3), Range(6, 8)}, 5, {Range(1, 3), Range(8, 10)}, {0, 7}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const auto fixture = std::make_unique<GroupFixture>();
    GroupFixture& f = *fixture;
    f.Blocks(10);
    for (std::size_t a = 0; a < c.before.size(); ++a) f.Algorithm(static_cast<int>(a), c.before[a]);
    f.CopyBlocks({8, 9});
    if (c.insertBefore == 0) {
      f.editor.AddGroupClick();
    } else {
      f.InsertBefore(c.insertBefore);
    }
    ASSERT_EQ(f.fb.NFB, 12);
    EXPECT_EQ(f.fb.NAlg, static_cast<int>(c.after.size()));
    for (std::size_t a = 0; a < c.after.size(); ++a)
      EXPECT_EQ(f.fb.AlgMembers(static_cast<int>(a)), c.after[a]);
    std::vector<int> heads;
    for (int i = 0; i < TProgFBClass::kSlots; ++i)
      if (f.fb.IsAlgHead(i)) heads.push_back(i);
    EXPECT_EQ(heads, c.heads);
    EXPECT_EQ(f.fb.GetAlgName(1), "A1");
  }
}

// ---- a new block after the chosen one ------------------------------------------------------

TEST_F(FBGroup, AddingABlockAfterTheChosenOne) {
  struct Case {
    const char* name;
    int chosen;  // -1: none
    std::vector<int> types;
    int sourceOfLast;  // block 4's input, which took block 3
  };
  const Case cases[] = {
      {"after block 2", 1, {1, 1, 3, 1, 1}, 4},
      {"after the last block", 3, {1, 1, 1, 1, 3}, 3},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const auto fixture = std::make_unique<GroupFixture>();
    GroupFixture& f = *fixture;
    f.Blocks(4);
    f.Ref(3, 0, 3);
    f.editor.PanFB1MouseDown(c.chosen, Button::Left, false);
    f.editor.AddAfterClick();
    std::vector<int> types;
    for (int i = 0; i < f.fb.NFB; ++i) types.push_back(f.fb.GetTipFB(i));
    EXPECT_EQ(types, c.types);
    const int moved = c.chosen + 1 <= 3 ? 4 : 3;  // block 4's record now
    EXPECT_EQ(f.fb.GetNVh(moved, 0), c.sourceOfLast);
    EXPECT_EQ(f.fb.CurPosFB, c.chosen + 1);
    EXPECT_EQ(f.fb.CreatMode, 0);
    EXPECT_EQ(f.fb.PopupPos, -1);
  }

  // Nothing chosen: the warning, no dialog.
  Blocks(2);
  editor.ScrollBox1Click();
  editor.AddAfterClick();
  EXPECT_EQ(block.shows, 0);
  EXPECT_EQ(ui.Texts(), std::vector<std::string>{Form::kNotChosen});
  EXPECT_EQ(fb.NFB, 2);
}

// ---- the buffer outlives the window and the configuration ----------------------------------

TEST_F(FBGroup, TheCopyOutlivesTheWindowAndAConfigurationChange) {
  // Copied where three relay modules exist.
  ApplyShape(config, Shape{3, 0, 48, 8});
  Blocks(4);
  fb.SetMR(2, 1, 0x03);
  fb.SetMR(2, 3, 0x10);
  Ref(2, 0, 2);
  CopyBlocks({2, 3});

  // Another configuration, with two relay modules, is opened from a file.
  const auto other = std::make_unique<TConfiguration>();
  ApplyShape(*other, Shape{2, 0, 48, 8});
  for (int i = 0; i < 6; ++i) {
    other->FB.SetTipFB(i, kAnd);
    Tag(other->FB, i, 40 + i);
  }
  ASSERT_TRUE(LoadConfigFile(config, BuildConfigFile(*other), ui));
  ASSERT_EQ(config.Serv.GetDoModuleCount(), 2);

  // A window made afresh offers the insertion at once.
  Form reopened{session, dialogs};
  reopened.FormCreate();
  reopened.FormShow();
  EXPECT_TRUE(reopened.Controls().IsEnabled(C::PMenu3AddGroup));
  EXPECT_TRUE(reopened.Controls().IsEnabled(C::PMenu1InsertGroup));
  ASSERT_EQ(fb.NFB, 6);
  reopened.AddGroupClick();

  EXPECT_EQ(Tags(), (std::vector<int>{40, 41, 42, 43, 44, 45, 2, 3}));
  EXPECT_EQ(fb.GetNVh(7, 0), 7);  // block 3's source, block 2, is the copy at 7
  EXPECT_EQ(fb.GetMR(7, 1), 0x03);
  EXPECT_EQ(fb.GetMR(7, 3), 0);
  EXPECT_EQ(reopened.ScrollTarget(), 6);
}

// ---- the saved file ------------------------------------------------------------------------

TEST_F(FBGroup, TheSavedFileHoldsTheInsertedBlocksAndAlgorithms) {
  constexpr std::size_t kRecords = 3300;   // function block pages
  constexpr std::size_t kHeads = 20564;    // one byte a block
  constexpr std::size_t kMembers = 20684;  // 120 x 120
  constexpr std::size_t kAlgCount = 35084;
  Blocks(5);
  Ref(4, 0, 4);
  Algorithm(0, Range(1, 2));
  Algorithm(1, Range(3, 5));
  CopyBlocks({4, 5});
  InsertBefore(3);

  const std::vector<std::uint8_t> file = BuildConfigFile(config);
  ASSERT_EQ(file.size(), kConfigFileSize120);
  const auto record = [&](int i) {
    TProgFBClass::Record r{};
    for (std::size_t b = 0; b < r.size(); ++b) r[b] = file[kRecords + 16 * static_cast<std::size_t>(i) + b];
    return r;
  };
  // Block 5 (taking block 4) copied to block 4 takes block 3 now; the
  // original moved to block 7 and takes block 6.
  EXPECT_EQ(record(3)[0], kAnd);
  EXPECT_EQ(record(3)[1] & 0x07, kBlockOut);
  EXPECT_EQ(record(3)[2], 3);
  EXPECT_EQ(record(6)[2], 6);
  EXPECT_EQ(record(6)[8], 5);  // its tag
  EXPECT_EQ(record(7)[0], 0);
  // The group joined the first algorithm: heads at blocks 1 and 5.
  EXPECT_EQ(file[kHeads + 0], 1);
  EXPECT_EQ(file[kHeads + 2], 255);
  EXPECT_EQ(file[kHeads + 4], 5);
  const std::vector<std::uint8_t> first(file.begin() + kMembers, file.begin() + kMembers + 5);
  EXPECT_EQ(first, (std::vector<std::uint8_t>{1, 2, 3, 4, 255}));
  const std::vector<std::uint8_t> second(file.begin() + kMembers + 120, file.begin() + kMembers + 124);
  EXPECT_EQ(second, (std::vector<std::uint8_t>{5, 6, 7, 255}));
  EXPECT_EQ(file[kAlgCount], 2);
}

}  // namespace
}  // namespace lur::test

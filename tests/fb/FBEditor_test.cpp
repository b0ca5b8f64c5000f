// The function block editor's controller over small tables: creating,
// programming, inserting and deleting blocks with their references and
// algorithms, signalling and relay outputs with their refusals, the choice,
// the selection and the menus.
#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "fb/TFormFBController.h"
#include "link/TComPortClass.h"
#include "model/TConfiguration.h"
#include "session/TServAddressing.h"
#include "support/FBEditorDoubles.h"
#include "support/ScriptedDialog.h"
#include "support/SimPort.h"
#include "ui/TScriptedUserInterface.h"

namespace lur::test {
namespace {

using C = TFormFBControl;
using Button = TFormFBController::TButton;
using Popup = TFormFBController::TPopup;

constexpr const char* kWarning = "Предупреждение";

// An input as the user sets it: source kind, number, direction.
struct Input {
  int kind = 0;
  int n = 0;
  int dir = 1;
};

// The block dialog as a user fills it: a type (0: none), inputs, the
// archiving switch; OK unless told to cancel.
class FakeBlockDialog : public TBlockDialog {
 public:
  void Reset() override { ++resets; }
  void PrepareNew(int n, bool archive) override {
    prepared = {true, n, archive};
    number = n;
  }
  void PrepareFromRecord(int i, bool archive) override {
    prepared = {false, i + 1, archive};
    number = i + 1;
  }
  int ShowModal() override {
    ++shows;
    if (user) user();
    return cancel ? kModalCancel : kModalOk;
  }
  int ChosenType() const override { return type; }
  int Number() const override { return numberLeft ? *numberLeft : number; }
  void WriteRecord(int i) override {
    fb.SetTipFB(i, type);
    for (std::size_t j = 0; j < inputs.size(); ++j) {
      const int jj = static_cast<int>(j);
      fb.SetKindVh(i, jj, inputs[j].kind);
      fb.SetNVh(i, jj, inputs[j].n);
      fb.SetDirVh(i, jj, inputs[j].dir);
    }
    fb.SetArh(i, archiveOn && prepared.archive ? 1 : 0);
  }

  explicit FakeBlockDialog(TProgFBClass& table) : fb(table) {}

  struct Prepared {
    bool isNew = false;
    int number = 0;
    bool archive = false;
  };
  TProgFBClass& fb;
  int resets = 0;
  int shows = 0;
  Prepared prepared;
  int number = 0;
  std::optional<int> numberLeft;
  int type = 1;
  std::vector<Input> inputs;
  bool archiveOn = false;
  bool cancel = false;
  std::function<void()> user;  // what the user does while it is open
};

struct FBFixture {
  // Two discrete modules, one analog module, two relay modules (DoModuleCount
  // 2) and a display of 12 cells (type 0).
  FBFixture() {
    EXPECT_TRUE(test::SetSmallController(config.Serv));
    config.Serv.MakeDefaultInputIds();
    config.Lur.FullAccess = 1;
    editor.FormCreate();
  }

  // Blocks of the given types at records 0.. (no inputs), then the view.
  void Blocks(int count, int type = 1) {
    for (int i = 0; i < count; ++i) fb.SetTipFB(i, type);
    editor.FormShow();
  }
  void Ref(int i, int j, int n, int kind = TProgFBClass::kKindBlockOutput) {
    fb.SetKindVh(i, j, kind);
    fb.SetNVh(i, j, n);
  }
  void Algorithm(int a, const std::vector<int>& members, const std::string& name) {
    for (int k = 0; k < TProgFBClass::kSlots; ++k)
      fb.SetAlgFB(a, k, k < static_cast<int>(members.size()) ? members[static_cast<std::size_t>(k)] : 255);
    fb.SetAlgName(a, name);
    fb.NAlg = std::max(fb.NAlg, a + 1);
    fb.RebuildAlgHead();
  }
  void Click(int p) { editor.PanFB1MouseDown(p, Button::Left, false); }
  void CtrlClick(int p) { editor.PanFB1MouseDown(p, Button::Left, true); }
  Popup RightClick(int p) { return editor.PanFB1MouseDown(p, Button::Right, false); }
  std::vector<int> Types() const {
    std::vector<int> types;
    for (int i = 0; i < fb.NFB; ++i) types.push_back(fb.GetTipFB(i));
    return types;
  }
  std::vector<int> Selected() const {
    std::vector<int> s;
    for (int p = 0; p < TProgFBClass::kSlots; ++p)
      if (fb.Selected[static_cast<std::size_t>(p)] != 0) s.push_back(p);
    return s;
  }

  VirtualClock clock;
  SimPort line{clock};
  TScriptedUserInterface ui;
  TComPortClass link{line, clock};
  TConfiguration config;
  TProgFBClass& fb = config.FB;
  TServAddressing addressing{config.Serv};
  TSession session{config, link, ui, addressing};

  FakeBlockDialog block{config.FB};
  TFormSigController sig;
  TFormVyhController vyh{config.Lur};
  ScriptedDialog<TFormSigController> sigDialog;
  ScriptedDialog<TFormVyhController> vyhDialog;
  TFormFBController editor{session, {block, sig, sigDialog.window, vyh, vyhDialog.window}};
};

class FBEditor : public ::testing::Test, protected FBFixture {};

// ---- creating --------------------------------------------------------------------------

TEST_F(FBEditor, CreatingAtTheEndWritesTheNextRecordAndChoosesIt) {
  Blocks(2);
  block.type = 3;
  block.inputs = {{1, 2, 0}, {0, 5, 1}};
  fb.CreatMode = 0;
  editor.CreatFuncButClick();

  EXPECT_TRUE(block.prepared.isNew);
  EXPECT_EQ(block.prepared.number, 3);
  EXPECT_EQ(Types(), (std::vector<int>{1, 1, 3}));
  EXPECT_EQ(fb.GetNVh(2, 0), 2);
  EXPECT_EQ(fb.PlaceFB[2].source, (std::array<int, 4>{2, 0, 0, 0}));
  EXPECT_EQ(fb.CurPosFB, 2);
  EXPECT_EQ(Selected(), std::vector<int>{2});
  EXPECT_EQ(editor.ScrollTarget(), 2);
  EXPECT_EQ(fb.FBModified, 1);
  EXPECT_EQ(fb.HasFB, 1);
  EXPECT_EQ(fb.PopupPos, -1);
  EXPECT_TRUE(ui.shown.empty());
}

TEST_F(FBEditor, AFullTableOpensNoDialog) {
  fb.CapFB = 60;
  Blocks(60);
  editor.CreatFuncButClick();
  EXPECT_EQ(block.shows, 0);
  EXPECT_EQ(ui.Texts(), std::vector<std::string>{"Все функциональные блоки созданы"});
  EXPECT_EQ(ui.shown.at(0).caption, kWarning);
  EXPECT_EQ(fb.NFB, 60);
}

TEST_F(FBEditor, CreatingMovesTheCalculationRecordsUp) {
  // An integrator record, the unused second one, two arithmetic blocks.
  for (int i = 0; i < 3; ++i) fb.SetTipFB(i, 1);
  fb.SetTipFB(3, 12);
  fb.SetIntVh(3, 0, 7);
  fb.SetTipFB(5, 12);
  fb.SetSubTip(5, 1);
  fb.SetTipFB(6, 12);
  fb.SetSubTip(6, 3);
  fb.SetAdrY(6, 2, 9);
  editor.FormShow();
  ASSERT_EQ(fb.NIntegr, 1);
  ASSERT_EQ(fb.NMat, 2);
  EXPECT_EQ(fb.FreeFB(), fb.CapFB - 4);

  block.type = 2;
  editor.CreatFuncButClick();
  EXPECT_EQ(fb.NFB, 4);
  EXPECT_EQ(fb.GetTipFB(3), 2);
  EXPECT_EQ(fb.GetIntVh(4, 0), 7);
  EXPECT_EQ(fb.GetTipFB(5), 0);
  EXPECT_EQ(fb.GetSubTip(6), 1);
  EXPECT_EQ(fb.GetAdrY(7, 2), 9);
  EXPECT_EQ(fb.NIntegr, 1);
  EXPECT_EQ(fb.NMat, 2);
}

// Record moves stop at the last slot of the configuration: what would pass
// it is lost, not written into the slots a 60-block controller lacks.
TEST_F(FBEditor, CreatingNextToTheTopOfA60BlockTable) {
  fb.CapFB = 60;
  for (int i = 0; i < 58; ++i) fb.SetTipFB(i, 1);
  fb.SetTipFB(58, 12);  // the one integrator record in use
  fb.SetIntVh(59, 0, 5);  // the second one, unused
  editor.FormShow();
  ASSERT_EQ(fb.FreeFB(), 59);
  editor.CreatFuncButClick();
  EXPECT_EQ(fb.NFB, 59);
  EXPECT_EQ(fb.GetTipFB(59), 12);
  EXPECT_EQ(fb.GetRecord(60), TProgFBClass::Record{});
  EXPECT_EQ(fb.NIntegr, 1);
}

TEST_F(FBEditor, NoTypeOrCancelCreatesNothing) {
  Blocks(2);
  block.type = 0;
  editor.CreatFuncButClick();
  block.type = 1;
  block.cancel = true;
  block.user = [&] { fb.FBModified = 1; };  // the user touched a field
  editor.CreatFuncButClick();
  EXPECT_EQ(block.shows, 2);
  EXPECT_EQ(fb.NFB, 2);
  EXPECT_EQ(fb.GetTipFB(2), 0);
  EXPECT_EQ(fb.FBModified, 0);
  EXPECT_EQ(fb.CurPosFB, -1);
}

// A number the dialog was left with that is not the next block's: refused
// before anything is written.
TEST_F(FBEditor, ABadNumberWritesNothing) {
  struct Case {
    int number;
    std::string text;
  };
  for (const Case& c : {Case{0, "Неверно выбран № программируемого ФБ"},
                        Case{121, "Неверно выбран № программируемого ФБ"},
                        Case{2, "существует ФБ с порядковым № 2"},
                        Case{6, "Неверно выбран № программируемого ФБ"}}) {
    SCOPED_TRACE(c.number);
    FBFixture f;
    f.Blocks(3);
    f.block.numberLeft = c.number;
    f.editor.CreatFuncButClick();
    EXPECT_EQ(f.ui.Texts(), std::vector<std::string>{c.text});
    EXPECT_EQ(f.Types(), (std::vector<int>{1, 1, 1}));
    EXPECT_EQ(f.fb.GetTipFB(3), 0);
    EXPECT_EQ(f.fb.GetTipFB(5), 0);
    EXPECT_EQ(f.fb.CurPosFB, -1);
  }
}

// The archiving switch works for blocks 1..62 only.
TEST_F(FBEditor, ArchivingSwitchByTheBlockNumber) {
  struct Case {
    int mode;
    int blocks;
    int at;  // the block right-clicked or chosen
    bool enabled;
  };
  for (const Case& c : {Case{0, 61, -1, true}, Case{0, 62, -1, false}, Case{2, 70, 61, true},
                        Case{2, 70, 62, false}, Case{1, 70, 61, true}, Case{1, 70, 62, false}}) {
    SCOPED_TRACE(testing::Message() << c.mode << " " << c.blocks << " " << c.at);
    FBFixture f;
    f.Blocks(c.blocks);
    f.block.archiveOn = true;
    if (c.mode == 1) {
      f.Click(c.at);
      f.editor.PMenu1FBClick();
    } else if (c.mode == 2) {
      f.Click(c.at);
      ASSERT_EQ(f.RightClick(c.at), Popup::Block);
      f.editor.InsertBlClick();
    } else {
      f.editor.CreatFuncButClick();
    }
    EXPECT_EQ(f.block.prepared.archive, c.enabled);
    const int written = c.mode == 0 ? c.blocks : c.at;
    EXPECT_EQ(f.fb.GetArh(written), c.enabled ? 1 : 0);
  }
}

// ---- programming ---------------------------------------------------------------------------

TEST_F(FBEditor, ProgrammingANewTypeKeepsSignallingAndRelays) {
  Blocks(3, 9);
  fb.SetLimitCount(1, 21);
  Ref(1, 0, 1);
  fb.SetTipS(1, 2);
  fb.SetNTabS(1, 5);
  fb.SetMR(1, 2, 0x81);
  fb.SetRecord(1, [&] {
    auto r = fb.GetRecord(1);
    r[15] = 0x5A;
    return r;
  }());
  editor.FormShow();
  Click(1);
  block.type = 7;
  editor.PMenu1FBClick();

  EXPECT_FALSE(block.prepared.isNew);
  EXPECT_EQ(block.prepared.number, 2);
  const auto r = fb.GetRecord(1);
  EXPECT_EQ(r[0], 7);
  for (std::size_t b = 1; b < 9; ++b) EXPECT_EQ(r[b], 0) << b;
  EXPECT_EQ(fb.GetTipS(1), 2);
  EXPECT_EQ(fb.GetNTabS(1), 5);
  EXPECT_EQ(fb.GetMR(1, 2), 0x81);
  EXPECT_EQ(r[15], 0x5A);
  EXPECT_EQ(fb.FBModified, 1);
  EXPECT_EQ(fb.CurPosFB, 1);
  EXPECT_EQ(fb.CreatMode, 0);
}

TEST_F(FBEditor, ProgrammingWithoutAChosenBlockWarns) {
  Blocks(2);
  editor.PMenu1FBClick();
  EXPECT_EQ(block.shows, 0);
  EXPECT_EQ(ui.Texts(), std::vector<std::string>{"Не выбран ФБ"});
  EXPECT_EQ(fb.CreatMode, 0);
}

TEST_F(FBEditor, ProgrammingWithoutAChangeIsNoChange) {
  Blocks(2);
  Click(0);
  editor.PMenu1FBClick();
  EXPECT_EQ(block.shows, 1);
  EXPECT_EQ(fb.FBModified, 0);
}

// A block of a type no list names keeps its bytes when the dialog is left
// without a choice.
TEST_F(FBEditor, AForeignTypeLeftUnchosenKeepsItsBytes) {
  Blocks(2);
  fb.SetTipFB(1, 10);
  fb.SetSubTip(1, 9);
  fb.SetNVh(1, 2, 77);
  editor.FormShow();
  const auto before = fb.RecordsToFile();
  Click(1);
  block.type = 0;
  editor.PMenu1FBClick();
  EXPECT_EQ(block.shows, 1);
  EXPECT_EQ(fb.RecordsToFile(), before);
  EXPECT_EQ(fb.FBModified, 0);
}

// ---- inserting ------------------------------------------------------------------------------

TEST_F(FBEditor, InsertingBeforeBlock5RenumbersBlockReferences) {
  Blocks(10);
  fb.SetTipFB(9, 8);  // block 10, a comparator on block 7's output
  fb.SetKindVhComp(9, 1);
  fb.SetNVhComp(9, 7);
  fb.SetAnVh(9, 7);
  Ref(0, 0, 5);
  Ref(0, 1, 4);
  Ref(0, 2, 10);
  Ref(0, 3, 150);  // a КВУ number
  Ref(6, 0, 6);
  Ref(6, 1, 5, TProgFBClass::kKindDiscrete);
  editor.FormShow();

  Click(4);
  ASSERT_EQ(RightClick(4), Popup::Block);
  block.type = 5;
  editor.InsertBlClick();

  EXPECT_EQ(fb.NFB, 11);
  EXPECT_EQ(fb.GetTipFB(4), 5);
  EXPECT_EQ(fb.GetTipFB(10), 8);
  EXPECT_EQ(fb.GetNVh(0, 0), 6);
  EXPECT_EQ(fb.GetNVh(0, 1), 4);
  EXPECT_EQ(fb.GetNVh(0, 2), 11);
  EXPECT_EQ(fb.GetNVh(0, 3), 150);
  EXPECT_EQ(fb.GetNVh(7, 0), 7);  // old block 7
  EXPECT_EQ(fb.GetNVh(7, 1), 5);  // a discrete signal, not a block
  EXPECT_EQ(fb.GetNVhComp(10), 8);
  EXPECT_EQ(fb.GetAnVh(10), 7);
  EXPECT_EQ(fb.CurPosFB, 4);
  EXPECT_EQ(fb.PopupPos, -1);
  EXPECT_EQ(fb.FBModified, 1);
}

TEST_F(FBEditor, InsertingClearsSignallingOfTheBlockThatBecomes63) {
  Blocks(62);
  fb.SetTipS(61, 1);
  fb.SetNTabS(61, 3);
  fb.SetArh(61, 1);
  fb.SetTipS(60, 2);
  editor.FormShow();
  Click(9);
  RightClick(9);
  editor.InsertBlClick();
  EXPECT_EQ(fb.NFB, 63);
  EXPECT_EQ(fb.GetTipS(62), 0);
  EXPECT_EQ(fb.GetNTabS(62), 0);
  EXPECT_EQ(fb.GetArh(62), 0);
  EXPECT_EQ(fb.GetTipS(61), 2);  // block 61, now 62, keeps its own
}

// The hidden "add after the chosen block": after the last block it is a
// block at the end (joining the last algorithm), elsewhere an insertion.
TEST_F(FBEditor, AddingAfterABlock) {
  struct Case {
    int after;
    std::vector<int> types;
    std::vector<int> members;
  };
  for (const Case& c : {Case{2, {1, 1, 1, 4}, {1, 2, 3, 4}}, Case{0, {1, 4, 1, 1}, {1, 2, 3, 4}}}) {
    SCOPED_TRACE(c.after);
    FBFixture f;
    f.Blocks(3);
    f.Ref(2, 0, 2);
    f.Algorithm(0, {1, 2, 3}, "А");
    f.Click(c.after);
    f.RightClick(c.after);
    f.block.type = 4;
    f.fb.CreatMode = TFormFBController::kAddAfter;
    f.editor.CreatFuncButClick();
    EXPECT_EQ(f.Types(), c.types);
    EXPECT_EQ(f.fb.AlgMembers(0), c.members);
    EXPECT_EQ(f.fb.GetNVh(c.after == 0 ? 3 : 2, 0), c.after == 0 ? 3 : 2);
    EXPECT_EQ(f.fb.CurPosFB, c.after + 1);
  }
}

// ---- deleting -------------------------------------------------------------------------------

TEST_F(FBEditor, DeletingBlock3Of5) {
  Blocks(5);
  Ref(0, 0, 3);
  Ref(3, 0, 4);
  Ref(4, 0, 5);
  Ref(4, 1, 2);
  Ref(4, 2, 130);
  fb.SetTipFB(5, 12);  // an arithmetic block after the blocks
  fb.SetSubTip(5, 2);
  Algorithm(0, {1, 2}, "Насос");
  Algorithm(1, {3}, "Клапан");
  Algorithm(2, {4, 5}, "Давление");
  editor.FormShow();
  Click(2);
  ui.answers = {MsgAnswer::Yes};
  editor.DelChooseClick();

  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].text, "Удалить выделенные ФБ?");
  EXPECT_EQ(ui.shown[0].caption, "Подтвердите удаление ");
  EXPECT_EQ(ui.shown[0].defaultAnswer, MsgAnswer::No);
  EXPECT_EQ(fb.NFB, 4);
  EXPECT_EQ(fb.GetNVh(0, 0), 0);
  EXPECT_EQ(fb.GetNVh(2, 0), 3);
  EXPECT_EQ(fb.GetNVh(3, 0), 4);
  EXPECT_EQ(fb.GetNVh(3, 1), 2);
  EXPECT_EQ(fb.GetNVh(3, 2), 130);
  EXPECT_EQ(fb.GetTipFB(4), 12);  // the calculation area moved down once
  EXPECT_EQ(fb.GetSubTip(4), 2);
  EXPECT_EQ(fb.GetTipFB(5), 0);
  EXPECT_EQ(fb.NMat, 1);
  EXPECT_EQ(fb.NAlg, 2);
  EXPECT_EQ(fb.AlgMembers(0), (std::vector<int>{1, 2}));
  EXPECT_EQ(fb.AlgMembers(1), (std::vector<int>{3, 4}));
  EXPECT_EQ(fb.GetAlgName(1), "Давление");
  EXPECT_EQ(fb.GetAlgName(2), "");
  EXPECT_TRUE(fb.AlgMembers(2).empty());
  EXPECT_TRUE(fb.IsAlgHead(2));
  EXPECT_FALSE(fb.IsAlgHead(3));
  EXPECT_EQ(fb.CurPosFB, -1);
  EXPECT_TRUE(Selected().empty());
  EXPECT_EQ(fb.FBModified, 1);
}

TEST_F(FBEditor, DeletingSeveralSelectedBlocks) {
  Blocks(5);
  for (int i = 0; i < 5; ++i) fb.SetTipFB(i, i + 1);
  editor.FormShow();
  CtrlClick(1);
  CtrlClick(3);
  CtrlClick(4);
  ui.answers = {MsgAnswer::Yes};
  editor.DelChooseClick();
  EXPECT_EQ(Types(), (std::vector<int>{1, 3}));
  EXPECT_EQ(fb.NSelectedFB, 0);
}

TEST_F(FBEditor, DeletingAsksAndRefuses) {
  Blocks(3);
  editor.DelChooseClick();
  EXPECT_EQ(ui.Texts(), std::vector<std::string>{"Нет выделенных ФБ"});
  Click(1);
  editor.DelChooseClick();  // answered with the default, No
  EXPECT_EQ(fb.NFB, 3);
  EXPECT_EQ(fb.FBModified, 0);
}

// ---- algorithms ----------------------------------------------------------------------------

TEST_F(FBEditor, ANewBlockAtTheEndJoinsTheLastAlgorithm) {
  Blocks(3);
  Algorithm(0, {1, 2, 3}, "А");
  editor.CreatFuncButClick();
  EXPECT_EQ(fb.AlgMembers(0), (std::vector<int>{1, 2, 3, 4}));

  Algorithm(1, {}, "Б");  // defined, no members yet
  editor.CreatFuncButClick();
  EXPECT_EQ(fb.AlgMembers(1), std::vector<int>{5});
  EXPECT_TRUE(fb.IsAlgHead(4));
}

TEST_F(FBEditor, AnInsertedBlockJoinsTheAlgorithmAroundIt) {
  struct Case {
    int before;  // the block right-clicked (number)
    std::vector<int> first, second, third;
  };
  // Algorithms {1,2}, {3,4,5}, {7}; block 6 in none.
  for (const Case& c : {Case{4, {1, 2}, {3, 4, 5, 6}, {8}},   // inside an algorithm
                        Case{3, {1, 2, 3}, {4, 5, 6}, {8}},   // at the head of the second
                        Case{1, {1, 2, 3}, {4, 5, 6}, {8}},   // at the head of the first
                        Case{6, {1, 2}, {3, 4, 5}, {8}}}) {   // before a block of none
    SCOPED_TRACE(c.before);
    FBFixture f;
    f.Blocks(7);
    f.Algorithm(0, {1, 2}, "А");
    f.Algorithm(1, {3, 4, 5}, "Б");
    f.Algorithm(2, {7}, "В");
    f.Click(c.before - 1);
    f.RightClick(c.before - 1);
    f.editor.InsertBlClick();
    ASSERT_EQ(f.fb.NFB, 8);
    EXPECT_EQ(f.fb.AlgMembers(0), c.first);
    EXPECT_EQ(f.fb.AlgMembers(1), c.second);
    EXPECT_EQ(f.fb.AlgMembers(2), c.third);
    EXPECT_TRUE(f.fb.IsAlgHead(c.second.front() - 1));
  }
}

// ---- choosing, selecting, menus --------------------------------------------------------------

TEST_F(FBEditor, ChoosingAndSelecting) {
  Blocks(4);
  Click(1);
  EXPECT_EQ(fb.CurPosFB, 1);
  EXPECT_EQ(Selected(), std::vector<int>{1});
  EXPECT_EQ(fb.NSelectedFB, 0);

  CtrlClick(3);  // the chosen block counts
  EXPECT_EQ(fb.NSelectedFB, 2);
  EXPECT_EQ(fb.CurPosFB, -1);
  EXPECT_TRUE(editor.Highlighted(1));
  EXPECT_TRUE(editor.Highlighted(3));
  EXPECT_FALSE(editor.Highlighted(2));

  CtrlClick(1);  // down to one: it is chosen
  EXPECT_EQ(fb.NSelectedFB, 1);
  EXPECT_EQ(fb.CurPosFB, 3);
  EXPECT_EQ(fb.CurFB, 3);

  editor.ChooseAllClick();
  EXPECT_EQ(fb.NSelectedFB, 4);
  EXPECT_EQ(fb.CurPosFB, -1);
  EXPECT_EQ(Selected(), (std::vector<int>{0, 1, 2, 3}));

  Click(2);
  EXPECT_EQ(Selected(), std::vector<int>{2});
  editor.ScrollBox1Click();
  EXPECT_TRUE(Selected().empty());
  EXPECT_EQ(fb.CurPosFB, -1);
}

TEST_F(FBEditor, RightClickMenus) {
  Blocks(3);
  fb.SetTipS(1, 1);
  editor.FormShow();

  EXPECT_EQ(RightClick(1), Popup::Background);  // not selected
  EXPECT_EQ(fb.PopupPos, -1);
  EXPECT_EQ(RightClick(-1), Popup::Background);

  Click(1);
  ASSERT_EQ(RightClick(1), Popup::Block);
  EXPECT_EQ(fb.PopupPos, 1);
  const auto& s = editor.Controls();
  for (const C on : {C::PMenu1FB, C::PMenu1Del, C::PMenu1InsertBl, C::PMenu1Sign, C::PMenu1DelSign,
                     C::PMenu1CreatVyh, C::PMenu1Copy})
    EXPECT_TRUE(s.IsEnabled(on)) << static_cast<int>(on);
  // Nothing copied yet: no group to insert.
  for (const C off : {C::PMenu1CreatSign, C::PMenu1Vyh, C::PMenu1DelVyh, C::PMenu1InsertGroup})
    EXPECT_FALSE(s.IsEnabled(off)) << static_cast<int>(off);

  CtrlClick(2);
  ASSERT_EQ(RightClick(2), Popup::Block);
  for (const C off : {C::PMenu1FB, C::PMenu1InsertBl, C::PMenu1CreatSign, C::PMenu1Sign, C::PMenu1DelSign,
                      C::PMenu1CreatVyh, C::PMenu1Vyh, C::PMenu1DelVyh})
    EXPECT_FALSE(s.IsEnabled(off)) << static_cast<int>(off);
  EXPECT_TRUE(s.IsEnabled(C::PMenu1Del));
}

TEST_F(FBEditor, ItemsOfCommandsNotInTheWindowStayOff) {
  Blocks(2);
  const auto& s = editor.Controls();
  for (const C off : {C::PMenu1Copy, C::PMenu1InsertGroup, C::PMenu3AddGroup, C::PMenu3Algorithms,
                      C::CalcIntegr, C::CalcMat, C::EditIntegr, C::EditMat, C::Button1})
    EXPECT_FALSE(s.IsEnabled(off)) << static_cast<int>(off);
  EXPECT_TRUE(s.IsEnabled(C::PMenu3CreatFB));
  EXPECT_TRUE(s.IsEnabled(C::PMenu3ChooseAll));
}

// One block selected and none chosen (a Ctrl-click, or "Выделить все" with
// one block): the right click names it, so the insertion goes before it.
TEST_F(FBEditor, ARightClickOnTheOnlySelectedBlockChoosesIt) {
  for (const bool all : {false, true}) {
    SCOPED_TRACE(all);
    FBFixture f;
    f.Blocks(1, 4);
    if (all) {
      f.editor.ChooseAllClick();
    } else {
      f.CtrlClick(0);
    }
    ASSERT_EQ(f.fb.CurPosFB, -1);
    ASSERT_EQ(f.RightClick(0), Popup::Block);
    EXPECT_EQ(f.fb.PopupPos, 0);
    EXPECT_EQ(f.fb.CurPosFB, 0);
    EXPECT_TRUE(f.editor.Controls().IsEnabled(C::PMenu1InsertBl));
    f.block.type = 2;
    f.editor.InsertBlClick();
    EXPECT_EQ(f.Types(), (std::vector<int>{2, 4}));
  }
}

// Commands on a position that is no block do nothing.
TEST_F(FBEditor, NoBlockUnderTheRightClickChangesNothing) {
  Blocks(3);
  Ref(2, 0, 1);
  editor.FormShow();
  const auto before = fb.RecordsToFile();
  for (const int pos : {-1, 3, 120}) {
    fb.PopupPos = pos;
    editor.InsertBlClick();
    fb.PopupPos = pos;
    editor.DeleteBlClick();
    fb.PopupPos = pos;
    fb.CreatMode = 2;
    editor.CreatFuncButClick();
  }
  EXPECT_EQ(fb.RecordsToFile(), before);
  EXPECT_EQ(block.shows, 0);
  EXPECT_EQ(fb.NFB, 3);
  EXPECT_EQ(fb.FBModified, 0);
  EXPECT_TRUE(ui.shown.empty());
}

// ---- rebuild -------------------------------------------------------------------------------

TEST_F(FBEditor, RebuildClearsRelayMasksOfMissingModules) {
  fb.SetTipFB(0, 1);
  fb.SetTipFB(1, 10);  // a type no list names still counts as a block
  fb.SetMR(1, 3, 0x04);
  fb.SetMR(1, 1, 0x01);
  fb.SetTipS(0, 3);
  editor.FormShow();
  EXPECT_EQ(fb.NFB, 2);
  EXPECT_EQ(fb.GetMR(1, 3), 0);
  EXPECT_EQ(fb.GetMR(1, 1), 1);
  EXPECT_EQ(fb.HasMRPanel[1], 1);
  EXPECT_EQ(fb.HasSignPanel[0], 1);
  EXPECT_EQ(fb.FBModified, 1);
  EXPECT_EQ(config.Lur.SchemaSet, 1);

  fb.FBModified = 0;
  editor.FormShow();
  EXPECT_EQ(fb.FBModified, 0);
}

// ---- signalling ----------------------------------------------------------------------------

TEST_F(FBEditor, SignallingRefusals) {
  struct Case {
    int blocks;
    int chosen;
    std::string text;
  };
  for (const Case& c : {Case{70, 62, "Недоступная функция"}, Case{3, -1, "Не выбран ФБ"}}) {
    SCOPED_TRACE(c.text);
    FBFixture f;
    f.Blocks(c.blocks);
    if (c.chosen >= 0) f.Click(c.chosen);
    f.editor.CreatSignButClick();
    EXPECT_EQ(f.ui.Texts(), std::vector<std::string>{c.text});
    EXPECT_EQ(f.sigDialog.shows, 0);
  }
}

TEST_F(FBEditor, WithoutBlocksSignallingAndRelaysAskForAConfiguration) {
  ui.answers = {MsgAnswer::No, MsgAnswer::Yes};
  editor.FormShow();
  editor.CreatSignButClick();
  EXPECT_TRUE(editor.CloseRequested());
  editor.CreatVyhButClick();
  EXPECT_FALSE(editor.CloseRequested());
  EXPECT_EQ(ui.Texts(), (std::vector<std::string>(2, "Конфигурация не задана. Будете создавать?")));
}

TEST_F(FBEditor, SignallingCellChoices) {
  struct Case {
    int type;
    std::string cell;
    int tipS, nTabS;
    std::vector<std::string> texts;
  };
  for (const Case& c : {Case{2, "05", 2, 5, {}}, Case{1, "13", 0, 0, {"Неверно выбран № ячейки светового табло"}},
                        Case{1, "00", 0, 0, {"Не выбран № ячейки светового табло"}}, Case{0, "07", 0, 0, {}}}) {
    SCOPED_TRACE(c.cell);
    FBFixture f;
    f.Blocks(3);
    f.Click(1);
    f.sigDialog.user = [&](TFormSigController& d) {
      EXPECT_EQ(d.edit1, "00");
      d.radioGroup1 = c.type;
      d.edit1 = c.cell;
    };
    f.editor.CreatSignButClick();
    EXPECT_EQ(f.sigDialog.shows, 1);
    EXPECT_EQ(f.fb.GetTipS(1), c.tipS);
    EXPECT_EQ(f.fb.GetNTabS(1), c.nTabS);
    EXPECT_EQ(f.ui.Texts(), c.texts);
    EXPECT_EQ(f.fb.HasSignPanel[1], 1);
    EXPECT_EQ(f.fb.FBModified, 1);
  }
}

TEST_F(FBEditor, EditingAndDeletingSignalling) {
  Blocks(2);
  fb.SetTipS(0, 3);
  fb.SetNTabS(0, 12);
  editor.FormShow();
  editor.PMenu1SignClick();
  Click(1);
  editor.PMenu1SignClick();
  EXPECT_EQ(ui.Texts(), (std::vector<std::string>{"Не выбран ФБ", "Панель сигн. для ФБ с таким номером не создана"}));

  Click(0);
  sigDialog.user = [](TFormSigController& d) {
    EXPECT_EQ(d.labNVh, "ФБ №");
    EXPECT_EQ(d.label2, "1");
    EXPECT_EQ(d.radioGroup1, 3);
    EXPECT_EQ(d.edit1, "12");
    d.marksChange();
  };
  editor.PMenu1SignClick();
  EXPECT_EQ(fb.FBModified, 1);
  EXPECT_EQ(sig.labNVh, "Вход №");  // the discrete editor's label again
  editor.DelSignClick();
  EXPECT_EQ(fb.GetTipS(0), 0);
  EXPECT_EQ(fb.GetNTabS(0), 0);
  EXPECT_EQ(fb.HasSignPanel[0], 0);
}

TEST_F(FBEditor, TheSharedDialogsMarkTheirOwnEditorAgainAfterwards) {
  int discreteMarks = 0;
  sig.marksChange.Set([&] { ++discreteMarks; });
  Blocks(1);
  Click(0);
  editor.CreatSignButClick();
  fb.FBModified = 0;
  sig.marksChange();
  EXPECT_EQ(discreteMarks, 1);
  EXPECT_EQ(fb.FBModified, 0);
}

// ---- relay outputs -------------------------------------------------------------------------

TEST_F(FBEditor, RelayOutputsOfTheChosenBlock) {
  Blocks(3);
  Click(1);
  vyhDialog.user = [](TFormVyhController& d) {
    EXPECT_EQ(d.labNVh, "ФБ №");
    EXPECT_EQ(d.labelName, "2");
    EXPECT_TRUE(d.ModuleShown(1));
    EXPECT_FALSE(d.ModuleShown(2));
    d.OutputClick(1, 3);
  };
  const int revision = editor.Revision();
  editor.CreatVyhButClick();
  EXPECT_EQ(vyhDialog.shows, 1);
  EXPECT_EQ(fb.GetMR(1, 2), 0x08);
  EXPECT_EQ(fb.HasMRPanel[1], 1);
  EXPECT_GT(editor.Revision(), revision);

  editor.CreatVyhButClick();  // a panel is there: nothing
  EXPECT_EQ(vyhDialog.shows, 1);

  editor.DelVyhClick();
  EXPECT_EQ(fb.GetMR(1, 2), 0);
  EXPECT_EQ(fb.HasMRPanel[1], 0);
  EXPECT_EQ(fb.CurPosFB, 1);
  EXPECT_EQ(editor.ScrollTarget(), 1);

  editor.PMenu1VyhClick();
  EXPECT_EQ(ui.Texts(), std::vector<std::string>{"Панель сигн. для ФБ с таким номером не создана"});
}

TEST_F(FBEditor, RelayRefusalsWithoutModulesOrChoice) {
  Blocks(2);
  editor.CreatVyhButClick();
  EXPECT_EQ(ui.Texts(), std::vector<std::string>{"Не выбран ФБ"});

  FBFixture f;
  std::array<std::uint8_t, 15> id{};
  id[1] = 1;
  ASSERT_TRUE(f.config.Serv.SetIdentityFromBytes(id));
  f.Blocks(2);
  f.editor.CreatVyhButClick();  // nothing chosen either: only the first reason is told
  f.Click(0);
  f.editor.DelVyhClick();
  EXPECT_EQ(f.ui.Texts(), (std::vector<std::string>(2, "Недоступная функция")));
  EXPECT_EQ(f.vyhDialog.shows, 0);
}

// ---- showing -------------------------------------------------------------------------------

TEST_F(FBEditor, FileLabelFollowsTheMode) {
  config.Serv.FileMode = 1;
  editor.FormShow();
  EXPECT_TRUE(editor.LabelFileShown());
  config.Serv.FileMode = 0;
  editor.FormShow();
  EXPECT_FALSE(editor.LabelFileShown());
}

}  // namespace
}  // namespace lur::test

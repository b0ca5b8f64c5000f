#include <gtest/gtest.h>

#include "discrete/PrgDFixture.h"

namespace lur::test {
namespace {

using K = TFormCreatVhController;
constexpr const char* kNoSuchInput = "Вход с таким № не существует";

// Two discrete modules (0..23), one analog module (24..47), then a block of
// three discrete registers (48..50), a block of two analog registers
// (51..58) and a block without registers.
std::vector<TServClass::NetBlock> SmallNet() { return {{2, 3}, {3, 2}, {0, 0}}; }

struct SignalCase {
  const char* what;
  std::function<void(PrgDFixture&)> choose;
  int signal;  // -1: refused
};

TEST(PrgDSignalNumber, FromBothPagesInsideTheChosenSpanOnly) {
  const SignalCase cases[] = {
      {"own discrete first", [](PrgDFixture& f) { f.ChooseOwn(K::kDiscrete, 1, 1); }, 0},
      {"own discrete last", [](PrgDFixture& f) { f.ChooseOwn(K::kDiscrete, 2, 12); }, 23},
      {"own discrete past the modules", [](PrgDFixture& f) { f.ChooseOwn(K::kDiscrete, 3, 1); }, -1},
      {"own discrete input 13", [](PrgDFixture& f) { f.ChooseOwn(K::kDiscrete, 1, 13); }, -1},
      {"own analog LL", [](PrgDFixture& f) { f.ChooseOwn(K::kAnalog, 1, 1, 0); }, 24},
      {"own analog input 6 HH", [](PrgDFixture& f) { f.ChooseOwn(K::kAnalog, 1, 6, 3); }, 47},
      {"own analog input 3 H", [](PrgDFixture& f) { f.ChooseOwn(K::kAnalog, 1, 3, 2); }, 34},
      {"own analog past the modules", [](PrgDFixture& f) { f.ChooseOwn(K::kAnalog, 2, 1, 0); }, -1},
      {"own analog input 7", [](PrgDFixture& f) { f.ChooseOwn(K::kAnalog, 1, 7, 0); }, -1},
      {"network discrete", [](PrgDFixture& f) { f.ChooseNet(K::kDiscrete, 1, 3); }, 50},
      {"network discrete past the registers", [](PrgDFixture& f) { f.ChooseNet(K::kDiscrete, 1, 4); }, -1},
      {"network analog LL", [](PrgDFixture& f) { f.ChooseNet(K::kAnalog, 2, 1, 0); }, 51},
      {"network analog HH", [](PrgDFixture& f) { f.ChooseNet(K::kAnalog, 2, 2, 3); }, 58},
      {"network analog past the registers", [](PrgDFixture& f) { f.ChooseNet(K::kAnalog, 2, 3, 0); }, -1},
      {"analog kind on a discrete block", [](PrgDFixture& f) { f.ChooseNet(K::kAnalog, 1, 1, 0); }, -1},
      {"block without registers", [](PrgDFixture& f) { f.ChooseNet(K::kDiscrete, 3, 1); }, -1},
      {"block 17", [](PrgDFixture& f) { f.ChooseNet(K::kDiscrete, 17, 1); }, -1},
      {"base shorter than the modules",
       [](PrgDFixture& f) {
         f.config.Serv.SetProcessedDiscreteCount(20);
         f.ChooseOwn(K::kDiscrete, 2, 12);
       },
       -1},
  };
  for (const SignalCase& c : cases) {
    SCOPED_TRACE(c.what);
    PrgDFixture f({1, 1, 7, 3, 3, 0, 0, 0}, 0, SmallNet());
    f.prgd.FormShow();
    c.choose(f);
    f.prgd.CreatVhButClick();
    if (c.signal < 0) {
      EXPECT_EQ(f.ui.Texts(), std::vector<std::string>{kNoSuchInput});
      EXPECT_TRUE(f.Rows().empty());
      EXPECT_EQ(f.CurPos(), -1);
      EXPECT_EQ(f.CurSignal(), -1);
      EXPECT_EQ(f.RecordOf(0), TProgLurClass::kEmptyRecord);
    } else {
      EXPECT_TRUE(f.ui.shown.empty());
      EXPECT_EQ(f.Rows(), std::vector<int>{c.signal});
      EXPECT_EQ(f.CurSignal(), c.signal);
    }
  }
}

TEST(PrgDSignalNumber, AnalogLimitCountsPastTheDiscreteModules) {
  PrgDFixture f({1, 1, 7, 7, 3, 0, 0, 0});
  f.prgd.FormShow();
  f.ChooseOwn(K::kAnalog, 2, 3, 2);
  f.prgd.CreatVhButClick();
  EXPECT_EQ(f.CurSignal(), 58);
  EXPECT_EQ(f.Row(0).numberText, "  № на схеме 1\n\n  № в базе 59");
}

TEST(PrgDSignalNumber, OwnPageUnusableWithoutOwnInputModules) {
  PrgDFixture f({3, 0, 0, 0, 0, 0, 0, 0}, 0, SmallNet());
  f.prgd.FormShow();
  bool ownEnabled = true;
  int page = -1;
  f.creatVh.user = [&](K& d) {
    ownEnabled = d.ownPageEnabled;
    page = d.page;
    d.kind = K::kDiscrete;  // whatever the own page still holds
  };
  f.prgd.CreatVhButClick();
  EXPECT_FALSE(ownEnabled);
  EXPECT_EQ(page, K::kNetPage);
  // The network page's first block: 48 own signals are none here.
  EXPECT_EQ(f.CurSignal(), 0);
  f.creatVh.user = [](K& d) { d.page = K::kOwnPage; };
  f.prgd.CreatVhButClick();
  EXPECT_EQ(f.Rows(), std::vector<int>{0});
  EXPECT_EQ(f.CurPos(), -1);
  EXPECT_TRUE(f.ui.shown.empty());
}

TEST(PrgDSignalNumber, NetworkPageDisabledWithoutNetworkInputs) {
  PrgDFixture f;
  f.prgd.FormShow();
  bool netEnabled = true;
  std::string slave = "?";
  f.creatVh.user = [&](K& d) {
    netEnabled = d.netPageEnabled;
    slave = d.labAdrSlave + d.labTipSlave;
    d.page = K::kNetPage;
  };
  f.prgd.CreatVhButClick();
  EXPECT_FALSE(netEnabled);
  EXPECT_EQ(slave, "");
  EXPECT_TRUE(f.Rows().empty());
  EXPECT_TRUE(f.ui.shown.empty());
}

// ---- creation -------------------------------------------------------------------------

TEST(PrgDCreation, NewRowIsAppendedCurrentMarkedAndTakesTheDialogsChoices) {
  PrgDFixture f;
  f.Handlers({5, 9});
  f.prgd.FormShow();
  f.prgd.RowClick(0, false);
  std::string label;
  f.creatVh.user = [&](K& d) {
    label = d.labNVh + " " + d.labN + " " + d.caption;
    d.page = K::kOwnPage;
    d.kind = K::kDiscrete;
    d.module = 1;
    d.input = 3;
    d.tipK = 1;
    d.arh = true;
  };
  f.config.Lur.DiskrModified = 0;
  f.prgd.CreatVhButClick();
  EXPECT_EQ(label, "№ созд. входа на схеме 3 Создание нового идентификатора входа");
  EXPECT_EQ(f.Rows(), (std::vector<int>{5, 9, 2}));
  EXPECT_EQ(f.CurPos(), 2);
  EXPECT_EQ(f.CurSignal(), 2);
  EXPECT_EQ(f.config.Lur.PosSignal[2], 2);
  EXPECT_EQ(f.Marked(), std::vector<int>{2});
  EXPECT_EQ(f.config.Lur.NSelected, 0);
  EXPECT_EQ(f.config.Lur.NHandlers, 3);
  EXPECT_TRUE(f.Row(2).bandSelected);
  EXPECT_FALSE(f.Row(0).bandSelected);
  EXPECT_EQ(f.RecordOf(2), (TProgLurClass::Record{0x20, 0, 0, 0, 0, 0, 0x80, 0}));
  EXPECT_EQ(f.Text(2), "Дискр.сигн.003");
  EXPECT_EQ(f.config.Lur.DiskrModified, 1);
  EXPECT_EQ(f.prgd.ScrollTarget(), 3 * 54);
  // A row without blocks is no handler: the next rebuild drops it.
  f.prgd.RebuildSchema();
  EXPECT_EQ(f.Rows(), (std::vector<int>{5, 9}));
}

TEST(PrgDCreation, DuplicateIsFoundBeforeAnythingIsWritten) {
  PrgDFixture f;
  f.Handlers({4, 7});
  f.config.Serv.SetInputText(Utf8ToCp1251("насос"), 7);
  f.prgd.FormShow();
  f.prgd.RowClick(1, false);
  const auto before = f.RecordOf(7);
  f.creatVh.user = [&f](K& d) {
    d.page = K::kOwnPage;
    d.kind = K::kDiscrete;
    d.module = 1;
    d.input = 8;
    d.tipK = 0;
    d.arh = true;
    d.editText = "другой";
    f.config.Serv.InputTextsEdited = 1;  // what typing in the text field does
  };
  f.prgd.CreatVhButClick();
  EXPECT_EQ(f.ui.Texts(), std::vector<std::string>{"существует вход с порядковым № 2"});
  EXPECT_EQ(f.ui.shown[0].icon, MsgIcon::Information);
  EXPECT_EQ(f.RecordOf(7), before);
  EXPECT_EQ(f.Text(7), "насос         ");
  EXPECT_EQ(f.Rows(), (std::vector<int>{4, 7}));
  EXPECT_EQ(f.CurPos(), -1);
  EXPECT_EQ(f.CurSignal(), -1);
  EXPECT_TRUE(f.Marked().empty());
  EXPECT_TRUE(f.line.requests.empty());
}

TEST(PrgDCreation, AllOwnInputsCreated) {
  // 36 signals: three discrete modules; every one on the schema.
  PrgDFixture f({1, 1, 1, 3, 0, 0, 0, 0});
  for (int n = 0; n < 36; ++n) f.Record(n, {0x20, 0, 0, 0, 0, 0, 1, 0});
  f.prgd.FormShow();
  ASSERT_EQ(f.config.Lur.NHandlers, 36);
  f.prgd.CreatVhButClick();
  EXPECT_EQ(f.ui.Texts(), std::vector<std::string>{"Все собственные входы созданы"});
  EXPECT_EQ(f.creatVh.shows, 0);
}

// ---- identifier edit ----------------------------------------------------------------------

struct IdEdit : ::testing::Test {
  PrgDFixture f;
  IdEdit() {
    f.Record(3, {0x65, 0x01, 0, 0, 0, 0, 0x85, 0x11});  // TipS 1, cell 5, delay 5, archived, relay
    f.Record(8, {0x20, 0, 0, 0, 0, 0, 0x02, 0});
    f.prgd.FormShow();
  }
  void Retarget(int input, int tipK, bool arh) {
    f.creatVh.user = [=](K& d) {
      d.page = K::kOwnPage;
      d.kind = K::kDiscrete;
      d.module = 1;
      d.input = input;
      d.tipK = tipK;
      d.arh = arh;
    };
  }
};

TEST_F(IdEdit, DialogPresetToTheRowsSignal) {
  f.config.Serv.SetInputText(Utf8ToCp1251("клапан"), 3);
  f.prgd.PMenu1IdClick(0);  // the user changes nothing: the fields stay as preset
  const K& seen = f.forms.creatVh;
  EXPECT_EQ(seen.caption, "Редактирование идентификатора входа");
  EXPECT_EQ(seen.labNVh, "№ ред. входа на схеме");
  EXPECT_EQ(seen.labN, "1");
  EXPECT_EQ(seen.page, K::kOwnPage);
  EXPECT_EQ(seen.kind, K::kDiscrete);
  EXPECT_EQ(seen.module, 1);
  EXPECT_EQ(seen.input, 4);
  EXPECT_EQ(seen.tipK, 1);
  EXPECT_TRUE(seen.arh);
  EXPECT_EQ(seen.editText, "клапан        ");
}

TEST_F(IdEdit, RetargetMovesTheProcessingAndKeepsTheRow) {
  Retarget(11, 0, false);  // signal 10
  f.prgd.PMenu1IdClick(0);
  EXPECT_EQ(f.Rows(), (std::vector<int>{10, 8}));
  EXPECT_EQ(f.RecordOf(10), (TProgLurClass::Record{0x45, 0x01, 0, 0, 0, 0, 0x05, 0x11}));
  EXPECT_EQ(f.RecordOf(3), TProgLurClass::kEmptyRecord);
  EXPECT_EQ(f.CurPos(), 0);
  EXPECT_EQ(f.CurSignal(), 10);
  EXPECT_EQ(f.Marked(), std::vector<int>{0});
  EXPECT_TRUE(f.Row(0).hasSign);
  EXPECT_TRUE(f.Row(0).hasMR);
  EXPECT_EQ(f.Row(0).identifier, f.config.Serv.GetInputId(10));
  // The row was copied before the edit, and pasting is off again.
  EXPECT_EQ(f.config.Copy.CopyDiskrCount, 1);
  EXPECT_EQ(f.config.Copy.CopyDiskr[0], (TProgLurClass::Record{0x65, 0x01, 0, 0, 0, 0, 0x85, 0x11}));
  EXPECT_FALSE(f.prgd.Actions().IsEnabled(TFormPrgDAction::AInsertPaspGroup));
  EXPECT_FALSE(f.prgd.Actions().IsEnabled(TFormPrgDAction::AInsertPaspGroupFrom));
  EXPECT_TRUE(f.ui.shown.empty());
}

TEST_F(IdEdit, RetargetOntoAnotherRowsSignalIsRefused) {
  f.config.Serv.SetInputText(Utf8ToCp1251("старый"), 8);
  Retarget(9, 1, false);  // signal 8, on row 2
  f.creatVh.user = [inner = f.creatVh.user](K& d) {
    inner(d);
    d.editText = "новый";
    d.arh = true;
  };
  f.prgd.PMenu1IdClick(0);
  EXPECT_EQ(f.ui.Texts(), std::vector<std::string>{"существует вход с порядковым № 2"});
  EXPECT_EQ(f.Rows(), (std::vector<int>{3, 8}));
  EXPECT_EQ(f.RecordOf(3), (TProgLurClass::Record{0x65, 0x01, 0, 0, 0, 0, 0x85, 0x11}));
  EXPECT_EQ(f.RecordOf(8), (TProgLurClass::Record{0x20, 0, 0, 0, 0, 0, 0x02, 0}));
  EXPECT_EQ(f.Text(8), "старый        ");
  EXPECT_TRUE(f.line.requests.empty());
}

TEST_F(IdEdit, SameSignalTakesContactAndArchive) {
  Retarget(4, 0, false);
  f.prgd.PMenu1IdClick(0);
  EXPECT_EQ(f.RecordOf(3), (TProgLurClass::Record{0x45, 0x01, 0, 0, 0, 0, 0x05, 0x11}));
  EXPECT_FALSE(f.Row(0).contactDown);
  EXPECT_FALSE(f.Row(0).archiveDown);
}

TEST_F(IdEdit, WithoutCurrentRow) {
  f.prgd.PMenu1IdClick();
  EXPECT_EQ(f.ui.Texts(), std::vector<std::string>{"Не выбран № входа или № ФБ"});
  EXPECT_EQ(f.creatVh.shows, 0);
}

TEST(PrgDIdEditNetwork, DialogPresetToANetworkSignalsBlockRegisterAndLimit) {
  PrgDFixture f({1, 1, 7, 3, 3, 0, 0, 0}, 0, SmallNet());
  f.config.MBM.SetTipUstr(1, 1);
  f.Record(49, {0x20, 0, 0, 0, 0, 0, 2, 0});  // block 1, register 2
  f.Record(56, {0x20, 0, 0, 0, 0, 0, 2, 0});  // block 2, register 2, limit L
  f.prgd.FormShow();
  f.prgd.PMenu1IdClick(1);
  const K& d = f.forms.creatVh;
  EXPECT_EQ(d.page, K::kNetPage);
  EXPECT_EQ(d.block, 2);
  EXPECT_EQ(d.netKind, K::kAnalog);
  EXPECT_EQ(d.reg, 2);
  EXPECT_EQ(d.netLimit, 1);
  EXPECT_TRUE(d.netLimitEnabled);
  EXPECT_EQ(d.labTipSlave, "ТЕРН");
  // Unchanged, the dialog gives the same signal back: nothing moves.
  EXPECT_EQ(f.Rows(), (std::vector<int>{49, 56}));
  f.prgd.PMenu1IdClick(0);
  EXPECT_EQ(d.block, 1);
  EXPECT_EQ(d.netKind, K::kDiscrete);
  EXPECT_EQ(d.reg, 2);
  EXPECT_EQ(f.Rows(), (std::vector<int>{49, 56}));
  EXPECT_TRUE(f.ui.shown.empty());
}

// ---- deletion and search ------------------------------------------------------------------

TEST(PrgDDeletion, FirstOfThreeRowsMovesTheOthersUpAndKeepsContactAndArchive) {
  PrgDFixture f;
  f.Record(1, {0x2A | 0x80, 0x03, 0, 0, 0, 0, 0x80 | 0x40 | 7, 0x99});
  f.Handlers({4, 6});
  f.prgd.FormShow();
  f.prgd.RowClick(0, false);
  f.config.Lur.CopyPos = 0;
  f.prgd.PMenu2DelClick();
  EXPECT_EQ(f.RecordOf(1), (TProgLurClass::Record{0x20, 0, 0, 0, 0, 0, 0x80, 0x99}));
  EXPECT_EQ(f.Rows(), (std::vector<int>{4, 6}));
  EXPECT_EQ(f.Row(0).numberText, "  № на схеме 1\n\n  № в базе 5");
  EXPECT_EQ(f.Row(1).numberText, "  № на схеме 2\n\n  № в базе 7");
  EXPECT_EQ(f.Row(1).band, (TSchemaRect{0, 54, TFormPrgDController::kSchemaWidth, 54}));
  EXPECT_EQ(f.config.Lur.PosSignal[2], -1);
  EXPECT_EQ(f.config.Lur.NHandlers, 2);
  EXPECT_EQ(f.CurPos(), -1);
  EXPECT_EQ(f.CurSignal(), -1);
  EXPECT_EQ(f.config.Lur.CopyPos, -1);
  EXPECT_EQ(f.prgd.Layout().columnHeight, 3 * 54);
  f.prgd.PMenu2DelClick();
  EXPECT_EQ(f.ui.Texts(), std::vector<std::string>{"Не выбран № входа"});
}

TEST(PrgDSearch, FindsTheRowOrSaysItIsNotThere) {
  PrgDFixture f;
  f.prgd.FormShow();
  f.prgd.PMenu3NVhClick();
  EXPECT_EQ(f.ui.Texts(), std::vector<std::string>{"Не создано ни одного входа"});
  EXPECT_EQ(f.vh.shows, 0);

  f.Handlers({2, 11, 17});
  f.ui.shown.clear();
  std::string caption, preset;
  f.vh.user = [&](TFormVhController& d) {
    caption = d.caption;
    preset = d.editNVh + " " + d.labName;
    d.editNVh = "12";
  };
  f.prgd.PMenu3NVhClick();
  EXPECT_EQ(caption, "Ввод номера  входа");
  EXPECT_EQ(preset, "1 " + f.config.Serv.GetInputId(0));
  EXPECT_EQ(f.CurPos(), 1);
  EXPECT_EQ(f.CurSignal(), 11);
  EXPECT_TRUE(f.Row(1).panelSelected);
  EXPECT_EQ(f.prgd.ScrollTarget(), 54);

  // A number not on the schema: the message, and later commands find no row.
  f.vh.user = [](TFormVhController& d) { d.editNVh = "5"; };
  f.prgd.PMenu3NVhClick();
  EXPECT_EQ(f.ui.Texts(), std::vector<std::string>{"На схеме нет входа с таким номером"});
  EXPECT_EQ(f.CurPos(), -1);
  EXPECT_EQ(f.CurSignal(), 4);
  f.ui.shown.clear();
  f.prgd.PMenu2DelClick();
  f.prgd.DelZaderClick();
  f.prgd.PMenu2TextClick();
  f.prgd.PMenu2ArhivClick();
  f.prgd.PMenu1IdClick();
  EXPECT_EQ(f.ui.Texts(), std::vector<std::string>(5, "Вход с таким номером не создан"));
  EXPECT_EQ(f.Rows(), (std::vector<int>{2, 11, 17}));
  EXPECT_EQ(f.RecordOf(4), TProgLurClass::kEmptyRecord);
}

TEST(PrgDSearch, CancelLeavesTheSelection) {
  PrgDFixture f;
  f.Handlers({2, 11});
  f.prgd.FormShow();
  f.prgd.RowClick(1, false);
  f.vh.window = TModalFunction<TFormVhController>([](TFormVhController& d) {
    d.editNVh = "3";
    return kModalCancel;
  });
  f.prgd.PMenu3NVhClick();
  EXPECT_EQ(f.CurPos(), 1);
  EXPECT_EQ(f.CurSignal(), 11);
  EXPECT_TRUE(f.Row(1).bandSelected);
}

// ---- copy and information windows ------------------------------------------------------

TEST(PrgDCopy, MarkedRowsInRowOrder) {
  PrgDFixture f;
  f.Handlers({2, 5, 9});
  f.prgd.FormShow();
  f.prgd.PMenu2CopClick();
  EXPECT_EQ(f.ui.Texts(), std::vector<std::string>{"Нет выделенных входов"});
  EXPECT_FALSE(f.prgd.Actions().IsEnabled(TFormPrgDAction::AInsertPaspGroup));
  f.Record(9, {0x20, 0, 0, 0, 0, 0, 9, 0});
  f.prgd.RowClick(2, true);
  f.prgd.RowClick(0, true);
  f.prgd.PMenu2CopClick();
  EXPECT_EQ(f.config.Copy.CopyDiskrCount, 2);
  EXPECT_EQ(f.config.Copy.CopyDiskr[0], f.RecordOf(2));
  EXPECT_EQ(f.config.Copy.CopyDiskr[1], f.RecordOf(9));
  EXPECT_EQ(f.config.Lur.CopyPos, -1);
  EXPECT_TRUE(f.prgd.Actions().IsEnabled(TFormPrgDAction::AInsertPaspGroup));
  EXPECT_TRUE(f.prgd.Actions().IsEnabled(TFormPrgDAction::AInsertPaspGroupFrom));
  f.prgd.RowClick(1, false);
  f.prgd.PMenu2CopClick();
  EXPECT_EQ(f.config.Lur.CopyPos, 0);
}

TEST(PrgDInformation, WindowsOpenForTheirEntries) {
  PrgDFixture f;
  f.Handlers({3, 30});
  f.prgd.FormShow();
  f.prgd.PMenu2InfClick();
  EXPECT_EQ(f.ui.Texts(), std::vector<std::string>{"Не выбран № входа"});
  f.prgd.RowClick(1, false);
  f.prgd.PMenu2InfClick();
  f.config.Lur.InfMR = 1;
  f.config.Lur.InfOut = 6;
  f.prgd.InfVyhClick();
  f.prgd.InformButMRClick();
  f.prgd.PMenu1FBClick();
  ASSERT_EQ(f.opened.size(), 4u);
  EXPECT_EQ(f.opened[0].editor, TEditor::InputDetail);
  EXPECT_EQ(f.opened[0].entry, 30);
  EXPECT_EQ(f.opened[1].editor, TEditor::OutputDetail);
  EXPECT_EQ(f.opened[1].entry, 14);
  EXPECT_EQ(f.opened[2].editor, TEditor::OutputInform);
  EXPECT_EQ(f.opened[3].editor, TEditor::FunctionBlocks);
}

}  // namespace
}  // namespace lur::test

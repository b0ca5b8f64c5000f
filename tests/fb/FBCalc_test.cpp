// The calculation blocks: the editor's refusals, the dialog prepared for each
// mode and its checks, the records written for arithmetic blocks and flow
// integrators (with the moves by two places), the math window's deletion and
// renumbering, and the bytes a saved file carries.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "shell/FunctionBlockDump.h"
#include "fb/TDiagramLayout.h"
#include "fb/TFormFBCalcController.h"
#include "fb/TFormFBController.h"
#include "fb/TFormMathController.h"
#include "link/ScriptedPort.h"
#include "link/TComPortClass.h"
#include "model/TConfiguration.h"
#include "session/TModalWindow.h"
#include "session/TSession.h"
#include "shell/TConfigFile.h"
#include "support/FBEditorDoubles.h"
#include "support/ScriptedDialog.h"
#include "ui/TScriptedUserInterface.h"

namespace lur {
namespace {

using C = TFBCalcControl;
using Calc = TFormFBCalcController;
using Record = TProgFBClass::Record;

constexpr const char* kWarning = "Предупреждение";
constexpr const char* kInputError = " Ошибка ввода ";

// A 120-block configuration with 12 analog signals. The calculation dialog
// is shown by a script: the user's actions, then OK (or Cancel) as the
// dialog's own buttons run them.
struct CalcFixture {
  CalcFixture() {
    link.PortName = "COM1";
    // Two discrete modules, one analog module, two relay modules.
    std::array<std::uint8_t, 15> id{};
    const std::array<std::uint8_t, 8> modules = {1, 1, 7, 3, 3, 0, 0, 0};
    for (std::size_t s = 0; s < modules.size(); ++s) id[1 + s] = modules[s];
    EXPECT_TRUE(config.Serv.SetIdentityFromBytes(id));
    config.Serv.MakeDefaultInputIds();
    EXPECT_TRUE(config.Serv.SetProcessedAnalogCount(12));
    editor.FormCreate();
  }

  // `blocks` AND blocks, the integrator records (channels of block 1 and 2,
  // none: no records), then arithmetic blocks of the given operations with
  // result addresses 1, 2, ...; the editor's view of them rebuilt.
  void Table(int blocks, std::vector<int> block1, std::vector<int> block2, std::vector<int> operations) {
    for (int i = 0; i < blocks; ++i) fb.SetTipFB(i, 1);
    int r = blocks;
    if (!block1.empty() || !block2.empty()) {
      for (int k = 0; k < 2; ++k) {
        const auto& channels = k == 0 ? block1 : block2;
        fb.SetTipFB(r + k, channels.empty() && k == 1 ? 0 : TProgFBClass::kCalcType);
        for (std::size_t c = 0; c < channels.size(); ++c)
          fb.SetIntVh(r + k, static_cast<int>(c), channels[c]);
        fb.SetHourBeginDay(r + k, 7);
      }
      r += 2;
    }
    for (std::size_t k = 0; k < operations.size(); ++k)
      Arithmetic(r + static_cast<int>(k), operations[k], static_cast<int>(k) + 1);
    editor.RebuildDiagram();
  }
  void Arithmetic(int r, int operation, int adrY) {
    fb.SetTipFB(r, TProgFBClass::kCalcType);
    fb.SetSubTip(r, operation);
    fb.SetAdrY(r, operation <= 2 ? 1 : 2, adrY);
  }
  // The dialog closes through OK unless `cancel`; what it returned.
  void User(std::function<void(Calc&)> actions, bool cancel = false) {
    user = std::move(actions);
    cancelDialog = cancel;
  }
  int Close(Calc& form) {
    ++shows;
    if (user) user(form);
    if (cancelDialog) return form.CancelClick();
    closeResult = form.OKClick();
    return closeResult;
  }

  test::VirtualClock clock;
  test::ScriptedPort port{clock};
  TScriptedUserInterface ui;
  TComPortClass link{port, clock};
  TConfiguration config;
  TProgFBClass& fb = config.FB;
  TFixedAddressing addressing{0, 0};
  TSession session{config, link, ui, addressing};

  test::NoBlockDialog block;
  TFormSigController sig;
  TFormVyhController vyh{config.Lur};
  test::ScriptedDialog<TFormSigController> sigDialog;
  test::ScriptedDialog<TFormVyhController> vyhDialog;
  Calc calc{session};
  TFormMathController math{session};
  std::function<void(Calc&)> user;
  bool cancelDialog = false;
  int shows = 0;
  int closeResult = 0;
  TModalFunction<Calc> calcWindow{[this](Calc& form) { return Close(form); }};
  std::function<void(TFormMathController&)> mathUser;
  TModalFunction<TFormMathController> mathWindow{[this](TFormMathController& form) {
    if (mathUser) mathUser(form);
    return form.OKClick();
  }};
  TFormFBController editor{
      session, {block, sig, sigDialog.window, vyh, vyhDialog.window, &calc, &calcWindow, &math, &mathWindow}};
};

class FBCalc : public ::testing::Test, protected CalcFixture {};

std::vector<C> EnabledAmong(const Calc& form, std::initializer_list<C> controls) {
  std::vector<C> on;
  for (C c : controls)
    if (form.Enabled(c)) on.push_back(c);
  return on;
}

std::vector<Record> Records(const TProgFBClass& fb, int from, int to) {
  std::vector<Record> records;
  for (int i = from; i <= to; ++i) records.push_back(fb.GetRecord(i));
  return records;
}

// ---- refusals ------------------------------------------------------------------------

TEST_F(FBCalc, TheEditorOffersTheCalculationItemsWithTheirWindows) {
  for (const TFormFBControl c :
       {TFormFBControl::CalcIntegr, TFormFBControl::CalcMat, TFormFBControl::EditIntegr,
        TFormFBControl::EditMat, TFormFBControl::Button1})
    EXPECT_TRUE(editor.Controls().IsEnabled(c)) << static_cast<int>(c);
}

struct Refusal {
  const char* what;
  int capFB;
  int blocks;
  std::vector<int> block1;
  std::vector<int> operations;
  int mode;
  const char* text;  // nullptr: the dialog opens
};

TEST_F(FBCalc, EachRefusalOpensNothing) {
  const std::vector<int> none;
  const std::vector<Refusal> cases = {
      {"a full 60-block table", 60, 58, none, {1, 2}, 1, "Все функциональные блоки созданы"},
      {"integrators need two records, one is free",
       120,
       117,
       none,
       {1, 2},
       0,
       "Все функциональные блоки созданы"},
      {"two free records are enough", 120, 116, none, {1, 2}, 0, nullptr},
      {"integrators exist",
       120,
       5,
       {3},
       none,
       0,
       "Интеграторы расхода уже созданы.\nВоспользуйтесь меню Программирование"},
      {"24 arithmetic blocks", 120, 5, none, std::vector<int>(24, 3), 1,
       "Арифметические блоки уже созданы.\nВоспользуйтесь меню Программирование"},
      {"23 arithmetic blocks take one more", 120, 5, none, std::vector<int>(23, 3), 1, nullptr},
      {"no integrators to program",
       120,
       5,
       none,
       {1},
       2,
       "Интеграторы расхода не созданы.\nВоспользуйтесь меню Создание"},
      {"no arithmetic block to program",
       120,
       5,
       {3},
       none,
       3,
       "Арифметические блоки не созданы.\nВоспользуйтесь меню Создание"},
  };
  for (const Refusal& c : cases) {
    SCOPED_TRACE(c.what);
    CalcFixture f;
    f.fb.CapFB = c.capFB;
    f.Table(c.blocks, c.block1, {}, c.operations);
    const std::vector<Record> before = Records(f.fb, 0, TProgFBClass::MaxFB);
    f.User({}, true);
    f.fb.CalcMode = c.mode;
    f.editor.ButProgCalcClick();
    if (c.text == nullptr) {
      EXPECT_EQ(f.shows, 1);
      EXPECT_TRUE(f.ui.shown.empty());
      continue;
    }
    EXPECT_EQ(f.shows, 0);
    ASSERT_EQ(f.ui.Texts(), std::vector<std::string>{c.text});
    EXPECT_EQ(f.ui.shown[0].caption, kWarning);
    EXPECT_EQ(f.ui.shown[0].icon, MsgIcon::Warning);
    EXPECT_EQ(Records(f.fb, 0, TProgFBClass::MaxFB), before);
  }
}

// ---- preparing ------------------------------------------------------------------------

TEST_F(FBCalc, PreparingFillsTheDialogForEachModeAndIsNoChange) {
  // 10 blocks, integrator block 1 with channels 3 and 4 (the hour 7), block 2
  // unused, arithmetic blocks: a sum and a square root.
  Table(10, {3, 4}, {}, {1, 5});
  fb.SetKindX1(13, 1);
  fb.SetNX1(13, 1);
  fb.SetConstText(13, "1,5", 1);
  fb.FBModified = 0;

  fb.CalcMode = 0;
  fb.NIntegr = 0;  // as if none existed yet: creating them
  calc.Prepare();
  EXPECT_EQ(calc.labCreatProg, "создание интеграторов расхода");
  EXPECT_EQ(calc.radioGroup1, 0);
  EXPECT_EQ(calc.labNFB1, "1");
  EXPECT_EQ(calc.editNFB1, "11");
  EXPECT_EQ(EnabledAmong(calc, {C::GroupBox2, C::Edit1, C::Edit2, C::HourBeginDay, C::GroupBox3, C::EditX1}),
            (std::vector<C>{C::GroupBox2, C::Edit1, C::HourBeginDay}));
  EXPECT_EQ(fb.FBModified, 0);
  editor.RebuildDiagram();

  fb.CalcMode = 2;
  calc.Prepare();
  EXPECT_EQ(calc.labCreatProg, "программирование интеграторов расхода");
  EXPECT_EQ(calc.channels[0], "3");
  EXPECT_EQ(calc.channels[1], "4");
  EXPECT_EQ(calc.hourBeginDay, "7");
  // Used channels and the one after them; block 2 hidden while block 1's
  // last channel and all of its own are empty.
  EXPECT_EQ(EnabledAmong(calc, {C::Edit1, C::Edit2, C::Edit3, C::Edit4, C::Edit13, C::HourBeginDay}),
            (std::vector<C>{C::Edit1, C::Edit2, C::Edit3, C::HourBeginDay}));
  EXPECT_EQ(calc.labNFB2, "");
  EXPECT_EQ(calc.editNFB2, "");
  EXPECT_EQ(fb.FBModified, 0);

  fb.CalcMode = 1;
  calc.Prepare();
  EXPECT_EQ(calc.labCreatProg, "создание арифметических блоков");
  EXPECT_EQ(calc.radioGroup1, Calc::kNoChoice);
  EXPECT_EQ(calc.labNFB3, "3");
  EXPECT_EQ(calc.editNFB3, "15");
  EXPECT_EQ(calc.editY, "3");
  EXPECT_EQ(EnabledAmong(calc, {C::GroupBox2, C::GroupBox3, C::ComboBox1, C::ComboBox2, C::EditX1, C::EditX2,
                                C::EditC1, C::EditC2, C::EditY, C::EditNFB3}),
            (std::vector<C>{C::GroupBox3, C::ComboBox1, C::EditX1, C::EditX2, C::EditC1, C::EditC2}));

  // The square root chosen in the math window: that block only.
  fb.CalcMode = 3;
  fb.CurMat = 1;
  calc.Prepare();
  EXPECT_EQ(calc.labCreatProg, "программирование арифметических блоков");
  EXPECT_EQ(calc.radioGroup1, 5);
  EXPECT_EQ(calc.labNFB3, "2");
  EXPECT_EQ(calc.editNFB3, "14");
  EXPECT_EQ(calc.comboBox1, 1);
  EXPECT_EQ(calc.editX1, "1");
  EXPECT_EQ(calc.editC1, "1,5000");
  EXPECT_EQ(calc.editX2, "");
  EXPECT_EQ(calc.editY, "2");
  EXPECT_EQ(calc.upDownMin, 13);
  EXPECT_EQ(calc.upDownMax, 14);
  EXPECT_EQ(EnabledAmong(calc, {C::ComboBox1, C::ComboBox2, C::EditX1, C::EditX2, C::EditC1, C::EditC2,
                                C::EditY, C::EditNFB3, C::UpDown1}),
            (std::vector<C>{C::ComboBox1, C::EditX1, C::EditC1}));
  EXPECT_EQ(fb.FBModified, 0);

  // From the menu: the first block, the spinner free.
  fb.CurMat = -1;
  calc.Prepare();
  EXPECT_EQ(calc.radioGroup1, 1);
  EXPECT_EQ(calc.editNFB3, "13");
  EXPECT_EQ(calc.editY, "1");
  EXPECT_EQ(EnabledAmong(calc, {C::ComboBox2, C::EditX2, C::EditC2, C::EditNFB3, C::UpDown1}),
            (std::vector<C>{C::ComboBox2, C::EditX2, C::EditC2, C::EditNFB3, C::UpDown1}));
}

// ---- the dialog ------------------------------------------------------------------------

TEST_F(FBCalc, RadioGroup1IsCorrectedByTheMode) {
  Table(10, {3}, {}, {1});
  struct Case {
    int mode;
    int clicked;
    int shown;
  };
  const Case cases[] = {{0, 3, 0}, {2, 1, 0}, {1, 0, 1}, {1, 4, 4}, {3, 0, Calc::kNoChoice}, {3, 2, 2}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "mode " << c.mode << " item " << c.clicked);
    fb.CalcMode = c.mode;
    calc.Prepare();
    fb.FBModified = 0;
    calc.RadioGroup1Click(c.clicked);
    EXPECT_EQ(calc.radioGroup1, c.shown);
    EXPECT_EQ(fb.FBModified, 1);
  }
  // The sum put in place of the integrators enables what a sum uses.
  fb.CalcMode = 1;
  calc.Prepare();
  calc.RadioGroup1Click(0);
  EXPECT_TRUE(calc.Enabled(C::ComboBox2));
  EXPECT_TRUE(calc.Enabled(C::EditC2));
  // The square root has neither X2 nor C2.
  calc.editC2 = "5";
  calc.RadioGroup1Click(5);
  EXPECT_EQ(EnabledAmong(calc, {C::ComboBox1, C::EditX1, C::EditC1, C::ComboBox2, C::EditX2, C::EditC2}),
            (std::vector<C>{C::ComboBox1, C::EditX1, C::EditC1}));
  EXPECT_EQ(calc.editC2, "");
}

TEST_F(FBCalc, LeavingAFieldReportsAndEnablesTheNextChannel) {
  Table(10, {}, {}, {1, 1});
  fb.CalcMode = 0;
  calc.Prepare();

  calc.channels[0] = "13";  // 12 analog signals
  calc.Edit1Exit(C::Edit1);
  EXPECT_EQ(ui.inlineErrors, (std::vector<TFieldError>{{"Edit1", kInputError}}));
  EXPECT_FALSE(calc.Enabled(C::Edit2));

  calc.channels[0] = "";
  calc.Edit1Exit(C::Edit1);
  EXPECT_EQ(ui.inlineErrors.back(), (TFieldError{"Edit1", kInputError}));

  calc.channels[0] = "12";
  calc.Edit1Exit(C::Edit1);
  EXPECT_TRUE(calc.Enabled(C::Edit2));
  calc.channels[11] = "4";
  calc.Edit1Exit(C::Edit12);
  EXPECT_TRUE(calc.Enabled(C::Edit13));
  EXPECT_EQ(calc.labNFB2, "2");
  EXPECT_EQ(calc.editNFB2, "12");
  calc.channels[12] = "0";
  calc.Edit1Exit(C::Edit13);
  EXPECT_FALSE(calc.Enabled(C::Edit14));

  // Operands: calculated values 0..NMat, analog signals 0..12.
  fb.CalcMode = 1;
  calc.Prepare();
  calc.RadioGroup1Click(1);
  const std::size_t before = ui.inlineErrors.size();
  calc.comboBox1 = Calc::kCalculatedSource;
  calc.editX1 = "3";
  calc.Edit1Exit(C::EditX1);
  calc.comboBox2 = Calc::kAnalogSource;
  calc.editX2 = "12";
  calc.Edit1Exit(C::EditX2);
  calc.editC1 = "text";  // nothing more is checked on leaving a constant
  calc.Edit1Exit(C::EditC1);
  EXPECT_EQ(
      std::vector<TFieldError>(ui.inlineErrors.begin() + static_cast<long>(before), ui.inlineErrors.end()),
      (std::vector<TFieldError>{{"EditX1", "Величина вне диапазона 0 - 2"}}));
}

TEST_F(FBCalc, TheSpinnerStaysAmongTheArithmeticBlocks) {
  // 10 blocks, integrators, arithmetic blocks at records 12, 13, 14.
  Table(10, {1}, {2}, {1, 3, 5});
  fb.CalcMode = 3;
  calc.Prepare();
  EXPECT_EQ(calc.upDownMin, 13);
  EXPECT_EQ(calc.upDownMax, 15);

  EXPECT_TRUE(calc.UpDown1Click(true));
  EXPECT_EQ(calc.editNFB3, "14");
  EXPECT_EQ(calc.radioGroup1, 3);
  EXPECT_EQ(calc.labNFB3, "2");
  EXPECT_TRUE(calc.UpDown1Click(true));
  EXPECT_TRUE(calc.UpDown1Click(true));
  EXPECT_EQ(calc.editNFB3, "15");  // no further than the last block
  EXPECT_EQ(calc.radioGroup1, 5);
  EXPECT_EQ(calc.editY, "3");
  EXPECT_TRUE(ui.inlineErrors.empty());

  // Typed past either end: reported, nothing loaded.
  for (const char* typed : {"16", "12", ""}) {
    SCOPED_TRACE(typed);
    calc.editNFB3 = typed;
    EXPECT_TRUE(calc.EditNFB3Exit());
    EXPECT_EQ(ui.inlineErrors.back(), (TFieldError{"EditNFB3", kInputError}));
    EXPECT_EQ(calc.editY, "");
    EXPECT_FALSE(calc.Enabled(C::EditX1));
  }
}

TEST_F(FBCalc, ARecordThatIsNoArithmeticBlockCancelsTheDialog) {
  // A damaged table: an empty record between two arithmetic blocks.
  Table(10, {}, {}, {1});
  Arithmetic(12, 2, 2);
  editor.RebuildDiagram();
  ASSERT_EQ(fb.NMat, 2);
  fb.CalcMode = 3;
  calc.Prepare();
  calc.editNFB3 = "12";
  EXPECT_FALSE(calc.EditNFB3Exit());
  EXPECT_TRUE(calc.Cancelled());
  EXPECT_EQ(ui.Texts(),
            std::vector<std::string>{"Для создания арифметического блока \nвоспользуйтесь меню Создание"});
  EXPECT_EQ(ui.shown[0].caption, kWarning);
}

struct ClosingCase {
  const char* what;
  int mode;
  std::function<void(Calc&)> set;
  TFieldError error;
};

TEST_F(FBCalc, ClosingChecksKeepTheDialogOpenWithTheirTexts) {
  const std::vector<ClosingCase> cases = {
      {"no operation", 1, [](Calc&) {}, {"RadioGroup1", kInputError}},
      {"C1 = 40000",
       1,
       [](Calc& f) {
         f.RadioGroup1Click(3);
         f.editC1 = "40000";
       },
       {"EditC1", "Величина вне диапазона -32767 - 32767"}},
      {"C1 no number",
       1,
       [](Calc& f) {
         f.RadioGroup1Click(3);
         f.editC1 = "1,2,3";
       },
       {"EditC1", kInputError}},
      {"C2 no number",
       1,
       [](Calc& f) {
         f.RadioGroup1Click(2);
         f.editC2 = "abc";
       },
       {"EditC2", kInputError}},
      {"X1 past the analog signals",
       1,
       [](Calc& f) {
         f.RadioGroup1Click(5);
         f.comboBox1 = 0;
         f.editX1 = "13";
       },
       {"EditX1", "Величина вне диапазона 0 - 12"}},
      {"X2 past the calculated values",
       1,
       [](Calc& f) {
         f.RadioGroup1Click(4);
         f.comboBox2 = 1;
         f.editX2 = "3";
       },
       {"EditX2", "Величина вне диапазона 0 - 2"}},
      {"result 0",
       1,
       [](Calc& f) {
         f.RadioGroup1Click(3);
         f.editY = "0";
       },
       {"EditY", "Величина вне диапазона 1 - 24"}},
      {"result 25",
       1,
       [](Calc& f) {
         f.RadioGroup1Click(1);
         f.editY = "25";
       },
       {"EditY", "Величина вне диапазона 1 - 24"}},
      {"empty channel", 0, [](Calc& f) { f.channels[5] = ""; }, {"Edit6", kInputError}},
      {"channel past the analog signals", 0, [](Calc& f) { f.channels[0] = "13"; }, {"Edit1", kInputError}},
      {"hour 24",
       0,
       [](Calc& f) { f.hourBeginDay = "24"; },
       {"HourBeginDay", "Величина вне диапазона 0 - 23"}},
  };
  for (const ClosingCase& c : cases) {
    SCOPED_TRACE(c.what);
    CalcFixture f;
    f.Table(10, {}, {}, {1, 1});
    f.fb.CalcMode = c.mode;
    f.calc.Prepare();
    c.set(f.calc);
    EXPECT_EQ(f.calc.OKClick(), kModalError);
    EXPECT_EQ(f.ui.inlineErrors, std::vector<TFieldError>{c.error});
    EXPECT_TRUE(f.calc.errorTextVisible);
    EXPECT_EQ(f.calc.errorField, c.error.field);
  }
}

// ---- writing ------------------------------------------------------------------------

TEST_F(FBCalc, CreatingAnArithmeticBlockWritesTheNextPlace) {
  Table(10, {}, {}, {1, 1});
  fb.FBModified = 0;
  std::string offered;
  std::string address;
  User([&](Calc& f) {
    offered = f.editNFB3;
    address = f.editY;
    f.RadioGroup1Click(1);
    f.ComboBoxChange(C::ComboBox1, 0);
    f.Edit1Change(C::EditX1, "5");
    f.Edit1Change(C::EditC1, "1,5");
    f.ComboBoxChange(C::ComboBox2, 1);
    f.Edit1Change(C::EditX2, "2");
    f.Edit1Change(C::EditC2, "-1");
  });
  editor.CreatMatButClick();
  EXPECT_EQ(offered, "13");
  EXPECT_EQ(address, "3");
  EXPECT_EQ(closeResult, kModalOk);
  EXPECT_EQ(fb.NMat, 3);
  EXPECT_EQ(fb.GetRecord(12),
            (Record{0x1C, 0x05, 0x00, 0x60, 0x01, 0x82, 0x00, 0xC0, 0x01, 0x03, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(fb.FBModified, 1);
  EXPECT_EQ(fb.NFB, 10);

  // A product put in the place of the sum keeps nothing of it: its result
  // goes to b6, C2 and b9 are gone.
  fb.CalcMode = 3;
  fb.CurMat = 2;
  User([](Calc& f) { f.RadioGroup1Click(3); });
  editor.ButProgCalcClick();
  EXPECT_EQ(fb.GetRecord(12), (Record{0x3C, 0x05, 0x00, 0x60, 0x01, 0x82, 0x03, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
}

TEST_F(FBCalc, ACancelledDialogChangesNothing) {
  Table(10, {3}, {}, {1, 1});
  const std::vector<Record> before = Records(fb, 0, TProgFBClass::MaxFB);
  fb.FBModified = 0;
  for (int mode = 0; mode < 4; ++mode) {
    User(
        [](Calc& f) {
          f.Edit1Change(C::Edit1, "0");
          f.RadioGroup1Click(2);
        },
        true);
    fb.CalcMode = mode;
    editor.ButProgCalcClick();
  }
  EXPECT_EQ(Records(fb, 0, TProgFBClass::MaxFB), before);
  EXPECT_EQ(fb.FBModified, 0);
}

TEST_F(FBCalc, IntegratorsInBlockOneOnlyLeaveAnEmptySecondRecord) {
  Table(10, {}, {}, {1, 3});
  const Record sum = fb.GetRecord(10);
  const Record product = fb.GetRecord(11);
  User([](Calc& f) {
    f.Edit1Change(C::Edit1, "5");
    f.Edit1Change(C::Edit2, "7");
    f.Edit1Change(C::HourBeginDay, "6");
  });
  editor.CreatIntegrButClick();

  EXPECT_EQ(fb.NIntegr, 1);
  EXPECT_EQ(fb.NMat, 2);
  EXPECT_EQ(fb.GetRecord(10), (Record{0x0C, 5, 7, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 6, 0}));
  EXPECT_EQ(fb.GetRecord(11), (Record{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 6, 0}));
  EXPECT_EQ(fb.GetRecord(12), sum);
  EXPECT_EQ(fb.GetRecord(13), product);
  EXPECT_EQ(fb.FreeFB(), 116);

  // Channel 1 left at 0: nothing is created.
  CalcFixture empty;
  empty.Table(10, {}, {}, {1});
  const std::vector<Record> before = Records(empty.fb, 0, TProgFBClass::MaxFB);
  empty.User([](Calc& f) { f.Edit1Change(C::HourBeginDay, "6"); });
  empty.editor.CreatIntegrButClick();
  EXPECT_EQ(empty.shows, 1);
  EXPECT_EQ(Records(empty.fb, 0, TProgFBClass::MaxFB), before);
  EXPECT_EQ(empty.fb.NIntegr, 0);
}

TEST_F(FBCalc, ProgrammingTheIntegrators) {
  Table(10, {1, 2}, {3}, {1, 3});
  const Record sum = fb.GetRecord(12);
  const Record product = fb.GetRecord(13);

  // Block 1 emptied, block 2 kept: record 10 stays an integrator record.
  User([](Calc& f) {
    f.Edit1Change(C::Edit1, "0");
    f.Edit1Change(C::Edit2, "0");
  });
  editor.ProgIntClick();
  EXPECT_EQ(fb.NIntegr, 2);
  EXPECT_EQ(fb.GetRecord(10), (Record{0x0C, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 7, 0}));
  EXPECT_EQ(fb.GetRecord(11), (Record{0x0C, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 12, 7, 0}));

  // Every channel 0: both records go, the arithmetic blocks move down two.
  User([](Calc& f) {
    for (int c = 0; c < Calc::kChannels; ++c) f.Edit1Change(Calc::Channel(c), "0");
  });
  editor.ProgIntClick();
  EXPECT_EQ(fb.NIntegr, 0);
  EXPECT_EQ(fb.NMat, 2);
  EXPECT_EQ(fb.GetRecord(10), sum);
  EXPECT_EQ(fb.GetRecord(11), product);
  for (int i = 12; i <= TProgFBClass::MaxFB; ++i) EXPECT_EQ(fb.GetRecord(i), Record{}) << i;
}

TEST_F(FBCalc, IntegratorsInAFullTableKeepTheLastArithmeticBlock) {
  // 114 blocks and 4 arithmetic blocks leave two records: the records move
  // within the table's 120.
  Table(114, {}, {}, {1, 2, 3, 4});
  User([](Calc& f) { f.Edit1Change(C::Edit1, "1"); });
  editor.CreatIntegrButClick();
  EXPECT_EQ(fb.NMat, 4);
  EXPECT_EQ(fb.GetSubTip(119), 4);
  EXPECT_EQ(fb.GetRecord(120), Record{});
}

// ---- the math window ------------------------------------------------------------------

TEST_F(FBCalc, MathWindowShowsTheOperationsAndProgramsABlock) {
  Table(3, {4}, {}, {1, 2, 3, 4, 5});
  std::vector<std::string> captions;
  std::vector<std::string> hints;
  int shownMode = -1;
  int shownCurMat = -2;
  User([&](Calc& f) {
    shownMode = fb.CalcMode;
    shownCurMat = fb.CurMat;
    f.RadioGroup1Click(2);  // the square root becomes a difference
    f.editX2 = "1";
    f.editC2 = "1";
  });
  mathUser = [&](TFormMathController& m) {
    captions.assign(m.captions.begin(), m.captions.begin() + 6);
    hints.assign({m.hints[0], m.hints[23]});
    m.Button1Click(4);
    m.Button1Click(5);  // no block there: nothing opens
    captions.push_back(m.captions[4]);
  };
  editor.Button1Click();
  EXPECT_EQ(captions, (std::vector<std::string>{"+", "-", "X", ":", "SQRT", "", "-"}));
  EXPECT_EQ(hints, (std::vector<std::string>{"МБ1", "МБ24"}));
  EXPECT_EQ(shows, 1);
  EXPECT_EQ(shownMode, 3);
  EXPECT_EQ(shownCurMat, 4);
  EXPECT_EQ(fb.CurMat, -1);
  EXPECT_EQ(fb.GetSubTip(9), 2);
  EXPECT_EQ(fb.GetAdrY(9, 1), 5);
}

TEST_F(FBCalc, DeletingArithmeticBlockTwoRenumbersEveryReference) {
  // A comparator of calculated value 3 and one of analog signal 3, then
  // arithmetic blocks 1..4 at records 2..5.
  Table(2, {}, {}, {1, 3, 2, 5});
  fb.SetTipFB(0, TProgFBClass::kComparatorType);
  fb.SetKindAn(0, 1);
  fb.SetAnVh(0, 3);
  fb.SetTipFB(1, TProgFBClass::kComparatorType);
  fb.SetAnVh(1, 3);
  fb.SetKindX1(2, 1);
  fb.SetNX1(2, 2);  // names the deleted result
  fb.SetKindX2(2, 1);
  fb.SetNX2(2, 4);  // names block 4's
  fb.SetKindX1(5, 1);
  fb.SetNX1(5, 3);
  fb.SetKindX1(4, 0);
  fb.SetNX1(4, 4);  // an analog signal: untouched
  editor.RebuildDiagram();
  ASSERT_EQ(fb.NFB, 2);
  ASSERT_EQ(fb.NMat, 4);
  fb.FBModified = 0;
  const Record third = fb.GetRecord(4);
  const int revision = editor.Revision();

  std::vector<std::string> captions;
  mathUser = [&](TFormMathController& m) {
    m.Button1MouseDown(1, true);
    m.DeleteBlClick();
    captions.assign(m.captions.begin(), m.captions.begin() + 4);
  };
  editor.Button1Click();

  EXPECT_EQ(captions, (std::vector<std::string>{"+", "-", "SQRT", ""}));
  EXPECT_EQ(fb.NMat, 3);
  EXPECT_EQ(fb.GetNX1(2), 0);
  EXPECT_EQ(fb.GetNX2(2), 3);
  Record moved = third;
  moved[9] = 2;  // result address 3 -> 2
  EXPECT_EQ(fb.GetRecord(3), moved);
  EXPECT_EQ(fb.GetSubTip(4), 5);
  EXPECT_EQ(fb.GetAdrY(4, 2), 3);
  EXPECT_EQ(fb.GetNX1(4), 2);
  EXPECT_EQ(fb.GetRecord(5), Record{});
  EXPECT_EQ(fb.GetAnVh(0), 2);
  EXPECT_EQ(fb.GetAnVh(1), 3);
  EXPECT_EQ(fb.FBModified, 1);
  // The diagram was rebuilt: the comparator now shows block 2's result.
  EXPECT_NE(editor.Revision(), revision);
  EXPECT_FALSE(math.ComparatorsRenumbered());
  EXPECT_EQ(LayOutDiagram(config).blocks.at(0).inputs[1].caption, "МБ2");
}

TEST_F(FBCalc, DeletingAnEmptyPlaceDoesNothing) {
  Table(2, {}, {}, {1});
  const std::vector<Record> before = Records(fb, 0, TProgFBClass::MaxFB);
  fb.FBModified = 0;
  math.Fill();
  math.Button1MouseDown(3, true);
  math.Button1MouseDown(0, false);  // a left press names nothing
  math.DeleteBlClick();
  EXPECT_EQ(fb.MatPopup, 3);
  EXPECT_EQ(Records(fb, 0, TProgFBClass::MaxFB), before);
  EXPECT_EQ(fb.NMat, 1);
  EXPECT_EQ(fb.FBModified, 0);
  EXPECT_FALSE(math.ComparatorsRenumbered());
}

// ---- the saved file -----------------------------------------------------------------

std::map<std::string, std::string> Fields(const TConfiguration& config, int i) {
  std::map<std::string, std::string> fields;
  const TDumpNode record = DumpFunctionBlockRecord(config.FB, i);
  for (const auto& [key, value] : record.Members()) fields[key] = value.Literal();
  return fields;
}

TEST_F(FBCalc, ASavedFileCarriesTheCalculationBlocks) {
  Table(4, {}, {}, {1, 3});
  User([](Calc& f) {
    f.Edit1Change(C::Edit1, "9");
    f.Edit1Change(C::HourBeginDay, "22");
  });
  editor.CreatIntegrButClick();
  User([](Calc& f) {
    f.RadioGroup1Click(4);
    f.ComboBoxChange(C::ComboBox1, 1);
    f.Edit1Change(C::EditX1, "2");
    f.Edit1Change(C::EditC1, "-0,5");
    f.ComboBoxChange(C::ComboBox2, 0);
    f.Edit1Change(C::EditX2, "11");
  });
  editor.CreatMatButClick();
  // The first arithmetic block deleted: the quotient becomes block 2.
  mathUser = [](TFormMathController& m) {
    m.Button1MouseDown(0, true);
    m.DeleteBlClick();
  };
  editor.Button1Click();
  ASSERT_EQ(fb.NMat, 2);

  TConfiguration read;
  TScriptedUserInterface quiet;
  ASSERT_TRUE(LoadConfigFile(read, BuildConfigFile(config), quiet));

  const auto integrator = Fields(read, 4);
  EXPECT_EQ(integrator.at("TipFB"), "12");
  EXPECT_EQ(integrator.at("IntVh1"), "9");
  EXPECT_EQ(integrator.at("IntVh2"), "0");
  EXPECT_EQ(integrator.at("HourBeginDay"), "22");
  EXPECT_EQ(Fields(read, 5).at("TipFB"), "0");
  EXPECT_EQ(read.FB.GetHourBeginDay(5), 22);

  const auto quotient = Fields(read, 7);
  EXPECT_EQ(quotient.at("operation"), "4");
  EXPECT_EQ(quotient.at("KindX1"), "1");
  EXPECT_EQ(quotient.at("NX1"), "1");  // value 2 became 1 with the deletion
  EXPECT_EQ(quotient.at("C1"), "-0.5");
  EXPECT_EQ(quotient.at("KindX2"), "0");
  EXPECT_EQ(quotient.at("NX2"), "11");
  EXPECT_EQ(quotient.at("AdrY"), "2");
  EXPECT_EQ(Fields(read, 6).at("operation"), "3");
  EXPECT_EQ(Fields(read, 8).at("TipFB"), "0");
}

}  // namespace
}  // namespace lur

// The exchange block dialog: what it shows when it opens, what its choices
// set, the checks on closing with every message, and what an accepted block
// does to memory: its places, the moves of what follows it (every table
// that names a signal), the counts, identifiers and flags. A rejected block
// leaves memory as the dialog found it.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "NetworkFixture.h"
#include "network/TFormMBMController.h"
#include "network/TMBMBlockDialog.h"

namespace lur {
namespace {

using test::MemoryImage;
using test::NetworkConfig;
using F = TMBMField;
using C = TMBMControl;
using Form = TFormMBMController;

struct RecordingScaling : TScalingWindow {
  void Show(int block) override { shown.push_back(block); }
  std::vector<int> shown;
};
struct RecordingLive : TNetworkLiveWindow {
  void Show(const TNetworkLiveRequest& request) override { shown.push_back(request); }
  std::vector<TNetworkLiveRequest> shown;
};

struct Fixture : ::testing::Test {
  Fixture() {
    link.PortName = "COM1";
    NetworkConfig::Build(config);
  }
  // The dialog for block b, typed into and closed.
  int Close() { return form.FormCloseQuery(); }
  void Type(F field, const std::string& text) { form.EditChange(field, text); }
  // A new block in b with the type's defaults, then the texts given.
  void Create(int b, int type, int function, const std::string& n, const std::string& d,
              const std::string& start = "0000") {
    ASSERT_TRUE(form.Open(b));
    form.TipUstrClick(type);
    form.CBoxKodFClick(function - 1);
    Type(F::EditUstr, "7");
    Type(F::EditKolVh, n);
    Type(F::EditKolDat, d);
    Type(F::EditAdBegDat, start);
  }

  test::VirtualClock clock;
  test::ScriptedPort port{clock};
  TScriptedUserInterface ui;
  TComPortClass link{port, clock};
  TConfiguration config;
  TFixedAddressing addressing{0, 0};
  TSession session{config, link, ui, addressing};
  RecordingScaling scaling;
  RecordingLive live;
  Form form{session, {&scaling, &live}};
};

using Opening = Fixture;

TEST_F(Opening, AConfiguredBlockShowsItsFieldsForCorrection) {
  config.MBM.SetAdBegDat(1, 0x1A);
  ASSERT_TRUE(form.Open(1));
  EXPECT_EQ(form.label9, "Коррекция");
  EXPECT_EQ(form.labNMBM, "2");
  EXPECT_EQ(form.tipUstr, 4);
  EXPECT_EQ(form.cBoxKodF, 2);
  EXPECT_EQ(form.Text(F::EditKolVh), "6");
  EXPECT_EQ(form.Text(F::EditXMax), "8192");
  EXPECT_EQ(form.Text(F::EditAdBegDat), "001A");
  EXPECT_EQ(form.Text(F::EditUstr), "2");
  EXPECT_EQ(form.stAddrBeg1, "44");
  EXPECT_EQ(form.stAddrBeg2, "6");
  EXPECT_TRUE(form.Enabled(C::EditXMax));
  EXPECT_FALSE(form.Enabled(C::TipDate));
  EXPECT_EQ(form.tipDate, 0);
  EXPECT_EQ(form.byteOrder, Form::kNoChoice);
  EXPECT_TRUE(form.Enabled(C::ButOnLine));

  ASSERT_TRUE(form.Open(0));  // a discrete block: no code maximum, no data type
  EXPECT_EQ(form.Text(F::EditXMax), "00");
  EXPECT_FALSE(form.Enabled(C::EditXMax));
  EXPECT_EQ(form.tipDate, Form::kNoChoice);
}

TEST_F(Opening, AnEmptyBlockIsCreatedWhereTheNextConfiguredOneBegins) {
  ASSERT_TRUE(form.Open(5));
  EXPECT_EQ(form.label9, "Создание");
  EXPECT_EQ(form.tipUstr, Form::kNoChoice);
  EXPECT_EQ(form.cBoxKodF, Form::kNoChoice);
  EXPECT_EQ(form.Text(F::EditUstr), "");
  EXPECT_EQ(form.Text(F::EditKolVh), "00");
  EXPECT_EQ(form.Text(F::EditAdBegDat), "0000");
  EXPECT_FALSE(form.Enabled(C::EditXMax));
  EXPECT_EQ(form.stAddrBeg1, "76");
  EXPECT_EQ(form.stAddrBeg2, "12");

  NetworkConfig::Block(config, 4, 5, 2, 8, 76, 12);  // block 3 is a gap before block 4
  ASSERT_TRUE(form.Open(3));
  EXPECT_EQ(form.stAddrBeg1, "76");
}

TEST_F(Opening, FullListsRefuseOrWarnBeforeANewBlock) {
  config.Serv.SetProcessedDiscreteCount(192);
  EXPECT_FALSE(form.Open(5));
  config.Serv.SetProcessedDiscreteCount(100);
  config.Serv.SetProcessedAnalogCount(48);
  EXPECT_TRUE(form.Open(5));
  EXPECT_EQ(ui.Texts(), (std::vector<std::string>{"нет свободных адресов лок.сети",
                                                  "нет свободных адресов аналог.сигн.лок.сети"}));
  EXPECT_EQ(ui.shown[0].caption, "");
  EXPECT_EQ(ui.shown[0].icon, MsgIcon::None);
}

TEST_F(Opening, WithoutALiveWindowOnLineStaysOff) {
  Form bare{session};
  ASSERT_TRUE(bare.Open(0));
  EXPECT_FALSE(bare.Enabled(C::ButOnLine));
  bare.ButOnLineClick();  // nothing to show it with

  ASSERT_TRUE(form.Open(1));
  form.ButOnLineClick();
  ASSERT_EQ(live.shown.size(), 1u);
  EXPECT_EQ(live.shown[0].block, 1);
  EXPECT_EQ(live.shown[0].deviceType, "ВЕДА");
  EXPECT_EQ(live.shown[0].slaveAddress, "2");
}

// ---- choices ------------------------------------------------------------------------

using Choices = Fixture;

TEST_F(Choices, DeviceTypesSetTheirDefaults) {
  struct Case {
    int item;
    int type;
    int function;  // item, kNoChoice none
    const char* kolVh;
    const char* xMax;  // nullptr: not set by the choice
    bool xMaxOn;
    int tipDate;
  };
  const Case cases[] = {
      {0, 0, 0, "16", nullptr, false, Form::kNoChoice},      {1, 1, 2, "1", "16384", true, 0},
      {2, 2, 2, "1", "8192", true, 0},                       {4, 4, 2, "6", "8192", true, 0},
      {5, 5, 0, "0", nullptr, true, Form::kNoChoice},        {15, 15, 0, "0", nullptr, true, Form::kNoChoice},
      {9, Form::kNoChoice, Form::kNoChoice, "0", nullptr, true, Form::kNoChoice},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.item);
    ASSERT_TRUE(form.Open(5));
    form.TipUstrClick(c.item);
    EXPECT_EQ(form.tipUstr, c.type);
    EXPECT_EQ(form.cBoxKodF, c.function);
    EXPECT_EQ(form.Text(F::EditKolVh), c.kolVh);
    EXPECT_EQ(form.Text(F::EditKolDat), c.kolVh);
    if (c.xMax) {
      EXPECT_EQ(form.Text(F::EditXMax), c.xMax);
    }
    EXPECT_EQ(form.Enabled(C::EditXMax), c.xMaxOn);
    EXPECT_EQ(form.tipDate, c.tipDate);
    EXPECT_FALSE(form.Enabled(C::TipDate));
    EXPECT_EQ(form.byteOrder, Form::kNoChoice);
  }
}

TEST_F(Choices, FunctionsTheTypeCannotUseAreRefused) {
  ASSERT_TRUE(form.Open(5));
  form.TipUstrClick(1);  // "ТЕРН": analog only
  form.CBoxKodFClick(0);
  EXPECT_EQ(form.cBoxKodF, Form::kNoChoice);
  EXPECT_FALSE(form.Enabled(C::EditXMax));
  form.TipUstrClick(0);  // "ЛУР-01": discrete only
  form.CBoxKodFClick(3);
  EXPECT_EQ(form.cBoxKodF, Form::kNoChoice);
  EXPECT_EQ(ui.Texts(), (std::vector<std::string>(2, "недопустимая функция")));
}

TEST_F(Choices, DataTypeAndRegisterOrderFollowTheFunction) {
  ASSERT_TRUE(form.Open(5));
  form.TipUstrClick(5);  // "ЛУР-05": function 3 is IEEE754 in the first order
  form.CBoxKodFClick(2);
  EXPECT_EQ(form.tipDate, 1);
  EXPECT_EQ(form.byteOrder, 0);
  EXPECT_FALSE(form.Enabled(C::TipDate) || form.Enabled(C::Byte_Order));
  form.CBoxKodFClick(3);
  EXPECT_EQ(form.tipDate, 0);
  EXPECT_EQ(form.byteOrder, Form::kNoChoice);

  form.TipUstrClick(15);  // "другие ": the engineer chooses
  form.CBoxKodFClick(2);
  EXPECT_TRUE(form.Enabled(C::TipDate));
  EXPECT_EQ(form.tipDate, 0);
  form.TipDateClick(1);
  EXPECT_TRUE(form.Enabled(C::Byte_Order));
  EXPECT_EQ(form.byteOrder, 0);
  form.Byte_OrderClick(1);
  form.TipDateClick(0);
  EXPECT_FALSE(form.Enabled(C::Byte_Order));
  EXPECT_EQ(form.byteOrder, Form::kNoChoice);
  form.CBoxKodFClick(0);
  EXPECT_FALSE(form.Enabled(C::TipDate));
  EXPECT_EQ(form.tipDate, Form::kNoChoice);
}

TEST_F(Choices, EmptyFieldsAndRefusedKeysAreReportedAtOnce) {
  ASSERT_TRUE(form.Open(0));
  Type(F::EditKolDat, "");
  form.EditExit(F::EditKolDat);
  form.EditExit(F::EditKolVh);
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].text, "значение не задано\n");
  EXPECT_EQ(ui.shown[0].caption, " Ошибка ввода ");
  EXPECT_EQ(ui.shown[0].icon, MsgIcon::Warning);

  EXPECT_EQ(form.EditKeyDown(F::EditAdBegDat, {TKey::HexLetter}), TFieldKeyVerdict::Pass);
  EXPECT_EQ(form.EditKeyDown(F::EditKolVh, {TKey::HexLetter}), TFieldKeyVerdict::InputError);
  EXPECT_EQ(form.EditKeyDown(F::EditKolVh, {TKey::Enter}), TFieldKeyVerdict::NextControl);
  EXPECT_EQ(form.EditKeyDown(F::EditKolDat, {TKey::Enter}), TFieldKeyVerdict::InputError);
  EXPECT_EQ(ui.inputErrors, (std::vector<TFieldError>{{"EditKolVh", " Ошибка ввода "},
                                                      {"EditKolDat", " Ошибка ввода "}}));
}

// ---- the checks on closing --------------------------------------------------------------

using Checks = Fixture;

TEST_F(Checks, EveryRuleWithItsMessage) {
  struct Case {
    const char* name;
    int type;      // item
    int function;  // 1..4, 0 none
    const char* n;
    const char* d;
    const char* a;
    int tipDate;  // -1 as the choices left it
    std::vector<std::string> messages;
  };
  const std::string count01 = "ошибка в количестве выходов блока ЛУР-01\n";
  const std::string count = "ошибка в количестве выходов блока\n";
  const std::string start01 = "ошибка в начальном адресе данных в запросе блока ЛУР-01\n";
  const std::string start = "ошибка в начальном адресе данных в запросе\n";
  const std::string sum = "сумма нач адр и кол-ва данных в запросе >32(Dec)\n";
  const std::string quantity = "ошибка в количестве данных в запросе\n";
  const Case cases[] = {
      {"ЛУР-01 f1 12 at 0010", 0, 1, "12", "12", "0010", -1, {}},
      {"ЛУР-01 f1 at 0008", 0, 1, "12", "12", "0008", -1, {start01}},
      {"ЛУР-01 f1 20 outputs", 0, 1, "20", "20", "0000", -1, {count01}},
      {"ЛУР-01 f1 6 outputs", 0, 1, "6", "6", "0000", -1, {count01}},
      {"ЛУР-01 no outputs", 0, 1, "0", "0", "0000", -1, {count01}},
      {"ЛУР-01 f2 16 at 0014", 0, 2, "16", "16", "0014", -1, {sum}},
      {"ЛУР-01 f2 16 at 0020", 0, 2, "16", "16", "0020", -1, {start01, sum}},
      {"ЛУР-01 f2 quantity", 0, 2, "8", "4", "0000", -1, {quantity}},
      {"ТЕРН 1 at 0", 1, 3, "1", "1", "0000", -1, {}},
      {"СУР-ЛО 2 at 5", 2, 4, "2", "2", "0005", -1, {count, start}},
      {"ВЕДА 7", 4, 3, "7", "7", "0000", -1, {count}},
      {"ВЕДА 12", 4, 3, "12", "12", "0100", -1, {}},
      {"ЛУР-05 f3 4/8 IEEE754", 5, 3, "4", "8", "0000", -1, {}},
      {"ЛУР-05 f3 4/4 IEEE754", 5, 3, "4", "4", "0000", -1, {quantity}},
      {"ЛУР-05 f3 integers", 5, 3, "4", "4", "0000", 0, {quantity}},
      {"ЛУР-05 f3 integers, wrong quantity", 5, 3, "4", "8", "0000", 0, {quantity, quantity}},
      {"ЛУР-05 f1 44", 5, 1, "44", "44", "0000", -1, {count}},
      {"ЛУР-05 f2 192", 5, 2, "48", "48", "0000", -1, {}},
      {"ЛУР-05 f4 13", 5, 4, "13", "13", "0000", -1, {count}},
      {"другие f3 IEEE754", 15, 3, "3", "6", "0000", 1, {}},
      {"другие f4 integers", 15, 4, "3", "6", "0000", 0, {quantity}},
      {"другие f2 6", 15, 2, "6", "6", "0000", -1, {count}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ui.shown.clear();
    Create(5, c.type, c.function, c.n, c.d, c.a);
    if (c.tipDate >= 0) {
      form.tipDate = c.tipDate;  // the list shows the data type as chosen
    }
    const int result = Close();
    EXPECT_EQ(ui.Texts(), c.messages);
    EXPECT_EQ(result, c.messages.empty() ? kModalOk : kModalError);
    for (const TMessage& m : ui.shown) EXPECT_EQ(m.caption, " Ошибка ввода ");
    NetworkConfig::Build(config = TConfiguration{});
  }
}

TEST_F(Checks, TheHeadIsCheckedFieldByFieldAndStopsAtTheFirstFailure) {
  struct Case {
    const char* name;
    std::function<void(Fixture&)> spoil;
    const char* message;
  };
  const Case cases[] = {
      {"no type", [](Fixture& f) { f.form.TipUstrClick(9); }, "тип устройства не задан\n"},
      {"no function", [](Fixture& f) { f.form.cBoxKodF = Form::kNoChoice; }, "код функции не задан\n"},
      {"no slave", [](Fixture& f) { f.Type(F::EditUstr, ""); }, "адрес Slave в локальной сети не задан\n"},
      {"slave 0", [](Fixture& f) { f.Type(F::EditUstr, "0"); }, "адрес Slave в локальной сети задан неверно\n"},
      {"slave 256", [](Fixture& f) { f.Type(F::EditUstr, "256"); }, "адрес Slave в локальной сети задан неверно\n"},
      {"no count", [](Fixture& f) { f.Type(F::EditKolVh, ""); }, "количество выходов блока не задано\n"},
      {"no maximum", [](Fixture& f) { f.Type(F::EditXMax, ""); }, "макс.значение кода не задано\n"},
      {"no start", [](Fixture& f) { f.Type(F::EditAdBegDat, ""); }, "нач адр данных в запросе не задан\n"},
      {"no quantity", [](Fixture& f) { f.Type(F::EditKolDat, ""); }, "количество данных в запросе не задано\n"},
      {"maximum", [](Fixture& f) { f.Type(F::EditXMax, "16385"); }, "ошибка в максимальном значении кода\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ui.shown.clear();
    Create(5, 1, 3, "1", "1");
    c.spoil(*this);
    EXPECT_EQ(Close(), kModalError);
    EXPECT_EQ(ui.Texts(), std::vector<std::string>{c.message});
    EXPECT_EQ(config.MBM.GetKodF(5), 0);
  }
}

TEST_F(Checks, ARejectedCorrectionPutsMemoryBackAsItWas) {
  config.FB.FBModified = 1;
  const MemoryImage before(config);
  ASSERT_TRUE(form.Open(0));
  Type(F::EditKolVh, "12");
  Type(F::EditKolDat, "12");
  Type(F::EditAdBegDat, "0008");  // refused by the ЛУР-01 start rule
  EXPECT_EQ(Close(), kModalError);
  EXPECT_EQ(MemoryImage(config), before);
  EXPECT_EQ(config.MBM.TableClean, 1);
  EXPECT_EQ(config.FB.FBToWrite, 0);
  EXPECT_EQ(config.FB.FBModified, 1);
}

TEST_F(Checks, AnAnalogBlockWithoutDiscretePlacesStaysUnconfigured) {
  // 116 entries are free after entry 76: 30 analog values would need 120.
  config.Serv.SetProcessedAnalogCount(12);
  const MemoryImage before(config);
  Create(5, 15, 3, "12", "12");
  EXPECT_EQ(Close(), kModalOk);  // 48 more entries fit
  Create(6, 15, 3, "12", "12");
  EXPECT_EQ(Close(), kModalOk);
  Create(7, 15, 4, "12", "12");
  EXPECT_EQ(Close(), kModalError);
  EXPECT_EQ(ui.Texts(), std::vector<std::string>{"не хватает свободных адресов лок. сети\n"});
  EXPECT_EQ(config.MBM.GetKodF(7), 0);
  EXPECT_NE(MemoryImage(config), before);  // the two accepted blocks stay
}

TEST_F(Checks, TooManyAnalogValuesAreRefused) {
  config.Serv.SetProcessedAnalogCount(40);  // 8 analog places left
  const MemoryImage before(config);
  Create(5, 15, 3, "12", "12");
  EXPECT_EQ(Close(), kModalError);
  EXPECT_EQ(ui.Texts(), std::vector<std::string>{" Не хватает адресов для аналоговых входов\n"});
  EXPECT_EQ(MemoryImage(config), before);
  ui.shown.clear();
  Create(5, 15, 3, "8", "8");
  EXPECT_EQ(Close(), kModalOk);
  EXPECT_EQ(config.Serv.GetProcessedAnalogCount(), 48);
}

// ---- accepted blocks --------------------------------------------------------------------

using Accepted = Fixture;

TEST_F(Accepted, AGrowingBlockMovesEveryReferenceAfterIt) {
  ASSERT_TRUE(form.Open(0));
  Type(F::EditKolVh, "12");
  Type(F::EditKolDat, "12");
  ASSERT_EQ(Close(), kModalOk);
  EXPECT_EQ(config.MBM.GetKolVh(0), 12);
  EXPECT_EQ(config.MBM.GetStAddr_Beg1(1), 48);
  EXPECT_EQ(config.MBM.GetStAddr_Beg1(2), 72);
  EXPECT_EQ(config.MBM.GetStAddr_Beg2(2), 12);
  EXPECT_EQ(config.Serv.GetProcessedDiscreteCount(), 80);
  EXPECT_EQ(NetworkConfig::Refs(config, 0), (std::array<int, 4>{5, 37, 49, 74}));
  EXPECT_EQ(NetworkConfig::F15Refs(config), (std::array<int, 5>{37, 41, 49, 74, 200}));
  EXPECT_EQ(config.Lur.GetRecByte(73, 6), 0x85);
  EXPECT_EQ(config.Reg.GetAnVh(1), 8);
  EXPECT_EQ(config.FB.FBToWrite, 1);
  EXPECT_EQ(config.F15.F15Changed, 1);
  EXPECT_EQ(config.MBM.BaseRewrite, 1);
  EXPECT_EQ(config.MBM.TableClean, 0);
  EXPECT_EQ(config.MBM.GroupsClean, 1);
  EXPECT_EQ(config.Serv.GetNetDiscreteCount(0), 12);
  EXPECT_EQ(form.ButtonCaption(), "Ф1");
  EXPECT_TRUE(scaling.shown.empty());
}

TEST_F(Accepted, AShrinkingBlockDropsItsTailAndTheReferencesToIt) {
  ASSERT_TRUE(form.Open(0));
  Type(F::EditKolVh, "4");
  Type(F::EditKolDat, "4");
  ASSERT_EQ(Close(), kModalOk);
  EXPECT_EQ(NetworkConfig::Refs(config, 0), (std::array<int, 4>{5, 37, 41, 66}));
  EXPECT_EQ(NetworkConfig::F15Refs(config), (std::array<int, 5>{37, 0, 41, 66, 200}));
  EXPECT_EQ(config.MBM.GetStAddr_Beg1(1), 40);
  EXPECT_EQ(config.Serv.GetProcessedDiscreteCount(), 72);
  EXPECT_EQ(config.Serv.GetInputText(65), "B2E1" + std::string(10, ' '));
}

TEST_F(Accepted, AShrinkingAnalogBlockTakesTheLoopsOfItsDroppedValues) {
  ASSERT_TRUE(form.Open(1));
  Type(F::EditKolVh, "1");
  Type(F::EditKolDat, "1");
  ASSERT_EQ(Close(), kModalOk);
  // Values 2..6 (analog 8..12, entries 48..67) are gone.
  EXPECT_EQ(NetworkConfig::Refs(config, 0), (std::array<int, 4>{5, 37, 45, 50}));
  EXPECT_EQ(NetworkConfig::Refs(config, 1), (std::array<int, 4>{3, 7, 0, 0}));
  EXPECT_EQ(NetworkConfig::F15Refs(config), (std::array<int, 5>{37, 41, 45, 50, 200}));
  EXPECT_EQ(config.Reg.UsedRegs(), 1);  // the loop on analog 8 is gone
  EXPECT_EQ(config.Reg.GetAnVh(0), 3);
  EXPECT_EQ(config.Reg.RegModified, 1);
  EXPECT_EQ(config.MBM.GetStAddr_Beg1(2), 48);
  EXPECT_EQ(config.MBM.GetStAddr_Beg2(2), 7);
  EXPECT_EQ(config.MBM.GroupsClean, 0);
  EXPECT_EQ(config.MBM.GetPoz(0), std::string(8, ' '));  // the block's channel takes the defaults
  EXPECT_EQ(scaling.shown, std::vector<int>{1});
}

TEST_F(Accepted, AnotherFunctionOfTheSameKindKeepsEveryReference) {
  const MemoryImage before(config);
  ASSERT_TRUE(form.Open(1));
  form.CBoxKodFClick(3);  // "ВЕДА" function 4: input registers instead of holding ones
  ASSERT_EQ(Close(), kModalOk);
  EXPECT_EQ(config.MBM.GetKodF(1), 4);
  EXPECT_EQ(config.FB.GetRecord(0), before.fb[0]);
  EXPECT_EQ(config.FB.GetRecord(1), before.fb[1]);
  EXPECT_EQ(config.Reg.UsedRegs(), 2);
  EXPECT_EQ(config.MBM.GetPoz(2), "TAG3    ");
  EXPECT_EQ(config.MBM.TableClean, 0);
  EXPECT_EQ(config.MBM.GroupsClean, 1);
  EXPECT_EQ(config.FB.FBToWrite, 0);
}

TEST_F(Accepted, ADiscreteBlockTurnedAnalogMovesBothLists) {
  ASSERT_TRUE(form.Open(2));
  form.TipUstrClick(15);
  form.CBoxKodFClick(3);
  Type(F::EditUstr, "3");
  Type(F::EditKolVh, "2");
  Type(F::EditKolDat, "2");
  ASSERT_EQ(Close(), kModalOk);
  EXPECT_EQ(config.MBM.GetStAddr_Beg2(2), 12);
  EXPECT_EQ(config.Serv.GetProcessedDiscreteCount(), 76);
  EXPECT_EQ(config.Serv.GetProcessedAnalogCount(), 14);
  EXPECT_EQ(config.Serv.GetNetAnalogTotal(), 8);
  EXPECT_EQ(NetworkConfig::Refs(config, 0), (std::array<int, 4>{5, 37, 45, 0}));
  EXPECT_EQ(config.Lur.GetRecords()[69], TProgLurClass::kEmptyRecord);
}

TEST_F(Accepted, ABlockCreatedInAGapPushesTheFollowingBlocksUp) {
  NetworkConfig::Block(config, 4, 5, 2, 8, 68, 12);  // block 2 moves to place 4
  config.MBM.ClearBlock(2);
  Create(2, 0, 1, "4", "4");
  ASSERT_EQ(Close(), kModalOk);
  EXPECT_EQ(config.MBM.GetStAddr_Beg1(2), 68);
  EXPECT_EQ(config.MBM.GetStAddr_Beg1(4), 72);
  EXPECT_EQ(config.MBM.GetStAddr_Beg2(4), 12);
  EXPECT_EQ(config.Serv.GetProcessedDiscreteCount(), 80);
  EXPECT_EQ(NetworkConfig::Refs(config, 0), (std::array<int, 4>{5, 37, 45, 74}));
  EXPECT_EQ(config.Lur.GetRecByte(73, 6), 0x85);
  EXPECT_EQ(config.Serv.GetInputText(73), "B2E1" + std::string(10, ' '));
  EXPECT_EQ(config.MBM.BaseRewrite, 1);
}

TEST_F(Accepted, TheLastBlockSetsTheCountsFromItsEnd) {
  Create(15, 5, 2, "8", "8");
  ASSERT_EQ(Close(), kModalOk);
  EXPECT_EQ(config.MBM.GetStAddr_Beg1(15), 76);
  EXPECT_EQ(config.Serv.GetProcessedDiscreteCount(), 84);
  EXPECT_EQ(config.Serv.GetNetDiscreteTotal(), 24);
  EXPECT_EQ(config.Serv.GetNetBlockTotal(), 4);
}

TEST_F(Accepted, ABlockOpenedAndClosedUnchangedStaysClean) {
  const MemoryImage before(config);
  ASSERT_TRUE(form.Open(1));
  ASSERT_EQ(Close(), kModalOk);
  EXPECT_EQ(config.MBM.TableClean, 1);
  EXPECT_EQ(config.MBM.GroupsClean, 1);
  EXPECT_EQ(config.FB.FBToWrite, 0);
  EXPECT_EQ(config.Serv.Modified, 0);
  EXPECT_EQ(config.MBM.GetTable(), before.mbm);
  EXPECT_EQ(scaling.shown, std::vector<int>{1});  // an analog block: scaling opens
}

TEST_F(Accepted, FileModeMarksTheConfiguration) {
  config.Serv.FileMode = 1;
  ASSERT_TRUE(form.Open(0));
  Type(F::EditUstr, "9");
  ASSERT_EQ(Close(), kModalOk);
  EXPECT_EQ(config.Serv.Modified, 1);
  EXPECT_EQ(config.MBM.TableClean, 0);
}

// ---- the seam ---------------------------------------------------------------------------

TEST_F(Fixture, TheSeamChecksEveryCloseAndReportsTheResult) {
  int shows = 0;
  TModalFunction<Form> window([&](Form& f) {
    ++shows;
    f.EditChange(F::EditAdBegDat, "0008");
    return kModalOk;  // closed without the checks: the seam runs them
  });
  TMBMBlockDialog dialog{form, window};
  const MemoryImage before(config);
  EXPECT_EQ(dialog.Program({0}), kModalError);
  EXPECT_EQ(MemoryImage(config), before);

  TModalFunction<Form> ok([](Form& f) { return f.FormCloseQuery(); });
  TMBMBlockDialog accepting{form, ok};
  EXPECT_EQ(accepting.Program({1}), kModalOk);

  config.Serv.SetProcessedDiscreteCount(192);
  EXPECT_EQ(dialog.Program({9}), kModalCancel);
  EXPECT_EQ(shows, 1);
}

}  // namespace
}  // namespace lur

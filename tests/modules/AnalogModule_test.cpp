// The analog module editor against the simulated controller: the layout of
// each module type, every kind of edit byte by byte, what leaves the block
// untouched, the closing flow for every answer and the writes that fail,
// the copy buffer, the calibration button and the module report.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "link/TComPortClass.h"
#include "model/Cp1251.h"
#include "model/TConfiguration.h"
#include "modules/TFormPROGController.h"
#include "session/TModalWindow.h"
#include "session/TServAddressing.h"
#include "session/TSession.h"
#include "modules/AnalogModuleConfig.h"
#include "support/SimPort.h"
#include "ui/TScriptedUserInterface.h"

namespace lur::test {
namespace {

using E = TProgEdit;
using L = TProgList;
using Block = TProgMBAClass::Block;

constexpr const char* kNoAccess = "Ваш уровень доступа не позволяет\nпроизводить вывод в СОМ-порт";

struct AnalogModule : ::testing::Test {
  VirtualClock clock;
  // A discrete module, a linear module (type 7), a thermo module (type 8,
  // its channels 100П on range 19), a current module (type 9), a relay module.
  SimPort line{clock, WithModules({1, 7, 8, 9, 3, 0, 0, 0})};
  TScriptedUserInterface ui;
  TComPortClass link{line, clock};
  TConfiguration config;
  TServAddressing addressing{config.Serv};
  TSession session{config, link, ui, addressing};
  std::vector<TEditorRequest> calibrations;
  TEditorRegistry editors;
  TFormPROGController form{session, editors};
  std::vector<std::string> flashed;

  AnalogModule() {
    link.PortName = "COM1";
    config.Lur.FullAccess = 1;
    form.flash = [this](const std::string& field) { flashed.push_back(field); };
    Load();
  }

  void Load() { ASSERT_TRUE(LoadAnalogConfig(line, config)); }
  // Opens analog module `module` (1-based) in its slot.
  bool Open(int module) {
    const int slot = config.Serv.GetDiModuleCount() + module;
    TEditorRequest request{TEditor::AnalogModule, slot, module, config.Serv.GetModuleType(slot - 1)};
    request.typeName = "МВА";
    request.inputs = "AI_1 - AI_6";
    return form.Open(request);
  }
  int Slot() const { return config.Serv.GetDiModuleCount() + form.Module(); }
  int Saved() const { return config.MBA.GetBlockSaved(Slot()); }
  const Block& BlockOf(int module) const { return config.MBA.GetBlock(module - 1); }
  // Types a text into a field and leaves it.
  void Type(int c, E e, const std::string& text) {
    form.EditChange(c, e, text);
    form.EditExit(c, e);
  }
  std::vector<std::string> Items(int c, L l) const { return form.Channel(c).List(l).items; }
  int Selected(int c, L l) const { return form.Channel(c).List(l).index; }
  Block ControllerBlock(int module) const { return HeldBlock(line, module); }
};

// ---- layout ---------------------------------------------------------------------------------

TEST_F(AnalogModule, LayoutFollowsTheModuleType) {
  struct Case {
    int module;
    bool newVersion;
    std::vector<std::string> scale;
    std::vector<std::string> inputs;
    bool rangeLists;
  };
  const std::vector<std::string> scales = {"линейная", "корневая", "полином"};
  std::vector<std::string> sensors = {"\u0425\u041A(L)", "XK(E)",  "XA(K)",  "\u0416\u041A(J)", "MK(T)",
                                      "\u041F\u041F(S)", "\u041F\u041F(R)", "BP(A1)", "BP(A2)", "BP(A3)",
                                      "100\u041F",       "50\u041F", "Pt100", "Ni", "100M", "50M"};
  std::vector<std::string> sensorsNew = sensors;
  sensorsNew[7] = "резерв";
  sensorsNew[8] = "Гр. 21";
  sensorsNew[9] = "Гр. 23";
  const std::vector<std::string> currents = {"4 - 20 мА", "0 - 20 мА", "0 - 5 мА"};
  const std::vector<Case> cases = {
      {1, false, scales, {}, false},           // type 7
      {2, false, sensors, {}, true},           // type 8, old version
      {2, true, sensorsNew, {}, true},         // type 8, new version
      {3, false, scales, currents, false},     // type 9
  };
  for (const Case& k : cases) {
    config.MBA.SetNewVersion(k.module - 1, k.newVersion ? 1 : 0);
    ASSERT_TRUE(Open(k.module));
    EXPECT_EQ(form.InputTypeShown(), !k.inputs.empty()) << k.module;
    for (int c = 0; c < 6; ++c) {
      EXPECT_EQ(Items(c, L::Sk), k.scale) << k.module << " " << c;
      EXPECT_EQ(Items(c, L::TInp), k.inputs) << k.module;
      EXPECT_EQ(form.Channel(c).rangeLists, k.rangeLists) << k.module;
      EXPECT_EQ(Items(c, L::Razm).size(), 16u);
      EXPECT_EQ(Selected(c, L::Razm), config.MBA.GetUnit(k.module - 1, c)) << k.module;
    }
  }
  // The names mix scripts as the controller spells them.
  EXPECT_EQ(sensors[0].substr(0, 2), "\xD0\xA5");  // Cyrillic Х
  EXPECT_EQ(sensors[1][0], 'X');
  EXPECT_EQ(sensors[10].substr(3), "\xD0\x9F");  // Cyrillic П
}

TEST_F(AnalogModule, PressureAndSecondLinearModules) {
  Remake(line, {6, 13, 0, 0, 0, 0, 0, 0});
  Load();
  ASSERT_TRUE(Open(1));
  EXPECT_TRUE(form.InputTypeShown());
  EXPECT_EQ(Items(0, L::TInp),
            (std::vector<std::string>{"20-100 кПа", "0,2-1 кгс/см2", "0,2-1 атм", "0,2-1 бар", "резерв"}));
  EXPECT_EQ(form.Channel(0).List(L::TInp).index, 0);
  EXPECT_EQ(form.Channel(0).List(L::Razm).Text(), "КПа");
  ASSERT_TRUE(Open(2));
  EXPECT_FALSE(form.InputTypeShown());  // type 13 as type 7
  EXPECT_TRUE(Items(0, L::TInp).empty());
  EXPECT_EQ(Items(0, L::Sk).size(), 3u);
}

TEST_F(AnalogModule, RangeListsPositionOnTheStoredRange) {
  ASSERT_TRUE(Open(2));  // 100П, range index 19: -50 .. 200
  EXPECT_EQ(Items(0, L::MinSk), (std::vector<std::string>{"-200", "-150", "-120", "-100", "-90", "-70", "-50", "-30",
                                                          "-25", "-20", "0", "100", "50", "200", "-10"}));
  EXPECT_EQ(form.Channel(0).List(L::MinSk).Text(), "-50");
  EXPECT_EQ(Items(0, L::MaxSk),
            (std::vector<std::string>{"0", "50", "100", "150", "200", "250", "400", "500", "120"}));
  EXPECT_EQ(form.Channel(0).List(L::MaxSk).Text(), "200");
  EXPECT_EQ(form.Channel(0).List(L::Sk).Text(), "100\u041F");
  // Texts as filled: typed limits keep their full text beyond the typing limit.
  EXPECT_EQ(form.Channel(0).Text(E::NSK), "-50,0000");
  EXPECT_EQ(form.Channel(0).Text(E::Poz), "поз.201");
}

TEST_F(AnalogModule, LabelsAndHints) {
  ASSERT_TRUE(Open(2));
  EXPECT_EQ(form.LabNMod(), "2");
  EXPECT_EQ(form.LabTMod(), "МВА");
  EXPECT_EQ(form.LabN(), "входы AI_1 - AI_6");
  EXPECT_EQ(form.LabelHint(0), "номер аналогового сигнала в базе 7 (адрес 0x06)");
  EXPECT_EQ(form.LabelHint(5), "номер аналогового сигнала в базе 12 (адрес 0x0B)");
  EXPECT_EQ(TFormPROGController::EditName(E::UstHH, 5), "Ust6HH");
  EXPECT_EQ(TFormPROGController::EditName(E::NSK, 0), "NSK1");
  EXPECT_EQ(TFormPROGController::ListName(L::MaxSk, 2), "MaxSk3");
}

TEST_F(AnalogModule, OpeningRefusesWhatIsNoAnalogModule) {
  EXPECT_FALSE(form.Open({TEditor::AnalogModule, 1, 1, 1}));   // a discrete type
  EXPECT_FALSE(form.Open({TEditor::AnalogModule, 9, 1, 7}));   // no slot 9
  EXPECT_FALSE(form.Open({TEditor::AnalogModule, 2, 0, 7}));   // no module 0
  EXPECT_EQ(config.MBA.EditSlot, 0);
  ASSERT_TRUE(Open(1));
  EXPECT_EQ(config.MBA.EditSlot, 2);
}

// ---- the thermo module's sensors and ranges ------------------------------------------------------

TEST_F(AnalogModule, SwitchingSensorsRefillsTheRangesAndStoresTheFirstOrTypedLimits) {
  ASSERT_TRUE(Open(2));
  form.SkChange(0, 2);  // XA(K): range 0 is -50 .. 200
  EXPECT_TRUE(form.Channel(0).rangeLists);
  EXPECT_EQ(config.MBA.GetScaleType(1, 0), 2);
  EXPECT_EQ(config.MBA.GetRangeIndex(1, 0), 0);
  EXPECT_EQ(config.MBA.GetMinSkText(1, 0), "-50,0000");
  EXPECT_EQ(config.MBA.GetMaxSkText(1, 0), "200,0000");
  EXPECT_EQ(form.Channel(0).List(L::MinSk).Text(), "-50");
  EXPECT_EQ(Saved(), 0);

  form.MinSkChange(0, 1);  // minimum 0
  EXPECT_EQ(Items(0, L::MaxSk), (std::vector<std::string>{"200", "300", "400", "600", "800", "900", "1100"}));
  EXPECT_EQ(config.MBA.GetRangeIndex(1, 0), 1);  // (0, 200)
  EXPECT_EQ(config.MBA.GetMinSkText(1, 0), "0,0000");
  form.MaxSkChange(0, 6);  // (0, 1100)
  EXPECT_EQ(config.MBA.GetRangeIndex(1, 0), 7);
  EXPECT_EQ(config.MBA.GetMaxSkText(1, 0), "1100,000");

  form.SkChange(0, 14);  // 100M: typed limits -200 .. 200
  EXPECT_FALSE(form.Channel(0).rangeLists);
  EXPECT_EQ(form.Channel(0).Text(E::NSK), "-200,0000");
  EXPECT_EQ(form.Channel(0).Text(E::VSK), "200,0000");
  EXPECT_EQ(config.MBA.GetReal(1, 0, TProgMBAClass::ChannelReal::MinSk), -200.0f);
  EXPECT_EQ(config.MBA.GetRangeIndex(1, 0), 0);

  // The same sensor chosen again changes nothing.
  const Block before = BlockOf(2);
  form.SkChange(0, 14);
  EXPECT_EQ(BlockOf(2), before);
}

TEST_F(AnalogModule, NewVersionTypesTheLimitsOfGroup23) {
  config.MBA.SetNewVersion(1, 1);
  ASSERT_TRUE(Open(2));
  form.SkChange(1, 9);  // "Гр. 23"
  EXPECT_FALSE(form.Channel(1).rangeLists);
  Type(1, E::VSK, "150");
  EXPECT_EQ(config.MBA.GetMaxSkText(1, 1), "150,0000");
  Type(1, E::VSK, "201");
  EXPECT_EQ(ui.inputErrors.back(), (TFieldError{"VSK2", " Ошибка ввода "}));
  EXPECT_EQ(config.MBA.GetMaxSkText(1, 1), "150,0000");
  EXPECT_EQ(form.Channel(1).Text(E::VSK), "150,0000");
}

// ---- stored values out of their lists ------------------------------------------------------------

TEST_F(AnalogModule, CodesOutsideTheirListsSelectNothingAndCloseAsksForAChoice) {
  config.MBA.SetScaleType(0, 3, 5);     // linear module: no scale 5
  config.MBA.SetRangeIndex(1, 0, 50);   // thermo: 46 ranges
  config.MBA.SetInputType(2, 4, 6);     // current module: three inputs
  const Block linear = BlockOf(1);

  ASSERT_TRUE(Open(1));
  EXPECT_EQ(Selected(3, L::Sk), -1);
  EXPECT_EQ(form.Channel(3).List(L::Sk).Text(), "");
  form.ListExit(3, L::Sk);
  EXPECT_EQ(flashed, std::vector<std::string>{"Sk4"});
  ui.answers = {MsgAnswer::No};
  EXPECT_FALSE(form.FormCloseQuery(false));  // "No": the window stays
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].text, "Ошибка программирования \nЗакончить?");
  EXPECT_EQ(ui.shown[0].caption, "Подтвердите окончание программирования");
  EXPECT_EQ(ui.shown[0].buttons, MsgButtons::YesNo);
  EXPECT_EQ(BlockOf(1), linear);

  ASSERT_TRUE(Open(2));
  EXPECT_EQ(Selected(0, L::MinSk), -1);
  EXPECT_EQ(Selected(0, L::MaxSk), -1);
  EXPECT_EQ(Items(0, L::MinSk).size(), 15u);
  EXPECT_TRUE(Items(0, L::MaxSk).empty());
  form.MaxSkChange(0, 0);  // nothing to choose from
  EXPECT_EQ(config.MBA.GetRangeIndex(1, 0), 50);
  flashed.clear();
  ui.answers = {MsgAnswer::Yes};
  EXPECT_TRUE(form.FormCloseQuery(false));
  EXPECT_EQ(flashed, std::vector<std::string>{"MinSk1"});
  EXPECT_EQ(form.ModalResult(), kModalError);

  ASSERT_TRUE(Open(3));
  EXPECT_EQ(Selected(4, L::TInp), -1);
  form.TInpChange(4, 7);  // past the list: nothing
  EXPECT_EQ(config.MBA.GetInputType(2, 4), 6);
  form.TInpChange(4, 2);
  EXPECT_EQ(config.MBA.GetInputType(2, 4), 2);
  EXPECT_EQ(config.MBA.GetDeadZone(2, 4), 1);  // the other bits of the byte kept
}

// ---- untouched fields, typed inputs -------------------------------------------------------------

TEST_F(AnalogModule, AnUntouchedWindowClosesWithNothingOnTheLine) {
  // Values whose text is rounded: shown as "0,0000" and "-0,0001".
  config.MBA.SetReal(0, 0, TProgMBAClass::ChannelReal::UstLL, 0.00003f);
  config.MBA.SetReal(0, 1, TProgMBAClass::ChannelReal::UstH, -0.00007f);
  config.MBA.SetBlockByte(0, 1 + 28 * 2 + 20, 0);  // a tag cut by a zero byte
  config.Reserv.SaveAll(config);
  const Block before = BlockOf(1);
  ASSERT_TRUE(Open(1));
  EXPECT_EQ(form.Channel(0).Text(E::UstLL), "0,0000");
  for (int c = 0; c < 6; ++c) {
    for (int e = 0; e < static_cast<int>(E::Count); ++e) form.EditExit(c, static_cast<E>(e));
    for (L l : {L::Sk, L::Razm}) form.ListExit(c, l);
  }
  EXPECT_TRUE(form.FormCloseQuery(false));
  EXPECT_EQ(form.ModalResult(), kModalOk);
  EXPECT_EQ(BlockOf(1), before);
  EXPECT_TRUE(ui.shown.empty());
  EXPECT_TRUE(ui.inputErrors.empty());
  EXPECT_TRUE(flashed.empty());
  EXPECT_TRUE(line.requests.empty());
  EXPECT_EQ(Saved(), 1);
}

TEST_F(AnalogModule, RefusedInputsLeaveTheBlockAndRestoreTheText) {
  struct Case {
    int module;
    E edit;
    std::string text;
    std::string error;
  };
  const std::vector<Case> cases = {
      {1, E::NSK, "40000", "Величина вне диапазона -32767 - 32767"},
      {1, E::UstL, "1,2,3", " Ошибка ввода "},
      {1, E::VSK, "", " Ошибка ввода "},
      {1, E::UstHH, "-", " Ошибка ввода "},
      {1, E::ZonaIns, "4", "Величина вне диапазона 0 - 3"},
      {2, E::VSK, "250", " Ошибка ввода "},  // a 100M channel: -200 .. 200
  };
  for (const Case& k : cases) {
    ASSERT_TRUE(Open(k.module));
    if (k.module == 2) form.SkChange(0, 14);
    const Block before = BlockOf(k.module);
    const int saved = Saved();
    const std::string shown = form.Channel(0).Text(k.edit);
    ui.inputErrors.clear();
    Type(0, k.edit, k.text);
    EXPECT_EQ(BlockOf(k.module), before) << k.text;
    EXPECT_EQ(Saved(), saved) << k.text;
    EXPECT_EQ(form.Channel(0).Text(k.edit), shown) << k.text;
    ASSERT_EQ(ui.inputErrors.size(), 1u) << k.text;
    EXPECT_EQ(ui.inputErrors[0], (TFieldError{TFormPROGController::EditName(k.edit, 0), k.error})) << k.text;
  }
}

TEST_F(AnalogModule, EachKindOfEditStoresItsBytes) {
  ASSERT_TRUE(Open(1));
  const Block before = BlockOf(1);
  Type(0, E::UstH, "12.5");  // a point is the decimal comma
  EXPECT_EQ(form.Channel(0).Text(E::UstH), "12,5");
  Type(1, E::NSK, "-10");
  Type(2, E::Poz, "ТЕ-1");
  form.RazmChange(3, 2);
  form.SkChange(4, 1);
  Type(5, E::ZonaIns, "3");
  Block expected = before;
  const std::array<std::uint8_t, 3> r125 = {0x00, 0x64, 0x04};  // 0x6400 * 2^-11
  const std::array<std::uint8_t, 3> rm10 = {0x00, 0xB0, 0x04};   // -0x5000 * 2^-11
  std::copy(r125.begin(), r125.end(), expected.begin() + 1 + 14);
  std::copy(rm10.begin(), rm10.end(), expected.begin() + 1 + 28 + 2);
  const std::string tag = Utf8ToCp1251("ТЕ-1") + "    ";
  std::copy(tag.begin(), tag.end(), expected.begin() + 1 + 56 + 20);
  expected[1 + 84] = static_cast<std::uint8_t>((expected[1 + 84] & 0x0F) | 0x20);
  expected[1 + 112] = static_cast<std::uint8_t>((expected[1 + 112] & 0xF0) | 1);
  expected[1 + 140 + 1] = static_cast<std::uint8_t>((expected[1 + 140 + 1] & 0xCF) | 0x30);
  EXPECT_EQ(BlockOf(1), expected);
  EXPECT_EQ(Saved(), 0);

  ui.answers = {MsgAnswer::Yes};
  EXPECT_TRUE(form.FormCloseQuery(false));
  EXPECT_EQ(line.PagesWritten(), std::vector<std::uint8_t>{1});
  EXPECT_EQ(ControllerBlock(1), expected);
  EXPECT_EQ(line.RequestsOf(0x45)[0].size(), 2u + 169 + 2);
  EXPECT_EQ(config.Reserv.ResMBA[0], expected);
  EXPECT_EQ(Saved(), 1);
}

TEST_F(AnalogModule, AChangedThermoSensorReachesTheController) {
  ASSERT_TRUE(Open(2));
  form.SkChange(2, 2);
  form.MinSkChange(2, 1);  // (0, 200)
  ui.answers = {MsgAnswer::Yes};
  EXPECT_TRUE(form.FormCloseQuery(false));
  const Block held = ControllerBlock(2);
  EXPECT_EQ(held, BlockOf(2));
  EXPECT_EQ(held[1 + 56] & 0x0F, 2);
  EXPECT_EQ(held[1 + 56 + 1] & 0x3F, 1);
}

TEST_F(AnalogModule, TheNextStatesReadFollowsAWrittenScale) {
  // The value text of analog signal 1 (7 characters of the 0x47 record).
  const auto valueText = [this] {
    const std::uint8_t data[] = {0, 1};
    std::array<std::uint8_t, 64> answer{};
    EXPECT_EQ(link.Transact(0, 0x47, 2, data, answer), 0);
    std::string text(answer.begin() + 3, answer.begin() + 10);
    return text.substr(text.find_first_not_of(' '));
  };
  const std::string before = valueText();  // 40 % of 0 .. 100
  ASSERT_TRUE(Open(1));
  Type(0, E::VSK, "1000");
  ui.answers = {MsgAnswer::Yes};
  EXPECT_TRUE(form.FormCloseQuery(false));
  EXPECT_EQ(before.substr(0, 2), "40");
  EXPECT_EQ(valueText().substr(0, 3), "400");
}

TEST_F(AnalogModule, TagsTypedAndNotLeftAreStoredOnClosing) {
  ASSERT_TRUE(Open(1));
  form.EditChange(4, E::Poz, "TT-42");
  ui.answers = {MsgAnswer::Yes};
  EXPECT_TRUE(form.FormCloseQuery(false));
  ASSERT_EQ(ui.shown.size(), 1u);  // the tag counted as a change
  EXPECT_EQ(ui.shown[0].text, "База  была изменена. Передать в прибор?");
  EXPECT_EQ(ui.shown[0].caption, "Подтвердите передачу базы данных");
  EXPECT_EQ(ui.shown[0].buttons, MsgButtons::YesNoCancel);
  EXPECT_EQ(ui.shown[0].defaultAnswer, MsgAnswer::No);
  const Block held = ControllerBlock(1);
  EXPECT_EQ(std::string(held.begin() + 1 + 112 + 20, held.begin() + 1 + 112 + 28), "TT-42   ");
  EXPECT_EQ(Saved(), 1);
}

// ---- closing -----------------------------------------------------------------------------------

TEST_F(AnalogModule, ClosingAnswers) {
  const Block original = BlockOf(1);
  ASSERT_TRUE(Open(1));
  Type(0, E::UstL, "7");

  ui.answers = {MsgAnswer::Cancel};  // the window stays with the change
  EXPECT_FALSE(form.FormCloseQuery(false));
  EXPECT_NE(BlockOf(1), original);
  EXPECT_EQ(Saved(), 0);

  ui.answers = {MsgAnswer::No};  // the block back from the reserve
  EXPECT_TRUE(form.FormCloseQuery(false));
  EXPECT_EQ(BlockOf(1), original);
  EXPECT_EQ(form.Channel(0).Text(E::UstL), config.MBA.GetUstLText(0, 0));
  EXPECT_EQ(Saved(), 1);
  EXPECT_TRUE(line.requests.empty());

  // Отмена puts the block back without a question.
  ASSERT_TRUE(Open(1));
  Type(0, E::UstL, "7");
  ui.shown.clear();
  EXPECT_TRUE(form.FormCloseQuery(true));
  EXPECT_EQ(form.ModalResult(), kModalCancel);
  EXPECT_EQ(BlockOf(1), original);
  EXPECT_TRUE(ui.shown.empty());
  EXPECT_EQ(Saved(), 1);
}

TEST_F(AnalogModule, AnEmptyTypedLimitEndsInError) {
  ASSERT_TRUE(Open(1));
  form.EditChange(2, E::VSK, "");  // emptied and not left
  ui.answers = {MsgAnswer::Yes};
  EXPECT_TRUE(form.FormCloseQuery(false));
  EXPECT_EQ(ui.inputErrors, (std::vector<TFieldError>{{"VSK3", " Ошибка ввода "}}));
  EXPECT_EQ(form.ModalResult(), kModalError);
  EXPECT_TRUE(line.requests.empty());
}

TEST_F(AnalogModule, FileModeMarksTheConfigurationOnEitherEnding) {
  config.Serv.FileMode = 1;
  ASSERT_TRUE(Open(1));
  Type(0, E::UstL, "7");
  EXPECT_TRUE(form.FormCloseQuery(false));
  EXPECT_EQ(config.Serv.Modified, 1);
  EXPECT_EQ(config.Reserv.ResMBA[0], BlockOf(1));
  EXPECT_EQ(Saved(), 1);
  EXPECT_TRUE(ui.shown.empty());

  // The "error" ending keeps the edit and marks it too.
  config.Serv.Modified = 0;
  ASSERT_TRUE(Open(1));
  Type(1, E::UstL, "8");
  form.EditChange(1, E::NSK, "");
  ui.answers = {MsgAnswer::Yes};
  EXPECT_TRUE(form.FormCloseQuery(false));
  EXPECT_EQ(form.ModalResult(), kModalError);
  EXPECT_EQ(config.MBA.GetUstLText(0, 1), "8,0000");
  EXPECT_EQ(config.Serv.Modified, 1);
  EXPECT_TRUE(line.requests.empty());

  // An untouched file-mode window marks nothing.
  config.Serv.Modified = 0;
  ASSERT_TRUE(Open(1));
  EXPECT_TRUE(form.FormCloseQuery(false));
  EXPECT_EQ(config.Serv.Modified, 0);
}

TEST_F(AnalogModule, TheErrorEndingInControllerModeKeepsTheMarkForTheNextClosing) {
  ASSERT_TRUE(Open(1));
  Type(1, E::UstL, "8");
  form.EditChange(1, E::NSK, "");
  ui.answers = {MsgAnswer::Yes};
  EXPECT_TRUE(form.FormCloseQuery(false));
  EXPECT_EQ(form.ModalResult(), kModalError);
  EXPECT_EQ(Saved(), 0);
  ui.shown.clear();
  ASSERT_TRUE(Open(1));
  ui.answers = {MsgAnswer::Yes};
  EXPECT_TRUE(form.FormCloseQuery(false));
  EXPECT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ControllerBlock(1), BlockOf(1));
  EXPECT_EQ(Saved(), 1);
}

// ---- failed and refused writes ----------------------------------------------------------------

struct WriteFailure {
  const char* name;
  std::function<void(SimPort&)> stage;
  int code;
};

class AnalogModuleWriteFails : public AnalogModule, public ::testing::WithParamInterface<WriteFailure> {};

TEST_P(AnalogModuleWriteFails, OneBoxTheMarkAndTheReserveStayAndTheNextClosingWrites) {
  const Block reserve = config.Reserv.ResMBA[0];
  ASSERT_TRUE(Open(1));
  Type(0, E::UstH, "55");
  const Block edited = BlockOf(1);
  GetParam().stage(line);
  ui.answers = {MsgAnswer::Yes};
  EXPECT_TRUE(form.FormCloseQuery(false));  // the window closes anyway
  ASSERT_EQ(ui.shown.size(), 2u);           // the question, then one failure box
  EXPECT_EQ(ui.shown[1].text, link.ErrorText(0, GetParam().code));
  EXPECT_EQ(BlockOf(1), edited);
  EXPECT_EQ(config.Reserv.ResMBA[0], reserve);
  EXPECT_EQ(Saved(), 0);

  // Opened again and closed at once: asked again, and written.
  line.ClearFaults();
  ui.shown.clear();
  ASSERT_TRUE(Open(1));
  EXPECT_EQ(Saved(), 0);  // the opening kept it
  ui.answers = {MsgAnswer::Yes};
  EXPECT_TRUE(form.FormCloseQuery(false));
  EXPECT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ControllerBlock(1), edited);
  EXPECT_EQ(config.Reserv.ResMBA[0], edited);
  EXPECT_EQ(Saved(), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Failures, AnalogModuleWriteFails,
    ::testing::Values(
        WriteFailure{"PageException", [](SimPort& l) { l.FailPage(0x45, 1, ExceptionAnswer(4)); }, 4},
        WriteFailure{"PollException", [](SimPort& l) { l.Fail({14, std::nullopt}, ExceptionAnswer(2)); }, 2},
        WriteFailure{"Silence", [](SimPort& l) { l.Fail({}, Silence()); }, 130}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(AnalogModule, TheLimitedLevelSendsNothingAndKeepsTheMark) {
  config.Lur.FullAccess = 0;
  ASSERT_TRUE(Open(1));
  Type(0, E::UstH, "55");
  ui.answers = {MsgAnswer::Yes};
  EXPECT_TRUE(form.FormCloseQuery(false));
  EXPECT_TRUE(line.requests.empty());
  ASSERT_EQ(ui.shown.size(), 2u);
  EXPECT_EQ(ui.shown[1].text, kNoAccess);
  EXPECT_EQ(Saved(), 0);
  EXPECT_EQ(config.MBA.GetUstHText(0, 0), "55,0000");
  EXPECT_FALSE(form.SaveClick());
  EXPECT_TRUE(line.requests.empty());
}

// ---- copy buffer, calibration, report ---------------------------------------------------------

TEST_F(AnalogModule, CopyAndReplaceBetweenModulesOfOneTypeAndFlag) {
  Remake(line, {7, 7, 9, 8, 8, 0, 0, 0});
  Load();
  config.MBA.SetNewVersion(4, 1);
  ASSERT_TRUE(Open(1));
  EXPECT_FALSE(form.ChangeEnabled());
  Type(0, E::Poz, "COPY");
  form.CopyBaseClick();
  EXPECT_TRUE(form.ChangeEnabled());
  const Block source = BlockOf(1);

  ASSERT_TRUE(Open(2));
  EXPECT_TRUE(form.ChangeEnabled());
  form.ChangeBaseClick();
  Block expected = source;
  expected[0] = 2;
  EXPECT_EQ(BlockOf(2), expected);
  EXPECT_EQ(form.Channel(0).Text(E::Poz), "COPY");
  EXPECT_EQ(Saved(), 0);

  ASSERT_TRUE(Open(3));  // type 9
  EXPECT_FALSE(form.ChangeEnabled());
  const Block other = BlockOf(3);
  form.ChangeBaseClick();
  EXPECT_EQ(BlockOf(3), other);

  ASSERT_TRUE(Open(4));  // thermo, old version
  form.CopyBaseClick();
  ASSERT_TRUE(Open(5));  // thermo, new version
  EXPECT_FALSE(form.ChangeEnabled());
  config.MBA.SetNewVersion(4, 0);
  ASSERT_TRUE(Open(5));
  EXPECT_TRUE(form.ChangeEnabled());
}

TEST_F(AnalogModule, CalibrationOpensThroughTheRegistryInControllerModeOnly) {
  ASSERT_TRUE(Open(2));
  EXPECT_FALSE(form.KalibrEnabled());  // no calibration window yet
  EXPECT_EQ(form.ButKalibrClick(), 0);
  editors.Register(TEditor::AnalogCalibration, [this](const TEditorRequest& r) {
    calibrations.push_back(r);
    return kModalOk;
  });
  EXPECT_TRUE(form.KalibrEnabled());
  EXPECT_EQ(form.ButKalibrClick(), kModalOk);
  ASSERT_EQ(calibrations.size(), 1u);
  EXPECT_EQ(calibrations[0].slot, 3);
  EXPECT_EQ(calibrations[0].module, 2);
  EXPECT_EQ(calibrations[0].type, 8);
  config.Serv.FileMode = 1;
  EXPECT_FALSE(form.KalibrEnabled());
  form.ButKalibrClick();
  EXPECT_EQ(calibrations.size(), 1u);
}

TEST_F(AnalogModule, TheReportListsTheChannelsAndIsWrittenWhereTheUserChose) {
  ASSERT_TRUE(Open(3));
  const TReport report = form.Report();
  ASSERT_GE(report.blocks.size(), 5u);
  EXPECT_EQ(std::get<TReportParagraph>(report.blocks[0]).text, "ЛУР-05HMI  17893000  № 1");
  EXPECT_EQ(std::get<TReportParagraph>(report.blocks[2]).text,
            std::string(10, ' ') + "Модуль 3  МВА  входы AI_1 - AI_6");
  ASSERT_EQ(report.blocks.size(), 12u);
  EXPECT_EQ(std::get<TReportParagraph>(report.blocks[4]).text,
            "№\tПозиция\tШкала\tЕд.\tmin\tmax\tLL\tL\tH\tHH\tВх. сигнал");
  EXPECT_EQ(std::get<TReportParagraph>(report.blocks[7]).text,
            "2\tпоз.302\tлинейная\t%\t0,0000\t100,0000\t5,0000\t10,0000\t90,0000\t95,0000\t4 - 20 мА");
  EXPECT_EQ(report.orientation, TPageOrientation::Portrait);

  const auto path = std::filesystem::temp_directory_path() / "analog_module_report.rtf";
  std::filesystem::remove(path);
  ui.files = {path.string()};
  ui.answers = {MsgAnswer::No};  // not printed
  form.BNew1Click();
  EXPECT_TRUE(std::filesystem::exists(path));
  std::ifstream in(path, std::ios::binary);
  const std::string rtf((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_NE(rtf.find("\\'ef\\'ee\\'e7.302"), std::string::npos);  // "поз.302" in Windows-1251
  std::filesystem::remove(path);

  config.Serv.FileMode = 1;
  form.fileName = [] { return std::string("stand.lur"); };
  EXPECT_EQ(std::get<TReportParagraph>(form.Report().blocks[0]).text, "Файл stand.lur");
}

}  // namespace
}  // namespace lur::test

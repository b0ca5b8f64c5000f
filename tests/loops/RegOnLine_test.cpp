// "Режим on line" over the simulated controller: opening by loop kind, the
// poll and what it shows, the writes (sent first, then shown), the access
// gate, and one report a failure.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstring>
#include <functional>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "RegOnLineFixture.h"
#include "loops/TFormRegOnLineController.h"
#include "loops/TPanRegVisModel.h"
#include "session/FailedAnswerCases.h"

namespace lur::test {
namespace {

using Requests = std::vector<std::array<int, 3>>;
const std::array<int, 3> kValuesRead{3, 672, 36};
const std::array<int, 3> kStatusRead{1, 784, 48};

class RegOnLineTest : public ::testing::Test {
 protected:
  explicit RegOnLineTest(const sim::SimOptions& options = RegOnLineOptions()) : rig(options) {
    form.AttachTimer(rig.timer);
  }
  // Opens the loop, shows the window and lets the first poll run.
  void ShowLoop(int loop) {
    ASSERT_TRUE(form.Open(loop));
    form.FormShow();
    rig.clock.Advance(TFormRegOnLineController::kPeriodMs);
    ASSERT_TRUE(form.PanelsMade());
    rig.line.ForgetRequests();
  }
  void NextPoll() { rig.clock.Advance(TFormRegOnLineController::kPeriodMs); }
  std::string LinkText(int code) { return rig.link.ErrorText(0, code); }

  RegOnLineRig rig;
  TFormRegOnLineController form{rig.session};
};

// ---- opening -----------------------------------------------------------------------------

TEST_F(RegOnLineTest, OpeningFillsTheHeadingAndPanelsByLoopKind) {
  struct Case {
    int loop;
    const char* tip;
    std::string nReg, anVh, nReg1, anVh1;
    std::vector<int> records;
    bool switches;
    std::vector<bool> apAllowed;
  };
  const Case cases[] = {
      {0, "каскадная схема", "1", "1", "2", "2", {0, 1}, true, {false, true}},
      {1, "одноконтурный регулятор", "3", "3", "", "", {2}, true, {false}},
      {2, "рег. с програм.задатчиком", "4", "4", "", "", {3}, true, {true}},
      {3, "повторитель сигнала", "5", "5", "", "", {4}, false, {false}},
  };
  rig.config.Reg.CurReg = 2;
  rig.config.Reg.CurLoop = 1;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.tip);
    ASSERT_TRUE(form.Open(c.loop));
    EXPECT_EQ(form.labNReg, std::to_string(c.loop + 1));
    EXPECT_EQ(form.labTip, c.tip);
    EXPECT_EQ(form.editNReg, c.nReg);
    EXPECT_EQ(form.editAnVh, c.anVh);
    EXPECT_EQ(form.innerVisible, c.records.size() == 2);
    EXPECT_EQ(form.editNReg1, c.nReg1);
    EXPECT_EQ(form.editAnVh1, c.anVh1);
    ASSERT_EQ(form.Panels().size(), c.records.size());
    for (std::size_t i = 0; i < c.records.size(); ++i) {
      EXPECT_EQ(form.Panels()[i].record, c.records[i]);
      EXPECT_EQ(form.Panels()[i].switches, c.switches);
      EXPECT_EQ(form.Panels()[i].apAllowed, c.apAllowed[i]);
      EXPECT_EQ(form.Panels()[i].left, i == 0 ? 20 : 220);
    }
  }
  EXPECT_FALSE(form.Open(4));
  EXPECT_FALSE(form.Open(-1));
  // The view maps a copy: the editor's selection stays.
  EXPECT_EQ(rig.config.Reg.CurReg, 2);
  EXPECT_EQ(rig.config.Reg.CurLoop, 1);
  EXPECT_TRUE(rig.line.requests.empty());
}

TEST_F(RegOnLineTest, ScalesComeFromTheSignalsTexts) {
  ASSERT_TRUE(form.Open(0));
  EXPECT_EQ(form.Panels()[0].low, -50.5);
  EXPECT_EQ(form.Panels()[0].high, 150.0);
  EXPECT_EQ(form.Panels()[1].low, 0.0);
  EXPECT_EQ(form.Panels()[1].high, 10.0);
}

// ---- the poll ----------------------------------------------------------------------------

TEST_F(RegOnLineTest, EachPeriodReadsValuesThenStatusAndTheFirstPollMakesThePanels) {
  ASSERT_TRUE(form.Open(0));
  form.FormShow();
  EXPECT_TRUE(form.label1Visible);
  EXPECT_EQ(rig.timer.Period(), 3000);
  rig.clock.Advance(2900);
  EXPECT_TRUE(rig.line.requests.empty());
  EXPECT_FALSE(form.PanelsMade());
  rig.clock.Advance(100);
  EXPECT_TRUE(form.PanelsMade());
  EXPECT_EQ(rig.Requests(), (Requests{kValuesRead, kStatusRead}));
  NextPoll();
  EXPECT_EQ(rig.Requests(), (Requests{kValuesRead, kStatusRead, kValuesRead, kStatusRead}));

  // "Таймер" off: no request; on again: the same panels, polled again.
  form.Button2Click();
  EXPECT_FALSE(form.label1Visible);
  rig.line.ForgetRequests();
  rig.clock.Advance(9000);
  EXPECT_TRUE(rig.line.requests.empty());
  form.Button2Click();
  EXPECT_TRUE(form.PanelsMade());
  NextPoll();
  EXPECT_EQ(rig.Requests(), (Requests{kValuesRead, kStatusRead}));
  EXPECT_EQ(form.Panels().size(), 2u);

  // Closing stops every request; showing again makes the panels afresh.
  form.FormClose();
  rig.line.ForgetRequests();
  rig.clock.Advance(9000);
  EXPECT_TRUE(rig.line.requests.empty());
  form.FormShow();
  EXPECT_FALSE(form.PanelsMade());
  EXPECT_FALSE(form.Panels()[0].sp.has_value());
  EXPECT_TRUE(rig.ui.shown.empty());
}

TEST_F(RegOnLineTest, ASlowControllerNeverGetsOverlappingPolls) {
  // Each answer takes longer than a period: ticks come inside a poll's waits.
  rig.line.answerDelayMs = 1700;
  ShowLoop(1);
  rig.clock.Advance(12000);
  const Requests got = rig.Requests();
  ASSERT_GE(got.size(), 4u);
  for (std::size_t i = 0; i < got.size(); ++i) EXPECT_EQ(got[i], i % 2 == 0 ? kValuesRead : kStatusRead) << i;
  EXPECT_GT(form.Poller()->SkippedTicks(), 0);
  EXPECT_TRUE(rig.ui.shown.empty());
}

TEST_F(RegOnLineTest, ThePollShowsValuesLampsAndSwitchesOfEachPanelsRegulator) {
  rig.Live().SetHoldingFloat(672, 20.25f);  // SP of regulator 1
  rig.Live().SetHoldingFloat(678, 7.5f);    // SP of regulator 2: registers 678-679
  rig.Live().SetHoldingFloat(680, 61.0f);   // its OUT
  rig.Live().SetHoldingFloat(682, 3.125f);  // its PV
  rig.Live().SetCoil(790, true);            // regulator 1: output lamp red
  rig.Live().SetCoil(791, false);           //              input lamp green
  rig.Live().SetCoil(799, true);            // regulator 2: input lamp red
  rig.Live().SetCoil(793, true);            //              "AP" on
  ShowLoop(0);
  const auto& outer = form.Panels()[0];
  const auto& inner = form.Panels()[1];
  EXPECT_EQ(outer.sp, 20.25f);
  EXPECT_EQ(outer.out, 42.5f);
  EXPECT_EQ(inner.sp, 7.5f);
  EXPECT_EQ(inner.out, 61.0f);
  EXPECT_EQ(inner.pv, 3.125f);
  EXPECT_EQ(outer.automatic, true);
  EXPECT_EQ(outer.ap, false);
  EXPECT_EQ(inner.ap, true);
  EXPECT_TRUE(outer.outputLampRed);
  EXPECT_FALSE(outer.inputLampRed);
  EXPECT_FALSE(inner.outputLampRed);
  EXPECT_TRUE(inner.inputLampRed);
  EXPECT_EQ(rig.config.Reg.RegValues[3], 7.5f);
  EXPECT_EQ(rig.config.Reg.RegStatus[1], 0x83);  // automatic, "AP", input lamp
  EXPECT_EQ(ValueText(*inner.pv), "3,13");
}

TEST_F(RegOnLineTest, TheMenuFollowsTheLastPanelAfterAPollAndTheRightClickedOneWhenItOpens) {
  rig.Live().SetCoil(792, false);  // the inner regulator in manual mode
  ShowLoop(0);
  EXPECT_FALSE(form.Menu().IsEnabled(TRegOnLineMenu::ChangeSP));
  EXPECT_TRUE(form.Menu().IsEnabled(TRegOnLineMenu::ChangeOUT));
  form.PanelRightClick(1);
  EXPECT_FALSE(form.ChangeSPClick());  // "Изменить SP" disabled in manual
  EXPECT_FALSE(form.editTextVisible);
  form.PanelRightClick(0);
  EXPECT_TRUE(form.Menu().IsEnabled(TRegOnLineMenu::ChangeSP));
  EXPECT_FALSE(form.Menu().IsEnabled(TRegOnLineMenu::ChangeOUT));
  ASSERT_TRUE(form.ChangeSPClick());
  EXPECT_TRUE(form.editTextVisible);
  EXPECT_EQ(form.EditPanel(), 0);
  EXPECT_EQ(form.editText, ValueText(*form.Panels()[0].sp));
}

// ---- writes ------------------------------------------------------------------------------

// The frames sent, without their CRC.
std::vector<Frame> Sent(const SimPort& line) {
  std::vector<Frame> out;
  for (const SimPort::Request& q : line.requests) out.emplace_back(q.bytes.begin(), q.bytes.end() - 2);
  return out;
}

TEST_F(RegOnLineTest, SwitchesAndStepsAreSentAndShowAtTheNextPoll) {
  ShowLoop(2);  // the setter loop, regulator 4 in automatic mode
  ASSERT_TRUE(form.APSwitchClick(0, true));
  EXPECT_EQ(Sent(rig.line), (std::vector<Frame>{CoilFrame(809, true)}));
  EXPECT_EQ(form.Panels()[0].ap, true);

  // Manual: automatic off, then "AP" off with it; the menu turns to OUT.
  rig.line.ForgetRequests();
  ASSERT_TRUE(form.AutoSwitchClick(0, false));
  EXPECT_EQ(Sent(rig.line), (std::vector<Frame>{CoilFrame(808, false), CoilFrame(809, false)}));
  EXPECT_EQ(form.Panels()[0].automatic, false);
  EXPECT_EQ(form.Panels()[0].ap, false);
  EXPECT_FALSE(form.Menu().IsEnabled(TRegOnLineMenu::ChangeSP));
  EXPECT_TRUE(form.Menu().IsEnabled(TRegOnLineMenu::ChangeOUT));

  rig.line.ForgetRequests();
  ASSERT_TRUE(form.StepClick(0, true));
  ASSERT_TRUE(form.StepClick(0, true));
  ASSERT_TRUE(form.StepClick(0, false));
  EXPECT_EQ(Sent(rig.line),
            (std::vector<Frame>{CoilFrame(107, true), CoilFrame(107, true), CoilFrame(115, true)}));
  NextPoll();
  EXPECT_EQ(form.Panels()[0].out, 43.5f);
  EXPECT_EQ(form.Panels()[0].automatic, false);

  // Back to automatic, seen by the controller too.
  ASSERT_TRUE(form.AutoSwitchClick(0, true));
  NextPoll();
  EXPECT_EQ(form.Panels()[0].automatic, true);
  EXPECT_TRUE(form.Menu().IsEnabled(TRegOnLineMenu::ChangeSP));
  EXPECT_TRUE(rig.ui.shown.empty());
}

// A user whose boxes stay open while time passes.
struct TSlowUser : TScriptedUserInterface {
  MsgAnswer Message(const TMessage& message) override {
    if (whileOpen) whileOpen();
    return TScriptedUserInterface::Message(message);
  }
  std::function<void()> whileOpen;
};

TEST(RegOnLineTicks, ATickDuringAChangeOrItsBoxSendsNoPoll) {
  RegOnLineRig rig;
  TSlowUser user;
  TSession session{rig.config, rig.link, user, rig.addressing};
  TFormRegOnLineController form{session};
  form.AttachTimer(rig.timer);
  ASSERT_TRUE(form.Open(1));
  form.FormShow();
  rig.clock.Advance(5000);  // one poll; the next tick in one second
  rig.line.ForgetRequests();
  rig.line.answerDelayMs = 3500;  // the write's answer comes after it
  const int ticks = rig.timer.fired;
  ASSERT_TRUE(form.StepClick(0, true));
  EXPECT_GT(rig.timer.fired, ticks);
  EXPECT_EQ(Sent(rig.line), (std::vector<Frame>{CoilFrame(106, true)}));

  rig.line.answerDelayMs = 0;
  rig.line.Fail({std::uint8_t{5}, 106}, ExceptionAnswer(4), 1);
  user.whileOpen = [&] { rig.clock.Advance(6000); };
  rig.line.ForgetRequests();
  EXPECT_FALSE(form.StepClick(0, true));
  EXPECT_EQ(rig.line.requests.size(), 1u);
  EXPECT_EQ(user.shown.size(), 1u);
  user.whileOpen = nullptr;
  rig.clock.Advance(3000);  // polling goes on after a switch or step
  EXPECT_EQ(rig.line.requests.size(), 3u);
}

TEST_F(RegOnLineTest, APIsTakenOnlyInAutomaticModeOnASetterOrInnerPanel) {
  struct Case {
    const char* what;
    int loop;
    int panel;
    bool manual;
    bool taken;
  };
  const Case cases[] = {
      {"a cascade's inner panel", 0, 1, false, true}, {"a cascade's outer panel", 0, 0, false, false},
      {"a single loop", 1, 0, false, false},          {"a setter loop in manual mode", 2, 0, true, false},
      {"a signal repeater", 3, 0, false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const int record = c.loop == 0 ? c.panel : c.loop + 1;
    rig.Live().SetCoil(784 + 8 * record, !c.manual);
    ShowLoop(c.loop);
    EXPECT_EQ(form.APSwitchClick(c.panel, true), c.taken);
    EXPECT_EQ(form.Panels()[static_cast<std::size_t>(c.panel)].ap, c.taken);
    EXPECT_EQ(rig.line.requests.size(), c.taken ? 1u : 0u);
    form.FormClose();
  }
  EXPECT_TRUE(rig.ui.shown.empty());
}

TEST_F(RegOnLineTest, SetPointAndOutputAreWrittenBeforeTheyAreShown) {
  ShowLoop(0);
  form.PanelRightClick(1);
  ASSERT_TRUE(form.ChangeSPClick());
  ASSERT_TRUE(form.EditTextExit("7,75"));
  EXPECT_EQ(Sent(rig.line), (std::vector<Frame>{FloatFrame(678, 7.75f)}));
  EXPECT_EQ(form.Panels()[1].sp, 7.75f);
  EXPECT_EQ(rig.config.Reg.RegValues[3], 7.75f);
  EXPECT_FALSE(form.editTextVisible);
  EXPECT_TRUE(form.editText.empty());

  // Manual mode, then the output.
  ASSERT_TRUE(form.AutoSwitchClick(0, false));
  form.PanelRightClick(0);
  ASSERT_TRUE(form.ChangeOUTClick());
  EXPECT_EQ(form.editText, "42,50");
  rig.line.ForgetRequests();
  ASSERT_TRUE(form.EditTextExit("100"));
  EXPECT_EQ(Sent(rig.line), (std::vector<Frame>{FloatFrame(674, 100.0f)}));
  rig.Live().SetHoldingFloat(678, 0.0f);  // the controller moved on
  NextPoll();
  EXPECT_EQ(form.Panels()[0].out, 100.0f);
  EXPECT_EQ(form.Panels()[1].sp, 0.0f);
  EXPECT_TRUE(rig.ui.shown.empty());
}

TEST_F(RegOnLineTest, ABadValueShowsItsMessageAndSendsNothing) {
  struct Case {
    const char* text;
    TRegValue value;
    std::string message;
  };
  const Case cases[] = {
      {"120", TRegValue::OUT, "Величина вне диапазона 0 - 100"},
      {"-0,01", TRegValue::OUT, "Величина вне диапазона 0 - 100"},
      {"150,1", TRegValue::SP, "Величина вне диапазона -50.5 - 150"},
      {"-51", TRegValue::SP, "Величина вне диапазона -50.5 - 150"},
      {"", TRegValue::SP, " Ошибка ввода "},
      {"1,2,3", TRegValue::OUT, " Ошибка ввода "},
  };
  ShowLoop(0);
  rig.config.Reg.RegValues = {};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    rig.ui.inputErrors.clear();
    form.AutoSwitchClick(0, c.value == TRegValue::SP);
    rig.line.ForgetRequests();
    form.PanelRightClick(0);
    ASSERT_TRUE(c.value == TRegValue::SP ? form.ChangeSPClick() : form.ChangeOUTClick());
    const std::string before = form.editText;
    EXPECT_FALSE(form.EditTextExit(c.text));
    EXPECT_EQ(rig.ui.inputErrors, (std::vector<TFieldError>{{"EditText", c.message}}));
    EXPECT_TRUE(rig.line.requests.empty());
    EXPECT_EQ(ValueText(c.value == TRegValue::SP ? *form.Panels()[0].sp : *form.Panels()[0].out), before);
    EXPECT_EQ(rig.config.Reg.RegValues, (std::array<float, 18>{}));
    EXPECT_FALSE(form.editTextVisible);
  }
  EXPECT_EQ(rig.ui.shown.size(), 0u);
}

TEST_F(RegOnLineTest, TheLimitedLevelSendsNothingAndLeavesEverythingAsItWas) {
  rig.config.MBA.SetMinSkText("0", 0, 3);
  rig.config.MBA.SetMaxSkText("100", 0, 3);
  ShowLoop(2);
  rig.config.Lur.FullAccess = 0;
  const auto panelBefore = form.Panels()[0];
  const auto menuBefore = form.Menu();
  const std::function<bool()> operations[] = {
      [&] { return form.AutoSwitchClick(0, false); },
      [&] { return form.APSwitchClick(0, true); },
      [&] { return form.StepClick(0, true); },
      [&] { return form.StepClick(0, false); },
      [&] {
        form.PanelRightClick(0);
        return form.ChangeSPClick() && form.EditTextExit("1");
      },
  };
  for (std::size_t i = 0; i < std::size(operations); ++i) {
    SCOPED_TRACE(i);
    rig.ui.shown.clear();
    EXPECT_FALSE(operations[i]());
    ASSERT_EQ(rig.ui.shown.size(), 1u);
    EXPECT_EQ(rig.ui.shown[0].text, kNoAccessText);
    EXPECT_EQ(rig.ui.shown[0].caption, "Предупреждение");
    EXPECT_TRUE(rig.line.requests.empty());
    EXPECT_EQ(form.Panels()[0].automatic, panelBefore.automatic);
    EXPECT_EQ(form.Panels()[0].ap, panelBefore.ap);
    EXPECT_EQ(form.Panels()[0].sp, panelBefore.sp);
    EXPECT_EQ(form.Menu(), menuBefore);
  }
}

// ---- failures ----------------------------------------------------------------------------

TEST_F(RegOnLineTest, AFailedPollIsReportedOnceAndStopsPolling) {
  for (const FailedAnswerCase& c : kFailedAnswerCases) {
    for (const int start : {672, 784}) {
      SCOPED_TRACE(std::string(c.what) + " at " + std::to_string(start));
      ShowLoop(1);
      rig.ui.shown.clear();
      const float spBefore = *form.Panels()[0].sp;
      rig.Live().SetHoldingFloat(684, spBefore + 5);
      rig.line.Fail({std::nullopt, start}, c.fault);
      rig.clock.Advance(12000);
      ASSERT_EQ(rig.ui.shown.size(), 1u);
      EXPECT_EQ(rig.ui.shown[0].text, LinkText(c.code));
      EXPECT_FALSE(form.Polling());
      EXPECT_FALSE(form.label1Visible);
      if (start == 672) {
        EXPECT_EQ(form.Panels()[0].sp, spBefore);  // a failed read shows nothing new
      }
      rig.line.ClearFaults();
      rig.Live().SetHoldingFloat(684, spBefore);
    }
  }
}

TEST_F(RegOnLineTest, ARefusedWriteIsReportedOnceAndLeavesTheSwitchOrValue) {
  ShowLoop(0);
  const auto innerBefore = form.Panels()[1];
  struct Case {
    const char* what;
    int function;
    int start;
    std::function<bool()> operation;
    bool pollingAfter;
  };
  const Case cases[] = {
      {"automatic off", 5, 792, [&] { return form.AutoSwitchClick(1, false); }, true},
      {"AP on", 5, 793, [&] { return form.APSwitchClick(1, true); }, true},
      {"step up", 5, 105, [&] { return form.StepClick(1, true); }, true},
      {"set point", 16, 678,
       [&] {
         form.PanelRightClick(1);
         return form.ChangeSPClick() && form.EditTextExit("9");
       },
       false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    if (!form.Polling()) form.Button2Click();
    rig.ui.shown.clear();
    rig.line.Fail({static_cast<std::uint8_t>(c.function), c.start}, ExceptionAnswer(4), 1);
    EXPECT_FALSE(c.operation());
    ASSERT_EQ(rig.ui.shown.size(), 1u);
    EXPECT_EQ(rig.ui.shown[0].text, LinkText(4));
    EXPECT_EQ(form.Panels()[1].automatic, innerBefore.automatic);
    EXPECT_EQ(form.Panels()[1].ap, innerBefore.ap);
    EXPECT_EQ(form.Panels()[1].sp, innerBefore.sp);
    EXPECT_EQ(rig.config.Reg.RegValues[3], *innerBefore.sp);
    EXPECT_TRUE(form.Menu().IsEnabled(TRegOnLineMenu::ChangeSP));
    EXPECT_EQ(form.Polling(), c.pollingAfter);
    rig.ui.shown.clear();
    rig.clock.Advance(6000);  // no report stacks up afterwards
    EXPECT_TRUE(rig.ui.shown.empty());
  }
  EXPECT_TRUE(rig.line.Controller().Live().Coil(792));
}

// ---- what lurctl prints ---------------------------------------------------------------

TEST_F(RegOnLineTest, CellsAreThePanelsValues) {
  rig.Live().SetHoldingFloat(678, 7.3f);
  rig.Live().SetCoil(791, true);
  ShowLoop(0);
  const std::vector<TLiveCell> cells = form.Cells();
  auto find = [&](const std::string& name) -> const decltype(TLiveCell::value)* {
    for (const TLiveCell& c : cells) {
      if (c.name == name) return &c.value;
    }
    return nullptr;
  };
  ASSERT_NE(find("sp2"), nullptr);
  EXPECT_EQ(std::get<double>(*find("sp2")), 7.3);  // the float's own decimal, not its binary tail
  EXPECT_EQ(std::get<std::int64_t>(*find("reg2")), 2);
  EXPECT_EQ(std::get<double>(*find("out1")), 42.5);
  EXPECT_EQ(std::get<bool>(*find("auto1")), true);
  EXPECT_EQ(std::get<std::string>(*find("in_lamp1")), "red");
  EXPECT_EQ(std::get<std::string>(*find("out_lamp1")), "green");
  EXPECT_EQ(std::get<bool>(*find("change_sp")), true);
}

// ---- panel numbers -----------------------------------------------------------------------

TEST(PanRegVisModel, BarsStandOnTheScaleAndNeverLeaveIt) {
  struct Case {
    double value, low, high;
    std::optional<int> height;
  };
  const Case cases[] = {
      {0, 0, 100, 0},
      {100, 0, 100, 200},
      {30, 0, 100, 60},
      {-50.5, -50.5, 150, 0},
      {33.3333, 0, 100, 66},  // truncated toward zero
      {150, 0, 100, 200},
      {1e30, 0, 100, 200},
      {-1e30, 0, 100, 0},
      {std::numeric_limits<double>::infinity(), 0, 100, std::nullopt},
      {std::nan(""), 0, 100, std::nullopt},
      {5, 10, 10, std::nullopt},  // high = low
      {5, 20, 10, std::nullopt},  // high below low
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.value);
    EXPECT_EQ(BarHeight(c.value, c.low, c.high, 200), c.height);
  }
}

TEST(PanRegVisModel, MarksAndValuesCarryTheirDecimalBands) {
  const TScaleMarks marks = CalcSk(150, -50);
  EXPECT_EQ(marks[0], "-50,00");
  EXPECT_EQ(marks[3], "10,000");
  EXPECT_EQ(marks[4], "30,00");
  EXPECT_EQ(marks[2], "-10,000");
  EXPECT_EQ(marks[10], "150,0");
  EXPECT_EQ(CalcSk(100000, 0)[10], "100000");
  EXPECT_EQ(CalcSk(10, 0)[5], "5,000");
  struct Case {
    double value;
    const char* text;
  };
  for (const Case c : {Case{100, "100,00"}, Case{100.5, "100,5"}, Case{-1000, "-1000,0"},
                       Case{1000.4, "1000"}, Case{0.005, "0,01"}, Case{std::nan(""), ""}}) {
    EXPECT_EQ(ValueText(c.value), c.text) << c.value;
  }
}

}  // namespace
}  // namespace lur::test

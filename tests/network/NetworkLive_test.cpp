#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "NetworkLiveFixture.h"
#include "network/NetAnalogLook.h"
#include "network/TFormVhAnLController.h"
#include "network/TFormVhDLocController.h"
#include "network/TFormVhLocController.h"
#include "session/FailedAnswerCases.h"
#include "support/ScriptedDialog.h"

namespace lur::test {
namespace {

using Reads = std::vector<std::array<int, 3>>;

// The requests without the link's repetitions of one that got no answer.
Reads Transactions(const Reads& reads) {
  Reads out;
  for (const auto& r : reads) {
    if (out.empty() || out.back() != r) out.push_back(r);
  }
  return out;
}

const TLiveCellLook kEmpty{};
const TLiveCellLook kOn{"on", TLiveColour::Aqua, TLiveColour::Black};
const TLiveCellLook kOff{"off", TLiveColour::InfoBk, TLiveColour::Black};
const TLiveCellLook kValid{"достовер.", TLiveColour::InfoBk, TLiveColour::Black};
const TLiveCellLook kInvalid{"недостовер.", TLiveColour::Purple, TLiveColour::InfoBk};

// The range dialog answered by a script: its fields typed, then OK until it
// takes them (a refusal ends the script with the dialog's result 6).
struct RangeScript {
  std::string first;
  std::string count;
  ScriptedDialog<TFormVhLocController> dialog;
  RangeScript() {
    dialog.window = TModalFunction<TFormVhLocController>([this](TFormVhLocController& range) {
      ++dialog.shows;
      range.edit1 = first;
      range.edit2 = count;
      return range.OKClick() ? kModalOk : kModalError;
    });
  }
};

class NetworkLiveTest : public ::testing::Test {
 protected:
  NetworkLiveTest() { discrete.AttachTimer(rig.timer); }

  NetworkLiveRig rig;
  RangeScript range;
  TFormVhDLocController discrete{rig.session, &range.dialog.window};
};

// ---- the discrete view ----------------------------------------------------------------

TEST_F(NetworkLiveTest, ASmallDiscreteBlockShowsItsEntriesAndPollsStatesThenValidityEvery3s) {
  sim::SimController& sim = rig.line.Controller();
  for (int e = 36; e < 44; ++e) sim.Live().SetDiscreteInput(e, e == 37 || e == 43);
  sim.SetSignalUnreliable(37, true);  // coil 1056 + 36: entry 36

  discrete.Open("другие ", "17", 36, 8);
  EXPECT_EQ(discrete.head.tipMod, "не определен");
  EXPECT_EQ(discrete.head.labAMod, "17");
  ASSERT_TRUE(discrete.FormShow());
  EXPECT_EQ(range.dialog.shows, 0);
  EXPECT_EQ(discrete.Rows(), 8);
  EXPECT_EQ(discrete.vh[0], "36");
  EXPECT_EQ(discrete.vh[7], "43");
  EXPECT_EQ(discrete.vh[8], "");
  EXPECT_EQ(discrete.tRecv[0], Cp1251ToUtf8(rig.config.Serv.GetInputId(36)));
  EXPECT_FALSE(discrete.tRecv[7].empty());
  EXPECT_EQ(discrete.tRecv[8], "");
  EXPECT_TRUE(discrete.label1Visible);
  EXPECT_EQ(rig.timer.Period(), 3000);

  rig.clock.Advance(2900);
  EXPECT_TRUE(rig.line.requests.empty());
  rig.clock.Advance(100);
  EXPECT_EQ(rig.Reads(), (Reads{{2, 36, 8}, {1, 1092, 8}}));
  EXPECT_EQ(discrete.OnOff(0), kOff);
  EXPECT_EQ(discrete.OnOff(1), kOn);
  EXPECT_EQ(discrete.OnOff(7), kOn);
  EXPECT_EQ(discrete.OnOff(8), kEmpty);
  EXPECT_EQ(discrete.Dost(0), kInvalid);
  EXPECT_EQ(discrete.Dost(1), kValid);
  EXPECT_EQ(discrete.Dost(8), kEmpty);

  sim.Live().SetDiscreteInput(37, false);
  sim.SetSignalUnreliable(37, false);
  rig.clock.Advance(3000);
  EXPECT_EQ(rig.Reads().size(), 4u);
  EXPECT_EQ(discrete.OnOff(1), kOff);
  EXPECT_EQ(discrete.Dost(0), kValid);

  // The button stops and starts; closing stops for good.
  discrete.Button1Click();
  EXPECT_FALSE(discrete.label1Visible);
  rig.clock.Advance(9000);
  EXPECT_EQ(rig.Reads().size(), 4u);
  discrete.Button1Click();
  rig.clock.Advance(3000);
  EXPECT_EQ(rig.Reads().size(), 6u);
  discrete.FormClose();
  rig.clock.Advance(9000);
  EXPECT_EQ(rig.Reads().size(), 6u);
  EXPECT_TRUE(rig.ui.shown.empty());
}

TEST_F(NetworkLiveTest, TheRangeDialogChecksStartAndCountInOrder) {
  // A block of 32 entries from entry 100.
  struct Case {
    const char* first;
    const char* count;
    bool accepted;
    TFieldError error;
  };
  const Case cases[] = {
      {"99", "12", false, {"Edit1", "Величина вне диапазона 100 - 131"}},
      {"132", "12", false, {"Edit1", "Величина вне диапазона 100 - 131"}},
      {"", "12", false, {"Edit1", " Ошибка ввода "}},
      {"-5", "12", false, {"Edit1", " Ошибка ввода "}},
      {"12a", "12", false, {"Edit1", " Ошибка ввода "}},
      // Ten digits parse without wrapping; eleven are not the field's text.
      {"4294967396", "12", false, {"Edit1", "Величина вне диапазона 100 - 131"}},
      {"10000000000", "12", false, {"Edit1", " Ошибка ввода "}},
      {"100", "0", false, {"Edit2", " Ошибка ввода "}},
      {"100", "", false, {"Edit2", " Ошибка ввода "}},
      // 32 - 13 = 19 entries would be left: a window's worth at most.
      {"100", "13", false, {"Edit2", "Величина вне диапазона 1 - 12"}},
      // Fewer than 13 left: up to the block's end from the start.
      {"100", "20", true, {}},
      {"110", "23", false, {"Edit2", "Величина вне диапазона 1 - 22"}},
      {"110", "22", true, {}},
      {"100", "9999999999", false, {"Edit2", "Величина вне диапазона 1 - 32"}},
      {"131", "1", true, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.first) + " / " + c.count);
    TScriptedUserInterface ui;
    TFormVhLocController dialog{ui};
    dialog.Open(100, 32);
    dialog.edit1 = c.first;
    dialog.edit2 = c.count;
    EXPECT_EQ(dialog.OKClick(), c.accepted);
    if (c.accepted) {
      EXPECT_TRUE(ui.inlineErrors.empty());
      EXPECT_EQ(dialog.First(), std::stoll(c.first));
      EXPECT_EQ(dialog.Count(), std::stoll(c.count));
    } else {
      EXPECT_EQ(ui.inlineErrors, (std::vector<TFieldError>{c.error}));
    }
    EXPECT_TRUE(ui.shown.empty());
  }
}

TEST_F(NetworkLiveTest, LeavingARangeFieldEmptyMarksItAndATextIsTakenAtOnce) {
  TScriptedUserInterface ui;
  TFormVhLocController dialog{ui};
  dialog.Open(100, 32);
  EXPECT_EQ(dialog.edit1, "100");
  EXPECT_EQ(dialog.edit2, "12");
  dialog.edit1 = "";
  EXPECT_FALSE(dialog.Edit1Exit());
  dialog.edit2 = " ";
  EXPECT_FALSE(dialog.Edit2Exit());
  EXPECT_EQ(ui.inlineErrors,
            (std::vector<TFieldError>{{"Edit1", " Ошибка ввода "}, {"Edit2", " Ошибка ввода "}}));
  dialog.edit1 = "120";
  dialog.edit2 = "5";
  EXPECT_TRUE(dialog.Edit1Exit());
  EXPECT_TRUE(dialog.Edit2Exit());
  EXPECT_EQ(dialog.First(), 120);
  EXPECT_EQ(dialog.Count(), 5);
  EXPECT_EQ(ui.inlineErrors.size(), 2u);
}

TEST_F(NetworkLiveTest, ALargeBlockAsksTheRangeAndNeverShowsMoreThan12RowsOrRowsPastItsEnd) {
  struct Case {
    const char* first;
    const char* count;
    int rows;
    Reads reads;
  };
  const Case cases[] = {
      {"100", "20", 12, {{2, 100, 12}, {1, 1156, 12}}},
      {"110", "5", 5, {{2, 110, 5}, {1, 1166, 5}}},
      // Twelve asked for from entry 125: the block ends at 131.
      {"125", "12", 7, {{2, 125, 7}, {1, 1181, 7}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.first);
    rig.line.ForgetRequests();
    range.first = c.first;
    range.count = c.count;
    range.dialog.shows = 0;
    discrete.Open("ЛУР-01", "3", 100, 32);
    ASSERT_TRUE(discrete.FormShow());
    EXPECT_EQ(range.dialog.shows, 1);
    EXPECT_EQ(discrete.Rows(), c.rows);
    EXPECT_EQ(discrete.vh[0], c.first);
    EXPECT_EQ(discrete.vh[static_cast<std::size_t>(c.rows - 1)], std::to_string(std::stoi(c.first) + c.rows - 1));
    if (c.rows < 12) {
      EXPECT_EQ(discrete.vh[static_cast<std::size_t>(c.rows)], "");
    }
    rig.clock.Advance(3000);
    EXPECT_EQ(rig.Reads(), c.reads);
    discrete.FormClose();
  }
  // A refused range opens nothing and polls nothing.
  rig.line.ForgetRequests();
  range.first = "99";
  discrete.Open("ЛУР-01", "3", 100, 32);
  EXPECT_FALSE(discrete.FormShow());
  EXPECT_FALSE(discrete.Polling());
  rig.clock.Advance(9000);
  EXPECT_TRUE(rig.line.requests.empty());
}

TEST_F(NetworkLiveTest, AFailedDiscreteRequestGivesOneBoxAndStopsPolling) {
  for (const FailedAnswerCase& c : kFailedAnswerCases) {
    SCOPED_TRACE(c.what);
    NetworkLiveRig rig2;
    TFormVhDLocController form{rig2.session, nullptr};
    form.AttachTimer(rig2.timer);
    form.Open("ЛУР-01", "3", 36, 8);
    ASSERT_TRUE(form.FormShow());
    rig2.clock.Advance(3000);
    const TLiveCellLook dost = form.Dost(0);
    ASSERT_EQ(dost, kValid);
    rig2.line.Controller().SetSignalUnreliable(37, true);
    rig2.line.Fail({std::uint8_t{1}, 1092}, c.fault);
    rig2.line.ForgetRequests();
    rig2.clock.Advance(3000);
    EXPECT_EQ(Transactions(rig2.Reads()), (Reads{{2, 36, 8}, {1, 1092, 8}}));
    const std::size_t sent = rig2.line.requests.size();
    EXPECT_EQ(form.Dost(0), dost);  // the failed read leaves its cells
    EXPECT_EQ(rig2.ui.Texts(), (std::vector<std::string>{rig2.link.ErrorText(0, c.code)}));
    EXPECT_FALSE(form.label1Visible);
    EXPECT_FALSE(form.Polling());
    rig2.clock.Advance(30000);
    EXPECT_EQ(rig2.line.requests.size(), sent);
    EXPECT_EQ(rig2.ui.shown.size(), 1u);
    // The button restarts it.
    rig2.line.ClearFaults();
    form.Button1Click();
    rig2.clock.Advance(3000);
    EXPECT_EQ(form.Dost(0), kInvalid);
  }
}

// ---- the analog view ------------------------------------------------------------------

class NetworkAnalogTest : public NetworkLiveTest {
 protected:
  NetworkAnalogTest() {
    alarms.AttachTimer(rig.childTimer);
    analog.AttachTimer(rig.timer);
  }
  RangeScript childRange;
  TFormVhDLocController alarms{rig.session, &childRange.dialog.window};
  std::function<void(TFormVhDLocController&)> child;
  TModalFunction<TFormVhDLocController> alarmsWindow{[this](TFormVhDLocController& form) {
    if (child) child(form);
    return kModalOk;
  }};
  TFormVhAnLController analog{rig.session, alarms, &alarmsWindow};
};

TEST_F(NetworkAnalogTest, OpeningFillsUnitsAndTagsOfTheBlocksChannelsAndPollingAsksItsValues) {
  analog.Open({3, "ЛУР-05", "12"});
  EXPECT_EQ(analog.head.tipMod, "ЛУР-05");
  EXPECT_EQ(analog.head.labAMod, "12");
  EXPECT_EQ(analog.Rows(), 5);
  // Block 3 follows block 1's three values: its channels are 3..7.
  EXPECT_EQ(analog.poz[0], "ТК-101  ");
  EXPECT_EQ(analog.razm[0], Cp1251ToUtf8(rig.config.MBA.GetUnitText(2)));
  EXPECT_FALSE(analog.razm[0].empty());
  EXPECT_EQ(analog.poz[4], Cp1251ToUtf8(rig.config.MBM.GetPoz(7)));
  EXPECT_EQ(analog.razm[4], Cp1251ToUtf8(rig.config.MBA.GetUnitText(1)));
  EXPECT_EQ(analog.poz[5], "");
  EXPECT_EQ(analog.razm[5], "");
  EXPECT_EQ(analog.label[0], "");

  analog.FormShow();
  EXPECT_TRUE(analog.label49Visible);
  rig.clock.Advance(2900);
  EXPECT_TRUE(rig.line.requests.empty());
  rig.clock.Advance(100);
  EXPECT_EQ(rig.Reads(), (Reads{{0x47, 9, 5}}));
  EXPECT_EQ(analog.label[0], "9");
  EXPECT_EQ(analog.label[4], "13");
  EXPECT_EQ(analog.label[5], "");
  // The values land in the live buffer at their signal indices.
  EXPECT_EQ(analog.Val(0), Cp1251ToUtf8(rig.config.MBM.LiveText(9)));
  EXPECT_EQ(rig.config.MBM.LiveText(9).size(), 7u);
  rig.clock.Advance(3000);
  EXPECT_EQ(rig.Reads(), (Reads{{0x47, 9, 5}, {0x47, 9, 5}}));
  analog.FormClose();
  EXPECT_FALSE(analog.label49Visible);
  rig.clock.Advance(9000);
  EXPECT_EQ(rig.Reads().size(), 2u);
  EXPECT_TRUE(rig.ui.shown.empty());
}

TEST_F(NetworkAnalogTest, StatusBytesGiveTheirLettersViolationsAndColours) {
  // Plain texts in the table: GCC 12 at -O3 takes the strings of a table of
  // aggregates for maybe uninitialised.
  struct Look {
    const char* text;
    TLiveColour background;
    TLiveColour textColour;
    TLiveCellLook Cell() const { return {text, background, textColour}; }
  };
  struct Case {
    std::uint8_t status;
    Look ar;
    Look nar;
    bool value;
  };
  constexpr Look normal{"норма", TLiveColour::Lime, TLiveColour::Black};
  constexpr Look none{"", TLiveColour::InfoBk, TLiveColour::Black};
  const Case cases[] = {
      {0x00, {"и", TLiveColour::Lime, TLiveColour::Black}, normal, true},
      {0x04, {"и", TLiveColour::Lime, TLiveColour::Black}, {"LL", TLiveColour::Red, TLiveColour::Black}, true},
      {0x40, {"о", TLiveColour::Purple, TLiveColour::InfoBk}, none, false},
      {0x25, {"к", TLiveColour::Yellow, TLiveColour::Black}, {"H", TLiveColour::Red, TLiveColour::Black}, true},
      {0x81, {"п", TLiveColour::Purple, TLiveColour::InfoBk}, {"L(L-H)", TLiveColour::Red, TLiveColour::Black}, true},
      // The rest of the rules: b5 and b7 together, b6 with b7 keeps the
      // violation, code 7 shows none, a flag hides "норма".
      {0xA6, {"п", TLiveColour::Yellow, TLiveColour::InfoBk}, {"HH", TLiveColour::Red, TLiveColour::Black}, true},
      {0xC2, {"п", TLiveColour::Purple, TLiveColour::InfoBk}, {"H(L-H)", TLiveColour::Red, TLiveColour::Black}, false},
      {0x07, {"и", TLiveColour::Lime, TLiveColour::Black}, none, true},
      {0x20, {"к", TLiveColour::Yellow, TLiveColour::Black}, none, true},
      {0x63, {"о", TLiveColour::Yellow, TLiveColour::InfoBk}, none, false},
  };
  std::vector<std::uint8_t> statuses;
  for (const Case& c : cases) statuses.push_back(c.status);
  rig.SetBlock(3, 4, static_cast<int>(statuses.size()), 60, 9);
  StageStatuses(rig, statuses);
  analog.Open({3, "ЛУР-05", "12"});
  analog.FormShow();
  rig.clock.Advance(3000);
  ASSERT_EQ(rig.Reads(), (Reads{{0x47, 9, static_cast<int>(statuses.size())}}));
  for (std::size_t r = 0; r < statuses.size(); ++r) {
    SCOPED_TRACE(static_cast<int>(statuses[r]));
    const int row = static_cast<int>(r);
    EXPECT_EQ(analog.Ar(row), cases[r].ar.Cell());
    EXPECT_EQ(analog.Nar(row), cases[r].nar.Cell());
    EXPECT_EQ(analog.Val(row), cases[r].value ? "  " + std::to_string(10 + r) + ",50" : "");
    EXPECT_EQ(rig.config.MBM.LiveStatus(9 + row), statuses[r]);
  }
  EXPECT_EQ(analog.Ar(static_cast<int>(statuses.size())), kEmpty);
  EXPECT_TRUE(rig.ui.shown.empty());
}

TEST_F(NetworkAnalogTest, ASilentControllerGivesOneReportAndHidesThePollingLabel) {
  for (const FailedAnswerCase& c : kFailedAnswerCases) {
    SCOPED_TRACE(c.what);
    NetworkLiveRig rig2;
    TFormVhDLocController child{rig2.session, nullptr};
    TFormVhAnLController form{rig2.session, child, nullptr};
    form.AttachTimer(rig2.timer);
    form.Open({1, "ТЕРН", "4"});
    rig2.line.Fail({fn::kAnalogStates, 6}, c.fault);
    form.FormShow();
    rig2.clock.Advance(3000);
    EXPECT_EQ(Transactions(rig2.Reads()), (Reads{{0x47, 6, 3}}));
    const std::size_t sent = rig2.line.requests.size();
    EXPECT_EQ(rig2.ui.Texts(), (std::vector<std::string>{rig2.link.ErrorText(0, c.code)}));
    EXPECT_FALSE(form.label49Visible);
    EXPECT_FALSE(form.Polling());
    EXPECT_EQ(form.label[0], "");
    EXPECT_EQ(form.Ar(0), kEmpty);
    rig2.clock.Advance(30000);
    EXPECT_EQ(rig2.line.requests.size(), sent);
    EXPECT_EQ(rig2.ui.shown.size(), 1u);
  }
}

TEST_F(NetworkAnalogTest, AnUnconfiguredBlockOpensAnEmptyWindowThatAsksNothing) {
  rig.SetBlock(5, 3, 0, 90, 20);  // an analog block of no values
  for (const int block : {4, 15, 0, 5}) {
    SCOPED_TRACE(block);
    analog.Open({block, "", "0"});
    EXPECT_EQ(analog.Rows(), 0);
    for (int r = 0; r < TFormVhAnLController::kRows; ++r) {
      EXPECT_EQ(analog.poz[static_cast<std::size_t>(r)], "");
      EXPECT_EQ(analog.razm[static_cast<std::size_t>(r)], "");
    }
    analog.FormShow();
    rig.clock.Advance(9000);
    EXPECT_TRUE(analog.Polling());
    EXPECT_TRUE(analog.Cells().empty());
    analog.FormClose();
  }
  EXPECT_TRUE(rig.line.requests.empty());
  EXPECT_TRUE(rig.ui.shown.empty());
}

TEST_F(NetworkAnalogTest, ValuesBeyondOneAnswerOrTheBufferAreAskedInPartsOrLeftOut) {
  struct Case {
    int kolVh;
    int s2;
    int rows;
    Reads reads;
  };
  const Case cases[] = {
      {40, 6, 40, {{0x47, 6, 31}, {0x47, 37, 9}}},
      {12, 40, 8, {{0x47, 40, 8}}},  // signals 48..51 do not exist
      {3, 48, 0, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.kolVh);
    rig.line.ForgetRequests();
    rig.SetBlock(1, 3, c.kolVh, 44, c.s2);
    analog.Open({1, "ЛУР-05", "1"});
    EXPECT_EQ(analog.Rows(), c.rows);
    analog.FormShow();
    rig.clock.Advance(3000);
    EXPECT_EQ(rig.Reads(), c.reads);
    if (c.rows > 0) {
      EXPECT_EQ(analog.label[static_cast<std::size_t>(c.rows - 1)], std::to_string(c.s2 + c.rows - 1));
    }
    analog.FormClose();
  }
  EXPECT_TRUE(rig.ui.shown.empty());
}

TEST_F(NetworkAnalogTest, OnLineOpensTheAlarmEntriesAndTheTwoWindowsNeverPollAtOnce) {
  analog.Open({1, "другие ", "9"});
  analog.FormShow();
  rig.clock.Advance(3000);
  ASSERT_EQ(rig.Reads(), (Reads{{0x47, 6, 3}}));
  rig.line.ForgetRequests();

  bool pausedWhileOpen = true;
  child = [&](TFormVhDLocController& form) {
    EXPECT_EQ(form.head.tipMod, "не определен");
    EXPECT_EQ(form.head.labAMod, "9");
    EXPECT_EQ(form.S1(), 44);
    EXPECT_EQ(form.N(), 12);
    ASSERT_TRUE(form.FormShow());
    pausedWhileOpen = pausedWhileOpen && !analog.Polling() && !analog.label49Visible;
    rig.clock.Advance(6000);
    form.FormClose();
  };
  analog.ButOnLineClick();
  EXPECT_EQ(childRange.dialog.shows, 0);  // 3 values: 12 entries, no range
  EXPECT_TRUE(pausedWhileOpen);
  EXPECT_EQ(rig.Reads(), (Reads{{2, 44, 12}, {1, 1100, 12}, {2, 44, 12}, {1, 1100, 12}}));
  EXPECT_TRUE(analog.Polling());
  EXPECT_TRUE(analog.label49Visible);
  rig.clock.Advance(3000);
  EXPECT_EQ(rig.Reads().back(), (std::array<int, 3>{0x47, 6, 3}));
  analog.FormClose();

  // Four values or more: 16 or more alarm entries ask for the range first.
  childRange.first = "60";
  childRange.count = "12";
  child = [](TFormVhDLocController& form) {
    ASSERT_TRUE(form.FormShow());
    EXPECT_EQ(form.N(), 20);
    EXPECT_EQ(form.Rows(), 12);
    form.FormClose();
  };
  analog.Open({3, "ЛУР-05", "12"});
  analog.ButOnLineClick();
  EXPECT_EQ(childRange.dialog.shows, 1);
  EXPECT_EQ(alarms.head.tipMod, "ЛУР-05");
  EXPECT_FALSE(analog.Polling());  // not shown: nothing to resume
  EXPECT_TRUE(rig.ui.shown.empty());
}

TEST_F(NetworkAnalogTest, OnLinePressedWhileAPollWaitsOpensNothing) {
  int opened = 0;
  child = [&](TFormVhDLocController&) { ++opened; };
  // The press arrives while the controller is still answering the poll.
  rig.line.rewriteAnswer = [&](const Frame& request, std::optional<Frame> answer) {
    if (request[1] == fn::kAnalogStates) analog.ButOnLineClick();
    return answer;
  };
  analog.Open({1, "ЛУР-05", "1"});
  analog.FormShow();
  rig.clock.Advance(3000);
  EXPECT_EQ(rig.Reads(), (Reads{{0x47, 6, 3}}));
  EXPECT_EQ(opened, 0);
  EXPECT_TRUE(analog.Polling());
  rig.line.rewriteAnswer = nullptr;
  analog.ButOnLineClick();
  EXPECT_EQ(opened, 1);
  analog.FormClose();
}

}  // namespace
}  // namespace lur::test

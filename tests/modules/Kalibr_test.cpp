// The calibration window's controller against the simulated controller: the
// opening's requests, the periodic reading, the calibration commands and
// their failures, the remembered selection, and what a row shows.
#include <gtest/gtest.h>

#include "modules/KalibrFixture.h"
#include "modules/KalibrRows.h"

namespace lur::test {
namespace {

constexpr int kStates = fn::kAnalogStates;
constexpr int kPage = fn::kReadPage;

class KalibrTest : public ::testing::Test {
 protected:
  explicit KalibrTest(const sim::SimOptions& options = KalibrOptions()) : rig(options) {}
  KalibrRig rig;
  TFormKalibrController& form = rig.form;
};

// ---- opening and reading ------------------------------------------------------------------

TEST_F(KalibrTest, OpeningReadsStatesColdJunctionAndCodesOfTheModule) {
  struct Case {
    int module, type, rows;
    std::vector<KalibrRequest> requests;
  };
  const Case cases[] = {
      {1, 7, 6, {{kStates, 0, 6}, {kPage, 60, 0}}},
      {2, 8, 7, {{kStates, 6, 6}, {kStates, 129, 1}, {kPage, 61, 0}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.type);
    rig.line.ForgetRequests();
    ASSERT_TRUE(form.Open({.editor = TEditor::AnalogCalibration, .module = c.module, .type = c.type}));
    EXPECT_EQ(rig.Requests(), c.requests);
    EXPECT_EQ(form.Rows(), c.rows);
    EXPECT_EQ(form.Row(1).label, "Вход 1");
    EXPECT_EQ(form.Row(6).label, "Вход 6");
    EXPECT_EQ(form.Row(1).tag, "ТЕ-" + std::to_string(10 * c.module + 1));
    EXPECT_EQ(form.Value(1).size(), 7u);
    EXPECT_EQ(form.State(1), (TKalibrCell{"и", TKalibrColour::Lime, TKalibrColour::Black}));
    EXPECT_FALSE(form.CodeNow(1).empty());
    EXPECT_EQ(form.Selected(), 0);
  }
  // The thermo module: every unit "град.C" (Latin C), the cold junction "TXC".
  EXPECT_EQ(form.Row(7).label, "Тхс");
  EXPECT_EQ(form.Row(7).tag, "TXC");
  EXPECT_EQ(form.Unit(1), "град.C");
  EXPECT_EQ(form.Unit(7), "град.C");
  EXPECT_TRUE(rig.ui.shown.empty());
}

TEST_F(KalibrTest, ReadsEveryThreeSecondsWithoutOverlappingRequests) {
  rig.line.answerDelayMs = 1200;  // a poll of three requests outlasts the period
  ASSERT_TRUE(rig.Show(2, 8));
  rig.line.ForgetRequests();
  EXPECT_TRUE(form.label1Visible);
  rig.clock.Advance(20000);
  const std::vector<KalibrRequest> poll = {{kStates, 6, 6}, {kStates, 129, 1}, {kPage, 61, 0}};
  const auto requests = rig.Requests();
  ASSERT_GE(requests.size(), 6u);
  for (std::size_t i = 0; i < requests.size(); ++i) EXPECT_EQ(requests[i], poll[i % 3]) << i;
  EXPECT_GT(form.Poller()->SkippedTicks(), 0);
}

TEST_F(KalibrTest, ThePeriodIsThreeSecondsStartToStart) {
  ASSERT_TRUE(rig.Show(1, 7));
  rig.line.ForgetRequests();
  rig.clock.Advance(9050);
  std::vector<std::int64_t> starts;
  for (const SimPort::Request& q : rig.line.requests) {
    if (q.function == kStates) starts.push_back(q.atMs);
  }
  // Start to start, within the clock's 100 ms steps.
  EXPECT_EQ(rig.timer.Period(), 3000);
  ASSERT_EQ(starts.size(), 3u);
  EXPECT_NEAR(static_cast<double>(starts[1] - starts[0]), 3000, 100);
  EXPECT_NEAR(static_cast<double>(starts[2] - starts[0]), 6000, 100);
  form.Button1Click();  // the timer off: no more reading
  EXPECT_FALSE(form.label1Visible);
  const std::size_t sent = rig.line.requests.size();
  rig.clock.Advance(9000);
  EXPECT_EQ(rig.line.requests.size(), sent);
}

TEST_F(KalibrTest, ACodesFailureAtOpeningOnlyWarns) {
  sim::SimOptions o = KalibrOptions();
  o.pageExceptions[60] = 2;
  KalibrRig r(o);
  ASSERT_TRUE(r.Show(1, 7));
  EXPECT_EQ(r.ui.Texts(), (std::vector<std::string>{"Модуль не обслуживает запрос кодов АЦП"}));
  EXPECT_EQ(r.ui.shown[0].caption, "Предупреждение");
  EXPECT_EQ(r.ui.shown[0].icon, MsgIcon::Warning);
  EXPECT_EQ(r.form.CodeMin(1), "");
  EXPECT_EQ(r.form.CodeNow(1), "");
  // Exception 2 while polling is a failure like any other.
  r.clock.Advance(3000);
  EXPECT_FALSE(r.form.Polling());
  EXPECT_EQ(r.ui.shown.size(), 2u);
}

TEST_F(KalibrTest, CodesExceptionsOneAndThreeWhilePollingKeepTheCodes) {
  ASSERT_TRUE(rig.Show(1, 7));
  const std::string shown = form.CodeMax(4);
  for (std::uint8_t code : {1, 3}) {
    rig.line.FailPage(kPage, 60, ExceptionAnswer(code), 1);
    rig.clock.Advance(3000);
    EXPECT_TRUE(form.Polling()) << int{code};
    EXPECT_EQ(form.CodeMax(4), shown);
  }
  EXPECT_TRUE(rig.ui.shown.empty());
}

TEST_F(KalibrTest, SilenceWhilePollingGivesOneBoxAndNoFurtherRequest) {
  ASSERT_TRUE(rig.Show(1, 7));
  rig.line.Fail({fn::kAnalogStates, std::nullopt}, Silence());
  rig.clock.Advance(3000);
  EXPECT_FALSE(form.Polling());
  EXPECT_FALSE(form.label1Visible);
  ASSERT_EQ(rig.ui.shown.size(), 1u);
  const std::size_t sent = rig.line.requests.size();
  rig.clock.Advance(30000);
  EXPECT_EQ(rig.line.requests.size(), sent);
  EXPECT_EQ(rig.ui.shown.size(), 1u);
}

TEST_F(KalibrTest, AFailedReadAtOpeningOpensNoWindow) {
  struct Case {
    const char* what;
    int start;
    int module, type;
    std::size_t requests;
  };
  const Case cases[] = {{"states", 0, 1, 7, 1}, {"cold junction", 129, 2, 8, 2}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    KalibrRig r;
    r.line.Fail({fn::kAnalogStates, c.start}, ExceptionAnswer(2));
    EXPECT_FALSE(r.form.Open({.editor = TEditor::AnalogCalibration, .module = c.module, .type = c.type}));
    EXPECT_EQ(r.ui.shown.size(), 1u);
    EXPECT_EQ(r.line.requests.size(), c.requests);  // no codes read
  }
}

TEST_F(KalibrTest, FileModeAndAModuleOfAnotherKindSendNothing) {
  EXPECT_FALSE(form.Open({.editor = TEditor::AnalogCalibration, .module = 1, .type = 3}));
  EXPECT_FALSE(form.Open({.editor = TEditor::AnalogCalibration, .module = 9, .type = 7}));
  rig.config.Serv.FileMode = 1;
  EXPECT_FALSE(form.Open({.editor = TEditor::AnalogCalibration, .module = 1, .type = 7}));
  EXPECT_TRUE(rig.line.requests.empty());
}

// ---- commands ---------------------------------------------------------------------------

TEST_F(KalibrTest, SelectMinMaxReleaseSendTheirCoils) {
  ASSERT_TRUE(rig.Show(2, 8));
  form.SpButClick(3, true);
  EXPECT_EQ(form.Selected(), 3);
  EXPECT_TRUE(form.KalibrLabelBlack());
  rig.ui.answers = {MsgAnswer::Yes, MsgAnswer::Yes};
  EXPECT_TRUE(form.KalMinClick(3));
  EXPECT_TRUE(form.KalMaxClick(3));
  form.SpButClick(3, false);
  EXPECT_EQ(form.Selected(), 0);
  EXPECT_FALSE(form.KalibrLabelBlack());
  EXPECT_EQ(rig.Coils(), (std::vector<Frame>{{1, 5, 0x10, 0x23, 0xFF, 0}, {1, 5, 0x11, 0x23, 0xFF, 0},
                                             {1, 5, 0x12, 0x23, 0xFF, 0}, {1, 5, 0x10, 0x23, 0, 0}}));
  EXPECT_EQ(rig.ui.Texts(), (std::vector<std::string>{TFormKalibrController::kMinQuestion,
                                                      TFormKalibrController::kMaxQuestion}));
  EXPECT_EQ(rig.ui.shown[0].caption, "Подтвердите готовность к калибровке шкалы");
  EXPECT_EQ(rig.ui.shown[0].buttons, MsgButtons::YesNo);
}

TEST_F(KalibrTest, AfterMinOrMaxTheNextReadShowsTheCodeTaken) {
  ASSERT_TRUE(rig.Show(1, 7));
  form.SpButClick(5, true);
  ASSERT_NE(form.CodeMin(5), form.CodeNow(5));
  rig.ui.answers = {MsgAnswer::Yes};
  ASSERT_TRUE(form.KalMinClick(5));
  rig.clock.Advance(3000);
  EXPECT_EQ(form.CodeMin(5), form.CodeNow(5));
  EXPECT_NE(form.CodeMax(5), form.CodeNow(5));
  rig.ui.answers = {MsgAnswer::Yes};
  ASSERT_TRUE(form.KalMaxClick(5));
  rig.clock.Advance(3000);
  EXPECT_EQ(form.CodeMax(5), form.CodeNow(5));
  // The selected input shows bit 5: "к" on yellow, the current unit.
  EXPECT_EQ(form.State(5), (TKalibrCell{"к", TKalibrColour::Yellow, TKalibrColour::Black}));
  EXPECT_EQ(form.Unit(5), "мА");
  EXPECT_EQ(form.Unit(4), Cp1251ToUtf8(rig.config.MBA.GetUnitText(4)));  // not selected: the channel's own
}

TEST_F(KalibrTest, NoSendsNothingAndUnselectedRowsHaveNoCalibration) {
  ASSERT_TRUE(rig.Show(1, 7));
  EXPECT_FALSE(form.KalMinClick(2));  // no input selected
  form.SpButClick(2, true);
  rig.line.ForgetRequests();
  rig.ui.answers = {MsgAnswer::No, MsgAnswer::No};
  EXPECT_FALSE(form.KalMinClick(2));
  EXPECT_FALSE(form.KalMaxClick(2));
  EXPECT_FALSE(form.KalMaxClick(1));  // not the selected row: no question
  EXPECT_TRUE(rig.line.requests.empty());
  EXPECT_EQ(rig.ui.shown.size(), 2u);
}

TEST_F(KalibrTest, PressingAnotherRowReleasesTheOldInputFirst) {
  ASSERT_TRUE(rig.Show(1, 7));
  form.SpButClick(2, true);
  form.SpButClick(4, true);
  EXPECT_EQ(form.Selected(), 4);
  EXPECT_EQ(rig.Coils(), (std::vector<Frame>{KalibrCoil(0x10, 1, 2, true), KalibrCoil(0x10, 1, 2, false),
                                             KalibrCoil(0x10, 1, 4, true)}));
  // A failed release keeps the old selection and selects nothing new.
  rig.line.Fail({fn::kWriteCoil, std::nullopt}, ExceptionAnswer(4), 1);
  form.SpButClick(6, true);
  EXPECT_EQ(form.Selected(), 4);
  EXPECT_EQ(rig.ui.shown.size(), 1u);
  EXPECT_EQ(rig.Coils().size(), 4u);
  EXPECT_TRUE(rig.line.Controller().Calibration().Selected(1, 4));
}

TEST_F(KalibrTest, FailuresOfSelectReleaseAndCalibrationAreReportedOnce) {
  ASSERT_TRUE(rig.Show(1, 7));
  form.Button1Click();  // the reading off: failures are reported all the same
  rig.line.Fail({fn::kWriteCoil, std::nullopt}, ExceptionAnswer(2), 1);
  form.SpButClick(1, true);
  EXPECT_EQ(form.Selected(), 0);  // the button back up, "Калибровка" grey
  EXPECT_FALSE(form.KalibrLabelBlack());
  EXPECT_EQ(rig.ui.shown.size(), 1u);

  form.SpButClick(1, true);
  rig.line.Fail({fn::kWriteCoil, std::nullopt}, ExceptionAnswer(2), 1);
  rig.ui.answers = {MsgAnswer::Yes};
  EXPECT_FALSE(form.KalMinClick(1));
  EXPECT_EQ(rig.ui.shown.size(), 3u);  // the question, then the box

  rig.line.Fail({fn::kWriteCoil, std::nullopt}, ExceptionAnswer(2), 1);
  form.SpButClick(1, false);
  EXPECT_EQ(form.Selected(), 1);  // the controller keeps it: the row stays down
  EXPECT_EQ(rig.ui.shown.size(), 4u);
}

TEST_F(KalibrTest, TheLimitedLevelSendsNoCommand) {
  ASSERT_TRUE(rig.Show(1, 7));
  form.SpButClick(2, true);
  rig.config.Lur.FullAccess = 0;
  form.Button1Click();
  rig.line.ForgetRequests();
  rig.ui.answers = {MsgAnswer::Yes, MsgAnswer::Yes};
  EXPECT_FALSE(form.KalMinClick(2));
  EXPECT_FALSE(form.KalMaxClick(2));
  form.SpButClick(2, false);
  EXPECT_EQ(form.Selected(), 2);
  form.SpButClick(3, true);
  EXPECT_EQ(form.Selected(), 2);
  form.FormClose();
  EXPECT_EQ(form.Remembered().input, 2);
  EXPECT_TRUE(rig.line.requests.empty());
  const std::string refusal = kNoAccessText;
  EXPECT_EQ(rig.ui.Texts(), (std::vector<std::string>{TFormKalibrController::kMinQuestion, refusal,
                                                      TFormKalibrController::kMaxQuestion, refusal, refusal,
                                                      refusal, refusal}));
  // A refused select leaves the row up.
  KalibrRig fresh;
  ASSERT_TRUE(fresh.Show(1, 7));
  fresh.config.Lur.FullAccess = 0;
  fresh.form.SpButClick(1, true);
  EXPECT_EQ(fresh.form.Selected(), 0);
}

TEST_F(KalibrTest, ClosingReleasesTheSelectedInput) {
  ASSERT_TRUE(rig.Show(2, 8));
  form.SpButClick(7, true);
  EXPECT_TRUE(rig.line.Controller().Calibration().Selected(2, 7));
  rig.line.ForgetRequests();
  form.FormClose();
  EXPECT_EQ(rig.Coils(), (std::vector<Frame>{KalibrCoil(0x10, 2, 7, false)}));
  EXPECT_FALSE(rig.line.Controller().Calibration().Selected(2, 7));
  EXPECT_FALSE(form.Polling());
  EXPECT_EQ(form.Remembered().input, 0);
  // Reopened: no row pressed.
  ASSERT_TRUE(rig.Show(2, 8));
  EXPECT_EQ(form.Selected(), 0);
}

TEST_F(KalibrTest, AFailedReleaseAtClosingKeepsTheSelectionForThatModuleOfThatDevice) {
  ASSERT_TRUE(rig.Show(1, 7));
  form.SpButClick(3, true);
  rig.line.Fail({fn::kWriteCoil, std::nullopt}, Silence());
  form.FormClose();
  rig.line.ClearFaults();
  EXPECT_EQ(rig.ui.shown.size(), 1u);
  EXPECT_EQ(form.Remembered(), (TCalibrSelection{0, 1, 3}));

  // Another module opens without a pressed row, and its Min sends nothing.
  ASSERT_TRUE(rig.Show(3, 9));
  EXPECT_EQ(form.Selected(), 0);
  rig.line.ForgetRequests();
  EXPECT_FALSE(form.KalMinClick(3));
  EXPECT_TRUE(rig.Coils().empty());
  form.FormClose();
  EXPECT_TRUE(rig.Coils().empty());  // nothing of its own to release

  // The same module of the same device opens with the row pressed.
  ASSERT_TRUE(rig.Show(1, 7));
  EXPECT_EQ(form.Selected(), 3);
  EXPECT_TRUE(form.KalibrLabelBlack());
  form.FormClose();
  EXPECT_EQ(rig.Coils(), (std::vector<Frame>{KalibrCoil(0x10, 1, 3, false)}));
}

TEST_F(KalibrTest, ACommandNeverRunsInsideAPoll) {
  ASSERT_TRUE(rig.Show(1, 7));
  const std::int64_t due = rig.clock.NowMs() + 3000;
  form.SpButClick(1, true);
  // A tick that falls due while a command waits for its answer starts no
  // reading.
  rig.line.answerDelayMs = 1000;
  rig.line.ForgetRequests();
  int readsInBox = -1;
  rig.ui.answers = {MsgAnswer::Yes};
  rig.line.rewriteAnswer = [&](const Frame& request, std::optional<Frame> answer) {
    if (request[1] == fn::kWriteCoil) readsInBox = rig.line.Count(fn::kAnalogStates);
    return answer;
  };
  rig.clock.Advance(static_cast<int>(due - rig.clock.NowMs() - 300));
  EXPECT_TRUE(form.KalMinClick(1));  // the coil's 1 s answer crosses the tick
  EXPECT_EQ(readsInBox, 0);
  EXPECT_EQ(rig.line.Count(fn::kAnalogStates), 0);
  rig.clock.Advance(3000);
  EXPECT_GT(rig.line.Count(fn::kAnalogStates), 0);
}

// ---- what a row shows -------------------------------------------------------------------

TEST(KalibrRows, StateAndViolationByStatusByte) {
  using C = TKalibrColour;
  struct Case {
    int status;
    TKalibrCell state;
    TKalibrCell violation;
  };
  const Case cases[] = {
      {0x00, {"и", C::Lime, C::Black}, {"норма", C::Lime, C::Black}},
      {0x04, {"и", C::Lime, C::Black}, {"LL", C::Red, C::Black}},
      {0x24, {"к", C::Yellow, C::Black}, {"LL", C::Red, C::Black}},
      {0x20, {"к", C::Yellow, C::Black}, {}},
      {0x81, {"п", C::Purple, C::InfoBk}, {"L(L-H)", C::Red, C::Black}},
      {0x40, {"о", C::Purple, C::InfoBk}, {}},
      {0x45, {"о", C::Purple, C::InfoBk}, {}},
      {0xC2, {"п", C::Purple, C::InfoBk}, {"H(L-H)", C::Red, C::Black}},
      {0xA6, {"п", C::Purple, C::InfoBk}, {"HH", C::Red, C::Black}},  // purple even with bit 5
      {0x60, {"о", C::Purple, C::InfoBk}, {}},
      {0x07, {"и", C::Lime, C::Black}, {}},
      {0x27, {"к", C::Yellow, C::Black}, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.status);
    EXPECT_EQ(KalibrStateCell(c.status), c.state);
    EXPECT_EQ(KalibrViolationCell(c.status), c.violation);
  }
}

TEST(KalibrRows, UnitByModuleTypeInputTypeAndSelection) {
  struct Case {
    int type, inputType, status;
    const char* unit;
  };
  const Case cases[] = {
      {8, 0, 0x00, "град.C"}, {8, 3, 0x20, "град.C"}, {6, 0, 0x20, "кПа"},  {6, 1, 0x20, "кгС/см2"},
      {6, 2, 0x24, "атм"},    {6, 3, 0x20, "бар"},    {6, 4, 0x20, "МПа"},  {6, 7, 0x20, "МПа"},
      {6, 0, 0x00, "МПа"},    {7, 5, 0x20, "мА"},     {7, 0, 0x40, "МПа"},  {9, 0, 0x24, "мА"},
      {9, 2, 0x20, "мА"},     {9, 3, 0x20, "МПа"},    {9, 7, 0x20, "МПа"},  {13, 0, 0x20, "МПа"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(KalibrUnitText(c.type, c.inputType, c.status, "МПа"), c.unit)
        << c.type << ' ' << c.inputType << ' ' << c.status;
  }
}

}  // namespace
}  // namespace lur::test

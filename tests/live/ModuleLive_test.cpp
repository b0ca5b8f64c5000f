#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "ModuleLiveFixture.h"
#include "live/TFormVhDController.h"
#include "live/TFormVyhOnLController.h"
#include "model/Cp1251.h"
#include "session/FailedAnswerCases.h"

namespace lur::test {
namespace {

using Reads = std::vector<std::array<int, 3>>;

// The requests without the link's repetitions of a request that got no
// answer.
Reads Transactions(const Reads& reads) {
  Reads out;
  for (const auto& r : reads) {
    if (out.empty() || out.back() != r) out.push_back(r);
  }
  return out;
}

const TLiveCellLook kCleared{};
const TLiveCellLook kHealthy{"исправен", TLiveColour::InfoBk, TLiveColour::Teal};
const TLiveCellLook kFaulty{"неисправен", TLiveColour::Red, TLiveColour::InfoBk};
const TLiveCellLook kOn{"on", TLiveColour::Aqua, TLiveColour::Black};
const TLiveCellLook kOff{"off", TLiveColour::InfoBk, TLiveColour::Black};
const TLiveCellLook kReliable{"достовер.", TLiveColour::InfoBk, TLiveColour::Black};
const TLiveCellLook kUnreliable{"недостовер.", TLiveColour::Purple, TLiveColour::InfoBk};

class ModuleLiveTest : public ::testing::Test {
 protected:
  explicit ModuleLiveTest(const sim::SimOptions& options = ModuleLiveOptions()) : rig(options) {
    inputs.AttachTimer(rig.timer);
  }
  // The output view runs on a timer of its own; the clock fires the one of
  // the view under test.
  void AttachOutputs() {
    outputs.AttachTimer(outputTimer);
    rig.clock.timer = &outputTimer;
  }

  ModuleLiveRig rig;
  ManualPollTimer outputTimer{rig.clock};
  TFormVhDController inputs{rig.session};
  TFormVyhOnLController outputs{rig.session};
};

// ---- opening -------------------------------------------------------------------------

TEST_F(ModuleLiveTest, OpeningTheInputViewFillsTheHeadingOfThePosition) {
  rig.config.Serv.SetInputText(Utf8ToCp1251("Насос 3"), 24);
  rig.config.Serv.SetInputText(Utf8ToCp1251("Клапан"), 35);
  ASSERT_TRUE(inputs.Open(3, "ТОРИ"));
  EXPECT_EQ(rig.config.Lur.GetTipDatModule(), 3);
  EXPECT_EQ(inputs.labNMod, "3");
  EXPECT_EQ(inputs.tipMod, "ТОРИ");
  EXPECT_EQ(inputs.labAMod, "2");
  EXPECT_EQ(inputs.tRecv[0], Cp1251ToUtf8(rig.config.Serv.GetInputText(24)));
  EXPECT_EQ(inputs.tRecv[11], Cp1251ToUtf8(rig.config.Serv.GetInputText(35)));
  EXPECT_EQ(inputs.tRecv[0].rfind("Насос 3", 0), 0u);

  for (const int bad : {0, 9, -1, 4, 5, 6, 8}) EXPECT_FALSE(inputs.Open(bad, "")) << bad;
  EXPECT_EQ(inputs.Position(), 3);
}

TEST_F(ModuleLiveTest, TheOutputModuleNumberIsTheSlotsPlaceAmongOutputModules) {
  // The control loop module in slot 5 stands before the outputs: the slot
  // arithmetic of "slot - inputs - analog modules" would give 6 - 3 - 1 = 2.
  struct Case {
    int slot;
    int module;
  };
  for (const Case c : {Case{6, 1}, Case{7, 2}, Case{1, 0}, Case{4, 0}, Case{5, 0}, Case{8, 0}, Case{0, 0}, Case{9, 0}}) {
    SCOPED_TRACE(c.slot);
    EXPECT_EQ(TFormVyhOnLController::OutputModuleOfSlot(rig.config.Serv, c.slot), c.module);
    TFormVyhOnLController form{rig.session};
    EXPECT_EQ(form.Open(c.slot, "МР-71"), c.module != 0);
    EXPECT_EQ(form.Module(), c.module);
  }
  ASSERT_TRUE(outputs.Open(7, "МР-71"));
  EXPECT_EQ(outputs.labNMod, "2");
  EXPECT_EQ(outputs.labAMod, "6");
  EXPECT_EQ(outputs.tRecv[0], Cp1251ToUtf8(rig.config.Serv.GetOutputId(8)));
  EXPECT_EQ(outputs.tRecv[7], Cp1251ToUtf8(rig.config.Serv.GetOutputId(15)));
  EXPECT_FALSE(outputs.tRecv[7].empty());
}

// ---- the polls -------------------------------------------------------------------------

TEST_F(ModuleLiveTest, EachPeriodSendsTheViewsRequestsForItsModule) {
  AttachOutputs();
  struct Case {
    const char* what;
    TModuleLiveController* form;
    ManualPollTimer* timer;
    int period;
    Reads reads;
  };
  ASSERT_TRUE(inputs.Open(3, "ТОРИ"));
  ASSERT_TRUE(outputs.Open(7, "МР-71"));
  const Case cases[] = {
      {"inputs of position 3", &inputs, &rig.timer, 3000, {{1, 1016, 16}, {2, 24, 12}, {1, 1080, 12}}},
      {"outputs of slot 7", &outputs, &outputTimer, 1000, {{1, 1016, 16}, {1, 8, 8}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    rig.line.ForgetRequests();
    rig.clock.timer = c.timer;
    c.form->FormShow();
    EXPECT_TRUE(c.form->label1Visible);
    EXPECT_EQ(c.timer->Period(), c.period);
    rig.clock.Advance(c.period - 100);
    EXPECT_TRUE(rig.line.requests.empty());  // the first poll one period after showing
    rig.clock.Advance(100);
    EXPECT_EQ(rig.Reads(), c.reads);
    rig.clock.Advance(c.period);
    Reads twice = c.reads;
    twice.insert(twice.end(), c.reads.begin(), c.reads.end());
    EXPECT_EQ(rig.Reads(), twice);
    c.form->FormClose();
  }
  EXPECT_TRUE(rig.ui.shown.empty());
}

TEST_F(ModuleLiveTest, CellsShowHealthStatesAndReliabilityAsTheControllerChangesThem) {
  sim::SimController& sim = rig.line.Controller();
  ASSERT_TRUE(inputs.Open(3, "ТОРИ"));
  sim.SetModuleFaulty(3, true);
  sim.SetSignalUnreliable(25, true);  // input 1 of position 3
  sim.SetSignalUnreliable(36, true);  // input 12
  sim.SetSignalUnreliable(37, true);  // the next module's: not shown
  sim.Live().SetDiscreteInput(24, true);
  sim.Live().SetDiscreteInput(25, false);
  sim.Live().SetDiscreteInput(35, true);

  inputs.FormShow();
  rig.clock.Advance(3000);
  EXPECT_EQ(inputs.Isprav(), kFaulty);
  EXPECT_EQ(inputs.OnOff(0), kOn);
  EXPECT_EQ(inputs.OnOff(1), kOff);
  EXPECT_EQ(inputs.OnOff(11), kOn);
  EXPECT_EQ(inputs.Dost(0), kUnreliable);
  EXPECT_EQ(inputs.Dost(1), kReliable);
  EXPECT_EQ(inputs.Dost(11), kUnreliable);

  // The controller changes between two polls.
  sim.SetModuleFaulty(3, false);
  sim.SetSignalUnreliable(25, false);
  sim.Live().SetDiscreteInput(24, false);
  rig.clock.Advance(3000);
  EXPECT_EQ(inputs.Isprav(), kHealthy);
  EXPECT_EQ(inputs.OnOff(0), kOff);
  EXPECT_EQ(inputs.Dost(0), kReliable);
  inputs.FormClose();

  // Outputs: the module in slot 7 is position 7 on the bus, its outputs
  // coils 8..15.
  sim.SetModuleFaulty(7, true);
  sim.Live().SetCoil(8, false);
  sim.Live().SetCoil(10, true);
  sim.Live().SetCoil(0, true);  // module 1's: not shown
  AttachOutputs();
  ASSERT_TRUE(outputs.Open(7, "МР-71"));
  outputs.FormShow();
  rig.clock.Advance(1000);
  EXPECT_EQ(outputs.Isprav(), kFaulty);
  EXPECT_EQ(outputs.OnOff(0), kOff);
  EXPECT_EQ(outputs.OnOff(2), kOn);
  sim.SetModuleFaulty(7, false);
  sim.Live().SetCoil(10, false);
  rig.clock.Advance(1000);
  EXPECT_EQ(outputs.Isprav(), kHealthy);
  EXPECT_EQ(outputs.OnOff(2), kOff);
  EXPECT_TRUE(rig.ui.shown.empty());
}

TEST_F(ModuleLiveTest, AFailedRequestGivesOneBoxStopsPollingAndLeavesTheLaterCells) {
  for (const FailedAnswerCase& c : kFailedAnswerCases) {
    SCOPED_TRACE(c.what);
    ModuleLiveRig rig2;
    TFormVhDController form{rig2.session};
    form.AttachTimer(rig2.timer);
    ASSERT_TRUE(form.Open(3, "ТОРИ"));
    form.FormShow();
    rig2.clock.Advance(3000);
    const TLiveCellLook onOff = form.OnOff(0);
    const TLiveCellLook dost = form.Dost(0);
    ASSERT_FALSE(onOff.text.empty());

    // The second request of the next poll fails; the controller's module
    // fails meanwhile, which the first request still shows.
    rig2.line.Controller().SetModuleFaulty(3, true);
    rig2.line.Controller().Live().SetDiscreteInput(24, !rig2.line.Controller().Live().DiscreteInput(24));
    rig2.line.Fail({std::uint8_t{2}, 24}, c.fault);
    rig2.line.ForgetRequests();
    rig2.clock.Advance(3000);
    EXPECT_EQ(Transactions(rig2.Reads()), (Reads{{1, 1016, 16}, {2, 24, 12}}));
    const std::size_t sent = rig2.line.requests.size();
    EXPECT_EQ(form.Isprav(), kFaulty);
    EXPECT_EQ(form.OnOff(0), onOff);
    EXPECT_EQ(form.Dost(0), dost);
    ASSERT_EQ(rig2.ui.shown.size(), 1u);
    EXPECT_EQ(rig2.ui.shown[0].text, rig2.link.ErrorText(0, c.code));
    EXPECT_FALSE(form.label1Visible);
    EXPECT_FALSE(form.Polling());

    rig2.clock.Advance(30000);
    EXPECT_EQ(rig2.line.requests.size(), sent);
    EXPECT_EQ(rig2.ui.shown.size(), 1u);
  }
}

TEST_F(ModuleLiveTest, AMutedOutputReadStopsTheOutputView) {
  AttachOutputs();
  ASSERT_TRUE(outputs.Open(6, "МР-73"));
  rig.line.Fail({std::uint8_t{1}, 0}, Silence());
  outputs.FormShow();
  rig.clock.Advance(1000);
  EXPECT_EQ(Transactions(rig.Reads()), (Reads{{1, 1016, 16}, {1, 0, 8}}));
  const std::size_t sent = rig.line.requests.size();
  EXPECT_EQ(rig.ui.Texts(), (std::vector<std::string>{rig.link.ErrorText(0, kResultNoAnswer)}));
  EXPECT_EQ(outputs.Isprav(), kHealthy);
  EXPECT_EQ(outputs.OnOff(0), kCleared);
  EXPECT_FALSE(outputs.label1Visible);
  rig.clock.Advance(10000);
  EXPECT_EQ(rig.line.requests.size(), sent);
}

TEST_F(ModuleLiveTest, NoPollStartsWhileOneRunsAgainstASlowController) {
  AttachOutputs();
  ASSERT_TRUE(outputs.Open(6, "МР-73"));
  // Each answer takes 1.5 s, so the 1-second ticks fall inside every poll.
  rig.line.answerDelayMs = 1500;
  outputs.FormShow();
  rig.clock.Advance(12000);
  // The window's own tick handler, called inside no poll, runs one.
  const std::size_t before = rig.line.requests.size();
  outputs.Timer1Timer();

  const Reads reads = rig.Reads();
  ASSERT_GE(reads.size(), 4u);
  EXPECT_EQ(reads.size(), before + 2);
  EXPECT_EQ(reads.size() % 2, 0u);
  for (std::size_t i = 0; i + 1 < reads.size(); i += 2) {
    EXPECT_EQ(reads[i], (std::array<int, 3>{1, 1016, 16}));
    EXPECT_EQ(reads[i + 1], (std::array<int, 3>{1, 0, 8}));
  }
  EXPECT_GT(outputs.Poller()->SkippedTicks(), 0);
  EXPECT_TRUE(rig.ui.shown.empty());
  EXPECT_TRUE(outputs.Polling());
}

TEST_F(ModuleLiveTest, ClosingStopsAndReopeningClearsTheCellsAndRestarts) {
  ASSERT_TRUE(inputs.Open(1, "ТОРИ"));
  inputs.FormShow();
  rig.clock.Advance(3000);
  ASSERT_NE(inputs.Isprav(), kCleared);
  inputs.FormClose();
  EXPECT_FALSE(inputs.label1Visible);
  const std::size_t sent = rig.line.requests.size();
  rig.clock.Advance(30000);
  EXPECT_EQ(rig.line.requests.size(), sent);
  // Closed, the cells still show the last poll.
  EXPECT_NE(inputs.OnOff(0), kCleared);

  inputs.FormShow();
  EXPECT_EQ(inputs.Isprav(), kCleared);
  for (int i = 0; i < 12; ++i) {
    EXPECT_EQ(inputs.OnOff(i), kCleared);
    EXPECT_EQ(inputs.Dost(i), kCleared);
  }
  rig.clock.Advance(3000);
  EXPECT_EQ(rig.line.requests.size(), sent + 3);

  // After a failure switched polling off, showing again restarts it.
  rig.line.Fail({std::uint8_t{1}, 1016}, Silence());
  rig.clock.Advance(3000);
  ASSERT_FALSE(inputs.Polling());
  rig.line.ClearFaults();
  inputs.FormClose();
  inputs.FormShow();
  rig.clock.Advance(3000);
  EXPECT_TRUE(inputs.Polling());
  EXPECT_EQ(inputs.Isprav(), kHealthy);
  EXPECT_EQ(rig.ui.shown.size(), 1u);
}

TEST_F(ModuleLiveTest, AViewNeverOpenedSendsNothing) {
  inputs.FormShow();
  rig.clock.Advance(3000);
  EXPECT_TRUE(rig.line.requests.empty());
  EXPECT_EQ(rig.ui.shown.size(), 1u);
  EXPECT_FALSE(inputs.Polling());
}

}  // namespace
}  // namespace lur::test

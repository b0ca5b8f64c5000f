// The simulated controller's faults for single requests: the poll faults,
// muted and refused live requests, toggling inputs, and the faults a test
// stages for the nth request of a page or any one request.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "RequestFrames.h"
#include "sim/DefaultPages.h"
#include "sim/FaultPlan.h"
#include "sim/LogLine.h"
#include "sim/SimController.h"

namespace lur::sim {
namespace {

using namespace lur::sim::testing;

class SimFaults : public ::testing::Test {
 protected:
  SimController& Make(SimOptions options = {}) {
    const ModuleSet modules(options.modules, options.display);
    controller_ = std::make_unique<SimController>(
        options, MakeDefaultPages(modules, options.functionBlocks), [this] { return nowMs_; }, ClockTime{});
    controller_->SetPageWriteObserver(
        [this](std::uint8_t page, std::span<const std::uint8_t>) { stored_.push_back(page); });
    return *controller_;
  }
  std::optional<Bytes> Ask(const Bytes& request) { return controller_->Answer(request); }
  std::optional<Bytes> ReadPage(int page) { return Ask(Request(1, 0x44, {page})); }
  std::optional<Bytes> WriteTextPage() {
    Bytes data(1 + 224, 0x20);
    data[0] = 40;
    return Ask(Request(1, 0x45, data));
  }
  // The first byte of a read of discrete inputs 0..7.
  int Inputs() {
    const Bytes data = AnswerData(Ask(Standard(1, 2, 0, 8)));
    return data.size() == 1 ? data[0] : -1;
  }

  std::int64_t nowMs_ = 0;
  std::unique_ptr<SimController> controller_;
  std::vector<std::uint8_t> stored_;
};

TEST_F(SimFaults, PollFaultsSpoilOnlyTheCompletionPoll) {
  SimOptions exception;
  exception.pollException = 2;
  Make(exception);
  ASSERT_TRUE(CrcOk(WriteTextPage()));
  EXPECT_EQ(stored_, std::vector<std::uint8_t>{40});
  for (int i = 0; i < 3; ++i) EXPECT_TRUE(IsException(Ask(Request(1, 14)), 14, 2)) << i;
  EXPECT_TRUE(CrcOk(ReadPage(40)));

  SimOptions truncate;
  truncate.pollTruncate = true;
  Make(truncate);
  ASSERT_TRUE(CrcOk(WriteTextPage()));
  for (int i = 0; i < 3; ++i) {
    const auto answer = Ask(Request(1, 14));
    ASSERT_TRUE(answer);
    EXPECT_LT(answer->size(), 3u) << i;  // shorter than a header
  }
  EXPECT_TRUE(CrcOk(ReadPage(40)));
}

TEST_F(SimFaults, MutedAndRefusedLiveRequestsByFunctionAndStart) {
  SimOptions o;
  o.mutedRequests = {{2, 12}};
  o.liveExceptions = {{{1, 1016}, 4}};
  Make(o);
  EXPECT_FALSE(Ask(Standard(1, 2, 12, 12)));
  EXPECT_FALSE(Ask(Standard(1, 2, 12, 1)));
  EXPECT_TRUE(CrcOk(Ask(Standard(1, 2, 0, 12))));
  EXPECT_TRUE(CrcOk(Ask(Standard(1, 1, 12, 12))));
  EXPECT_TRUE(IsException(Ask(Standard(1, 1, 1016, 16)), 1, 4));
  EXPECT_TRUE(CrcOk(Ask(Standard(1, 1, 1056, 12))));
  EXPECT_TRUE(CrcOk(Ask(Standard(1, 3, 1016, 2))));
  // Frames for another device or with a bad CRC are still not answered at all.
  EXPECT_FALSE(Ask(Standard(2, 1, 1016, 16)));
}

TEST_F(SimFaults, LiveToggleFlipsTheDiscreteInputsEveryPeriod) {
  SimOptions o;
  o.liveToggleMs = 500;
  Make(o);
  const int first = Inputs();
  ASSERT_GE(first, 0);
  const int flipped = first ^ 0xFF;
  const struct {
    std::int64_t ms;
    int inputs;
  } steps[] = {{499, first}, {500, flipped}, {999, flipped}, {1000, first}, {1500, flipped}, {2750, flipped}, {3000, first}};
  for (const auto& step : steps) {
    nowMs_ = step.ms;
    EXPECT_EQ(Inputs(), step.inputs) << step.ms;
  }
  // Coils stay.
  const Bytes coils = AnswerData(Ask(Standard(1, 1, 0, 8)));
  nowMs_ = 500;
  EXPECT_EQ(AnswerData(Ask(Standard(1, 1, 0, 8))), coils);

  Make();  // without the option the inputs never change
  const int still = Inputs();
  nowMs_ = 100000;
  EXPECT_EQ(Inputs(), still);
}

TEST_F(SimFaults, StagedFaultHitsOnlyTheNthRequestOfItsPage) {
  Make();
  controller_->Faults().Add({0x44, 5}, {AnswerFault::Exception, 4}, 2);
  EXPECT_TRUE(CrcOk(ReadPage(6)));
  EXPECT_TRUE(CrcOk(ReadPage(5)));
  EXPECT_TRUE(IsException(ReadPage(5), 0x44, 4));
  EXPECT_TRUE(CrcOk(ReadPage(5)));
  EXPECT_TRUE(CrcOk(ReadPage(5)));
}

TEST_F(SimFaults, EachKindOfStagedFault) {
  struct Case {
    AnswerFault kind;
    bool answered;
    bool frameOk;
    bool stored;  // whether the write behind the answer was done
  };
  const Case cases[] = {
      {AnswerFault::Silence, false, false, false},
      {AnswerFault::Exception, true, true, false},
      {AnswerFault::BadCrc, true, false, true},
      {AnswerFault::Truncate, true, false, true},
      {AnswerFault::ShortData, true, true, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.kind));
    Make();
    stored_.clear();
    // Only the next request, whatever it is; the one after is whole.
    controller_->Faults().Add({}, {c.kind, 3}, 1);
    const auto answer = WriteTextPage();
    EXPECT_EQ(answer.has_value(), c.answered);
    EXPECT_EQ(CrcOk(answer), c.frameOk);
    EXPECT_EQ(stored_.size(), c.stored ? 1u : 0u);
    if (c.kind == AnswerFault::Exception) {
      EXPECT_TRUE(IsException(answer, 0x45, 3));
    }
    EXPECT_TRUE(CrcOk(WriteTextPage()));
  }
}

TEST_F(SimFaults, ShortDataKeepsCountAndCrcAgreeing) {
  Make();
  const auto whole = ReadPage(9);
  ASSERT_TRUE(CrcOk(whole));
  controller_->Faults().Add({0x44, 9}, {AnswerFault::ShortData});
  const auto shorter = ReadPage(9);
  ASSERT_TRUE(CrcOk(shorter));
  EXPECT_EQ(shorter->size() + 1, whole->size());
  EXPECT_EQ((*shorter)[2] + 1, (*whole)[2]);
  EXPECT_EQ(AnswerData(shorter).size() + 1, AnswerData(whole).size());
}

TEST_F(SimFaults, StagedFaultsComeBeforeTheOptions) {
  SimOptions o;
  o.pollException = 2;
  Make(o);
  controller_->Faults().Add({14, std::nullopt}, {AnswerFault::Silence}, 1);
  EXPECT_FALSE(Ask(Request(1, 14)));
  EXPECT_TRUE(IsException(Ask(Request(1, 14)), 14, 2));
  controller_->Faults().Clear();
  EXPECT_TRUE(IsException(Ask(Request(1, 14)), 14, 2));
}

TEST(RequestStart, IsThePageTheAddressOrTheChannel) {
  EXPECT_EQ(RequestStart(Request(1, 0x44, {26})), 26);
  EXPECT_EQ(RequestStart(Standard(1, 4, 1000, 7)), 1000);
  EXPECT_EQ(RequestStart(Request(1, 0x47, {48, 1})), 48);
  EXPECT_EQ(RequestStart(Request(1, 17)), std::nullopt);
  EXPECT_EQ(RequestStart(Bytes{1, 3, 0}), std::nullopt);
}

TEST(LogLine, MillisecondsSinceTheStartThenTheLine) {
  using std::chrono::microseconds;
  EXPECT_EQ(LogLine(microseconds(0), "01 11 C0 2C -> (no answer)"), "     0.000 01 11 C0 2C -> (no answer)");
  EXPECT_EQ(LogLine(microseconds(1234567), "x"), "  1234.567 x");
  EXPECT_EQ(LogLine(microseconds(123456789012), "x"), "123456789.012 x");
}

}  // namespace
}  // namespace lur::sim

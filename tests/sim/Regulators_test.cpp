// The regulators of the simulated controller: they follow the regulator page
// it holds, keep what the register functions wrote, step in manual mode and
// start from the preset coils; the live faults of the options match the
// single coil and register writes too.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "RequestFrames.h"
#include "sim/CommandLine.h"
#include "sim/DefaultPages.h"
#include "sim/SimController.h"

namespace lur::sim {
namespace {

using namespace lur::sim::testing;

constexpr int kValues = 672;
constexpr int kCoils = 784;

class RegulatorsTest : public ::testing::Test {
 protected:
  SimController& Make(SimOptions options = {}) {
    options.modules = *ModuleSet::ParseTypes("173E0000");
    const ModuleSet modules(options.modules, options.display);
    controller_ = std::make_unique<SimController>(
        options, MakeDefaultPages(modules, options.functionBlocks), [] { return std::int64_t{0}; },
        ClockTime{});
    return *controller_;
  }
  std::optional<Bytes> Ask(const Bytes& request) { return controller_->Answer(request); }

  float Float(int reg) {
    const Bytes d = AnswerData(Ask(Standard(1, 3, reg, 2)));
    if (d.size() != 4) return -1e9f;
    const std::uint32_t bits = std::uint32_t{d[0]} << 24 | std::uint32_t{d[1]} << 16 | d[2] << 8 | d[3];
    float f = 0;
    std::memcpy(&f, &bits, sizeof f);
    return f;
  }
  bool Coil(int coil) {
    const Bytes d = AnswerData(Ask(Standard(1, 1, coil, 1)));
    return d.size() == 1 && (d[0] & 1) != 0;
  }
  bool WriteCoil(int coil, bool on) {
    const std::optional<Bytes> answer = Ask(Standard(1, 5, coil, on ? 0xFF00 : 0));
    return CrcOk(answer) && (*answer)[1] == 5;
  }
  std::optional<Bytes> AskFloat(int reg, float value) {
    std::uint32_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return Ask(Request(
        1, 16,
        {reg >> 8, reg & 0xFF, 0, 2, 4, static_cast<int>(bits >> 24), static_cast<int>(bits >> 16 & 0xFF),
         static_cast<int>(bits >> 8 & 0xFF), static_cast<int>(bits & 0xFF)}));
  }
  bool WriteFloat(int reg, float value) {
    const std::optional<Bytes> answer = AskFloat(reg, value);
    return CrcOk(answer) && (*answer)[1] == 16;
  }
  // The regulator page with records on the given signals (0: free).
  bool WriteRegulatorPage(std::initializer_list<int> signals) {
    Bytes data(1 + 168, 0);
    data[0] = 0x20;
    std::size_t at = 1;  // the record's first byte after the page number
    for (const int s : signals) {
      if (at + 28 > data.size()) break;  // six records at most
      data.at(at) = static_cast<std::uint8_t>(s);
      data.at(at + 1) = 1;
      at += 28;
    }
    return AnswerData(Ask(Request(1, 0x45, data))) == Bytes{0x20};
  }
  float SignalValue(int signal) const {
    return AnalogChannels(controller_->Modules(), controller_->Pages()).Value(signal - 1);
  }

  std::unique_ptr<SimController> controller_;
};

TEST_F(RegulatorsTest, RecordsInUseRunFromTheirSignalAndFollowPageWrites) {
  Make();
  // The default page: regulator 1 on signal 1.
  const float pv1 = SignalValue(1);
  EXPECT_EQ(Float(kValues + 4), pv1);
  EXPECT_EQ(Float(kValues), pv1 + 0.5f);
  EXPECT_EQ(Float(kValues + 2), 42.5f);
  EXPECT_TRUE(Coil(kCoils));
  EXPECT_EQ(Float(kValues + 6), 0.0f);
  EXPECT_FALSE(Coil(kCoils + 8));

  // A written page brings regulator 2 on signal 2 to life.
  ASSERT_TRUE(WriteRegulatorPage({1, 2}));
  const float pv2 = SignalValue(2);
  EXPECT_EQ(Float(kValues + 10), pv2);
  EXPECT_EQ(Float(kValues + 6), pv2 + 0.5f);
  EXPECT_EQ(Float(kValues + 8), 42.5f);
  EXPECT_TRUE(Coil(kCoils + 8));

  // What function 16 wrote stays over the next page write; what it did not
  // write returns to the regulator's own.
  ASSERT_TRUE(WriteFloat(kValues, 77.0f));
  ASSERT_TRUE(WriteFloat(kValues + 8, 10.0f));
  ASSERT_TRUE(WriteCoil(kCoils + 1, true));
  ASSERT_TRUE(WriteRegulatorPage({1, 2}));
  EXPECT_EQ(Float(kValues), 77.0f);
  EXPECT_EQ(Float(kValues + 2), 42.5f);
  EXPECT_EQ(Float(kValues + 8), 10.0f);
  EXPECT_EQ(Float(kValues + 6), pv2 + 0.5f);
  EXPECT_TRUE(Coil(kCoils + 1));

  // A freed record reads zeros, its switches off; coming back it starts afresh.
  ASSERT_TRUE(WriteRegulatorPage({0, 2}));
  for (int k = 0; k < 6; k += 2) EXPECT_EQ(Float(kValues + k), 0.0f) << k;
  EXPECT_FALSE(Coil(kCoils));
  EXPECT_FALSE(Coil(kCoils + 1));
  EXPECT_EQ(Float(kValues + 8), 10.0f);
  ASSERT_TRUE(WriteRegulatorPage({1, 2}));
  EXPECT_EQ(Float(kValues), pv1 + 0.5f);
  EXPECT_TRUE(Coil(kCoils));
}

TEST_F(RegulatorsTest, StepCoilsMoveTheOutputInManualModeOnlyWithinItsRange) {
  struct Case {
    const char* what;
    bool manual;
    float start;
    int coil;
    float after;
  };
  const Case cases[] = {
      {"up in manual", true, 42.5f, 104, 43.5f},
      {"down in manual", true, 42.5f, 112, 41.5f},
      {"up stops at 100", true, 99.5f, 104, 100.0f},
      {"down stops at 0", true, 0.5f, 112, 0.0f},
      {"automatic mode ignores a step", false, 42.5f, 104, 42.5f},
      {"a free regulator's step moves nothing", true, 0.0f, 105, 0.0f},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Make();
    const int r = c.coil % 8;
    if (r == 0) {
      ASSERT_TRUE(WriteFloat(kValues + 2, c.start));
    }
    if (c.manual) {
      ASSERT_TRUE(WriteCoil(kCoils + 8 * r, false));
    }
    ASSERT_TRUE(WriteCoil(c.coil, true));
    EXPECT_EQ(Float(kValues + 6 * r + 2), c.after);
    EXPECT_FALSE(Coil(c.coil));  // momentary
  }
}

TEST_F(RegulatorsTest, PresetCoilsComeAfterTheRegulatorsModes) {
  SimOptions options;
  options.presetCoils = {{790, true}, {799, true}, {784, false}, {785, true}};
  Make(options);
  EXPECT_EQ(AnswerData(Ask(Standard(1, 1, kCoils, 16))), (Bytes{0x42, 0x80}));
}

TEST_F(RegulatorsTest, LiveFaultsMatchCoilAndRegisterWritesByAddress) {
  SimOptions options;
  options.liveExceptions[{5, 784}] = 4;
  options.liveExceptions[{16, 674}] = 2;
  options.mutedRequests.insert({5, 104});
  Make(options);
  EXPECT_TRUE(IsException(Ask(Standard(1, 5, 784, 0)), 5, 4));
  EXPECT_TRUE(Coil(784));  // refused: nothing served
  EXPECT_FALSE(Ask(Standard(1, 5, 104, 0xFF00)).has_value());
  EXPECT_TRUE(WriteCoil(785, true));
  EXPECT_TRUE(WriteFloat(672, 5.0f));
  EXPECT_TRUE(IsException(AskFloat(674, 5.0f), 16, 2));
  EXPECT_EQ(Float(674), 42.5f);
}

TEST(RegulatorsCommandLine, CoilPresetsRepeatAndRefuseNonsense) {
  const auto result =
      ParseCommandLine({"--link", "/tmp/p", "--coil", "790=1", "--coil=0x310=0", "--coil", "790=0"});
  ASSERT_TRUE(result.line) << result.error;
  EXPECT_EQ(result.line->options.presetCoils, (std::map<int, bool>{{790, false}, {784, false}}));
  for (const char* bad : {"790", "790=2", "=1", "4864=1", "x=1", "790=1=1"}) {
    const auto refused = ParseCommandLine({"--link", "/tmp/p", "--coil", bad});
    EXPECT_FALSE(refused.line) << bad;
    EXPECT_EQ(refused.error, "--coil needs ADDR=0 or ADDR=1 with a coil address 0..4863") << bad;
  }
}

}  // namespace
}  // namespace lur::sim

#include "sim/demo/DemoProgram.h"

#include <gtest/gtest.h>

#include <set>

#include "shell/ConfigFileSamples.h"
#include "ui/TScriptedUserInterface.h"

namespace lur {
namespace {

// A configuration of a discrete input, an analog input and a relay module
// (36 discrete and 6 analog signals) serving the simulated controller's four
// blocks: an AND, a timer on its output, a comparator and a trigger.
std::unique_ptr<TConfiguration> Served(const std::array<std::uint8_t, 15>& identity = test::kIdentity173) {
  auto config = test::NewConfiguration();
  TScriptedUserInterface ui;
  EXPECT_TRUE(LoadConfigFile(*config, test::SampleFile(120, identity), ui));
  TProgFBClass& fb = config->FB;
  for (int i = 0; i < TProgFBClass::kSlots; ++i) fb.ClearRecord(i);
  for (const auto& [i, type] : {std::pair{0, 1}, {1, 6}, {2, 8}, {3, 7}}) fb.SetTipFB(i, type);
  fb.SetKindVh(1, 0, TProgFBClass::kKindBlockOutput);
  fb.SetNVh(1, 0, 1);
  return config;
}

// The program as the editor finds it in the saved file.
std::unique_ptr<TConfiguration> SavedAndOpened(const TConfiguration& config) {
  auto opened = test::NewConfiguration();
  TScriptedUserInterface ui;
  EXPECT_TRUE(LoadConfigFile(*opened, BuildConfigFile(config), ui));
  opened->FB.FindNFB();
  opened->FB.CountCalc();
  return opened;
}

TEST(DemoProgram, HoldsEveryBlockKindWithSoundReferences) {
  auto config = Served();
  std::string reason;
  ASSERT_TRUE(AddDemoProgram(*config, reason)) << reason;
  const auto opened = SavedAndOpened(*config);
  const TProgFBClass& fb = opened->FB;
  const TServClass& serv = opened->Serv;
  EXPECT_EQ(fb.NFB, 12);
  EXPECT_EQ(fb.NIntegr, 2);
  EXPECT_EQ(fb.NMat, 3);

  std::set<int> types;
  bool alarm = false, adjustable = false, calculatedComparator = false, zigzag = false, signalling = false;
  for (int i = 0; i < fb.NFB; ++i) {
    SCOPED_TRACE("block " + std::to_string(i + 1));
    const int type = fb.GetTipFB(i);
    types.insert(type);
    if (type == TProgFBClass::kTimerType) {
      alarm |= fb.GetSubTip(i) == TProgFBClass::kAlarmClock;
      adjustable |= fb.GetSubTip(i) != TProgFBClass::kAlarmClock && fb.GetTimerTUstT(i) == 1;
    }
    if (type == TProgFBClass::kComparatorType && fb.GetKindAn(i) == 1) {
      calculatedComparator = true;
      EXPECT_GE(fb.GetAnVh(i), 1);
      EXPECT_LE(fb.GetAnVh(i), fb.NMat);
    }
    signalling |= fb.GetNTabS(i) > 0 && fb.GetTipS(i) > 0 && fb.GetMR(i, 1) != 0;
    const bool comparator = type == TProgFBClass::kComparatorType;
    for (int j = 0; j < fb.InputCount(i); ++j) {
      const int kind = comparator ? fb.GetKindVhComp(i) : fb.GetKindVh(i, j);
      const int n = comparator ? fb.GetNVhComp(i) : fb.GetNVh(i, j);
      if (n == 0) continue;
      switch (kind) {
        case TProgFBClass::kKindBlockOutput:
          EXPECT_LE(n, i) << "a block takes the output of one before it";
          zigzag |= n == i;
          break;
        case TProgFBClass::kKindDiscrete:
        case TProgFBClass::kKindDiscreteFlag:
          EXPECT_LE(n, serv.GetProcessedDiscreteCount());
          break;
        case TProgFBClass::kKindAnalogFlag:
          EXPECT_LE(n, serv.GetProcessedAnalogCount());
          break;
        default:
          ADD_FAILURE() << "input kind " << kind;
      }
    }
  }
  EXPECT_EQ(types, (std::set<int>{1, 2, 3, 4, 5, 6, 7, 8, 9}));
  EXPECT_TRUE(alarm && adjustable && calculatedComparator && zigzag && signalling);

  // Arithmetic block k puts its result at k; operands exist.
  std::set<int> operations;
  for (int k = 1; k <= fb.NMat; ++k) {
    const int r = fb.NFB + 2 + k - 1;
    const int op = fb.GetSubTip(r);
    operations.insert(op);
    EXPECT_EQ(fb.GetAdrY(r, op <= 2 ? 1 : 2), k);
    EXPECT_LE(fb.GetNX1(r), fb.GetKindX1(r) == 1 ? k - 1 : serv.GetProcessedAnalogCount());
  }
  EXPECT_EQ(operations.size(), 3u);
  EXPECT_EQ(fb.GetIntBase(fb.NFB + 1), 12);

  // Two algorithms cover the blocks in order, each headed by its first.
  ASSERT_EQ(fb.AlgCount(), 2);
  EXPECT_EQ(fb.AlgMembers(0), (std::vector<int>{1, 2, 3, 4}));
  EXPECT_EQ(fb.AlgMembers(1), (std::vector<int>{5, 6, 7, 8, 9, 10, 11, 12}));
  EXPECT_TRUE(fb.IsAlgHead(0) && fb.IsAlgHead(4) && !fb.IsAlgHead(1));
}

TEST(DemoProgram, RefusesAConfigurationItCannotReferTo) {
  // Discrete and analog modules only: no relay module for the relay outputs.
  auto config = Served({2, 1, 7, 0, 0, 0, 0, 0, 0, 0, 0, 0, 36, 6, 0});
  const TProgFBClass before = config->FB;
  std::string reason;
  EXPECT_FALSE(AddDemoProgram(*config, reason));
  EXPECT_EQ(reason, "the program needs a relay output module");
  for (int i = 0; i < TProgFBClass::kSlots; ++i) EXPECT_EQ(config->FB.GetRecord(i), before.GetRecord(i));
}

}  // namespace
}  // namespace lur

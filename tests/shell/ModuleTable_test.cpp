#include <gtest/gtest.h>

#include <array>
#include <cstdint>

#include "model/TServClass.h"
#include "shell/TModuleTable.h"

namespace lur {
namespace {

// A service record as a function-17 answer would leave it, with the default
// identifiers built.
TServClass MakeServ(std::array<int, 8> types, int display, int processedAnalog) {
  TServClass serv;
  std::array<std::uint8_t, TServClass::kIdentitySize> id{};
  int modules = 0, outputs = 0, discrete = 0;
  for (int s = 0; s < 8; ++s) {
    id[1 + s] = static_cast<std::uint8_t>(types[s]);
    if (types[s] != 0) ++modules;
    const ModuleGroup g = GroupOfModule(types[s]);
    if (g == ModuleGroup::Output) ++outputs;
    if (g == ModuleGroup::DiscreteInput) discrete += 12;
    if (g == ModuleGroup::AnalogInput) discrete += 24;
  }
  id[0] = static_cast<std::uint8_t>(modules);
  id[11] = static_cast<std::uint8_t>(8 * outputs);
  id[12] = static_cast<std::uint8_t>(discrete);
  id[13] = static_cast<std::uint8_t>(processedAnalog);
  id[14] = static_cast<std::uint8_t>(display);
  EXPECT_TRUE(serv.SetIdentityFromBytes(id));
  serv.MakeDefaultInputIds();
  serv.MakeDefaultOutputIds();
  return serv;
}

TEST(ModuleTable, DiscreteAnalogRelayWithDisplayZero) {
  const TServClass serv = MakeServ({1, 7, 3, 0, 0, 0, 0, 0}, 0, 6);
  TMainState state;
  EXPECT_FALSE(FillModuleTable(serv, state));
  EXPECT_EQ(state.editModif, "17300000");
  EXPECT_EQ(state.stLUR, "ЛУР-05-4A 1730");
  EXPECT_EQ(state.tipModInd, "12+ЖКИ(4х20)");
  EXPECT_EQ(state.stKVhA, "6");
  EXPECT_EQ(state.stKVhD, "12");
  EXPECT_EQ(state.stAllD, "36");
  EXPECT_EQ(state.stKVyhS, "8");
  EXPECT_EQ(state.stAllAn, "6");

  const TModuleRow& di = state.rows[0];
  EXPECT_EQ(di.caption, "ТОРИ-5");
  EXPECT_EQ(di.code, "1");
  EXPECT_EQ(di.inputs, "DI_1_1 - DI_1_12");
  EXPECT_EQ(di.outputs, "");
  EXPECT_EQ(di.buttonCaption, "on line");
  EXPECT_TRUE(di.buttonEnabled);

  const TModuleRow& ai = state.rows[1];
  EXPECT_EQ(ai.caption, "ЮНАК-3  ДАЦ.006  ПО.V2  0308");
  EXPECT_EQ(ai.code, "7");
  EXPECT_EQ(ai.inputs, "AI1_1 - AI1_6");
  EXPECT_EQ(ai.buttonCaption, "программ.");

  const TModuleRow& mr = state.rows[2];
  EXPECT_EQ(mr.caption, "МР-73       вых 1-8 реле    220V AC  2A");
  EXPECT_EQ(mr.inputs, "");
  EXPECT_EQ(mr.outputs, "DO_1_1 - DO_1_8");
  EXPECT_EQ(mr.buttonCaption, "программ.");

  for (int s = 3; s < 8; ++s) {
    EXPECT_EQ(state.rows[s].caption, "");
    EXPECT_EQ(state.rows[s].code, "0");
    EXPECT_EQ(state.rows[s].buttonCaption, "");
    EXPECT_FALSE(state.rows[s].buttonEnabled);
  }
  EXPECT_FALSE(state.hasType14);
  EXPECT_FALSE(state.hasType10);
}

TEST(ModuleTable, DesignationNamesTheDisplaysSlots) {
  const std::array<int, 8> types = {1, 2, 10, 6, 8, 12, 4, 14};
  const struct {
    int display;
    const char* designation;
  } cases[] = {
      {0, "ЛУР-05-4A 12A6"}, {1, "ЛУР-05-8B 12A68C4E"}, {2, "ЛУР-05-8C 12A68C4E"},
      {3, "ЛУР-05-2E 12"},   {4, "ЛУР-05-8D 12A68C4E"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(DeviceDesignation(MakeServ(types, c.display, 0)), c.designation) << c.display;
  }
}

TEST(ModuleTable, EveryModuleTypeHasItsCaptionAndButton) {
  // Two discrete, two analog, three output modules and the control loop module.
  const TServClass serv = MakeServ({2, 10, 6, 9, 4, 5, 12, 14}, 1, 12);
  TMainState state;
  EXPECT_FALSE(FillModuleTable(serv, state));
  EXPECT_EQ(state.rows[0].caption, "ЛЕНС-9");
  EXPECT_EQ(state.rows[0].buttonCaption, "on line");
  EXPECT_EQ(state.rows[1].caption, "ЛЕНС-9");
  EXPECT_EQ(state.rows[1].inputs, "DI_2_1 - DI_2_12");
  EXPECT_EQ(state.rows[1].buttonCaption, "программ.");
  EXPECT_EQ(state.rows[2].caption, "ГАРП-3  ДАЦ.005  ПО.V3  0412");
  EXPECT_EQ(state.rows[2].inputs, "AI1_1 - AI1_6");
  EXPECT_EQ(state.rows[3].caption, "ФИЛО-3  ДАЦ.008  ПО.V3  0602");
  EXPECT_EQ(state.rows[3].inputs, "AI2_1 - AI2_6");
  EXPECT_EQ(state.rows[4].caption,
            "МР-74       вых 1-4 реле    220V AC  2A\n             вых 5-8 ключи  220V AC  1A");
  EXPECT_EQ(state.rows[4].outputs, "DO_1_1 - DO_1_8");
  EXPECT_EQ(state.rows[5].caption, "МР-75       вых 1-8 ключи   220V AC  1A");
  EXPECT_EQ(state.rows[5].outputs, "DO_2_1 - DO_2_8");
  EXPECT_EQ(state.rows[6].caption, "МР-71       вых 1-8 реле    220V AC  2A");
  EXPECT_EQ(state.rows[6].outputs, "DO_3_1 - DO_3_8");
  EXPECT_EQ(state.rows[7].caption, "ЖОКА");
  EXPECT_EQ(state.rows[7].code, "E");
  EXPECT_EQ(state.rows[7].buttonCaption, "программ.");
  EXPECT_TRUE(state.rows[7].buttonEnabled);
  EXPECT_TRUE(state.hasType14);
  EXPECT_TRUE(state.hasType10);
  EXPECT_EQ(AnalogModelCaption(8), "БЕРТ-3  ДАЦ.007  ПО.V3  0517");
}

TEST(ModuleTable, ControlLoopModuleWithoutAnalogSignalsCannotBeProgrammed) {
  const TServClass serv = MakeServ({1, 14, 0, 0, 0, 0, 0, 0}, 1, 0);
  TMainState state;
  EXPECT_TRUE(FillModuleTable(serv, state));
  EXPECT_EQ(state.rows[1].caption, "ЖОКА");
  EXPECT_EQ(state.rows[1].buttonCaption, "нет");
  EXPECT_FALSE(state.rows[1].buttonEnabled);
  EXPECT_TRUE(state.hasType14);
}

TEST(ModuleTable, RangesFollowTheModulesOwnPlaceOutOfOrder) {
  // A controller whose slots are not in the order a new configuration makes:
  // each row still names its own module's signals.
  const TServClass serv = MakeServ({3, 7, 1, 0, 0, 0, 0, 0}, 1, 6);
  TMainState state;
  FillModuleTable(serv, state);
  EXPECT_EQ(state.rows[0].outputs, "DO_1_1 - DO_1_8");
  EXPECT_EQ(state.rows[1].inputs, "AI1_1 - AI1_6");
  EXPECT_EQ(state.rows[2].inputs, "DI_1_1 - DI_1_12");
}

}  // namespace
}  // namespace lur

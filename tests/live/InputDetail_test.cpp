#include "live/InputDetail.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DetailConfig.h"
#include "model/Cp1251.h"

namespace lur {
namespace {

using test::MakeDetailConfig;
using test::SetNetBlocks;

// Modal windows that remember which detail was shown and what it held.
struct RecordingWindows {
  std::vector<std::string> shown;
  TModalFunction<TFormInfAnController> infAn{[this](TFormInfAnController& f) {
    shown.push_back("an " + f.label2);
    return kModalOk;
  }};
  TModalFunction<TFormInfNetAnController> infNetAn{[this](TFormInfNetAnController& f) {
    shown.push_back("net " + f.label2);
    return kModalOk;
  }};
  TModalFunction<TFormInfVyhController> infVyh{[this](TFormInfVyhController& f) {
    shown.push_back("out " + f.fields[TFormInfVyhController::Nomer]);
    return kModalOk;
  }};
  TDetailWindows Windows() { return {infAn, infNetAn, infVyh}; }
};

// ---- which detail an entry opens ----------------------------------------------

TEST(InputDetail, OpensTheDetailOfTheSignalsKind) {
  auto config = MakeDetailConfig(6, 60);
  SetNetBlocks(*config, {{0, 2, 12}});
  struct Case {
    int entry;
    const char* shown;  // nullptr: nothing opens
  };
  const Case cases[] = {
      {-1, nullptr},
      {0, nullptr},
      {23, nullptr},  // row 24: an own discrete input
      {24, "an 25 (адрес 0x18)      AI1_1_LL  "},
      {47, "an 48 (адрес 0x2F)      AI1_6_HH  "},
      {48, "net 49 (адрес 0x30)      DLDI_1_1  "},
      {59, "net 60 (адрес 0x3B)      DLDI_1_12  "},
      {60, nullptr},  // past the processed signals
      {192, nullptr},
  };
  TDetailForms forms;
  for (const auto& c : cases) {
    RecordingWindows windows;
    const int result = ShowInputDetail(*config, c.entry, forms, windows.Windows());
    if (c.shown) {
      EXPECT_EQ(result, kModalOk) << c.entry;
      EXPECT_EQ(windows.shown, std::vector<std::string>{c.shown}) << c.entry;
    } else {
      EXPECT_EQ(result, kModalCancel) << c.entry;
      EXPECT_TRUE(windows.shown.empty()) << c.entry;
    }
  }
}

TEST(InputDetail, TheRegistryOpensBothDetailsForTheRequestsEntry) {
  auto config = MakeDetailConfig();
  TDetailForms forms;
  RecordingWindows windows;
  TEditorRegistry registry;
  RegisterDetailWindows(registry, *config, forms, windows.Windows());
  ASSERT_TRUE(registry.Available(TEditor::InputDetail));
  ASSERT_TRUE(registry.Available(TEditor::OutputDetail));
  EXPECT_EQ(registry.Open({TEditor::InputDetail, 0, 0, 0, 30}), kModalOk);
  EXPECT_EQ(registry.Open({TEditor::OutputDetail, 0, 0, 0, 10}), kModalOk);
  EXPECT_EQ(registry.Open({TEditor::OutputDetail, 0, 0, 0, 16}), kModalCancel);  // two modules: 16 outputs
  EXPECT_EQ(registry.Open({TEditor::InputDetail, 0, 0, 0, 5}), kModalCancel);
  EXPECT_EQ(windows.shown, (std::vector<std::string>{"an 31 (адрес 0x1E)      AI1_2_H   ", "out  11"}));
}

// ---- analog input detail ---------------------------------------------------------

class AnalogDetail : public ::testing::Test {
 protected:
  void SetUp() override {
    // Channel c's set points LL, L, H, HH are 10c + 1 .. 10c + 4.
    for (int c = 0; c < 6; ++c) {
      config->MBA.SetUnit(0, c, c + 1);
      config->MBA.SetMinSkText(std::to_string(-10 * c), 0, c);
      config->MBA.SetMaxSkText(std::to_string(100 + c), 0, c);
      for (int t = 0; t < 4; ++t) {
        config->MBA.SetRealText(std::to_string(10 * c + t + 1), 0, c,
                                static_cast<TProgMBAClass::ChannelReal>(2 + t));
      }
    }
    config->MBA.SetPozText(Utf8ToCp1251("ТЕ-101"), 0, 0);
    config->MBA.SetPozText("PT-6", 0, 5);
    config->Serv.SetInputText(Utf8ToCp1251("Давление"), 47);
  }
  std::unique_ptr<TConfiguration> config = MakeDetailConfig();
  TFormInfAnController form;
};

TEST_F(AnalogDetail, ShowsTheModuleInputAndSetPointOfTheLimit) {
  struct Case {
    int entry;
    const char* input;
    const char* setPointCaption;
    const char* setPoint;
  };
  const Case cases[] = {
      {24, "1", "уставка LL", "1,0000"},   // row 25
      {25, "1", "уставка L", "2,0000"},
      {30, "2", "уставка H", "13,0000"},
      {47, "6", "уставка HH", "54,0000"},  // row 48
  };
  for (const auto& c : cases) {
    ASSERT_TRUE(form.Fill(*config, c.entry)) << c.entry;
    EXPECT_EQ(form.labNMod, "1") << c.entry;
    EXPECT_EQ(form.label1, c.input) << c.entry;
    EXPECT_EQ(form.labUstLL, c.setPointCaption) << c.entry;
    EXPECT_EQ(form.ust1LL, c.setPoint) << c.entry;
  }
}

TEST_F(AnalogDetail, ShowsTheChannelsRecordAndTheSignalsText) {
  ASSERT_TRUE(form.Fill(*config, 24));
  EXPECT_EQ(form.label2, "25 (адрес 0x18)      AI1_1_LL  ");
  EXPECT_EQ(form.labTMod, "ГАРП-3");
  EXPECT_EQ(form.poz1, "ТЕ-101  ");
  EXPECT_EQ(form.nsk1, "0,0000");
  EXPECT_EQ(form.vsk1, "100,0000");
  ASSERT_EQ(form.razm1.size(), 16u);
  EXPECT_EQ(form.razm1[0], "град.С");
  EXPECT_EQ(form.razm1Index, 1);

  ASSERT_TRUE(form.Fill(*config, 47));
  EXPECT_EQ(form.labTextRecv, "Давление      ");
  EXPECT_EQ(form.poz1, "PT-6    ");
  EXPECT_EQ(form.nsk1, "-50,0000");
  EXPECT_EQ(form.vsk1, "105,0000");
  EXPECT_EQ(form.razm1Index, 6);
}

TEST_F(AnalogDetail, RefusesEntriesThatAreNoOwnAnalogLimit) {
  ASSERT_TRUE(form.Fill(*config, 24));
  for (int entry : {-1, 23, 48, 191}) {
    EXPECT_FALSE(form.Fill(*config, entry)) << entry;
    EXPECT_EQ(form.label2, "25 (адрес 0x18)      AI1_1_LL  ") << entry;
  }
}

// The module model follows the type code of the analog module's slot; a code
// without a model of its own (13) leaves the label empty, never the model of
// the module shown before.
TEST(AnalogDetailModel, FollowsTheModulesTypeCode) {
  const std::pair<int, const char*> cases[] = {
      {6, "ГАРП-3"}, {7, "ЮНАК-3"}, {8, "БЕРТ-3"}, {9, "ФИЛО-3"}, {13, ""},
  };
  TFormInfAnController form;
  for (const auto& [type, model] : cases) {
    auto config = MakeDetailConfig(type);
    form.labTMod = "стар";
    ASSERT_TRUE(form.Fill(*config, 30)) << type;
    EXPECT_EQ(form.labTMod, model) << type;
  }
}

// ---- network input detail --------------------------------------------------------

TEST(NetInputPlace, WalksAllSixteenBlocksWhateverTheGaps) {
  auto config = MakeDetailConfig();
  // Block 0: three discrete values (48..50); blocks 1, 2 unconfigured; block
  // 3: two analog values (51..58). Two configured blocks, the second after
  // the gap.
  SetNetBlocks(*config, {{0, 2, 3}, {3, 4, 2}});
  ASSERT_EQ(config->Serv.GetNetBlockTotal(), 2);
  struct Case {
    int entry;
    bool found;
    int block;
    int position;
  };
  const Case cases[] = {
      {48, true, 0, 0}, {50, true, 0, 2}, {51, true, 3, 0}, {58, true, 3, 7},
      {59, false, 0, 0}, {47, false, 0, 0}, {191, false, 0, 0},
  };
  for (const auto& c : cases) {
    const auto place = TFormInfNetAnController::FindNetInput(config->Serv, c.entry);
    EXPECT_EQ(place.found, c.found) << c.entry;
    EXPECT_EQ(place.block, c.block) << c.entry;
    EXPECT_EQ(place.position, c.position) << c.entry;
  }
}

TEST(NetInputPlace, StopsAfterTheSixteenthBlock) {
  auto config = MakeDetailConfig();
  for (int b = 0; b < 16; ++b) SetNetBlocks(*config, {{b, 1, 9}});  // 144 entries: 48..191
  ASSERT_EQ(config->Serv.GetNetBlockTotal(), 16);
  const auto last = TFormInfNetAnController::FindNetInput(config->Serv, 191);
  EXPECT_TRUE(last.found);
  EXPECT_EQ(last.block, 15);
  EXPECT_EQ(last.position, 8);
  EXPECT_FALSE(TFormInfNetAnController::FindNetInput(config->Serv, 192).found);
}

class NetDetail : public ::testing::Test {
 protected:
  void SetUp() override {
    // Block 0: three discrete values from slave 17 (48..50); block 3: two
    // analog values from slave 5 (51..58) whose records are channels 0, 1.
    SetNetBlocks(*config, {{0, 2, 3, 0, 17, 1}, {3, 4, 2, 6, 5, 4}});
    config->MBM.SetRazm(1, 2);
    config->MBM.SetPoz(1, "FT-2");
    config->MBM.SetMin(1, "-5");
    config->MBM.SetMax(1, "250");
    config->MBM.SetUstL(1, "12");
    config->MBM.SetUstHH(1, "240");
    config->Serv.SetInputText(Utf8ToCp1251("Расход"), 58);
  }
  std::unique_ptr<TConfiguration> config = MakeDetailConfig();
  TFormInfNetAnController form;
};

TEST_F(NetDetail, DiscreteValueShowsItsBlockAndSlaveWithoutScaling) {
  ASSERT_TRUE(form.Fill(*config, 50));
  EXPECT_EQ(form.label2, "51 (адрес 0x32)      DLDI_1_3  ");
  EXPECT_EQ(form.labNMod, "1");
  EXPECT_EQ(form.labAdrSlave, "17");
  EXPECT_EQ(form.labTUst, "ТЕРН");
  EXPECT_EQ(form.label1, "3");
  EXPECT_FALSE(form.groupBox1Visible);
}

TEST_F(NetDetail, AnalogValueBehindAGapShowsItsChannelRecord) {
  struct Case {
    int entry;
    const char* setPointCaption;
    const char* setPoint;
  };
  const Case cases[] = {{56, "уставка L", "12,0000"}, {58, "уставка HH", "240,0000"}};
  for (const auto& c : cases) {
    ASSERT_TRUE(form.Fill(*config, c.entry)) << c.entry;
    EXPECT_EQ(form.labNMod, "4") << c.entry;
    EXPECT_EQ(form.labAdrSlave, "5") << c.entry;
    EXPECT_EQ(form.labTUst, "ВЕДА") << c.entry;
    EXPECT_EQ(form.label1, "2") << c.entry;
    EXPECT_TRUE(form.groupBox1Visible) << c.entry;
    EXPECT_EQ(form.razm1Index, 2) << c.entry;
    EXPECT_EQ(form.razm1.size(), 16u) << c.entry;
    EXPECT_EQ(form.poz1, "FT-2    ") << c.entry;
    EXPECT_EQ(form.nsk1, "-5,0000") << c.entry;
    EXPECT_EQ(form.vsk1, "250,0000") << c.entry;
    EXPECT_EQ(form.labUstLL, c.setPointCaption) << c.entry;
    EXPECT_EQ(form.ust1LL, c.setPoint) << c.entry;
  }
  EXPECT_EQ(form.labTextRecv, "Расход        ");
}

// A start entry that puts the channel record outside 0..47 shows the value's
// place but no record (neither another channel's nor a read past the table).
TEST_F(NetDetail, ChannelRecordOutsideTheTableLeavesTheScalingEmpty) {
  for (int stAddr : {0, 6 + 47}) {  // the second value's record: -5, 48
    config->MBM.SetStAddr_Beg2(3, 6);
    ASSERT_TRUE(form.Fill(*config, 58)) << stAddr;  // channel 1: what must not linger
    config->MBM.SetStAddr_Beg2(3, stAddr);
    ASSERT_TRUE(form.Fill(*config, 58)) << stAddr;
    EXPECT_EQ(form.label1, "2") << stAddr;
    EXPECT_EQ(form.labUstLL, "уставка HH") << stAddr;
    EXPECT_TRUE(form.groupBox1Visible) << stAddr;
    EXPECT_EQ(form.razm1Index, -1) << stAddr;
    EXPECT_EQ(form.poz1, "") << stAddr;
    EXPECT_EQ(form.nsk1, "") << stAddr;
    EXPECT_EQ(form.vsk1, "") << stAddr;
    EXPECT_EQ(form.ust1LL, "") << stAddr;
  }
}

// The window names slave types 0..4 and 15; any other code leaves the label
// empty, never the type of the block shown before.
TEST_F(NetDetail, SlaveTypeFollowsTheBlocksCode) {
  const std::pair<int, const char*> cases[] = {
      {0, "ЛУР-01"}, {2, "СУР-ЛО"}, {3, "СУР-ЛЕ"}, {4, "ВЕДА"}, {5, ""}, {9, ""}, {15, "не определен"},
  };
  for (const auto& [code, name] : cases) {
    ASSERT_TRUE(form.Fill(*config, 48));  // block 0: "ТЕРН"
    config->MBM.SetTipUstr(3, code);
    ASSERT_TRUE(form.Fill(*config, 51));
    EXPECT_EQ(form.labTUst, name) << code;
  }
}

TEST_F(NetDetail, AnEntryNoBlockServesShowsBlockOne) {
  ASSERT_TRUE(form.Fill(*config, 70));
  EXPECT_EQ(form.label2, "71 (адрес 0x46)      ");  // no identifier was built for it
  EXPECT_EQ(form.labNMod, "1");
  EXPECT_EQ(form.label1, "1");
  EXPECT_FALSE(form.groupBox1Visible);
  EXPECT_FALSE(form.Fill(*config, 47));
  EXPECT_FALSE(form.Fill(*config, 192));
}

// ---- discrete output detail ------------------------------------------------------

TEST(OutputDetail, WordsTheOutputsSettingsAsTheOutputTable) {
  auto config = MakeDetailConfig();
  TProgMRClass& mr = config->MR;
  // Output 11 (module 1, output 2): signalling, sound silenced, acknowledged
  // from the upper level and the central panel, no resets; inputs 7 and 12.
  mr.SetMRByte(1 + 24 * 1 + 3 * 2, 0x2A);
  mr.SetVxKvit(7, 2, 1);
  mr.SetVhSbr(12, 2, 1);
  TFormInfVyhController form;
  ASSERT_TRUE(form.Fill(*config, 10));
  using F = TFormInfVyhController;
  EXPECT_EQ(form.fields[F::Nomer], " 11");
  EXPECT_EQ(form.fields[F::Adr], " 0x0A");
  EXPECT_EQ(form.fields[F::Id], "DO_2_3  ");
  EXPECT_EQ(form.fields[F::TipVyh], "сигнал.");
  EXPECT_EQ(form.fields[F::KvitBlock], "звук(с гашением)");
  EXPECT_EQ(form.fields[F::KvitMind], "есть");
  EXPECT_EQ(form.fields[F::KvitTopLevel], "есть");
  EXPECT_EQ(form.fields[F::VxKvit], "7");
  EXPECT_EQ(form.fields[F::SbrMind], "нет");
  EXPECT_EQ(form.fields[F::SbrTopLevel], "нет");
  EXPECT_EQ(form.fields[F::VhSbr], "12");
}

TEST(OutputDetail, TypeAndAcknowledgeOrBlockingTexts) {
  struct Case {
    std::uint8_t byte0;
    const char* type;
    const char* kvitBlock;
    const char* sbrMind;
    const char* sbrTopLevel;
  };
  const Case cases[] = {
      {0x00, "сигнал.", "свет(п-вод в ровн)", "нет", "нет"},
      {0x02, "сигнал.", "звук(с гашением)", "нет", "нет"},
      {0x17, "управл.", "с   блокировкой", "есть", "есть"},  // the default record
      {0x01, "управл.", "без блокировки", "нет", "нет"},
  };
  auto config = MakeDetailConfig();
  TFormInfVyhController form;
  using F = TFormInfVyhController;
  for (const auto& c : cases) {
    config->MR.SetMRByte(1, c.byte0);  // output 1
    ASSERT_TRUE(form.Fill(*config, 0));
    EXPECT_EQ(form.fields[F::TipVyh], c.type) << int(c.byte0);
    EXPECT_EQ(form.fields[F::KvitBlock], c.kvitBlock) << int(c.byte0);
    EXPECT_EQ(form.fields[F::SbrMind], c.sbrMind) << int(c.byte0);
    EXPECT_EQ(form.fields[F::SbrTopLevel], c.sbrTopLevel) << int(c.byte0);
    EXPECT_EQ(form.fields[F::KvitMind], "нет") << int(c.byte0);
  }
}

TEST(OutputDetail, OnlyTheConfigurationsOutputsHaveADetail) {
  auto config = MakeDetailConfig();
  TDetailForms forms;
  RecordingWindows windows;
  EXPECT_EQ(ShowOutputDetail(*config, 15, forms, windows.Windows()), kModalOk);
  for (int entry : {-1, 16, 40}) {
    EXPECT_EQ(ShowOutputDetail(*config, entry, forms, windows.Windows()), kModalCancel) << entry;
  }
  EXPECT_EQ(windows.shown, std::vector<std::string>{"out  16"});
}

}  // namespace
}  // namespace lur

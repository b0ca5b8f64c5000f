#include <gtest/gtest.h>

#include "model/Cp1251.h"
#include "shell/ConfigFileSamples.h"
#include "shell/TConfigFile.h"
#include "ui/TScriptedUserInterface.h"

namespace lur {
namespace {

using test::Bytes;
using test::SampleFile;

// ---- layout --------------------------------------------------------------------

class ConfigFileRoundTrip : public ::testing::TestWithParam<int> {};

TEST_P(ConfigFileRoundTrip, LoadedFileIsSavedByteForByte) {
  const int blocks = GetParam();
  for (unsigned seed : {1u, 2u, 3u}) {
    const Bytes file = SampleFile(blocks, test::kIdentity173, seed);
    auto config = test::NewConfiguration();
    TScriptedUserInterface ui;
    ASSERT_TRUE(LoadConfigFile(*config, file, ui));
    EXPECT_EQ(config->FB.CapFB, blocks);
    const Bytes saved = BuildConfigFile(*config);
    ASSERT_EQ(saved.size(), ConfigFileSize(blocks));
    EXPECT_TRUE(saved == file) << "seed " << seed;
  }
}

INSTANTIATE_TEST_SUITE_P(BothLayouts, ConfigFileRoundTrip, ::testing::Values(60, 120),
                         [](const ::testing::TestParamInfo<int>& info) { return "blocks_" + std::to_string(info.param); });

// Every block lands at its offset: a marker set through the tables' own
// accessors is found where the layout puts it.
class ConfigFileOffsets : public ::testing::TestWithParam<int> {};

TEST_P(ConfigFileOffsets, BlocksSitAtTheirOffsets) {
  const int blocks = GetParam();
  const auto& at = blocks == 60 ? test::kOffsets60 : test::kOffsets120;
  auto c = test::NewConfiguration();
  ASSERT_TRUE(c->Serv.SetIdentityFromBytes(test::kIdentity173));
  ASSERT_TRUE(c->Serv.SetDeviceIndex(4));
  c->FB.CapFB = blocks;
  c->MBA.SetBlockByte(0, 1, 0xA1);
  c->MBM.SetGroupByte(0, 1, 0xA2);  // network group 0 sits in slot 1, after the one analog module
  c->MR.SetMRByte(1, 0xA3);
  c->MBM.SetTableByte(1, 0xA4);
  c->F15.SetF15Byte(1, 0xA5);
  c->Lur.SetRecByte(0, 1, 0xA6);
  c->FB.SetTipFB(0, 3);
  c->FB.SetTipFB(blocks - 1, 4);
  c->MBA.SetUnitsByte(0, 0xA7);
  c->Serv.SetInputText("A", 0);
  c->Serv.SetOutputText("B", 0);
  c->FB.SetAlgName(0, "C");
  c->FB.SetAlgHead(0, 0xA8);
  c->FB.SetAlgFB(0, 0, 0xA9);
  c->FB.SetAlgFB(blocks - 1, blocks - 1, 0xAA);
  c->FB.NAlg = 0x2B;
  c->Reg.SetRegByte(0, 0, 0xAC);
  c->Lur.SetTipDatByte(0, 0xAD);
  c->Lur.SetTipDatByte(15, 0xAE);
  c->Serv.SetProcessedDiscreteCount(40);

  const Bytes f = BuildConfigFile(*c);
  ASSERT_EQ(f.size(), ConfigFileSize(blocks));
  EXPECT_EQ(f[0], 4);
  EXPECT_EQ(f[1 + 12], 40) << "processed discrete count refreshed into the identity";
  EXPECT_EQ(f[1 + 13], 6);
  EXPECT_EQ(f[16], 0x01);
  EXPECT_EQ(f[17], 0xA1);
  EXPECT_EQ(f[16 + 169], 0x02) << "a network group's first byte is its slot's page number";
  EXPECT_EQ(f[17 + 169], 0xA2);
  EXPECT_EQ(f[16 + 7 * 169], 0x08);
  EXPECT_EQ(f[test::kRelayOffset], 9);
  EXPECT_EQ(f[test::kRelayOffset + 1], 0xA3);
  EXPECT_EQ(f[test::kExchangeOffset], 10);
  EXPECT_EQ(f[test::kExchangeOffset + 1], 0xA4);
  EXPECT_EQ(f[test::kF15Offset], 11);
  EXPECT_EQ(f[test::kF15Offset + 1], 0xA5);
  EXPECT_EQ(f[test::kDiscreteOffset + 1], 0xA6);
  EXPECT_EQ(f[at.fb], 3);
  EXPECT_EQ(f[at.fb + 16 * static_cast<std::size_t>(blocks - 1)], 4);
  EXPECT_EQ(f[at.units], 0xA7);
  EXPECT_EQ(f[at.inputTexts], 'A');
  EXPECT_EQ(f[at.inputTexts + 1], ' ');
  EXPECT_EQ(f[at.outputTexts], 'B');
  EXPECT_EQ(f[at.fbTexts], 'C');
  EXPECT_EQ(f[at.fbBytes], 0xA8);
  EXPECT_EQ(f[at.matrix], 0xA9);
  EXPECT_EQ(f[at.matrix + static_cast<std::size_t>(blocks * blocks - 1)], 0xAA);
  EXPECT_EQ(f[at.single], 0x2B);
  EXPECT_EQ(f[at.loops], 0xAC);
  EXPECT_EQ(f[at.supplement], 0xAD);
  EXPECT_EQ(f.back(), 0xAE);
}

INSTANTIATE_TEST_SUITE_P(BothLayouts, ConfigFileOffsets, ::testing::Values(60, 120),
                         [](const ::testing::TestParamInfo<int>& info) { return "blocks_" + std::to_string(info.param); });

TEST(ConfigFile, SixtyBlockLayoutKeepsItsGapZero) {
  auto c = test::NewConfiguration();
  TScriptedUserInterface ui;
  // Every network group full of data: none of it may leak into the gap.
  ASSERT_TRUE(LoadConfigFile(*c, SampleFile(120), ui));
  c->FB.CapFB = 60;
  const Bytes f = BuildConfigFile(*c);
  ASSERT_EQ(f.size(), 17955u);
  for (std::size_t i = 4260; i < 4260 + 338; ++i) ASSERT_EQ(f[i], 0) << "offset " << i;
}

TEST(ConfigFile, NewVersionBitTravelsAsTheModulesFlag) {
  // Two analog modules: bit 7 set on the first only.
  const std::array<std::uint8_t, 15> identity = {2, 7, 8, 0, 0, 0, 0, 0, 0, 0, 0, 0, 48, 12, 0};
  Bytes file = SampleFile(120, identity);
  file[16] = 0x81;
  file[16 + 169] = 0x02;
  auto c = test::NewConfiguration();
  TScriptedUserInterface ui;
  ASSERT_TRUE(LoadConfigFile(*c, file, ui));
  EXPECT_EQ(c->MBA.GetBlockByte(0, 0), 0x01);
  EXPECT_EQ(c->MBA.GetNewVersion(0), 1);
  EXPECT_EQ(c->MBA.GetNewVersion(1), 0);
  EXPECT_EQ(c->Reserv.ResMBA[0][0], 0x01);
  const Bytes saved = BuildConfigFile(*c);
  EXPECT_EQ(saved[16], 0x81);
  EXPECT_EQ(saved[16 + 169], 0x02);
}

// ---- opening -------------------------------------------------------------------

TEST(ConfigFile, OpeningFillsIdentifiersTextsAndReserve) {
  auto c = test::NewConfiguration();
  // Stale state of a previous configuration that the file must replace.
  c->Serv.SetInputIdSlot(150, 0, "X");
  c->Serv.SetOutputIdSlot(30, 0, "Y");
  Bytes file = SampleFile(120);
  // Exchange block 0: function 3 with two registers, block 1: function 1 with
  // three; the rest unused. Processed count 36 + 8 + 3 leaves room for them.
  const std::size_t table = test::kExchangeOffset;
  std::fill_n(file.begin() + table + 1, 192, 0);
  file[table + 1 + 0] = 3;
  file[table + 1 + 1] = 2;
  file[table + 1 + 12] = 1;
  file[table + 1 + 13] = 3;
  file[1 + 12] = 36 + 8 + 3;
  const std::string text = Utf8ToCp1251("Насос 1       ");
  std::copy(text.begin(), text.end(), file.begin() + test::kOffsets120.inputTexts + 14);

  TScriptedUserInterface ui;
  ASSERT_TRUE(LoadConfigFile(*c, file, ui));
  EXPECT_TRUE(ui.shown.empty());
  const TServClass& s = c->Serv;
  EXPECT_EQ(s.GetInputId(0), "DI_1_1    ");
  EXPECT_EQ(s.GetInputId(12), "AI1_1_LL  ");
  EXPECT_EQ(s.GetOutputId(0), "DO_1_1  ");
  EXPECT_EQ(s.GetInputId(36), "DLAI1_1_LL") << "network inputs follow the local ones";
  EXPECT_EQ(s.GetInputId(44), "DLDI_2_1  ");
  EXPECT_EQ(s.GetInputId(150), "");
  EXPECT_EQ(s.GetOutputId(30), "");
  EXPECT_EQ(s.GetNetBlockTotal(), 2);
  EXPECT_EQ(s.GetNetAnalogTotal(), 2);
  EXPECT_EQ(s.GetNetDiscreteTotal(), 3);
  EXPECT_EQ(s.GetInputText(1), text);
  EXPECT_EQ(c->Reserv.ResInputIds, s.GetInputIds());
  EXPECT_EQ(c->Reserv.ResInputTexts, s.GetInputTexts());
  EXPECT_EQ(c->Reserv.ResOutputTexts, s.GetOutputTexts());
  EXPECT_EQ(c->Reserv.ResDiscreteCount, 47);
  EXPECT_EQ(c->Reserv.ResAnalogCount, 6);
  EXPECT_EQ(c->Reserv.ResMR, c->MR.GetBlock());
  EXPECT_EQ(c->Reserv.ResMBMHead, c->MBM.GetTable());
  EXPECT_EQ(c->Reserv.ResF15, c->F15.GetTable());
  EXPECT_EQ(c->Reserv.ResMBM[6], c->MBM.GetGroup(6));
  EXPECT_EQ(c->Reserv.ResDiskr, c->Lur.GetRecords());
  EXPECT_EQ(c->Reserv.ResUnits, c->MBA.GetUnits());
  EXPECT_EQ(c->Reserv.ResReg, c->Reg.GetFileBlock());
  EXPECT_EQ(c->Reserv.ResFB[119], c->FB.GetRecord(119));
  EXPECT_EQ(c->Reserv.ResAlgHead[7], c->FB.GetAlgHead(7));
  EXPECT_EQ(c->Reserv.ResTipDat[15], file.back());
  // The supplement's derived state follows the loaded words.
  EXPECT_EQ(c->Lur.GetTipDatBit(0, 7), file.back() & 1);
}

TEST(ConfigFile, NoNetworkInputsWithoutRoomForThem) {
  auto c = test::NewConfiguration();
  Bytes file = SampleFile(120);
  file[test::kExchangeOffset + 1] = 1;
  file[test::kExchangeOffset + 2] = 4;
  file[1 + 12] = 36;  // exactly the local signals
  TScriptedUserInterface ui;
  ASSERT_TRUE(LoadConfigFile(*c, file, ui));
  EXPECT_EQ(c->Serv.GetNetBlockTotal(), 0);
  EXPECT_EQ(c->Serv.GetNetDiscreteTotal(), 0);
  EXPECT_EQ(c->Serv.GetInputId(36), "");
}

// ---- size classes ----------------------------------------------------------------

struct SizeCase {
  std::size_t size;
  const char* message;  // nullptr: read without a box
  bool read;
};

class ConfigFileSizes : public ::testing::TestWithParam<SizeCase> {};

TEST_P(ConfigFileSizes, RecognisedBySizeBeforeAnyTableIsTouched) {
  const SizeCase& k = GetParam();
  auto c = test::NewConfiguration();
  TScriptedUserInterface ui;
  // A configuration open before: it must stay exactly as it was on refusal.
  ASSERT_TRUE(LoadConfigFile(*c, SampleFile(120, test::kIdentity173, 7), ui));
  c->FB.CapFB = 120;
  const Bytes before = BuildConfigFile(*c);
  ui.shown.clear();

  Bytes file = SampleFile(k.size == 17955 ? 60 : 120, test::kIdentity173, 9);
  file.resize(k.size, 0x5A);
  EXPECT_EQ(LoadConfigFile(*c, file, ui), k.read);
  if (k.message) {
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown[0].text, k.message);
    EXPECT_EQ(ui.shown[0].caption, "Предупреждение");
    EXPECT_EQ(ui.shown[0].icon, MsgIcon::Warning);
  } else {
    EXPECT_TRUE(ui.shown.empty());
  }
  if (k.read) {
    EXPECT_TRUE(BuildConfigFile(*c) == file);
  } else {
    EXPECT_EQ(c->FB.CapFB, 120);
    EXPECT_TRUE(BuildConfigFile(*c) == before);
  }
}

INSTANTIATE_TEST_SUITE_P(
    AllClasses, ConfigFileSizes,
    ::testing::Values(
        SizeCase{0, "Файл не опознан", false}, SizeCase{10000, "Файл не опознан", false},
        SizeCase{12287, "Файл не опознан", false}, SizeCase{12288, "Файл создан на 40 ФБ", false},
        SizeCase{13000, "Файл создан на 40 ФБ", false}, SizeCase{13312, "Файл не опознан", false},
        SizeCase{16 * 1024 + 500, "Файл не опознан", false}, SizeCase{17408, "Файл не опознан", false},
        SizeCase{17954, "Файл не опознан", false}, SizeCase{17955, "Файл создан на 60 ФБ", true},
        SizeCase{17956, "Файл не опознан", false}, SizeCase{18 * 1024 + 10, "Файл не опознан", false},
        SizeCase{19 * 1024, "Файл не опознан", false}, SizeCase{35436, "Файл не опознан", false},
        SizeCase{35437, nullptr, true}, SizeCase{35438, "Файл не опознан", false},
        SizeCase{70000, "Файл не опознан", false}),
    [](const ::testing::TestParamInfo<SizeCase>& info) { return "bytes_" + std::to_string(info.param.size); });

TEST(ConfigFile, IdentityThatWouldIndexPastTheTablesIsRefused) {
  for (std::size_t byte : {1 + 1, 1 + 12, 1 + 14}) {
    auto c = test::NewConfiguration();
    Bytes file = SampleFile(120);
    file[byte] = 0xC8;  // module code 200, 200 processed signals, display type 200
    TScriptedUserInterface ui;
    EXPECT_FALSE(LoadConfigFile(*c, file, ui));
    ASSERT_EQ(ui.Texts(), std::vector<std::string>{"Файл не опознан"});
    EXPECT_EQ(c->Serv.GetModuleType(0), 0);
    EXPECT_EQ(c->MR.GetMRByte(1), 0);
  }
}

}  // namespace
}  // namespace lur

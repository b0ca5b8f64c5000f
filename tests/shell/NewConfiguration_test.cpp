#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "model/Cp1251.h"
#include "shell/ConfigFileSamples.h"
#include "shell/TConfigController.h"
#include "session/TModalWindow.h"
#include "shell/TFileOperations.h"
#include "shell/TMainState.h"
#include "shell/TModuleTable.h"
#include "shell/TNewConfiguration.h"
#include "ui/TScriptedUserInterface.h"

namespace lur {
namespace {

namespace fs = std::filesystem;
using test::Bytes;

// The user at the dialog: a script sets the controls, then the dialog is
// closed (OK) as often as the close check keeps it open, up to a limit.
class ScriptedDialog : public TConfigDialog {
 public:
  std::function<void(TConfigController&)> script;
  int closeAttempts = 1;
  bool shown = false;
  int ShowModal(TConfigController& dialog) override {
    shown = true;
    if (!script) return kModalCancel;
    script(dialog);
    for (int i = 0; i < closeAttempts; ++i) {
      if (dialog.FormCloseQuery()) return kModalOk;
    }
    return kModalCancel;
  }
};

void TypeModules(TConfigController& dialog, const std::string& digits) {
  for (int s = 0; s < static_cast<int>(digits.size()); ++s) {
    dialog.M1Click(s, std::stoi(digits.substr(static_cast<std::size_t>(s), 1), nullptr, 16));
  }
}

class NewConfiguration : public ::testing::Test {
 protected:
  NewConfiguration() {
    std::string pattern = (fs::temp_directory_path() / "lur-new-XXXXXX").string();
    dir_ = ::mkdtemp(pattern.data());
  }
  ~NewConfiguration() override { fs::remove_all(dir_); }

  std::string Path(const std::string& name) const { return (fs::path(dir_) / name).string(); }

  // An open configuration file with the given identity, in file mode.
  void OpenSample(const std::array<std::uint8_t, 15>& identity, unsigned seed = 1) {
    TScriptedUserInterface quiet;
    ASSERT_TRUE(LoadConfigFile(*config_, test::SampleFile(120, identity, seed), quiet));
    config_->Serv.FileMode = 1;
    state_.editModif = ModuleCodesText(config_->Serv);
    state_.fileName = Path("open.lur");
  }

  // Runs the whole command: the dialog script, then the scripted name.
  bool Create(const std::function<void(TConfigController&)>& script, const std::string& name) {
    dialog_.script = script;
    ui_.files = {Path(name)};
    return creator_.CreatFileClick();
  }

  std::string dir_;
  std::unique_ptr<TConfiguration> config_ = test::NewConfiguration();
  TScriptedUserInterface ui_;
  TMainState state_;
  std::function<void()> none_;
  TFileOperations files_{*config_, ui_, state_, none_, none_};
  ScriptedDialog dialog_;
  TNewConfiguration creator_{files_, dialog_};
};

// ---- the dialog -------------------------------------------------------------------

TEST_F(NewConfiguration, ModulesAreReorderedIntoGroups) {
  ASSERT_TRUE(Create(
      [](TConfigController& d) {
        TypeModules(d, "713");
        d.TModIndClick(0);
      },
      "x"));
  const TServClass& s = config_->Serv;
  EXPECT_EQ(ModuleCodesText(s), "17300000");
  EXPECT_EQ(s.GetFirstAnalogSlot(), 2);
  const auto& id = s.GetIdentityRecord();
  EXPECT_EQ(id[0], 3);
  EXPECT_EQ(id[11], 8);
  EXPECT_EQ(id[12], 36);
  EXPECT_EQ(id[13], 6);
  EXPECT_EQ(id[14], 0);
  // The name offered is the new order's digits, in the folder of the last file.
  ASSERT_EQ(ui_.fileDialogs.size(), 1u);
  EXPECT_EQ(ui_.fileDialogs[0].title, "Создание файла конфигурации");
  EXPECT_EQ(fs::path(ui_.fileDialogs[0].initialPath).filename(), "17300000");
}

TEST_F(NewConfiguration, EveryGroupKeepsTheOrderOfItsSlots) {
  TScriptedUserInterface ui;
  TConfigController d(*config_, ui);
  d.Prepare("00000000");
  ASSERT_TRUE(d.EditModifChange("E4A86231"));
  ASSERT_TRUE(d.FormCloseQuery());
  EXPECT_EQ(d.EditModif, "A218643E");
  const auto& set = d.Choice();
  EXPECT_EQ(set.origin, (std::array<int, 8>{2, 5, 7, 3, 4, 1, 6, 0}));
  EXPECT_EQ(set.identity[0], 7);
  EXPECT_EQ(set.identity[12], 3 * 12 + 2 * 24);
}

struct RefusedSet {
  const char* digits;
  bool accepted;
};

class ModuleSetLimits : public ::testing::TestWithParam<RefusedSet> {};

TEST_P(ModuleSetLimits, AreCheckedWhenTheDialogCloses) {
  auto config = test::NewConfiguration();
  TScriptedUserInterface ui;
  ui.answers = {MsgAnswer::No, MsgAnswer::Yes};
  TConfigController d(*config, ui);
  d.Prepare("00000000");
  ASSERT_TRUE(d.EditModifChange(GetParam().digits));
  if (GetParam().accepted) {
    EXPECT_TRUE(d.FormCloseQuery());
    EXPECT_EQ(d.GetResult(), TConfigController::Result::Ok);
    EXPECT_TRUE(ui.shown.empty());
    return;
  }
  // No keeps the dialog open with the error beside the field; Yes ends it.
  EXPECT_FALSE(d.FormCloseQuery());
  EXPECT_TRUE(d.ErrorTextVisible);
  EXPECT_EQ(d.GetResult(), TConfigController::Result::None);
  EXPECT_TRUE(d.FormCloseQuery());
  EXPECT_EQ(d.GetResult(), TConfigController::Result::Error);
  ASSERT_EQ(ui.shown.size(), 2u);
  EXPECT_EQ(ui.shown[0].text, "Ошибка создания конфигурации \nЗакончить?");
  EXPECT_EQ(ui.shown[0].caption, "Подтвердите окончание ");
  EXPECT_EQ(ui.shown[0].buttons, MsgButtons::YesNo);
}

INSTANTIATE_TEST_SUITE_P(Cases, ModuleSetLimits,
                         ::testing::Values(RefusedSet{"333333", false}, RefusedSet{"33333", true},
                                           RefusedSet{"E1E", false}, RefusedSet{"66666666", true},
                                           RefusedSet{"1111", true}),
                         [](const ::testing::TestParamInfo<RefusedSet>& info) {
                           return std::string("digits_") + info.param.digits;
                         });

TEST_F(NewConfiguration, EmptyFieldIsAnInputError) {
  ui_.answers = {MsgAnswer::Yes};
  dialog_.script = [](TConfigController& d) { ASSERT_TRUE(d.EditModifChange("")); };
  EXPECT_FALSE(creator_.CreatFileClick());
  ASSERT_EQ(ui_.shown.size(), 3u);
  EXPECT_EQ(ui_.shown[0].text, " Ошибка ввода ");
  EXPECT_EQ(ui_.shown[0].caption, "Ошибка");
  EXPECT_EQ(ui_.shown[2].text, "ошибка ввода конфигурации");
  EXPECT_EQ(ui_.shown[2].icon, MsgIcon::Error);
  EXPECT_TRUE(ui_.fileDialogs.empty());
}

TEST_F(NewConfiguration, ReservedCodesCannotBeTyped) {
  TConfigController d(*config_, ui_);
  d.Prepare("00000000");
  for (char key : {'B', 'D', 'F', 'b', 'd', 'f'}) EXPECT_EQ(d.EditModifKeyPress(key), 0) << key;
  EXPECT_EQ(ui_.Texts(), std::vector<std::string>(6, " Ошибка ввода "));
  ui_.shown.clear();
  EXPECT_EQ(d.EditModifKeyPress('a'), 'A');
  EXPECT_EQ(d.EditModifKeyPress('7'), '7');
  EXPECT_EQ(d.EditModifKeyPress('\b'), '\b');
  EXPECT_EQ(d.EditModifKeyPress('x'), 0);
  EXPECT_TRUE(ui_.shown.empty()) << "other keys are just not taken";
  // Pasted or otherwise changed text: refused whole, the field keeps its digits.
  d.EditModif = "10000000";
  for (const char* text : {"1B", "D0000000", "12F", "123456789", "1-2"})
    EXPECT_FALSE(d.EditModifChange(text));
  EXPECT_EQ(d.EditModif, "10000000");
  // Chosen from a list, a reserved item becomes an empty slot.
  d.M1Click(0, 11);
  EXPECT_EQ(d.EditModif, "00000000");
  EXPECT_EQ(d.M[0], 0);
}

TEST_F(NewConfiguration, TypedDigitsMoveTheLists) {
  TConfigController d(*config_, ui_);
  d.Prepare("00000000");
  ASSERT_TRUE(d.EditModifChange("18a"));
  EXPECT_EQ(d.EditModif, "18A");
  EXPECT_EQ(d.M, (std::array<int, 8>{1, 8, 10, 0, 0, 0, 0, 0}));
  EXPECT_TRUE(d.MVSTNewVisible[1]);
  EXPECT_FALSE(d.MVSTNewVisible[0]);
}

// ---- the file and the configuration ----------------------------------------------------

TEST_F(NewConfiguration, CreatedFileHasTheLayoutOfItsBlockCount) {
  for (int blocks : {120, 60}) {
    config_->FB.CapFB = blocks;
    ui_.shown.clear();
    const std::string name = "size" + std::to_string(blocks);
    ASSERT_TRUE(Create([](TConfigController& d) { TypeModules(d, "16"); }, name));
    EXPECT_EQ(fs::file_size(Path(name + ".lur")), ConfigFileSize(blocks));
    ASSERT_GE(ui_.shown.size(), 1u);
    const TMessage& created = blocks == 60 ? ui_.shown[ui_.shown.size() - 2] : ui_.shown.back();
    EXPECT_EQ(created.text, "Создан файл конфигурации " + Path(name + ".lur"));
    EXPECT_EQ(created.caption, "Подтверждение");
    EXPECT_EQ(config_->FB.CapFB, blocks);
    EXPECT_EQ(config_->Serv.FileMode, 1);
    EXPECT_EQ(state_.labelFile, "Режим работы с файлом " + fs::absolute(Path(name + ".lur")).string());
  }
}

TEST_F(NewConfiguration, WrongExtensionIsAskedAgain) {
  dialog_.script = [](TConfigController& d) { TypeModules(d, "1"); };
  ui_.files = {Path("a.txt"), Path("b.lur")};
  ASSERT_TRUE(creator_.CreatFileClick());
  EXPECT_EQ(ui_.shown[0].text, "Неверно задано имя файла");
  EXPECT_EQ(ui_.shown[0].caption, "задание имени файла");
  EXPECT_TRUE(fs::exists(Path("b.lur")));
  EXPECT_FALSE(fs::exists(Path("a.txt")));
}

// Whatever stops the command before the file is written leaves the open
// configuration, its mode and the file on disk exactly as they were.
struct Stop {
  const char* name;
  int kind;  // 0 dialog dismissed, 1 name cancelled, 2 No to re-creating, 3 cannot create
  std::vector<std::string> texts;
};

class NewConfigurationStops : public NewConfiguration, public ::testing::WithParamInterface<Stop> {};

TEST_P(NewConfigurationStops, LeaveTheOpenConfiguration) {
  const Stop& k = GetParam();
  OpenSample(test::kIdentity173);
  config_->Serv.Modified = 1;
  const Bytes before = BuildConfigFile(*config_);
  const TMainState stateBefore = state_;
  const Bytes existing(100, 7);
  test::WriteBytes(Path("taken.lur"), existing);
  if (k.kind != 0) dialog_.script = [](TConfigController& d) { TypeModules(d, "6613"); };
  if (k.kind == 2) {
    ui_.files = {Path("taken")};
    ui_.answers = {MsgAnswer::No};
  }
  if (k.kind == 3) ui_.files = {Path("missing/new.lur")};
  EXPECT_FALSE(creator_.CreatFileClick());
  EXPECT_EQ(ui_.Texts(), k.texts);
  EXPECT_TRUE(BuildConfigFile(*config_) == before);
  EXPECT_EQ(config_->Serv.FileMode, 1);
  EXPECT_EQ(config_->Serv.Modified, 1);
  EXPECT_EQ(config_->Serv.StateFlags[0], 0);
  EXPECT_EQ(state_.fileName, stateBefore.fileName);
  EXPECT_EQ(state_.editModif, stateBefore.editModif);
  EXPECT_TRUE(test::ReadBytes(Path("taken.lur")) == existing);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NewConfigurationStops,
    ::testing::Values(Stop{"dialog_dismissed", 0, {}}, Stop{"name_cancelled", 1, {}},
                      Stop{"not_recreated", 2, {"Файл с таким именем существует.\nСоздать его заново?"}},
                      Stop{"cannot_create", 3, {"Файл конфигурации не удается создать"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(NewConfiguration, ExistingFileIsRecreatedOnYes) {
  test::WriteBytes(Path("taken.lur"), Bytes(100, 7));
  dialog_.script = [](TConfigController& d) { TypeModules(d, "1"); };
  ui_.files = {Path("taken.lur")};
  ui_.answers = {MsgAnswer::Yes};
  ASSERT_TRUE(creator_.CreatFileClick());
  EXPECT_EQ(ui_.shown[0].caption, "Создание файла");
  EXPECT_EQ(fs::file_size(Path("taken.lur")), 35437u);
}

TEST_F(NewConfiguration, AnewGivesFactoryDefaults) {
  OpenSample(test::kIdentity173);
  ASSERT_TRUE(Create(
      [](TConfigController& d) {
        d.RegimCreatClick(TConfigController::kModeAnew);
        TypeModules(d, "18");
        d.TModIndClick(1);  // 24 light-board cells
      },
      "anew"));
  const TConfiguration& c = *config_;
  // The base: 24 alarms on consecutive cells; the first 36 signals normally
  // open and archived, no outputs to drive.
  EXPECT_EQ(c.Lur.GetRecords()[0], (TProgLurClass::Record{0xA1, 0, 0, 0, 0, 0, 0x80, 0}));
  EXPECT_EQ(c.Lur.GetRecords()[23], (TProgLurClass::Record{0xB8, 0, 0, 0, 0, 0, 0x80, 0}));
  EXPECT_EQ(c.Serv.GetInputText(0), Utf8ToCp1251("Дискр.сигн.001"));
  EXPECT_EQ(c.Serv.GetInputText(191), Utf8ToCp1251("Дискр.сигн.192"));
  EXPECT_EQ(c.Serv.GetOutputText(0), "");
  EXPECT_EQ(c.MBA.GetUnitText(0), Utf8ToCp1251("град.С"));
  // A resistance-thermometer module: 100П sensors in °C.
  EXPECT_EQ(c.MBA.GetPozText(0, 0), Utf8ToCp1251("поз.8101"));
  EXPECT_EQ(c.MBA.GetPozText(0, 5), Utf8ToCp1251("поз.8106"));
  EXPECT_EQ(c.MBA.GetUnit(0, 0), 0);
  EXPECT_EQ(c.MBA.GetScaleType(0, 0), 10);
  EXPECT_EQ(c.MBA.GetRangeIndex(0, 0), 30);
  EXPECT_EQ(c.MBA.GetReal(0, 0, TProgMBAClass::ChannelReal::MaxSk), 100.0f);
  EXPECT_EQ(c.MBA.GetBlockByte(0, 0), 1);
  // Network, function blocks, loops: empty.
  EXPECT_EQ(c.MBM.GetKodF(0), 0);
  EXPECT_EQ(c.MBM.GetTable()[0], 10);
  EXPECT_EQ(c.F15.GetTable()[0], 11);
  EXPECT_EQ(c.F15.GetKodF(0), 0);
  EXPECT_EQ(c.FB.GetRecord(0), TProgFBClass::Record{});
  EXPECT_EQ(c.FB.GetAlgHead(0), 255);
  EXPECT_EQ(c.FB.GetAlgFB(3, 3), 255);
  EXPECT_EQ(c.FB.NAlg, 0);
  EXPECT_EQ(c.FB.GetAlgName(0), "");
  EXPECT_EQ(c.Reg.GetFileBlock(), TProgRegClass::FileBlock{});
  EXPECT_EQ(c.MBM.GetRazm(0), 1) << "network channels at their defaults";
  EXPECT_EQ(c.MBM.GetReal(0, TProgMBMClass::ChannelReal::Max), 100.0f);
}

TEST_F(NewConfiguration, AnalogDefaultsOfOtherTypes) {
  ASSERT_TRUE(Create([](TConfigController& d) { TypeModules(d, "6"); }, "g"));
  const TProgMBAClass& mba = config_->MBA;
  EXPECT_EQ(mba.GetPozText(0, 2), Utf8ToCp1251("поз.6103"));
  EXPECT_EQ(mba.GetUnit(0, 2), 1);
  EXPECT_EQ(mba.GetScaleType(0, 2), 0);
  EXPECT_EQ(mba.GetRangeIndex(0, 2), 0);
  EXPECT_EQ(mba.GetReal(0, 2, TProgMBAClass::ChannelReal::UstH), 100.0f);
  EXPECT_EQ(mba.GetReal(0, 2, TProgMBAClass::ChannelReal::UstL), 0.0f);
}

TEST_F(NewConfiguration, UnchangedFromTheOpenFileKeepsItsTables) {
  // 1, 7, 3 and network signals counted beyond the local 36.
  auto identity = test::kIdentity173;
  identity[12] = 40;
  OpenSample(identity, 3);
  const auto open = std::make_unique<TConfiguration>(*config_);
  ASSERT_TRUE(Create(
      [](TConfigController& d) {
        EXPECT_EQ(d.RegimCreat, TConfigController::kModeFromOpen);
        EXPECT_EQ(d.EditModif, "17300000");
        d.RegimCreatClick(TConfigController::kModeFromOpen);
        EXPECT_EQ(d.SaveBD, (std::array<bool, 8>{false, true, true, false, false, false, false, false}));
      },
      "same"));
  const TConfiguration& c = *config_;
  EXPECT_EQ(c.Serv.GetProcessedDiscreteCount(), 40);
  EXPECT_EQ(c.MBA.GetBlock(0), open->MBA.GetBlock(0));
  TProgMRClass relay = open->MR;
  relay.ClearInputsAbove(0, 12);
  EXPECT_EQ(c.MR.GetModuleRecords(0), relay.GetModuleRecords(0));
  EXPECT_EQ(c.MBM.GetTable(), open->MBM.GetTable());
  EXPECT_EQ(c.MBM.GetGroup(3), open->MBM.GetGroup(3));
  EXPECT_EQ(c.F15.GetTable(), open->F15.GetTable());
  EXPECT_EQ(c.Lur.GetRecords(), open->Lur.GetRecords());
  EXPECT_EQ(c.FB.GetRecord(119), open->FB.GetRecord(119));
  EXPECT_EQ(c.FB.GetAlgName(5), open->FB.GetAlgName(5));
  EXPECT_EQ(c.Serv.GetInputTexts(), open->Serv.GetInputTexts());
  EXPECT_EQ(c.Serv.GetOutputTexts(), open->Serv.GetOutputTexts());
  EXPECT_EQ(c.Reg.GetFileBlock(), TProgRegClass::FileBlock{}) << "control loops always start empty";
  EXPECT_EQ(c.Serv.StateFlags[2], 1);
  EXPECT_EQ(c.Serv.StateFlags[1], 0);
}

TEST_F(NewConfiguration, KeptModulesTakeTheirDataToTheirNewSlots) {
  // An open configuration in the order relay, analog, sensor-type discrete:
  // the new configuration puts them discrete, analog, relay.
  OpenSample({3, 3, 8, 10, 0, 0, 0, 0, 0, 0, 0, 8, 36, 6, 0}, 4);
  config_->MBA.SetNewVersion(0, 1);
  const auto open = std::make_unique<TConfiguration>(*config_);
  ASSERT_TRUE(Create(
      [](TConfigController& d) {
        EXPECT_TRUE(d.MVSTNewVisible[1]);
        EXPECT_TRUE(d.MVSTNew[1]) << "the open module's new-version flag is offered";
        d.RegimCreatClick(TConfigController::kModeFromOpen);
        d.M1Click(0, 4);  // another relay module: its settings stay
        EXPECT_TRUE(d.SaveBD[0]);
      },
      "moved"));
  const TConfiguration& c = *config_;
  EXPECT_EQ(ModuleCodesText(c.Serv), "A8400000");
  // The analog block of old slot 1, with its flag, now analog module 0 in slot 1.
  TProgMBAClass::Block block = open->MBA.GetBlock(0);
  block[0] = 1;
  EXPECT_EQ(c.MBA.GetBlock(0), block);
  EXPECT_EQ(c.MBA.GetNewVersion(0), 1);
  TProgMRClass kept = open->MR;
  kept.ClearInputsAbove(0, 12);
  EXPECT_EQ(c.MR.GetModuleRecords(0), kept.GetModuleRecords(0));
  // The sensor types of the module of old slot 2 are now word 0.
  EXPECT_EQ(c.Lur.GetTipDatByte(0), open->Lur.GetTipDatByte(4));
  EXPECT_EQ(c.Lur.GetTipDatByte(1), open->Lur.GetTipDatByte(5));
  EXPECT_EQ(c.Lur.GetTipDatByte(4), 0);
  EXPECT_EQ(c.Serv.StateFlags[1], 1);
  EXPECT_EQ(c.Serv.StateFlags[2], 1);
  EXPECT_EQ(c.Serv.StateFlags[3], 1);
}

TEST_F(NewConfiguration, ChangedModuleGetsDefaultsAndItsBoxGoes) {
  OpenSample(test::kIdentity173, 6);
  ASSERT_TRUE(Create(
      [](TConfigController& d) {
        d.RegimCreatClick(TConfigController::kModeFromOpen);
        d.M1Click(1, 6);
        EXPECT_FALSE(d.SaveBD[1]);
        EXPECT_FALSE(d.SaveBDEnabled[1]);
        d.M1Click(1, 7);  // back to the open module: offered again
        EXPECT_TRUE(d.SaveBD[1]);
        d.SaveBDClick(1, false);
        d.M1Click(2, 12);  // another relay module: offered, and refused here
        EXPECT_TRUE(d.SaveBD[2]);
        d.SaveBDClick(2, false);
      },
      "changed"));
  const TConfiguration& c = *config_;
  EXPECT_EQ(c.MBA.GetPozText(0, 0), Utf8ToCp1251("поз.7101"));
  EXPECT_EQ(c.MR.GetMRByte(1), TProgMRClass::kDefaultOutputByte);
  EXPECT_EQ(c.MR.GetMRByte(2), 0);
}

}  // namespace
}  // namespace lur

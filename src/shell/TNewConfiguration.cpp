#include "shell/TNewConfiguration.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "model/Cp1251.h"
#include "shell/TConfigController.h"
#include "shell/TConfigFile.h"
#include "model/TConfiguration.h"
#include "model/TFileAccess.h"
#include "shell/TFileOperations.h"
#include "shell/TMainState.h"
#include "ui/TUserInterface.h"

namespace lur {
namespace {

namespace fs = std::filesystem;

constexpr const char* kDialogError = "ошибка ввода конфигурации";
constexpr const char* kNameTitle = "Создание файла конфигурации";
constexpr const char* kWrongName = "Неверно задано имя файла";
constexpr const char* kWrongNameCaption = "задание имени файла";
constexpr const char* kCreateCaption = "Создание файла";
constexpr const char* kRecreateQuestion = "Файл с таким именем существует.\nСоздать его заново?";
constexpr const char* kNotCreated = "Файл конфигурации не удается создать";
constexpr const char* kCreated = "Создан файл конфигурации ";

using Real = TProgMBAClass::ChannelReal;

// What the dialog's choice changes, and what the new tables start from.
struct TNewPlan {
  const TConfiguration& open;
  const TNewModuleSet& set;
  bool unchanged;   // the same numbers of discrete and analog modules as before
  bool keepTables;  // from the open configuration and unchanged: its network and blocks stay

  // The module of the open configuration a new slot's module came from, when
  // its data are to be kept and still fit it; -1 otherwise.
  int KeptFrom(int slot, bool (*fits)(int oldType, int newType)) const {
    const int from = set.origin[static_cast<std::size_t>(slot)];
    if (set.mode != TConfigController::kModeFromOpen || from < 0 ||
        !set.keep[static_cast<std::size_t>(slot)]) {
      return -1;
    }
    return fits(open.Serv.GetModuleType(from), set.types[static_cast<std::size_t>(slot)]) ? from : -1;
  }
};

bool SameType(int oldType, int newType) { return oldType == newType; }
bool BothOutputs(int oldType, int newType) {
  return GroupOfModule(oldType) == ModuleGroup::Output && GroupOfModule(newType) == ModuleGroup::Output;
}

// Channel c (0..5) of a new analog module a of type t: tag "поз." with the
// first digit of t, "10" and the channel's number; 0..100 %, set-points at
// the ends. A resistance thermometer module starts as a 100П sensor in °C.
void DefaultAnalogChannel(TProgMBAClass& mba, int a, int c, int t) {
  const std::string tag = "поз." + std::to_string(t).substr(0, 1) + "10" + std::to_string(c + 1);
  mba.SetPozText(Utf8ToCp1251(tag), a, c);
  const bool probed = t == kModuleAnalogProbed;
  mba.SetUnit(a, c, probed ? 0 : 1);
  mba.SetScaleType(a, c, probed ? 10 : 0);
  mba.SetRangeIndex(a, c, probed ? 30 : 0);
  mba.SetReal(a, c, Real::MinSk, 0.0f);
  mba.SetReal(a, c, Real::MaxSk, 100.0f);
  mba.SetReal(a, c, Real::UstLL, 0.0f);
  mba.SetReal(a, c, Real::UstL, 0.0f);
  mba.SetReal(a, c, Real::UstH, 100.0f);
  mba.SetReal(a, c, Real::UstHH, 100.0f);
}

void NewAnalogModules(TConfiguration& scratch, const TNewPlan& plan) {
  const TServClass& serv = scratch.Serv;
  for (int a = 0; a < serv.GetAiModuleCount(); ++a) {
    const int slot = serv.GetDiModuleCount() + a;
    const int t = plan.set.types[static_cast<std::size_t>(slot)];
    const int from = plan.KeptFrom(slot, SameType);
    if (from >= 0) {
      scratch.MBA.SetBlock(a, plan.open.MBA.GetBlock(plan.open.Serv.GroupIndexOfSlot(from)));
    } else {
      scratch.MBA.SetBlock(a, TProgMBAClass::Block{});
      for (int c = 0; c < TProgMBAClass::kChannelsPerModule; ++c) DefaultAnalogChannel(scratch.MBA, a, c, t);
    }
    scratch.MBA.SetBlockByte(a, 0, static_cast<std::uint8_t>(a + 1));
    scratch.MBA.SetNewVersion(a, plan.set.newVersion[static_cast<std::size_t>(slot)] ? 1 : 0);
  }
  // The slots after the analog modules hold network analog groups.
  if (plan.keepTables) return;
  for (int g = 0; g < TProgMBMClass::kGroupCount; ++g) {
    scratch.MBM.SetGroup(g, TProgMBMClass::Group{});
    scratch.MBM.DefaultChannels(g * TProgMBMClass::kChannelsPerGroup, TProgMBMClass::kChannelsPerGroup);
  }
}

void NewRelayTable(TConfiguration& scratch, const TNewPlan& plan) {
  const TServClass& serv = scratch.Serv;
  const TProgMRClass::ModuleRecords none{};
  for (int m = 0; m < kMaxOutputModules; ++m) scratch.MR.SetModuleRecords(m, none);
  const int first = serv.GetDiModuleCount() + serv.GetAiModuleCount();
  for (int m = 0; m < serv.GetDoModuleCount(); ++m) {
    const int from = plan.KeptFrom(first + m, BothOutputs);
    if (from < 0) {
      scratch.MR.SetDefaultModule(m);
      continue;
    }
    scratch.MR.SetModuleRecords(m, plan.open.MR.GetModuleRecords(plan.open.Serv.GroupIndexOfSlot(from)));
    // Acknowledgement and reset inputs the new module set no longer has.
    scratch.MR.ClearInputsAbove(m, serv.GetDiCount());
  }
}

void NewNetworkTables(TConfiguration& scratch, const TNewPlan& plan) {
  if (plan.keepTables) return;
  TProgMBMClass::Table table{};
  table[0] = TProgMBMClass::kTablePage;
  scratch.MBM.SetTable(table);
  scratch.F15.SetF15Byte(0, TProgF15Class::kPage);
  for (int i = 1; i < static_cast<int>(TProgF15Class::kTableSize); ++i) scratch.F15.SetF15Byte(i, 0);
}

void NewSignalBase(TConfiguration& scratch, const TNewPlan& plan) {
  if (plan.set.mode != TConfigController::kModeAnew) return;
  TServClass& serv = scratch.Serv;
  scratch.Lur.ClearRecs(0, TProgLurClass::kRecordCount);
  scratch.Lur.SetFactoryDefaults(serv.GetDisplayTypeCount(), serv.GetProcessedDiscreteCount(),
                                 serv.GetDoCount());
  serv.ClearInputIds();
  serv.ClearInputTexts();
  for (int e = 0; e < kMaxInputSignals; ++e) serv.SetDefaultInputText(e);
  serv.SetOutputTexts({});
  scratch.MBA.SetDefaultUnits();
}

void NewFunctionBlocks(TConfiguration& scratch, const TNewPlan& plan) {
  if (!plan.keepTables) {
    for (int i = 0; i < TProgFBClass::kSlots; ++i) scratch.FB.ClearRecord(i);
    scratch.FB.ResetAlgorithms();
    scratch.FB.NFB = scratch.FB.NIntegr = scratch.FB.NMat = 0;
  }
  // The control loops always start empty.
  scratch.Reg.PutFileBlock(TProgRegClass::FileBlock{});
}

// Sensor types are kept only for a kept discrete-signal module, moved with
// it to its new slot.
void NewSensorTypes(TConfiguration& scratch, const TNewPlan& plan) {
  constexpr int kWordSize = 2;
  for (int s = 0; s < kSlotCount; ++s) {
    const int from =
        plan.set.types[static_cast<std::size_t>(s)] == kModuleSensorType ? plan.KeptFrom(s, SameType) : -1;
    for (int k = 0; k < kWordSize; ++k) {
      const std::uint8_t b = from >= 0 ? plan.open.Lur.GetTipDatByte(kWordSize * from + k) : 0;
      scratch.Lur.SetTipDatByte(kWordSize * s + k, b);
    }
  }
  scratch.Lur.UnpackTipDat();
}

void BuildNewTables(TConfiguration& scratch, const TConfiguration& open, const TConfigController& dialog) {
  const TNewModuleSet& set = dialog.Choice();
  const bool unchanged = set.discreteModules == dialog.RememberedDiModules() &&
                         set.analogModules == dialog.RememberedAiModules();
  const TNewPlan plan{open, set, unchanged, set.mode == TConfigController::kModeFromOpen && unchanged};

  TServClass::Identity identity = set.identity;
  if (unchanged) {
    // The network signals of the configuration stay counted.
    identity[TServClass::kIdProcessedDiscrete] =
        static_cast<std::uint8_t>(dialog.RememberedProcessedDiscrete());
    identity[TServClass::kIdProcessedAnalog] = static_cast<std::uint8_t>(dialog.RememberedProcessedAnalog());
  }
  scratch.Serv.SetIdentityFromBytes(identity);
  for (int s = 0; s < kSlotCount; ++s) scratch.Serv.StateFlags[1 + s] = set.keep[static_cast<std::size_t>(s)];

  NewAnalogModules(scratch, plan);
  NewRelayTable(scratch, plan);
  NewNetworkTables(scratch, plan);
  NewSignalBase(scratch, plan);
  NewFunctionBlocks(scratch, plan);
  NewSensorTypes(scratch, plan);
}

std::optional<std::string> AskFileName(TUserInterface& ui, const std::string& proposed) {
  for (;;) {
    // A name that does not exist yet must be accepted: a save-type dialog.
    const auto chosen = ui.ChooseFile(ConfigFileChoice(true, kNameTitle, proposed));
    if (!chosen) return std::nullopt;
    if (auto name = ConfigFileName(*chosen)) return name;
    ui.Message({kWrongName, kWrongNameCaption, MsgIcon::Warning, MsgButtons::Ok, MsgAnswer::Ok});
  }
}

}  // namespace

std::vector<std::uint8_t> NewConfigurationFile(const TConfiguration& open, const TConfigController& dialog) {
  // The new tables are built beside the open ones, which change only when
  // the written file is opened.
  auto scratch = std::make_unique<TConfiguration>(open);
  BuildNewTables(*scratch, open, dialog);
  return BuildConfigFile(*scratch);
}

bool TNewConfiguration::CreatFileClick() {
  TConfiguration& config = files_.Config();
  TUserInterface& ui = files_.Ui();
  TMainState& state = files_.State();

  TConfigController dialog(config, ui);
  dialog.Prepare(state.editModif);
  if (runner_.ShowModal(dialog) != kModalOk) return false;
  if (dialog.GetResult() != TConfigController::Result::Ok) {
    if (dialog.GetResult() == TConfigController::Result::Error) ShowError(ui, kDialogError);
    return false;
  }

  // The eight digits of the new order, in the folder of the last file.
  const fs::path folder = fs::path(state.fileName).parent_path();
  const auto name = AskFileName(ui, (folder / dialog.EditModif).string());
  if (!name) return false;
  if (FileExists(*name) && ui.Message({kRecreateQuestion, kCreateCaption, MsgIcon::Question,
                                       MsgButtons::YesNo, MsgAnswer::No}) != MsgAnswer::Yes) {
    return false;
  }
  if (WriteFileReplacing(*name, NewConfigurationFile(config, dialog)) != TFileWriteResult::Written) {
    ui.Message({kNotCreated, kCreateCaption, MsgIcon::Warning, MsgButtons::Ok, MsgAnswer::Ok});
    return false;
  }
  ShowInformation(ui, kCreated + *name);

  state.fileName = *name;
  config.Serv.StateFlags[0] = 1;
  if (!files_.OpenFileClick()) return false;
  const TNewModuleSet& set = dialog.Choice();
  for (int s = 0; s < kSlotCount; ++s) config.Serv.StateFlags[1 + s] = set.keep[static_cast<std::size_t>(s)];
  return true;
}

}  // namespace lur

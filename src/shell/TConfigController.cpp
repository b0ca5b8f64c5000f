#include "shell/TConfigController.h"

#include "model/ModuleTypes.h"
#include "model/TConfiguration.h"
#include "ui/TUserInterface.h"

namespace lur {


namespace {

constexpr const char* kEndQuestion = "Ошибка создания конфигурации \nЗакончить?";
constexpr const char* kEndCaption = "Подтвердите окончание ";
constexpr char kBackspace = '\b';
// Each analog input module adds four limit signals per input to the discrete list.
constexpr int kAnalogSignalsPerModule = kInputsPerAiModule * kLimitsPerAnalogInput;

// Codes no module has: typed into EditModif they are input errors, chosen
// in a list they become "0".
constexpr bool IsReservedCode(int t) { return t == 11 || t == 13 || t == 15; }

// Types whose data nothing keeps: discrete inputs without sensor types, the
// control loop module (its loops start empty), reserved codes.
constexpr bool HasNoKeptData(int t) { return t == 0 || t == 1 || t == 2 || t == 11 || t == 14 || t == 15; }

constexpr bool IsOutput(int t) { return GroupOfModule(t) == ModuleGroup::Output; }

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}


// The order of the new slots: discrete inputs, analog inputs, outputs, the
// control loop module; each group in the order of the dialog's slots.
constexpr std::array<std::array<int, 4>, 4> kPlacementGroups = {{
    {1, 2, 10, -1},
    {6, 7, 8, 9},
    {3, 4, 5, 12},
    {14, -1, -1, -1},
}};

}  // namespace

TConfigController::TConfigController(const TConfiguration& config, TUserInterface& ui)
    : config_(config), ui_(ui) {}

int TConfigController::CurrentType(int slot) const { return config_.Serv.GetModuleType(slot); }

bool TConfigController::CurrentNewVersion(int slot) const {
  if (CurrentType(slot) != kModuleAnalogProbed) return false;
  return config_.MBA.GetNewVersion(config_.Serv.GroupIndexOfSlot(slot)) != 0;
}

void TConfigController::Prepare(const std::string& mainModuleDigits) {
  const TServClass& serv = config_.Serv;
  rememberedDi_ = serv.GetDiModuleCount();
  rememberedAi_ = serv.GetAiModuleCount();
  rememberedDiscrete_ = serv.GetProcessedDiscreteCount();
  rememberedAnalog_ = serv.GetProcessedAnalogCount();
  mainDigits_ = mainModuleDigits;
  MVSTNew.fill(false);
  MVSTNewEnabled.fill(false);
  MVSTNewVisible.fill(false);
  SaveBD.fill(false);
  ErrorTextVisible = false;
  result_ = Result::None;
  if (serv.FileMode == 1) {
    EditModif = mainDigits_;
    RegimCreat = kModeFromOpen;
    for (int s = 0; s < kSlotCount; ++s) {
      M[s] = CurrentType(s);
      // The new-version flag of a type-8 module is shown from the start, so
      // that a configuration made from the open file keeps it.
      if (M[s] == kModuleAnalogProbed) {
        MVSTNewVisible[s] = MVSTNewEnabled[s] = true;
        MVSTNew[s] = CurrentNewVersion(s);
      }
    }
    SaveBDEnabled.fill(true);
  } else {
    EditModif = "00000000";
    RegimCreat = kModeAnew;
    M.fill(0);
    SaveBDEnabled.fill(false);
  }
  TModInd = serv.GetDisplayType();
}

void TConfigController::ShowSlotsOfOpenConfiguration() {
  for (int s = 0; s < kSlotCount; ++s) {
    const int t = CurrentType(s);
    M[s] = t;
    SaveBDEnabled[s] = SaveBD[s] = !HasNoKeptData(t);
    const bool probed = t == kModuleAnalogProbed;
    MVSTNewVisible[s] = MVSTNewEnabled[s] = probed;
    MVSTNew[s] = probed && CurrentNewVersion(s);
  }
}

void TConfigController::RegimCreatClick(int mode) {
  RegimCreat = mode == kModeFromOpen ? kModeFromOpen : kModeAnew;
  if (RegimCreat == kModeFromOpen) {
    EditModif = mainDigits_;
    if (config_.Serv.FileMode == 1) {
      ShowSlotsOfOpenConfiguration();
    } else {
      // The lists show what the digits say; nothing is offered for keeping.
      for (int s = 0; s < kSlotCount; ++s) {
        const int t =
            s < static_cast<int>(EditModif.size()) ? HexValue(EditModif[static_cast<std::size_t>(s)]) : 0;
        M[s] = t < 0 ? 0 : t;
      }
    }
    return;
  }
  EditModif = "00000000";
  M.fill(0);
  SaveBD.fill(false);
  SaveBDEnabled.fill(false);
  MVSTNew.fill(false);
  MVSTNewEnabled.fill(false);
  MVSTNewVisible.fill(false);
}

void TConfigController::SlotTypeChanged(int slot, int type) {
  M[slot] = type;
  if (RegimCreat == kModeFromOpen) {
    const int current = CurrentType(slot);
    bool keep = false;
    if (type == current) {
      keep = !HasNoKeptData(type);
    } else {
      // One relay module for another: the output settings still apply.
      keep = IsOutput(type) && IsOutput(current);
    }
    SaveBDEnabled[slot] = SaveBD[slot] = keep;
  }
  const bool probed = type == kModuleAnalogProbed;
  MVSTNewVisible[slot] = MVSTNewEnabled[slot] = probed;
  if (!probed) MVSTNew[slot] = false;
}

void TConfigController::SetDigit(int slot, int type) {
  if (EditModif.size() < kSlotCount) EditModif.resize(kSlotCount, '0');
  EditModif[static_cast<std::size_t>(slot)] = ModuleCodeDigit(type);
}

void TConfigController::M1Click(int slot, int type) {
  if (slot < 0 || slot >= kSlotCount || type < 0 || type > kMaxModuleCode) return;
  if (IsReservedCode(type)) type = kModuleEmpty;
  SlotTypeChanged(slot, type);
  SetDigit(slot, type);
}

void TConfigController::SaveBDClick(int slot, bool checked) {
  if (slot < 0 || slot >= kSlotCount || !SaveBDEnabled[slot]) return;
  SaveBD[slot] = checked;
}

void TConfigController::MVSTNewClick(int slot, bool checked) {
  if (slot < 0 || slot >= kSlotCount || !MVSTNewEnabled[slot]) return;
  MVSTNew[slot] = checked;
}

void TConfigController::TModIndClick(int display) {
  if (display >= 0 && display <= kMaxDisplayType) TModInd = display;
}

char TConfigController::EditModifKeyPress(char key) {
  if (key == kBackspace) return key;
  const int v = HexValue(key);
  if (v < 0) return 0;
  if (IsReservedCode(v)) {
    ShowError(ui_, kInputErrorMessage);
    return 0;
  }
  return ModuleCodeDigit(v);
}

bool TConfigController::EditModifChange(const std::string& text) {
  bool valid = text.size() <= kSlotCount;
  for (char c : text) {
    const int v = HexValue(c);
    valid = valid && v >= 0 && !IsReservedCode(v);
  }
  if (!valid) {
    ShowError(ui_, kInputErrorMessage);
    return false;
  }
  EditModif.clear();
  for (int s = 0; s < kSlotCount; ++s) {
    const bool present = s < static_cast<int>(text.size());
    const int t = present ? HexValue(text[static_cast<std::size_t>(s)]) : kModuleEmpty;
    if (present) EditModif += ModuleCodeDigit(t);
    if (t != M[s]) SlotTypeChanged(s, t);
  }
  return true;
}

bool TConfigController::CheckAndReorder() {
  if (EditModif.empty()) {
    ShowError(ui_, kInputErrorMessage);
    return false;
  }
  std::array<int, kSlotCount> typed{};
  int discrete = 0, analog = 0, output = 0, type5 = 0, loops = 0;
  bool known = EditModif.size() <= kSlotCount;
  for (std::size_t s = 0; known && s < EditModif.size(); ++s) {
    const int t = HexValue(EditModif[s]);
    // A reserved code would be counted in a group and placed in no slot.
    known = t >= 0 && !IsReservedCode(t);
    if (!known) break;
    typed[s] = t;
    switch (GroupOfModule(t)) {
      case ModuleGroup::DiscreteInput:
        ++discrete;
        break;
      case ModuleGroup::AnalogInput:
        ++analog;
        break;
      case ModuleGroup::Output:
        ++output;
        break;
      case ModuleGroup::None:
        break;
    }
    type5 += t == kModuleRelayType5;
    loops += t == kModuleControlLoop;
  }
  if (!known || output > kMaxOutputModules || loops > 1 ||
      kInputsPerDiModule * discrete + kAnalogSignalsPerModule * analog > kMaxInputSignals) {
    ErrorTextVisible = true;
    return false;
  }

  TNewModuleSet set;
  set.origin.fill(-1);
  int next = 0;
  for (const auto& group : kPlacementGroups) {
    for (std::size_t s = 0; s < EditModif.size(); ++s) {
      const int t = typed[s];
      bool member = false;
      for (int g : group) member = member || (g == t && t != kModuleEmpty);
      if (!member) continue;
      set.types[next] = t;
      set.origin[next] = static_cast<int>(s);
      set.keep[next] = SaveBD[s];
      set.newVersion[next] = t == kModuleAnalogProbed && MVSTNew[s];
      ++next;
    }
  }
  set.display = TModInd;
  set.mode = RegimCreat;
  set.discreteModules = discrete;
  set.analogModules = analog;
  set.outputModules = output;
  set.type5Modules = type5;
  auto& id = set.identity;
  id[TServClass::kIdModuleCount] = static_cast<std::uint8_t>(discrete + analog + output);
  for (int s = 0; s < kSlotCount; ++s)
    id[TServClass::kIdFirstSlot + s] = static_cast<std::uint8_t>(set.types[s]);
  id[TServClass::kIdOutputCount] = static_cast<std::uint8_t>(kOutputsPerDoModule * output);
  id[TServClass::kIdProcessedDiscrete] =
      static_cast<std::uint8_t>(kInputsPerDiModule * discrete + kAnalogSignalsPerModule * analog);
  id[TServClass::kIdProcessedAnalog] = static_cast<std::uint8_t>(kInputsPerAiModule * analog);
  id[TServClass::kIdDisplayType] = static_cast<std::uint8_t>(TModInd);

  choice_ = set;
  // The dialog shows the new order, each slot's boxes moved with its module.
  const auto saveBD = SaveBD, saveBDEnabled = SaveBDEnabled, mvst = MVSTNew;
  EditModif.clear();
  for (int s = 0; s < kSlotCount; ++s) {
    EditModif += ModuleCodeDigit(set.types[s]);
    M[s] = set.types[s];
    const int from = set.origin[s];
    SaveBD[s] = from >= 0 && saveBD[from];
    SaveBDEnabled[s] = from >= 0 && saveBDEnabled[from];
    MVSTNew[s] = from >= 0 && mvst[from] && M[s] == kModuleAnalogProbed;
    MVSTNewVisible[s] = MVSTNewEnabled[s] = M[s] == kModuleAnalogProbed;
  }
  return true;
}

bool TConfigController::FormCloseQuery() {
  if (CheckAndReorder()) {
    result_ = Result::Ok;
    return true;
  }
  const MsgAnswer answer =
      ui_.Message({kEndQuestion, kEndCaption, MsgIcon::Question, MsgButtons::YesNo, MsgAnswer::Yes});
  if (answer != MsgAnswer::Yes) return false;
  result_ = Result::Error;
  return true;
}

}  // namespace lur

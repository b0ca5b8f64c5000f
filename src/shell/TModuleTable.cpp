#include "shell/TModuleTable.h"

#include <array>

#include "model/ModuleTypes.h"
#include "model/TServClass.h"

namespace lur {

const char* const kNoAnalogForLoopModule = "Невозможно программировать ЖОКА -  нет аналог. входов";
const char* const kWindowComesLater = "Окно появится в следующей версии";

namespace {

constexpr const char* kOnLine = "on line";
constexpr const char* kProgram = "программ.";

// How many slots the designation of each display type names.
constexpr std::array<int, kMaxDisplayType + 1> kDesignationSlots = {4, 8, 8, 2, 8};
constexpr std::array<const char*, kMaxDisplayType + 1> kDesignationDisplay = {"4A ", "8B ", "8C ", "2E ",
                                                                              "8D "};


// The identifier of entry shown by its first `slots` slots, as the table's
// ranges show them.
std::string IdHead(const TServClass& serv, int entry, int slots) {
  std::string text;
  for (int k = 0; k < slots; ++k) text += serv.GetInputIdSlot(entry, k);
  return text;
}

std::string OutputIdHead(const TServClass& serv, int entry, int slots) {
  std::string text;
  for (int k = 0; k < slots; ++k) text += serv.GetOutputIdSlot(entry, k);
  return text;
}

// The ranges follow each module's place in its own group: the signals of the
// n-th discrete module are 12 n .. 12 n + 11 wherever the slot lies. In the
// slot order a new configuration produces (discrete, analog, output) this is
// the slot arithmetic of the table; in another order it still names the
// module's own signals instead of a neighbour's or none.
std::string DiscreteRange(const TServClass& serv, int group) {
  const int first = kInputsPerDiModule * group;
  return IdHead(serv, first, 6) + " - " + IdHead(serv, first + kInputsPerDiModule - 1, 6);
}

std::string AnalogRange(const TServClass& serv, int group) {
  const int first = serv.GetDiCount() + kInputsPerAiModule * kLimitsPerAnalogInput * group;
  return IdHead(serv, first, 5) + " - " +
         IdHead(serv, first + kInputsPerAiModule * kLimitsPerAnalogInput - 1, 5);
}

std::string OutputRange(const TServClass& serv, int group) {
  const int first = kOutputsPerDoModule * group;
  return OutputIdHead(serv, first, 6) + " - " + OutputIdHead(serv, first + kOutputsPerDoModule - 1, 6);
}

}  // namespace

std::string ModuleCodesText(const TServClass& serv) {
  std::string text;
  for (int s = 0; s < kSlotCount; ++s) text += ModuleCodeDigit(serv.GetModuleType(s));
  return text;
}

std::string DeviceDesignation(const TServClass& serv) {
  const int display = serv.GetDisplayType();
  if (display < 0 || display > kMaxDisplayType) return "ЛУР-05-";
  std::string text = std::string("ЛУР-05-") + kDesignationDisplay[display];
  for (int s = 0; s < kDesignationSlots[display]; ++s) text += ModuleCodeDigit(serv.GetModuleType(s));
  return text;
}

std::string AnalogModelCaption(int type) {
  switch (type) {
    case 6:
      return "ГАРП-3  ДАЦ.005  ПО.V3  0412";
    case 7:
      return "ЮНАК-3  ДАЦ.006  ПО.V2  0308";
    case 8:
      return "БЕРТ-3  ДАЦ.007  ПО.V3  0517";
    case 9:
      return "ФИЛО-3  ДАЦ.008  ПО.V3  0602";
    default:
      return {};
  }
}

TModuleRow ModuleRowOf(const TServClass& serv, int slot) {
  TModuleRow row;
  const int type = serv.GetModuleType(slot);
  const int group = serv.GroupIndexOfSlot(slot);
  row.code = std::string(1, ModuleCodeDigit(type));
  row.buttonEnabled = true;
  row.buttonCaption = kProgram;
  switch (type) {
    case 1:
      row.caption = "ТОРИ-5";
      row.inputs = DiscreteRange(serv, group);
      row.buttonCaption = kOnLine;
      break;
    case 2:
      row.caption = "ЛЕНС-9";
      row.inputs = DiscreteRange(serv, group);
      row.buttonCaption = kOnLine;
      break;
    case 10:
      row.caption = "ЛЕНС-9";
      row.inputs = DiscreteRange(serv, group);
      break;
    case 3:
      row.caption = "МР-73       вых 1-8 реле    220V AC  2A";
      break;
    case 4:
      row.caption =
          "МР-74       вых 1-4 реле    220V AC  2A\n"
          "             вых 5-8 ключи  220V AC  1A";
      break;
    case 5:
      row.caption = "МР-75       вых 1-8 ключи   220V AC  1A";
      break;
    case 12:
      row.caption = "МР-71       вых 1-8 реле    220V AC  2A";
      break;
    case 6:
    case 7:
    case 8:
    case 9:
      row.caption = AnalogModelCaption(type);
      row.inputs = AnalogRange(serv, group);
      break;
    case 14:
      row.caption = "ЖОКА";
      if (serv.GetProcessedAnalogCount() == 0) {
        row.buttonCaption = "нет";
        row.buttonEnabled = false;
      }
      break;
    default:
      // Empty and reserved codes: nothing to show and nothing to program.
      row.buttonCaption.clear();
      row.buttonEnabled = false;
      break;
  }
  if (GroupOfModule(type) == ModuleGroup::Output) row.outputs = OutputRange(serv, group);
  return row;
}

bool FillModuleTable(const TServClass& serv, TMainState& state) {
  state.editModif = ModuleCodesText(serv);
  state.tipModInd = std::string(DisplayTypeCaption(serv.GetDisplayType()));
  state.stLUR = DeviceDesignation(serv);
  state.stKVhA = std::to_string(kInputsPerAiModule * serv.GetAiModuleCount());
  state.stKVhD = std::to_string(kInputsPerDiModule * serv.GetDiModuleCount());
  state.stAllD = std::to_string(serv.GetProcessedDiscreteCount());
  state.stKVyhS = std::to_string(serv.GetDoCount());
  state.stAllAn = std::to_string(serv.GetProcessedAnalogCount());

  state.hasType14 = false;
  state.hasType10 = false;
  bool loopModuleWithoutSignals = false;
  for (int s = 0; s < kSlotCount; ++s) {
    state.rows[static_cast<std::size_t>(s)] = ModuleRowOf(serv, s);
    const int type = serv.GetModuleType(s);
    if (type == kModuleSensorType) state.hasType10 = true;
    if (type == kModuleControlLoop) {
      state.hasType14 = true;
      if (serv.GetProcessedAnalogCount() == 0) loopModuleWithoutSignals = true;
    }
  }
  return loopModuleWithoutSignals;
}

}  // namespace lur

#include "live/TFormInfAnController.h"

#include "live/DetailTexts.h"
#include "model/Cp1251.h"
#include "model/ModuleTypes.h"
#include "model/TConfiguration.h"

namespace lur {

std::string TFormInfAnController::ModuleModelName(int type) {
  switch (type) {
    case 6:
      return "ГАРП-3";
    case 7:
      return "ЮНАК-3";
    case 8:
      return "БЕРТ-3";
    case 9:
      return "ФИЛО-3";
    default:
      return {};
  }
}

bool TFormInfAnController::Fill(const TConfiguration& config, int entry) {
  const TServClass& serv = config.Serv;
  const TProgMBAClass& mba = config.MBA;
  const int d = entry - serv.GetDiCount();
  if (d < 0 || d >= kLimitsPerAnalogInput * serv.GetAiCount()) return false;
  constexpr int kSignalsPerModule = kLimitsPerAnalogInput * kInputsPerAiModule;  // 24
  const int a = d / kSignalsPerModule;
  const int c = d % kSignalsPerModule / kLimitsPerAnalogInput;
  const int t = d % kLimitsPerAnalogInput;

  label2 = SignalCaption(serv, entry);
  labNMod = std::to_string(a + 1);
  labTextRecv = Cp1251ToUtf8(serv.GetInputText(entry));
  label1 = std::to_string(c + 1);
  labTMod = ModuleModelName(serv.GetModuleType(serv.GetDiModuleCount() + a));

  razm1 = UnitListTexts(mba);
  razm1Index = mba.GetUnit(a, c);
  poz1 = Cp1251ToUtf8(mba.GetPozText(a, c));
  nsk1 = mba.GetMinSkText(a, c);
  vsk1 = mba.GetMaxSkText(a, c);
  labUstLL = SetPointCaption(t);
  static constexpr TProgMBAClass::ChannelReal kSetPoints[] = {
      TProgMBAClass::ChannelReal::UstLL, TProgMBAClass::ChannelReal::UstL, TProgMBAClass::ChannelReal::UstH,
      TProgMBAClass::ChannelReal::UstHH};
  ust1LL = mba.GetRealText(a, c, kSetPoints[t]);
  return true;
}

}  // namespace lur

#include "live/TFormInfNetAnController.h"

#include "live/DetailTexts.h"
#include "model/Cp1251.h"
#include "model/SlaveTypes.h"
#include "model/TConfiguration.h"

namespace lur {
namespace {

// The slave types this window names: 0..4 and 15. Any other code shows an
// empty label, never the type of a block shown before.
std::string SlaveTypeText(int code) {
  if ((code >= 0 && code <= 4) || code == 15) return std::string(SlaveTypeName(code));
  return {};
}

}  // namespace

TFormInfNetAnController::Place TFormInfNetAnController::FindNetInput(const TServClass& serv, int entry) {
  int j = serv.GetDiCount() + kLimitsPerAnalogInput * serv.GetAiCount();
  for (int k = 0; k < TServClass::kNetBlockCount; ++k) {
    const int entries = serv.GetNetDiscreteCount(k) + kLimitsPerAnalogInput * serv.GetNetAnalogCount(k);
    if (entry >= j && entry < j + entries) return {true, k, entry - j};
    j += entries;
  }
  return {};
}

void TFormInfNetAnController::ClearScaling() {
  razm1.clear();
  razm1Index = -1;
  poz1.clear();
  nsk1.clear();
  vsk1.clear();
  labUstLL.clear();
  ust1LL.clear();
}

bool TFormInfNetAnController::Fill(const TConfiguration& config, int entry) {
  const TServClass& serv = config.Serv;
  const TProgMBMClass& mbm = config.MBM;
  if (entry < serv.GetDiCount() + kLimitsPerAnalogInput * serv.GetAiCount() || entry >= kMaxInputSignals) {
    return false;
  }
  const Place place = FindNetInput(serv, entry);
  const int k = place.block;
  const int l = place.position;

  label2 = SignalCaption(serv, entry);
  labTextRecv = Cp1251ToUtf8(serv.GetInputText(entry));
  labNMod = std::to_string(k + 1);
  labAdrSlave = std::to_string(mbm.GetUstr(k));
  labTUst = SlaveTypeText(mbm.GetTipUstr(k));

  ClearScaling();
  const int kodF = mbm.GetKodF(k);
  if (kodF == 1 || kodF == 2) {
    label1 = std::to_string(l + 1);
    groupBox1Visible = false;
    return true;
  }

  const int i = l / kLimitsPerAnalogInput;
  const int t = l % kLimitsPerAnalogInput;
  const int e = place.found ? mbm.GetStAddr_Beg2(k) - serv.GetAiCount() + i : 0;
  label1 = std::to_string(i + 1);
  labUstLL = SetPointCaption(t);
  groupBox1Visible = true;
  razm1 = UnitListTexts(config.MBA);
  // A start entry that points outside the channel records leaves the
  // scaling fields empty rather than showing another signal's record.
  if (e < 0 || e >= TProgMBMClass::kChannelCount) return true;
  razm1Index = mbm.GetRazm(e);
  poz1 = Cp1251ToUtf8(mbm.GetPoz(e));
  nsk1 = mbm.GetMin(e);
  vsk1 = mbm.GetMax(e);
  static constexpr TProgMBMClass::ChannelReal kSetPoints[] = {
      TProgMBMClass::ChannelReal::UstLL, TProgMBMClass::ChannelReal::UstL, TProgMBMClass::ChannelReal::UstH,
      TProgMBMClass::ChannelReal::UstHH};
  ust1LL = mbm.GetRealText(e, kSetPoints[t]);
  return true;
}

}  // namespace lur

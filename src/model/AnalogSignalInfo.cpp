#include "model/AnalogSignalInfo.h"

namespace lur {

std::optional<AnalogSignalInfo> LookupAnalogSignal(const TProgMBAClass& mba, const TProgMBMClass& mbm, int n,
                                                   int aiModuleCount, int netBlockTotal) {
  const auto place = mbm.FindAnalogSignal(n, aiModuleCount, netBlockTotal);
  if (!place) return std::nullopt;
  AnalogSignalInfo info;
  if (place->local) {
    const int a = place->module;
    const int c = place->channel;
    using Real = TProgMBAClass::ChannelReal;
    info.poz = mba.GetPozText(a, c);
    info.minText = mba.GetMinSkText(a, c);
    info.maxText = mba.GetMaxSkText(a, c);
    info.min = mba.GetReal(a, c, Real::MinSk);
    info.max = mba.GetReal(a, c, Real::MaxSk);
    info.unit = mba.GetUnit(a, c);
  } else {
    const int e = place->netChannel;
    using Real = TProgMBMClass::ChannelReal;
    info.poz = mbm.GetPoz(e);
    info.minText = mbm.GetMin(e);
    info.maxText = mbm.GetMax(e);
    info.min = mbm.GetReal(e, Real::Min);
    info.max = mbm.GetReal(e, Real::Max);
    info.unit = mbm.GetRazm(e);
  }
  return info;
}

}  // namespace lur

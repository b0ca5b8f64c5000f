#pragma once
// What the windows show of analog signal n of the controller's list (numbered
// from 1): its position tag, scale limits and unit, from the local analog
// module channel or from the network analog channel that serves it.
#include <optional>
#include <string>

#include "model/TProgMBAClass.h"
#include "model/TProgMBMClass.h"

namespace lur {

struct AnalogSignalInfo {
  std::string poz;      // 8 tag bytes, Windows-1251
  std::string minText;  // low scale limit as text
  std::string maxText;  // high scale limit as text
  float min = 0.0f;
  float max = 0.0f;
  int unit = 0;  // index into the units list
};

// nullopt for a signal no channel serves (see TProgMBMClass::FindAnalogSignal).
std::optional<AnalogSignalInfo> LookupAnalogSignal(const TProgMBAClass& mba, const TProgMBMClass& mbm, int n,
                                                   int aiModuleCount, int netBlockTotal);

}  // namespace lur

#pragma once
// The analog signal list of the configuration: the local analog channels
// (six per analog input module), then the analog inputs the exchange blocks
// bring over the network. The input information window shows it as its
// second table, and the diagrams caption an analog input reference n
// (1-based) with row n - 1's identifier.
#include <string>
#include <vector>

namespace lur {

class TServClass;
class TProgMBAClass;
class TProgMBMClass;

struct AnalogSignalRow {
  std::string id;   // the channel's name without its threshold letters: AI1_6, DLAI1_4
  std::string tag;  // the position tag as stored (Windows-1251)
};

// At most 60 rows: 6 x AiModuleCount local channels, then one row per
// network analog input in the order of the signal entries. A network walk
// stops at an entry that is neither an analog nor a discrete network input,
// and never passes the last signal entry.
std::vector<AnalogSignalRow> AnalogSignalList(const TServClass& serv, const TProgMBAClass& mba,
                                              const TProgMBMClass& mbm);

}  // namespace lur

#include "model/AnalogSignalList.h"

#include "model/TProgMBAClass.h"
#include "model/TProgMBMClass.h"
#include "model/TServClass.h"

namespace lur {
namespace {

constexpr int kChannelsPerModule = 6;
constexpr int kEntriesPerChannel = 4;  // the LL, L, H and HH thresholds
constexpr int kMaxRows = 60;
constexpr int kSignalEntries = 192;

// The first `parts` identifier slots of a signal entry, run together.
std::string IdParts(const TServClass& serv, int entry, int parts) {
  std::string id;
  for (int s = 0; s < parts; ++s) id += serv.GetInputIdSlot(entry, s);
  return id;
}

}  // namespace

std::vector<AnalogSignalRow> AnalogSignalList(const TServClass& serv, const TProgMBAClass& mba,
                                              const TProgMBMClass& mbm) {
  std::vector<AnalogSignalRow> rows;
  const int local = kChannelsPerModule * serv.GetAiModuleCount();
  for (int r = 0; r < local && r < kMaxRows; ++r) {
    const int a = r / kChannelsPerModule;
    const int c = r % kChannelsPerModule;
    const int entry = serv.GetDiCount() + kChannelsPerModule * kEntriesPerChannel * a + kEntriesPerChannel * c;
    rows.push_back({IdParts(serv, entry, 5), mba.GetPozText(a, c)});
  }
  int entry = serv.GetDiCount() + kEntriesPerChannel * serv.GetAiCount();
  for (int k = 0; k < serv.GetNetAnalogTotal() && static_cast<int>(rows.size()) < kMaxRows;) {
    if (entry >= kSignalEntries) break;
    const std::string kind = serv.GetInputIdSlot(entry, 2);
    if (kind == "A") {
      rows.push_back({IdParts(serv, entry, 7), mbm.GetPoz(k)});
      entry += kEntriesPerChannel;
      ++k;
    } else if (kind == "D") {
      ++entry;
    } else {
      break;
    }
  }
  return rows;
}

}  // namespace lur

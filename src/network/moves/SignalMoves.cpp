#include "network/moves/SignalMoves.h"

#include <algorithm>
#include <functional>
#include <vector>

#include "loops/LoopAssembly.h"

namespace lur {
namespace {

constexpr int kMaxDiscrete = TProgFBClass::kMaxDiscreteSignal;  // 192
constexpr int kMaxAnalog = TProgFBClass::kMaxAnalogSignal;      // 48

// The one rule of every reference (numbers from 1, 0 none): removing count
// signals after `at` clears the removed and lowers the later ones; inserting
// raises the later ones; a number pushed past `limit` names nothing.
int AfterDelete(int n, int at, int count) {
  if (n <= at) return n;
  if (n <= at + count) return 0;
  return n - count;
}
int AfterInsert(int n, int at, int count, int limit) {
  if (n <= at) return n;
  return n + count <= limit ? n + count : 0;
}

using Renumber = std::function<int(int)>;

// Function-15 inputs that name discrete signals (1..192).
void RenumberF15(TProgF15Class& f15, const Renumber& renumber, TSignalMoveMarks& marks) {
  for (int b = 0; b < TProgF15Class::kBlockCount; ++b) {
    for (int k = 0; k < TProgF15Class::kSignalsPerBlock; ++k) {
      const int n = f15.GetSignal(b, k);
      if (n < 1 || n > TProgF15Class::kMaxDiscreteSignal) continue;
      const int moved = renumber(n);
      if (moved == n) continue;
      f15.SetSignal(b, k, moved);
      marks.f15 = true;
    }
  }
}

// The external acknowledge and reset inputs of every relay output.
void RenumberRelays(TProgMRClass& mr, const Renumber& renumber, TSignalMoveMarks& marks) {
  for (int m = 0; m < kMaxOutputModules; ++m) {
    for (int o = 0; o < kOutputsPerDoModule; ++o) {
      const int kvit = mr.GetVxKvit(o, m);
      const int sbr = mr.GetVhSbr(o, m);
      const int newKvit = kvit > 0 ? renumber(kvit) : 0;
      const int newSbr = sbr > 0 ? renumber(sbr) : 0;
      if (newKvit != kvit) mr.SetVxKvit(static_cast<std::uint8_t>(newKvit), o, m);
      if (newSbr != sbr) mr.SetVhSbr(static_cast<std::uint8_t>(newSbr), o, m);
      if (newKvit != kvit || newSbr != sbr) marks.relay[static_cast<std::size_t>(m)] = true;
    }
  }
}

// The function block services set RefsChanged; the marks keep their own
// record of this move.
void RenumberFB(TProgFBClass& fb, const std::function<void(TProgFBClass&)>& service, TSignalMoveMarks& marks) {
  const int before = fb.RefsChanged;
  fb.RefsChanged = 0;
  service(fb);
  if (fb.RefsChanged != 0) marks.fb = true;
  fb.RefsChanged = before | fb.RefsChanged;
}

// The controlled variables of the regulators in use. A regulator whose
// variable is gone takes its loop with it (cascade partner and setter
// included, every index renumbered by DeleteLoop); a free record (AnVh 0)
// ends the used ones, so the doomed keep their number until their loop goes.
void RenumberRegulators(TProgRegClass& reg, const Renumber& renumber, TSignalMoveMarks& marks) {
  const int used = reg.UsedRegs();
  if (used == 0) return;
  BuildLoopMap(reg);
  std::vector<int> doomedLoops;
  std::vector<std::pair<int, int>> moved;  // record, new AnVh
  for (int i = 0; i < used; ++i) {
    const int n = reg.GetAnVh(i);
    const int m = renumber(n);
    if (m == n) continue;
    if (m != 0) {
      moved.emplace_back(i, m);
      continue;
    }
    for (int p = 0; p < TProgRegClass::kRecords; ++p) {
      if (reg.PanelReg[static_cast<std::size_t>(p)] == i && reg.PanelLoop[static_cast<std::size_t>(p)] >= 0) {
        doomedLoops.push_back(reg.PanelLoop[static_cast<std::size_t>(p)]);
      }
    }
  }
  if (moved.empty() && doomedLoops.empty()) return;
  marks.regulator = true;
  reg.RegModified = 1;
  for (const auto& [record, anVh] : moved) reg.SetAnVh(record, anVh);
  // From the last loop back: deleting a loop never moves the loops before it.
  std::sort(doomedLoops.begin(), doomedLoops.end(), std::greater<>());
  doomedLoops.erase(std::unique(doomedLoops.begin(), doomedLoops.end()), doomedLoops.end());
  for (const int loop : doomedLoops) DeleteLoop(reg, loop);
  BuildLoopMap(reg);
}

// The slot position (1..8) of relay module m, 0 when no slot holds it.
int RelayPosition(const TServClass& serv, int m) {
  for (int s = 0; s < kSlotCount; ++s) {
    if (GroupOfModule(serv.GetModuleType(s)) == ModuleGroup::Output && serv.GroupIndexOfSlot(s) == m) return s + 1;
  }
  return 0;
}

}  // namespace

bool TSignalMoveMarks::Any() const {
  return base || fb || f15 || regulator || channels || std::find(relay.begin(), relay.end(), true) != relay.end();
}

void TSignalMoveMarks::Merge(const TSignalMoveMarks& other) {
  base = base || other.base;
  fb = fb || other.fb;
  f15 = f15 || other.f15;
  regulator = regulator || other.regulator;
  channels = channels || other.channels;
  for (std::size_t m = 0; m < relay.size(); ++m) relay[m] = relay[m] || other.relay[m];
}

void DeleteDiscreteRefs(TConfiguration& cfg, int at, int count, TSignalMoveMarks& marks) {
  if (count <= 0 || at < 0) return;
  const Renumber renumber = [at, count](int n) { return AfterDelete(n, at, count); };
  RenumberFB(cfg.FB, [at, count](TProgFBClass& fb) { fb.DelDiskrRefs(at, count); }, marks);
  RenumberF15(cfg.F15, renumber, marks);
  RenumberRelays(cfg.MR, renumber, marks);
}

void InsertDiscreteRefs(TConfiguration& cfg, int at, int count, TSignalMoveMarks& marks) {
  if (count <= 0 || at < 0) return;
  const Renumber renumber = [at, count](int n) { return AfterInsert(n, at, count, kMaxDiscrete); };
  RenumberFB(cfg.FB, [at, count](TProgFBClass& fb) { fb.ShiftUpDiskrRefs(at, count); }, marks);
  RenumberF15(cfg.F15, renumber, marks);
  RenumberRelays(cfg.MR, renumber, marks);
}

void DeleteAnalogRefs(TConfiguration& cfg, int at, int count, TSignalMoveMarks& marks) {
  if (count <= 0 || at < 0) return;
  RenumberFB(cfg.FB, [at, count](TProgFBClass& fb) { fb.DelAnRefs(at, count); }, marks);
  RenumberRegulators(cfg.Reg, [at, count](int n) { return AfterDelete(n, at, count); }, marks);
}

void InsertAnalogRefs(TConfiguration& cfg, int at, int count, TSignalMoveMarks& marks) {
  if (count <= 0 || at < 0) return;
  RenumberFB(cfg.FB, [at, count](TProgFBClass& fb) { fb.ShiftUpAnRefs(at, count); }, marks);
  RenumberRegulators(cfg.Reg, [at, count](int n) { return AfterInsert(n, at, count, kMaxAnalog); }, marks);
}

void DeleteDiscreteSignals(TConfiguration& cfg, int at, int count, TSignalMoveMarks& marks) {
  if (count <= 0 || at < 0 || at >= kMaxInputSignals) return;
  count = std::min(count, kMaxInputSignals - at);
  cfg.Lur.DeleteRecs(at, count);
  cfg.Serv.DeleteInputTexts(at, count);
  cfg.Serv.BlankInputTexts(kMaxInputSignals - count, count);  // the tail had no text to take
  marks.base = true;
  DeleteDiscreteRefs(cfg, at, count, marks);
}

void InsertDiscreteSignals(TConfiguration& cfg, int at, int count, TSignalMoveMarks& marks) {
  if (count <= 0 || at < 0 || at >= kMaxInputSignals) return;
  const int opened = std::min(count, kMaxInputSignals - at);
  cfg.Lur.InsertRecs(at, opened);
  cfg.Lur.ClearRecs(at, opened);
  cfg.Serv.InsertInputTexts(at, opened);
  for (int i = 0; i < opened; ++i) cfg.Serv.SetDefaultInputText(at + i);
  marks.base = true;
  InsertDiscreteRefs(cfg, at, count, marks);
}

void MoveBlockSignals(TConfiguration& cfg, const TBlockSpanChange& c, TSignalMoveMarks& marks) {
  const int keptD = std::clamp(c.keptDiscrete, 0, std::min(c.oldDiscrete, c.newDiscrete));
  const int keptA = std::clamp(c.keptAnalog, 0, std::min(c.oldAnalog, c.newAnalog));
  // Dropping then opening at the same place: what follows the block moves
  // by the difference, and nothing refers into the places that changed.
  DeleteDiscreteSignals(cfg, c.discreteStart + keptD, c.oldDiscrete - keptD, marks);
  InsertDiscreteSignals(cfg, c.discreteStart + keptD, c.newDiscrete - keptD, marks);

  DeleteAnalogRefs(cfg, c.analogStart + keptA, c.oldAnalog - keptA, marks);
  InsertAnalogRefs(cfg, c.analogStart + keptA, c.newAnalog - keptA, marks);
  const int channel = c.analogStart - cfg.Serv.GetAiCount();
  if (c.oldAnalog == c.newAnalog && keptA == c.oldAnalog) return;
  if (channel < 0 || channel >= TProgMBMClass::kChannelCount) return;
  if (c.oldAnalog - keptA > 0) cfg.MBM.DeleteChannels(channel + keptA, c.oldAnalog - keptA);
  if (c.newAnalog - keptA > 0) cfg.MBM.InsertChannels(channel + keptA, c.newAnalog - keptA);
  cfg.MBM.DefaultChannels(channel, std::min(c.newAnalog, TProgMBMClass::kChannelCount - channel));
  marks.channels = true;
}

void MarkMovedTables(TConfiguration& cfg, const TSignalMoveMarks& marks) {
  if (marks.fb) cfg.FB.FBToWrite = 1;
  if (marks.f15) cfg.F15.F15Changed = 1;
  if (marks.regulator) cfg.Reg.RegModified = 1;
  for (int m = 0; m < kMaxOutputModules; ++m) {
    if (marks.relay[static_cast<std::size_t>(m)]) cfg.MR.SetMrSent(RelayPosition(cfg.Serv, m), 0);
  }
  if (marks.base) cfg.MBM.BaseRewrite = 1;
  if (marks.channels) cfg.MBM.GroupsClean = 0;
}

}  // namespace lur

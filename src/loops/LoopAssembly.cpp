#include "loops/LoopAssembly.h"

#include <algorithm>

namespace lur {

namespace {

constexpr int kRecords = TProgRegClass::kRecords;

bool InUse(const TProgRegClass& reg, int record) { return reg.GetAnVh(record) != 0; }

// A cascade's inner regulator as the map knows it: the outer's output code
// names it, it is a cascade record driving a DAC, and it names the outer back.
std::optional<int> MappedInnerOf(const TProgRegClass& reg, int outer) {
  const std::optional<int> inner = reg.CascadeInnerOf(outer);
  if (!inner || *inner == outer) return std::nullopt;
  if (reg.LoopKind(*inner) != TProgRegClass::kKindCascade) return std::nullopt;
  if (reg.GetAdOUT(*inner) > 5) return std::nullopt;
  if (reg.GetTReg(*inner) != TProgRegClass::kCascadeInnerBase + outer) return std::nullopt;
  return inner;
}

bool IsInnerRecord(const TProgRegClass& reg, int record) {
  return reg.LoopKind(record) == TProgRegClass::kKindCascade && reg.GetAdOUT(record) <= 5;
}

}  // namespace

std::vector<TLoopPanels> BuildLoopMap(TProgRegClass& reg) {
  reg.PanelLoop.fill(-1);
  reg.PZPanelLoop.fill(-1);
  reg.PanelReg.fill(-1);
  reg.PZPanelRec.fill(-1);
  reg.NLoops = reg.NRegs = reg.NPZ = 0;
  reg.CurReg = reg.CurPanel = reg.CurLoop = -1;

  std::vector<TLoopPanels> loops;
  int p = 0;
  for (int pass = 0; pass < kRecords; ++pass) {
    // An inner regulator is drawn with its outer one.
    if (p < kRecords && IsInnerRecord(reg, p)) ++p;
    if (p >= kRecords) break;
    if (InUse(reg, p) && reg.NRegs < kRecords && reg.NLoops < kRecords) {
      TLoopPanels loop;
      loop.loop = reg.NLoops;
      loop.kind = reg.LoopKind(p);
      loop.mainPanel = reg.NRegs;
      reg.PanelLoop[static_cast<std::size_t>(reg.NRegs)] = loop.loop;
      reg.PanelReg[static_cast<std::size_t>(reg.NRegs)] = p;
      ++reg.NRegs;
      ++reg.NLoops;
      if (loop.kind == TProgRegClass::kKindCascade && reg.NRegs < kRecords) {
        if (const std::optional<int> inner = MappedInnerOf(reg, p)) {
          loop.innerPanel = reg.NRegs;
          reg.PanelLoop[static_cast<std::size_t>(reg.NRegs)] = loop.loop;
          reg.PanelReg[static_cast<std::size_t>(reg.NRegs)] = *inner;
          ++reg.NRegs;
        }
      }
      if (loop.kind == TProgRegClass::kKindSetter && reg.NPZ < kRecords) {
        if (const std::optional<int> setter = reg.SetterOf(p)) {
          loop.setterPanel = reg.NPZ;
          reg.PZPanelLoop[static_cast<std::size_t>(reg.NPZ)] = loop.loop;
          reg.PZPanelRec[static_cast<std::size_t>(reg.NPZ)] = *setter;
          ++reg.NPZ;
        }
      }
      loops.push_back(loop);
    }
    ++p;
  }
  return loops;
}

int MainPanelOf(const TProgRegClass& reg, int loop) {
  if (loop < 0) return -1;
  int first = -1;
  int main = -1;
  for (int panel = 0; panel < kRecords; ++panel) {
    if (reg.PanelLoop[static_cast<std::size_t>(panel)] != loop) continue;
    if (first < 0) first = panel;
    const int record = reg.PanelReg[static_cast<std::size_t>(panel)];
    const int kind = reg.LoopKind(record);
    const bool outer = kind == TProgRegClass::kKindCascade && reg.GetTReg(record) == 1;
    if (kind == 0 || kind == 1 || kind == 3 || kind == 4 || outer) main = panel;
  }
  return main >= 0 ? main : first;
}

int SetterPanelOf(const TProgRegClass& reg, int loop) {
  if (loop < 0) return -1;
  for (int panel = 0; panel < kRecords; ++panel) {
    if (reg.PZPanelLoop[static_cast<std::size_t>(panel)] == loop) return panel;
  }
  return -1;
}

TRegType PanelTypeOf(const TProgRegClass& reg, int record) {
  return reg.LoopKind(record) == TProgRegClass::kKindRepeater ? TRegType::rtPS : TRegType::rtPID;
}

TTypeOut OutputTypeOf(const TProgRegClass& reg, int record) {
  return reg.GetTOut(record) == 0 ? TTypeOut::toDirect : TTypeOut::toInverse;
}

std::optional<TLoopSlot> NewLoopSlot(const TProgRegClass& reg) {
  int lastUsed = -1;
  for (int r = 0; r < kRecords; ++r) {
    if (InUse(reg, r)) lastUsed = r;
  }
  const int regulator = lastUsed + 2;
  if (regulator > std::min(reg.kReg, kRecords)) return std::nullopt;
  int setter = -1;
  for (int s = 0; s < kRecords && setter < 0; ++s) {
    bool named = false;
    for (int r = 0; r < kRecords; ++r) {
      if (InUse(reg, r) && reg.SetterOf(r) == s) named = true;
    }
    if (!named) setter = s;
  }
  if (setter < 0) return std::nullopt;
  // The new loop comes after the loops the map shows.
  return TLoopSlot{reg.NLoops + 1, regulator, setter + 1};
}

}  // namespace lur

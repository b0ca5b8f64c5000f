// Storing a loop from the dialog and deleting loops with their records.
#include <algorithm>
#include <functional>
#include <vector>

#include "loops/LoopAssembly.h"

namespace lur {

namespace {

constexpr int kRecords = TProgRegClass::kRecords;

void StoreParams(TProgRegClass& reg, int record, const std::array<std::string, 6>& texts) {
  static constexpr std::array kParams{TProgRegClass::Param::Kp, TProgRegClass::Param::Ti, TProgRegClass::Param::Td,
                                      TProgRegClass::Param::OL, TProgRegClass::Param::OH, TProgRegClass::Param::OSF};
  for (std::size_t k = 0; k < kParams.size(); ++k) reg.SetParamText(record, kParams[k], texts[k]);
}

bool ValidRecord(int record) { return record >= 0 && record < kRecords; }

// How many of the removed indices lie before index.
int RemovedBefore(const std::vector<int>& removed, int index) {
  return static_cast<int>(std::count_if(removed.begin(), removed.end(), [index](int r) { return r < index; }));
}

std::array<std::uint8_t, 2 * TProgRegClass::kPageSize> Bytes(const TProgRegClass& reg) {
  std::array<std::uint8_t, 2 * TProgRegClass::kPageSize> bytes{};
  for (int i = 0; i < kRecords; ++i) {
    for (int j = 0; j < static_cast<int>(TProgRegClass::kRecordSize); ++j) {
      const auto at = static_cast<std::size_t>(i) * TProgRegClass::kRecordSize + static_cast<std::size_t>(j);
      bytes[at] = static_cast<std::uint8_t>(reg.GetRegByte(i, j));
      bytes[TProgRegClass::kPageSize + at] = static_cast<std::uint8_t>(reg.GetPZByte(i, j));
    }
  }
  return bytes;
}

}  // namespace

void StoreLoop(TProgRegClass& reg, const TLoopValues& v) {
  const int n = v.regulator - 1;
  if (!ValidRecord(n)) return;
  const auto before = Bytes(reg);
  const bool wasInUse = reg.GetAnVh(n) != 0;

  reg.SetAnVh(n, v.anVh);
  reg.SetAdOUT(n, v.kind == TProgRegClass::kKindCascade ? v.output + 7 : v.output - 1);
  switch (v.kind) {
    case TProgRegClass::kKindRepeater: reg.SetTReg(n, 0); break;
    case TProgRegClass::kKindSingle:
    case TProgRegClass::kKindCascade: reg.SetTReg(n, 1); break;
    case TProgRegClass::kKindSetter: reg.SetTReg(n, v.setter + 15); break;
    default:
      // A role the dialog does not know: programming keeps it.
      if (!wasInUse) reg.SetTReg(n, v.kind);
      break;
  }
  reg.SetTOut(n, v.direction);
  StoreParams(reg, n, v.params);

  if (v.kind == TProgRegClass::kKindCascade) {
    const int inner = v.output - 1;
    if (ValidRecord(inner) && inner != n) {
      reg.SetAnVh(inner, v.innerAnVh);
      reg.SetTOut(inner, v.innerDirection);
      reg.SetAdOUT(inner, v.innerOutput - 1);
      StoreParams(reg, inner, v.innerParams);
      reg.SetTReg(inner, v.regulator + 7);
    }
  }
  if (v.kind == TProgRegClass::kKindSetter) {
    const int s = v.setter - 1;
    if (ValidRecord(s)) {
      reg.SetAReg(s, v.aReg);
      for (int k = 0; k < TProgRegClass::kPoints; ++k) {
        const auto kk = static_cast<std::size_t>(k);
        reg.SetTimePZ(s, k, static_cast<std::uint16_t>(std::clamp(v.times[kk], 0, 65535)));
        reg.SetValPZValue(s, k, v.values[kk]);
      }
    }
  }
  if (Bytes(reg) != before) reg.RegModified = 1;

  BuildLoopMap(reg);
  for (int panel = 0; panel < reg.NRegs; ++panel) {
    if (reg.PanelReg[static_cast<std::size_t>(panel)] != n) continue;
    reg.CurPanel = panel;
    reg.CurLoop = reg.PanelLoop[static_cast<std::size_t>(panel)];
    reg.CurReg = n;
    reg.Reg_Choose[static_cast<std::size_t>(panel)] = 1;
    break;
  }
}

void DeleteLoop(TProgRegClass& reg, int loop) {
  const std::vector<TLoopPanels> loops = BuildLoopMap(reg);
  if (loop < 0 || loop >= static_cast<int>(loops.size())) return;
  const TLoopPanels& doomed = loops[static_cast<std::size_t>(loop)];
  reg.RegModified = 1;
  reg.DelLoop = loop;

  // Exactly the records the map gave this loop.
  std::vector<int> regs;
  std::vector<int> setters;
  for (const int panel : {doomed.mainPanel, doomed.innerPanel}) {
    if (panel >= 0) regs.push_back(reg.PanelReg[static_cast<std::size_t>(panel)]);
  }
  if (doomed.setterPanel >= 0) setters.push_back(reg.PZPanelRec[static_cast<std::size_t>(doomed.setterPanel)]);

  // Every reference between records drops by the removed records of its
  // kind before the record it names.
  for (int i = 0; i < kRecords; ++i) {
    if (const std::optional<int> inner = reg.CascadeInnerOf(i)) {
      reg.SetAdOUT(i, TProgRegClass::kCascadeOutBase + *inner - RemovedBefore(regs, *inner));
    }
    if (const std::optional<int> outer = reg.CascadeOuterOf(i)) {
      reg.SetTReg(i, TProgRegClass::kCascadeInnerBase + *outer - RemovedBefore(regs, *outer));
    }
    if (const std::optional<int> setter = reg.SetterOf(i)) {
      reg.SetTReg(i, TProgRegClass::kSetterBase + *setter - RemovedBefore(setters, *setter));
    }
  }
  for (int s = 0; s < kRecords; ++s) {
    if (const std::optional<int> regulator = reg.RegulatorOfSetter(s)) {
      reg.SetAReg(s, *regulator + 1 - RemovedBefore(regs, *regulator));
    }
  }

  std::sort(regs.begin(), regs.end(), std::greater<>());
  for (const int r : regs) reg.DeleteRegs(r, 1);
  std::sort(setters.begin(), setters.end(), std::greater<>());
  for (const int s : setters) reg.DeletePZ(s, 1);

  BuildLoopMap(reg);
}

void DeleteSelectedLoops(TProgRegClass& reg) {
  std::vector<int> loops;
  for (int panel = 0; panel < kRecords; ++panel) {
    const auto p = static_cast<std::size_t>(panel);
    if (reg.Reg_Choose[p] == 1 && reg.PanelLoop[p] >= 0 && MainPanelOf(reg, reg.PanelLoop[p]) == panel) {
      loops.push_back(reg.PanelLoop[p]);
    }
  }
  // From the last loop back: deleting a loop never moves the loops before it.
  std::sort(loops.begin(), loops.end(), std::greater<>());
  loops.erase(std::unique(loops.begin(), loops.end()), loops.end());
  for (const int loop : loops) DeleteLoop(reg, loop);
  reg.Reg_Choose.fill(0);
  BuildLoopMap(reg);
  reg.ActPanel = -1;
  reg.N_Ctrl = 0;
}

}  // namespace lur

// The regulator editor's selection: which loops are selected (Reg_Choose of
// their main panels), which one is current, and which menu a right click
// opens.
#include "loops/TFormRegController.h"

namespace lur {

void TFormRegController::ClearSelection() {
  TProgRegClass& reg = Reg();
  reg.Reg_Choose.fill(0);
  reg.N_Ctrl = 0;
  reg.CurLoop = reg.CurPanel = reg.CurReg = -1;
  UpdateControls();
}

void TFormRegController::CountSelection() {
  TProgRegClass& reg = Reg();
  reg.N_Ctrl = 0;
  int only = -1;
  for (int panel = 0; panel < TProgRegClass::kRecords; ++panel) {
    if (reg.Reg_Choose[static_cast<std::size_t>(panel)] != 1) continue;
    ++reg.N_Ctrl;
    only = panel;
  }
  // One selected loop is the current one; with more, or none, there is none.
  if (reg.N_Ctrl == 1) {
    reg.CurPanel = only;
    reg.CurLoop = reg.PanelLoop[static_cast<std::size_t>(only)];
    reg.CurReg = reg.PanelReg[static_cast<std::size_t>(only)];
  } else {
    reg.CurLoop = reg.CurPanel = reg.CurReg = -1;
  }
  UpdateControls();
}

bool TFormRegController::OneCurrentLoop() const {
  const TProgRegClass& reg = Reg();
  return reg.N_Ctrl == 1 && reg.CurLoop >= 0 && reg.CurPanel >= 0 && reg.CurReg >= 0;
}

void TFormRegController::SelectAlone(int loop) {
  TProgRegClass& reg = Reg();
  reg.Reg_Choose.fill(0);
  const int main = MainPanelOf(reg, loop);
  if (main >= 0) reg.Reg_Choose[static_cast<std::size_t>(main)] = 1;
  CountSelection();
}

TFormRegController::TPopup TFormRegController::PanelMouseDown(int loop, TButton button, bool ctrl) {
  TProgRegClass& reg = Reg();
  scrollTarget_ = -1;
  const int main = loop >= 0 && loop < reg.NLoops ? MainPanelOf(reg, loop) : -1;
  if (button == TButton::Right) {
    if (main < 0 || reg.Reg_Choose[static_cast<std::size_t>(main)] != 1) return TPopup::Background;
    reg.ActPanel = reg.N_Ctrl == 1 ? reg.CurPanel : -1;
    UpdateControls();
    return TPopup::Loop;
  }
  if (main < 0) {
    ScrollBox1Click();
    return TPopup::None;
  }
  if (!ctrl) {
    SelectAlone(loop);
    return TPopup::None;
  }
  // The current loop stays selected beside the one added.
  if (reg.CurPanel >= 0) reg.Reg_Choose[static_cast<std::size_t>(reg.CurPanel)] = 1;
  int& chosen = reg.Reg_Choose[static_cast<std::size_t>(main)];
  chosen = chosen == 1 ? 0 : 1;
  CountSelection();
  return TPopup::None;
}

void TFormRegController::ScrollBox1Click() {
  scrollTarget_ = -1;
  ClearSelection();
}

void TFormRegController::ChooseAllClick() {
  TProgRegClass& reg = Reg();
  scrollTarget_ = -1;
  reg.Reg_Choose.fill(0);
  for (int loop = 0; loop < reg.NLoops; ++loop) {
    const int main = MainPanelOf(reg, loop);
    if (main >= 0) reg.Reg_Choose[static_cast<std::size_t>(main)] = 1;
  }
  CountSelection();
  // Every loop selected: none is the current one, even when there is one.
  reg.CurLoop = reg.CurPanel = reg.CurReg = -1;
  UpdateControls();
}

}  // namespace lur

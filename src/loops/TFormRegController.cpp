// Showing the regulator editor, its loop commands and the states of its
// controls.
#include "loops/TFormRegController.h"

#include <algorithm>

#include "loops/TLoopDrawing.h"
#include "session/MarkEdited.h"
#include "ui/TUserInterface.h"

namespace lur {
namespace {

constexpr int kEditScrollMargin = 15;  // an edited loop's frame shows a little above its top
constexpr int kCreateMode = 0;
constexpr int kProgramMode = 1;

}  // namespace

TFormRegController::TFormRegController(TSession& session, const TEditorRegistry& editors,
                                       TLoopWindows windows)
    : session_(session), editors_(editors), windows_(windows) {
  UpdateControls();
}

void TFormRegController::FormCreate() {
  Reg().ActPanel = -1;
  Reg().EditMode = kCreateMode;
}

void TFormRegController::FormShow() {
  // The information window's signal lists are the model's own (the analog
  // list the panels caption with), so nothing needs filling silently here.
  scrollTarget_ = 0;
  labelFile_ = session_.config.Serv.FileMode == 1;
  Redraw();
  if (!labelFile_) InPortClick();
}

void TFormRegController::Warn(const std::string& text) { ShowWarning(session_.ui, text); }

void TFormRegController::Redraw() {
  BuildLoopMap(Reg());
  ClearSelection();
  ++revision_;
}

void TFormRegController::UpdateControls() {
  const TProgRegClass& reg = Reg();
  const bool dialog = windows_.dialog != nullptr;
  controls_.Enable({TFormRegControl::InPort, TFormRegControl::OutPort, TFormRegControl::ChooseAll}, true);
  controls_.Enable({TFormRegControl::CreatFuncBut, TFormRegControl::N1AND}, dialog);
  controls_.Enable(TFormRegControl::EditReg, dialog && reg.N_Ctrl == 1);
  controls_.Enable(TFormRegControl::DelChoose, reg.N_Ctrl > 0);
  controls_.Enable(TFormRegControl::RegOnLine, windows_.onLine != nullptr);
  controls_.Enable(TFormRegControl::InformBut, editors_.Available(TEditor::InputInform));
  controls_.Enable(TFormRegControl::InformButMR, editors_.Available(TEditor::OutputInform));
}

void TFormRegController::PMenu1RegClick() {
  Reg().EditMode = kProgramMode;
  CreatRegButClick();
}

void TFormRegController::CreatRegButClick() {
  TProgRegClass& reg = Reg();
  const int mode = reg.EditMode == kProgramMode ? kProgramMode : kCreateMode;
  reg.EditMode = kCreateMode;
  reg.ActPanel = -1;
  scrollTarget_ = -1;
  if (windows_.dialog == nullptr) return;
  // Programming needs the one loop it programs.
  if (mode == kProgramMode && !OneCurrentLoop()) {
    Warn(kNoneSelected);
    return;
  }
  TLoopDialogRequest request;
  request.mode = mode;
  request.record = mode == kProgramMode ? reg.CurReg : -1;
  reg.RegModifiedSave = reg.RegModified;
  ClearSelection();
  if (mode == kCreateMode) {
    const std::optional<TLoopSlot> slot = NewLoopSlot(reg);
    if (!slot) {
      Warn(kAllCreated);
      UpdateControls();
      return;
    }
    request.slot = *slot;
  }
  // The dialog reads the mode and the record it programs from the table too.
  reg.EditMode = mode;
  const std::optional<TLoopValues> values = windows_.dialog->Program(request);
  reg.EditMode = kCreateMode;
  // A change the user made counts even when the dialog was cancelled.
  if (reg.RegModified != 0 && reg.RegModifiedSave == 0) MarkEdited(session_, reg.RegModified);
  if (values) Store(*values, mode);
  reg.ActPanel = -1;
  UpdateControls();
}

void TFormRegController::Store(const TLoopValues& values, int mode) {
  TProgRegClass& reg = Reg();
  const auto before = reg.GetFileBlock();
  StoreLoop(reg, values);
  if (reg.GetFileBlock() != before) MarkEdited(session_, reg.RegModified);
  // StoreLoop made the stored loop the current one; it alone is selected.
  const int panel = reg.CurPanel;
  reg.Reg_Choose.fill(0);
  if (panel >= 0) reg.Reg_Choose[static_cast<std::size_t>(panel)] = 1;
  CountSelection();
  ++revision_;
  if (mode == kCreateMode) {
    scrollTarget_ = LoopFrameTop(std::max(reg.NLoops - 1, 0));
  } else {
    scrollTarget_ = std::max(LoopFrameTop(std::max(reg.CurLoop, 0)) - kEditScrollMargin, 0);
  }
}

void TFormRegController::DelChooseClick() {
  scrollTarget_ = -1;
  TProgRegClass& reg = Reg();
  CountSelection();
  if (reg.N_Ctrl == 0) {
    Warn(kNoneSelected);
    return;
  }
  DeleteSelectedLoops(reg);
  MarkEdited(session_, reg.RegModified);
  Redraw();
  UpdateControls();
}

void TFormRegController::RegOnLineClick() {
  scrollTarget_ = -1;
  if (windows_.onLine == nullptr) return;
  if (!OneCurrentLoop()) {
    Warn(kNoneSelected);
    return;
  }
  windows_.onLine->Show(Reg().CurLoop);
}

void TFormRegController::InformButClick() {
  scrollTarget_ = -1;
  if (editors_.Available(TEditor::InputInform)) editors_.Open({TEditor::InputInform});
}

void TFormRegController::InformButMRClick() {
  scrollTarget_ = -1;
  if (editors_.Available(TEditor::OutputInform)) editors_.Open({TEditor::OutputInform});
}

}  // namespace lur

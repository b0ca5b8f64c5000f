// The function block editor's own exchange with the controller and what
// happens to unsent changes when it closes; the pages and their rules are
// FunctionBlockPages, shared with the command line.
#include "fb/FBPages.h"
#include "fb/TFormFBController.h"

namespace lur {

void TFormFBController::TransferShow() {
  controls_.Enable({TFormFBControl::InPort, TFormFBControl::OutPort}, true);
  session_.config.Reserv.SaveAlgorithms(FB());
}

void TFormFBController::InPortClick() {
  TEditorTransfer<TProgFBClass> transfer(session_, FunctionBlockPages(session_));
  // A failed read leaves the table, and so the diagram, as they were.
  if (transfer.Read() != TransferOutcome::Done) return;
  RebuildDiagram();
}

void TFormFBController::OutPortClick() {
  TEditorTransfer<TProgFBClass> transfer(session_, FunctionBlockPages(session_));
  if (transfer.Write() != TransferOutcome::Done) return;
  caption_ = kDeviceCaption + std::to_string(session_.addressing.DeviceIndex() + 1);
}

bool TFormFBController::FormCloseQuery() {
  TEditorTransfer<TProgFBClass> transfer(session_, FunctionBlockPages(session_));
  const bool fileMode = session_.config.Serv.FileMode == 1;
  if (!transfer.CloseQuery()) return false;
  // The configuration now carries the change for saving: the editor's own
  // mark has done its work.
  if (fileMode) FB().FBModified = 0;
  return true;
}

}  // namespace lur

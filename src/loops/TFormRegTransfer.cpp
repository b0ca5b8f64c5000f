// The regulator editor's own exchange with the controller and what happens
// to unsent changes when it closes; the pages and their reserve are
// LoopPages.
#include "loops/LoopPages.h"
#include "loops/TFormRegController.h"

namespace lur {

void TFormRegController::InPortClick() {
  scrollTarget_ = -1;
  TEditorTransfer<TProgRegClass> transfer(session_, LoopPages(session_));
  // A failed read leaves the table, and so the picture, as they were.
  if (transfer.Read() != TransferOutcome::Done) return;
  Redraw();
  scrollTarget_ = 0;
}

void TFormRegController::OutPortClick() {
  scrollTarget_ = -1;
  TEditorTransfer<TProgRegClass> transfer(session_, LoopPages(session_));
  transfer.Write();
}

bool TFormRegController::FormCloseQuery() {
  scrollTarget_ = -1;
  TEditorTransfer<TProgRegClass> transfer(session_, LoopPages(session_));
  const bool fileMode = session_.config.Serv.FileMode == 1;
  if (!transfer.CloseQuery()) return false;
  if (fileMode) {
    // The configuration now carries the change for saving: the editor's own
    // mark has done its work.
    Reg().RegModified = 0;
    return true;
  }
  // Still marked after "send": the write failed (or was not allowed). The
  // window closes as every editor's does; the edits stay in memory, marked,
  // and the next closing asks again.
  if (Reg().RegModified != 0) return true;
  // A discard put the reserve's loops back.
  Redraw();
  return true;
}

}  // namespace lur

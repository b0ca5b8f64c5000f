// The editor's way into the algorithm window.
#include "fb/TFormFBController.h"
#include "fb/TFormInfAlgController.h"
#include "ui/TUserInterface.h"

namespace lur {

void TFormFBController::CreatAlgoritmClick() {
  if (!dialogs_.infAlg || !dialogs_.infAlgWindow) return;
  dialogs_.infAlg->Fill();
  const int result = dialogs_.infAlgWindow->ShowModal(*dialogs_.infAlg);
  if (result == kModalError) {
    ShowError(session_.ui, kAlgorithmsFailed);
  } else {
    RebuildDiagram();
  }
  ClearSelection();
  Changed();
}

}  // namespace lur

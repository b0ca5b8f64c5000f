#include "network/TMBMBlockDialog.h"

namespace lur {

int TMBMBlockDialog::Program(const TMBMDialogRequest& request) {
  if (!form_.Open(request.block)) return kModalCancel;
  window_.ShowModal(form_);
  // A window that ended without running the checks (a scripted one, or a
  // close the view did not route) is closed through them now: every close
  // of the dialog checks the block.
  if (!form_.Closed()) form_.FormCloseQuery();
  return form_.Result();
}

}  // namespace lur

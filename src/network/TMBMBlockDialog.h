#pragma once
// The exchange block dialog as the network editor asks for it: opened for
// its block, shown through its modal window, closed through its checks
// (OK and the close box alike), and memory put back when it was rejected.
#include "network/TFormMBMController.h"
#include "network/TMBMDialog.h"
#include "session/TModalWindow.h"

namespace lur {

class TMBMBlockDialog : public TMBMDialog {
 public:
  TMBMBlockDialog(TFormMBMController& form, TModalWindow<TFormMBMController>& window)
      : form_(form), window_(window) {}

  int Program(const TMBMDialogRequest& request) override;

 private:
  TFormMBMController& form_;
  TModalWindow<TFormMBMController>& window_;
};

}  // namespace lur

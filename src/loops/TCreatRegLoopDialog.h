#pragma once
// The loop programming dialog as the regulator editor asks for it: reset,
// filled for a new loop or for the current one, shown through its modal
// window, and its values handed back only when OK passed the checks.
#include <optional>

#include "loops/TFormCreatRegController.h"
#include "loops/TLoopWindows.h"
#include "session/TModalWindow.h"

namespace lur {

class TCreatRegLoopDialog : public TLoopDialog {
 public:
  TCreatRegLoopDialog(TFormCreatRegController& form, TModalWindow<TFormCreatRegController>& window)
      : form_(form), window_(window) {}

  // Filling is no change: RegModified goes back to what the editor saved in
  // RegModifiedSave before the window shows. What the user then changes
  // stays marked, OK or not. A window that ends with OK but without the
  // checks having passed (a scripted one) gets them run now.
  std::optional<TLoopValues> Program(const TLoopDialogRequest& request) override;

 private:
  TFormCreatRegController& form_;
  TModalWindow<TFormCreatRegController>& window_;
};

}  // namespace lur

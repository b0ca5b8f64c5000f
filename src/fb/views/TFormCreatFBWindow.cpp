#include "fb/views/TFormCreatFBWindow.h"

namespace lur {

TFormCreatFBWindow::~TFormCreatFBWindow() { delete window_; }  // QPointer: nothing once the parent took it

TFormCreatFB* TFormCreatFBWindow::Window(TFormCreatFBController& form) {
  // A controller other than the one the dialog was made over gets a dialog
  // of its own (the editor has one, so this is rare).
  if (!window_ || &window_->Form() != &form) {
    delete window_;
    window_ = new TFormCreatFB(form, ui_, parent_);
  }
  return window_;
}

int TFormCreatFBWindow::ShowModal(TFormCreatFBController& form) { return Window(form)->ExecForm(); }

}  // namespace lur

#include "fb/views/TFormFBCalcWindow.h"

namespace lur {

TFormFBCalcWindow::~TFormFBCalcWindow() { delete window_; }  // QPointer: nothing once the parent took it

TFormFBCalc* TFormFBCalcWindow::Window(TFormFBCalcController& form) {
  if (!window_ || &window_->Form() != &form) {
    delete window_;
    window_ = new TFormFBCalc(form, ui_, parent_);
  }
  return window_;
}

int TFormFBCalcWindow::ShowModal(TFormFBCalcController& form) { return Window(form)->ExecForm(); }

}  // namespace lur

#include "fb/views/TFormMathWindow.h"

namespace lur {

TFormMathWindow::~TFormMathWindow() { delete window_; }  // QPointer: nothing once the parent took it

TFormMath* TFormMathWindow::Window(TFormMathController& form) {
  if (!window_ || &window_->Form() != &form) {
    delete window_;
    window_ = new TFormMath(form, parent_);
  }
  return window_;
}

int TFormMathWindow::ShowModal(TFormMathController& form) { return Window(form)->ExecForm(); }

}  // namespace lur

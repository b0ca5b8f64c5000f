#pragma once
// The seam the local network editor opens a function-15 block's dialog
// through: Show(block) runs the dialog for block 0 or 1 and returns its
// modal result (6: the programming ended with an error). TF15DialogRunner
// joins the dialog's controller and the window that shows it; the program
// hands in a Qt window, tests a scripted one.
#include "network/TFormF15Controller.h"
#include "session/TModalWindow.h"

namespace lur {

class TF15Dialog {
 public:
  virtual ~TF15Dialog() = default;
  virtual int Show(int block) = 0;
};

class TF15DialogRunner : public TF15Dialog {
 public:
  // Both must outlive the runner.
  TF15DialogRunner(TFormF15Controller& form, TModalWindow<TFormF15Controller>& window)
      : form_(form), window_(window) {}
  int Show(int block) override {
    form_.Open(block);
    return window_.ShowModal(form_);
  }

 private:
  TFormF15Controller& form_;
  TModalWindow<TFormF15Controller>& window_;
};

}  // namespace lur

#pragma once
// The algorithm window as the editor's modal window: one Qt dialog made on
// first showing and kept for the run.
#include <QPointer>
#include <QWidget>

#include "fb/TFormInfAlgController.h"
#include "fb/views/TFormInfAlg.h"
#include "session/TModalWindow.h"

namespace lur {

class TFormInfAlgWindow : public TModalWindow<TFormInfAlgController> {
 public:
  explicit TFormInfAlgWindow(QWidget* parent = nullptr) : parent_(parent) {}
  ~TFormInfAlgWindow() override { delete window_; }
  TFormInfAlgWindow(const TFormInfAlgWindow&) = delete;
  TFormInfAlgWindow& operator=(const TFormInfAlgWindow&) = delete;

  // The window's owner, for a window made after the constructor's.
  void SetParent(QWidget* parent) { parent_ = parent; }
  int ShowModal(TFormInfAlgController& form) override { return Window(form)->ExecForm(); }
  // The dialog over `form` (a new one for another controller).
  TFormInfAlg* Window(TFormInfAlgController& form) {
    if (!window_ || &window_->Form() != &form) {
      delete window_;
      window_ = new TFormInfAlg(form, parent_);
    }
    return window_;
  }

 private:
  QPointer<QWidget> parent_;
  QPointer<TFormInfAlg> window_;
};

}  // namespace lur

#pragma once
// A dialog of the function block editor as a modal window: one Qt dialog
// made on first showing and kept for the run, so the editor's controller
// shows it through TModalWindow like every other dialog. A controller other
// than the one the dialog was made over gets a dialog of its own (the editor
// has one of each, so this is rare).
#include <QPointer>
#include <QWidget>
#include <functional>
#include <utility>

#include "session/TModalWindow.h"

namespace lur {

template <class TForm, class TView>
class TDialogWindow : public TModalWindow<TForm> {
 public:
  // Makes the dialog over a controller, owned by the parent given.
  using Make = std::function<TView*(TForm& form, QWidget* parent)>;

  TDialogWindow(Make make, QWidget* parent) : make_(std::move(make)), parent_(parent) {}
  ~TDialogWindow() override { delete window_; }  // QPointer: nothing once the parent took it
  TDialogWindow(const TDialogWindow&) = delete;
  TDialogWindow& operator=(const TDialogWindow&) = delete;

  // The owner of a dialog made from now on.
  void SetParent(QWidget* parent) { parent_ = parent; }
  // The dialog's own result (kModalOk, kModalCancel, 6).
  int ShowModal(TForm& form) override { return Window(form)->ExecForm(); }
  // The dialog over `form`, made if need be.
  TView* Window(TForm& form) {
    if (!window_ || &window_->Form() != &form) {
      delete window_;
      window_ = make_(form, parent_);
    }
    return window_;
  }

 private:
  Make make_;
  QPointer<QWidget> parent_;
  QPointer<TView> window_;
};

}  // namespace lur

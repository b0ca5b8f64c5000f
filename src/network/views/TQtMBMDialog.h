#pragma once
// The exchange block dialog as the program runs it: its controller, its Qt
// window and the adapter the network editor asks through, made once for the
// run. The scaling window and the live view are handed in (null: their
// buttons stay off).
#include "fb/views/TDialogWindow.h"
#include "network/TFormMBMController.h"
#include "network/TMBMBlockDialog.h"
#include "network/views/TFormMBM.h"

class QWidget;

namespace lur {

struct TSession;

class TQtMBMDialog {
 public:
  TQtMBMDialog(TSession& session, TMBMWindows windows, QWidget* parent);
  TQtMBMDialog(const TQtMBMDialog&) = delete;
  TQtMBMDialog& operator=(const TQtMBMDialog&) = delete;

  // What the network editor asks through.
  TMBMDialog& Dialog() { return dialog_; }
  TFormMBMController& Form() { return form_; }
  TFormMBM* Window() { return window_.Window(form_); }
  void SetParent(QWidget* parent) { window_.SetParent(parent); }

 private:
  TFormMBMController form_;
  TDialogWindow<TFormMBMController, TFormMBM> window_;
  TMBMBlockDialog dialog_;
};

}  // namespace lur

#pragma once
// The scaling window as the block dialog opens it: its controller and its
// Qt window, made once for the run.
#include "fb/views/TDialogWindow.h"
#include "network/TFormR_MBMController.h"
#include "network/TMBMDialog.h"
#include "network/views/TFormR_MBM.h"

class QWidget;

namespace lur {

struct TSession;
class TReportPrinter;

class TQtScalingWindow : public TScalingWindow {
 public:
  TQtScalingWindow(TSession& session, TReportPrinter* printer, QWidget* parent);
  void Show(int block) override;
  TFormR_MBMController& Form() { return form_; }
  TFormR_MBM* Window() { return window_.Window(form_); }
  void SetParent(QWidget* parent) { window_.SetParent(parent); }

 private:
  TFormR_MBMController form_;
  TDialogWindow<TFormR_MBMController, TFormR_MBM> window_;
};

}  // namespace lur

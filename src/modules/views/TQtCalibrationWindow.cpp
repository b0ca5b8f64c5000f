#include "modules/views/TQtCalibrationWindow.h"

#include "session/TModalWindow.h"
#include "session/TSession.h"
#include "ui/TQtUserInterface.h"
#include "ui/TUserInterface.h"

namespace lur {

TQtCalibrationWindow::TQtCalibrationWindow(TSession& session, TEditorRegistry& editors, TQtUserInterface* ui,
                                           QWidget* parent)
    : session_(session), editors_(editors), ui_(ui), form_(session) {
  form_.AttachTimer(timer_);
  window_ = new TFormKalibr(form_, parent);
}

// The window goes before the controller it calls.
TQtCalibrationWindow::~TQtCalibrationWindow() { delete window_; }

void TQtCalibrationWindow::Register() {
  editors_.Register(TEditor::AnalogCalibration, [this](const TEditorRequest& r) { return Open(r); });
}

int TQtCalibrationWindow::Open(const TEditorRequest& request) {
  if (!window_ || !form_.Open(request)) return kModalCancel;
  QWidget* before = ui_ ? ui_->Parent() : nullptr;
  if (ui_) ui_->SetParent(window_);
  int result = window_->ExecForm();
  if (ui_) ui_->SetParent(before);
  // QDialog's own results: accepted and rejected both end normally.
  if (result != kModalError) result = kModalOk;
  if (result == kModalError) ShowError(session_.ui, TFormKalibrController::kEndedWithErrorText);
  return result;
}

}  // namespace lur

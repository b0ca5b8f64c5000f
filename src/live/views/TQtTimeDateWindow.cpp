#include "live/views/TQtTimeDateWindow.h"

#include "session/TModalWindow.h"
#include "ui/TQtUserInterface.h"
#include "ui/TQtWindowScope.h"

namespace lur {

TQtTimeDateWindow::TQtTimeDateWindow(TSession& session, TEditorRegistry& editors, TQtUserInterface& ui,
                                     QWidget* mainWindow, TComputerClock computerClock)
    : editors_(editors),
      ui_(ui),
      form_(std::make_unique<TFormTimeDateController>(session, std::move(computerClock))) {
  form_->AttachTimer(timer_);
  window_ = new TFormTimeDate(*form_, ui, mainWindow);
}

// The window goes before the controller it calls.
TQtTimeDateWindow::~TQtTimeDateWindow() { delete window_; }

void TQtTimeDateWindow::Register() {
  editors_.Register(TEditor::TimeDate, [this](const TEditorRequest&) { return Open(); });
}

int TQtTimeDateWindow::Open() {
  if (!window_) return kModalCancel;
  const TQtWindowScope scope(ui_, window_, ui_.ProgressBar());
  return window_->ExecForm();
}

}  // namespace lur

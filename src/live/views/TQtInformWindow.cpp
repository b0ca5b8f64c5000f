#include "live/views/TQtInformWindow.h"

#include <optional>

#include "ui/TQtWindowScope.h"

namespace lur {

TQtInformWindow::TQtInformWindow(TSession& session, TInformDialogs dialogs, TQtUserInterface* ui, QWidget* parent)
    : ui_(ui), form_(session, dialogs, &printer_), window_(new TInform(form_, parent)) {
  printer_.Target().parent = window_;
}

TQtInformWindow::~TQtInformWindow() { delete window_; }  // QPointer: nothing once the parent took it

void TQtInformWindow::Register(TEditorRegistry& editors) { RegisterInformWindow(editors, form_, *this); }

int TQtInformWindow::ShowModal(TInformController& form) {
  if (&form != &form_ || !window_) return kModalCancel;
  std::optional<TQtWindowScope> scope;
  if (ui_) scope.emplace(*ui_, window_, window_->ProgressBar());
  return window_->ExecForm();
}

}  // namespace lur

#include "discrete/views/TQtRelayModuleEditor.h"

#include "session/TModalWindow.h"
#include "ui/TQtUserInterface.h"

namespace lur {

TQtRelayModuleEditor::TQtRelayModuleEditor(TSession& session, TEditorRegistry& editors, TQtUserInterface& ui,
                                           QWidget* mainWindow)
    : editors_(editors),
      ui_(ui),
      mainWindow_(mainWindow),
      form_(std::make_unique<TFormMRController>(session, editors)),
      window_(new TFormMR(*form_, ui, mainWindow)) {}

TQtRelayModuleEditor::~TQtRelayModuleEditor() {
  // The window goes first: it calls the controller while its widgets go.
  delete window_;
}

void TQtRelayModuleEditor::Register() {
  editors_.Register(TEditor::RelayModule, [this](const TEditorRequest& request) { return Open(request); });
}

int TQtRelayModuleEditor::Open(const TEditorRequest& request) {
  if (!window_ || !form_->Open(request)) return kModalCancel;
  ui_.SetParent(window_);
  const int result = window_->ExecForm();
  ui_.SetParent(mainWindow_);
  return result;
}

}  // namespace lur

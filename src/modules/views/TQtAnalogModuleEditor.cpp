#include "modules/views/TQtAnalogModuleEditor.h"

#include "session/TModalWindow.h"
#include "ui/TQtUserInterface.h"

namespace lur {

TQtAnalogModuleEditor::TQtAnalogModuleEditor(TSession& session, TEditorRegistry& editors, TQtUserInterface& ui,
                                             QWidget* mainWindow)
    : editors_(editors),
      ui_(ui),
      mainWindow_(mainWindow),
      form_(std::make_unique<TFormPROGController>(session, editors, &printer_)),
      window_(new TFormPROG(*form_, ui, mainWindow)) {}

TQtAnalogModuleEditor::~TQtAnalogModuleEditor() {
  // The window goes first: it calls the controller while its widgets go.
  delete window_;
}

void TQtAnalogModuleEditor::Register() {
  editors_.Register(TEditor::AnalogModule, [this](const TEditorRequest& request) { return Open(request); });
}

int TQtAnalogModuleEditor::Open(const TEditorRequest& request) {
  if (!window_ || !form_->Open(request)) return kModalCancel;
  ui_.SetParent(window_);
  const int result = window_->ExecForm();
  ui_.SetParent(mainWindow_);
  return result;
}

}  // namespace lur

#include "loops/views/TQtLoopEditor.h"

#include <QProgressBar>

#include "session/TModalWindow.h"
#include "ui/TQtUserInterface.h"
#include "ui/TQtWindowScope.h"

namespace lur {

TQtLoopEditor::TQtLoopEditor(TSession& session, TEditorRegistry& editors, TQtUserInterface& ui,
                             TLoopWindows windows, QWidget* parent)
    : editors_(editors),
      ui_(ui),
      form_(session, editors, windows),
      window_(new TFormReg(form_, session.config, parent)) {}

TQtLoopEditor::~TQtLoopEditor() {
  // The window goes first: it calls the controller while its widgets go.
  delete window_;
}

void TQtLoopEditor::Register() {
  editors_.Register(TEditor::Regulator, [this](const TEditorRequest&) { return Open(); });
}

int TQtLoopEditor::Open() {
  if (!window_) return kModalCancel;
  const TQtWindowScope scope(ui_, window_, window_->ProgressBar());
  return window_->ExecForm();
}

}  // namespace lur

#include "loops/views/TQtLoopEditor.h"

#include <QProgressBar>

#include "session/TModalWindow.h"
#include "ui/TQtUserInterface.h"

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
  QWidget* parent = ui_.Parent();
  QProgressBar* bar = ui_.ProgressBar();
  ui_.SetParent(window_);
  ui_.SetProgressBar(window_->ProgressBar());
  const int result = window_->ExecForm();
  ui_.SetParent(parent);
  ui_.SetProgressBar(bar);
  return result;
}

}  // namespace lur

#include "discrete/views/TQtDiscreteEditor.h"

#include <QProgressBar>

#include "ui/TQtUserInterface.h"

namespace lur {

TQtDiscreteEditor::TQtDiscreteEditor(TSession& session, TEditorRegistry& editors, TQtUserInterface& ui,
                                     QWidget* mainWindow, QProgressBar* mainBar)
    : editors_(editors),
      ui_(ui),
      mainWindow_(mainWindow),
      mainBar_(mainBar),
      forms_(session),
      dialogs_(std::make_unique<TQtDiscreteDialogs>(forms_, ui, mainWindow)),
      windows_(dialogs_->Windows()),
      form_(std::make_unique<TFormPrgDController>(session, forms_, windows_, editors)),
      window_(new TFormPrgD(*form_, ui, mainWindow)) {}

TQtDiscreteEditor::~TQtDiscreteEditor() {
  // The window goes first: it calls the controller while its widgets go.
  delete window_;
}

void TQtDiscreteEditor::Register() {
  editors_.Register(TEditor::DiscreteProcessing, [this](const TEditorRequest&) { return Open(); });
}

int TQtDiscreteEditor::Open() {
  if (!window_) return kModalCancel;
  ui_.SetParent(window_);
  ui_.SetProgressBar(window_->ProgressBar());
  const int result = window_->exec();
  ui_.SetParent(mainWindow_);
  ui_.SetProgressBar(mainBar_);
  return result;
}

}  // namespace lur

#include "discrete/views/TQtDiscreteEditor.h"

#include "ui/TQtUserInterface.h"
#include "ui/TQtWindowScope.h"

namespace lur {

TQtDiscreteEditor::TQtDiscreteEditor(TSession& session, TEditorRegistry& editors, TQtUserInterface& ui,
                                     QWidget* mainWindow)
    : editors_(editors),
      ui_(ui),
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
  const TQtWindowScope scope(ui_, window_, window_->ProgressBar());
  return window_->exec();
}

}  // namespace lur

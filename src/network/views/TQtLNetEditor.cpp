#include "network/views/TQtLNetEditor.h"

#include "session/TModalWindow.h"
#include "ui/TQtUserInterface.h"
#include "ui/TQtWindowScope.h"

namespace lur {

TQtLNetEditor::TQtLNetEditor(TSession& session, TEditorRegistry& editors, TQtUserInterface& ui,
                             TReportPrinter* printer, QWidget* parent)
    : editors_(editors),
      ui_(ui),
      scaling_(session, printer, parent),
      live_(session, parent),
      blocks_(session, TMBMWindows{&scaling_, &live_}, parent),
      f15Form_(session, &editors),
      f15Window_(ui, parent),
      f15_(f15Form_, f15Window_),
      form_(session, &blocks_.Dialog(), &f15_),
      window_(new TFormLNet(form_, parent)) {}

TQtLNetEditor::~TQtLNetEditor() { delete window_; }

void TQtLNetEditor::Register() {
  editors_.Register(TEditor::LocalNetFunctions, [this](const TEditorRequest&) { return Open(TLNetMode::Functions); });
  editors_.Register(TEditor::LocalNetF15, [this](const TEditorRequest&) { return Open(TLNetMode::F15); });
  editors_.Register(TEditor::LocalNetExchange, [this](const TEditorRequest&) { return Open(TLNetMode::Exchange); });
}

int TQtLNetEditor::Open(TLNetMode mode) {
  if (!window_) return kModalCancel;
  const TQtWindowScope scope(ui_, window_, window_->ProgressBar());
  // The block dialogs open over this window.
  blocks_.SetParent(window_);
  return window_->ExecForm(mode);
}

}  // namespace lur

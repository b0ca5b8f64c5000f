#include "fb/views/TQtFBEditor.h"

#include <QProgressBar>

#include "discrete/views/TQtDiscreteEditor.h"
#include "ui/TQtUserInterface.h"

namespace lur {

TQtFBEditor::TQtFBEditor(TSession& session, TEditorRegistry& editors, TQtUserInterface& ui,
                         TQtDiscreteEditor& discrete, QWidget* mainWindow)
    : editors_(editors),
      ui_(ui),
      creatForm_(session),
      creatWindow_(ui, discrete.Window()),
      blockDialog_(creatForm_, creatWindow_),
      calcForm_(session),
      calcWindow_(ui, discrete.Window()),
      mathForm_(session),
      mathWindow_(discrete.Window()),
      form_(std::make_unique<TFormFBController>(
          session, TFormFBDialogs{blockDialog_, discrete.Forms().sig, discrete.Windows().sig, discrete.Forms().vyh,
                                  discrete.Windows().vyh, &calcForm_, &calcWindow_, &mathForm_, &mathWindow_})),
      window_(new TFormFB(*form_, session.config, editors, discrete.Window())) {
  window_->SetHeadingSource(mainWindow);
  // The dialog's "Входные сигналы" is the input information window, when
  // the program has one. A silent fill (the dialog's showing) needs no
  // window: the captions come from the signal lists themselves.
  creatForm_.informButClick = [&editors, &session] {
    if (session.config.FB.InformSilent == 1) return;
    editors.Open({TEditor::InputInform});
  };
}

TQtFBEditor::~TQtFBEditor() {
  // The window goes first: it calls the controller while its widgets go.
  delete window_;
}

void TQtFBEditor::Register() {
  editors_.Register(TEditor::FunctionBlocks, [this](const TEditorRequest&) { return Open(); });
}

int TQtFBEditor::Open() {
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

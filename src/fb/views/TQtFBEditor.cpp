#include "fb/views/TQtFBEditor.h"

#include <QLabel>
#include <QPointer>
#include <QProgressBar>

#include "discrete/views/TQtDiscreteEditor.h"
#include "ui/TQtUserInterface.h"
#include "ui/TQtWindowScope.h"

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
      infAlgForm_(session, &reportPrinter_),
      form_(std::make_unique<TFormFBController>(
          session, TFormFBDialogs{blockDialog_, discrete.Forms().sig, discrete.Windows().sig, discrete.Forms().vyh,
                                  discrete.Windows().vyh, &calcForm_, &calcWindow_, &mathForm_, &mathWindow_,
                                  &infAlgForm_, &infAlgWindow_})),
      window_(new TFormFB(*form_, session.config, editors, discrete.Window())) {
  window_->SetHeadingSource(mainWindow);
  // The algorithm window and its print dialog belong to the editor's window;
  // its report names the file the main window shows in file mode.
  infAlgWindow_.SetParent(window_);
  reportPrinter_.Target().parent = window_;
  QPointer<QWidget> main(mainWindow);
  infAlgForm_.fileName = [main]() -> std::string {
    const QLabel* label = main ? main->findChild<QLabel*>("LabelFile") : nullptr;
    if (!label) return {};
    static const QString prefix = QString::fromUtf8("Режим работы с файлом ");
    QString text = label->text();
    if (text.startsWith(prefix)) text.remove(0, prefix.size());
    return text.toStdString();
  };
  // The dialog's "Входные сигналы" is the input information window, when
  // the program has one; the dialog's showing fills it without showing it.
  creatForm_.informButClick = [&editors, &session] {
    editors.Open(InformRequest(TInformFill::FunctionBlock, session.config.FB.InformSilent == 1));
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
  const TQtWindowScope scope(ui_, window_, window_->ProgressBar());
  return window_->ExecForm();
}

}  // namespace lur

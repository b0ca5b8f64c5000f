#include "live/views/TQtInformMRWindow.h"

#include <QLabel>

#include "discrete/views/TFormTextMR.h"
#include "discrete/views/TQtDiscreteEditor.h"
#include "session/TSession.h"
#include "ui/TQtWindowScope.h"

namespace lur {

// The output text dialog, made at its first showing over the window.
struct TQtInformMRWindow::TextModal : TModalWindow<TFormTextMRController> {
  explicit TextModal(TQtUserInterface& ui) : ui(ui) {}
  ~TextModal() override { delete window; }
  int ShowModal(TFormTextMRController& form) override {
    if (window && &window->Form() != &form) delete window;
    if (!window) window = new TFormTextMR(form, ui, parent);
    return window->ExecForm();
  }
  TQtUserInterface& ui;
  QPointer<QWidget> parent;
  QPointer<TFormTextMR> window;
};

TQtInformMRWindow::TQtInformMRWindow(TSession& session, TEditorRegistry& editors, TQtUserInterface& ui,
                                     TQtDiscreteEditor& discrete, QWidget* mainWindow)
    : editors_(editors),
      ui_(ui),
      textForm_(session.config.Serv),
      textWindow_(std::make_unique<TextModal>(ui)),
      dialogs_(textForm_, *textWindow_, discrete.Forms().vh, discrete.Windows().vh),
      form_(std::make_unique<TInformMRController>(session, dialogs_, &reportPrinter_)),
      window_(new TInformMR(*form_, mainWindow)) {
  textWindow_->parent = window_;
  reportPrinter_.Target().parent = window_;
  QPointer<QWidget> main(mainWindow);
  form_->fileName = [main]() -> std::string {
    const QLabel* label = main ? main->findChild<QLabel*>("LabelFile") : nullptr;
    if (!label) return {};
    static const QString prefix = QString::fromUtf8("Режим работы с файлом ");
    QString text = label->text();
    if (text.startsWith(prefix)) text.remove(0, prefix.size());
    return text.toStdString();
  };
}

TQtInformMRWindow::~TQtInformMRWindow() {
  textWindow_.reset();
  delete window_;
}

TFormTextMR* TQtInformMRWindow::TextWindow() const { return textWindow_->window; }

void TQtInformMRWindow::Register() {
  editors_.Register(TEditor::OutputInform, [this](const TEditorRequest&) { return Open(); });
}

int TQtInformMRWindow::Open() {
  if (!window_) return kModalCancel;
  form_->InformButMRClick();
  TQtWindowScope scope(ui_, window_, ui_.ProgressBar());
  return window_->ExecForm();
}

}  // namespace lur

#pragma once
// The discrete processing editor as the program runs it: its dialogs'
// controllers and Qt windows, its controller and its window, made once for
// the run over the session, and registered with the main window's editor
// registry. While the editor is open the user's message boxes and the
// transfers' progress bar are on its window.
#include <QPointer>
#include <functional>
#include <memory>

#include "discrete/TDiscreteDialogs.h"
#include "discrete/TFormPrgDController.h"
#include "discrete/views/TFormPrgD.h"
#include "discrete/views/TQtDiscreteDialogs.h"

class QWidget;

namespace lur {

class TQtUserInterface;

class TQtDiscreteEditor {
 public:
  // `mainWindow` owns the windows; the boxes and the progress bar go back
  // where they were when the editor closes. The session, the registry and the
  // user interface must outlive this.
  TQtDiscreteEditor(TSession& session, TEditorRegistry& editors, TQtUserInterface& ui, QWidget* mainWindow);
  ~TQtDiscreteEditor();
  TQtDiscreteEditor(const TQtDiscreteEditor&) = delete;
  TQtDiscreteEditor& operator=(const TQtDiscreteEditor&) = delete;

  // Registers the editor as TEditor::DiscreteProcessing.
  void Register();
  // Shows the editor modally and returns its modal result.
  int Open();

  void SetPortDialog(std::function<void()> open) { window_->SetPortDialog(std::move(open)); }

  TFormPrgDController& Form() { return *form_; }
  TFormPrgD* Window() const { return window_; }
  TQtDiscreteDialogs& Dialogs() { return *dialogs_; }
  // The dialogs' controllers and windows, shared with the function block
  // editor (one signalling and one relay output dialog for the run).
  TDiscreteDialogForms& Forms() { return forms_; }
  const TDiscreteDialogWindows& Windows() const { return windows_; }

 private:
  TEditorRegistry& editors_;
  TQtUserInterface& ui_;
  TDiscreteDialogForms forms_;
  std::unique_ptr<TQtDiscreteDialogs> dialogs_;
  TDiscreteDialogWindows windows_;
  std::unique_ptr<TFormPrgDController> form_;
  QPointer<TFormPrgD> window_;
};

}  // namespace lur

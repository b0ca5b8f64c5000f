#pragma once
// The relay output module editor as the program runs it: its controller and
// its window, made once for the run over the session, and registered with
// the main window's editor registry. While the editor is open the user's
// message boxes are on its window.
#include <QPointer>
#include <memory>

#include "discrete/TFormMRController.h"
#include "discrete/views/TFormMR.h"

class QWidget;

namespace lur {

class TQtUserInterface;

class TQtRelayModuleEditor {
 public:
  // `mainWindow` owns the window and gets the boxes back when the editor
  // closes. The session, the registry and the user interface must outlive
  // this.
  TQtRelayModuleEditor(TSession& session, TEditorRegistry& editors, TQtUserInterface& ui, QWidget* mainWindow);
  ~TQtRelayModuleEditor();
  TQtRelayModuleEditor(const TQtRelayModuleEditor&) = delete;
  TQtRelayModuleEditor& operator=(const TQtRelayModuleEditor&) = delete;

  // Registers the editor as TEditor::RelayModule.
  void Register();
  // Shows the editor modally for the request; a request for no output module
  // (or past the fifth) opens nothing and reads as cancelled.
  int Open(const TEditorRequest& request);

  TFormMRController& Form() { return *form_; }
  TFormMR* Window() const { return window_; }

 private:
  TEditorRegistry& editors_;
  TQtUserInterface& ui_;
  QPointer<QWidget> mainWindow_;
  std::unique_ptr<TFormMRController> form_;
  QPointer<TFormMR> window_;
};

}  // namespace lur

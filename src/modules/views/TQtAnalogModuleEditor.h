#pragma once
// The analog module editor as the program runs it, registered with the main
// window's editor registry for modules of types 6, 7, 8, 9 and 13. While it
// is open the user's boxes are on its window.
#include <QPointer>
#include <memory>

#include "modules/TFormPROGController.h"
#include "modules/views/TFormPROG.h"
#include "reports/TQtReportPrinter.h"

class QWidget;

namespace lur {

class TQtUserInterface;

class TQtAnalogModuleEditor {
 public:
  // `mainWindow` owns the window and gets the boxes back when the editor
  // closes. The session, the registry and the user interface must outlive
  // this.
  TQtAnalogModuleEditor(TSession& session, TEditorRegistry& editors, TQtUserInterface& ui, QWidget* mainWindow);
  ~TQtAnalogModuleEditor();
  TQtAnalogModuleEditor(const TQtAnalogModuleEditor&) = delete;
  TQtAnalogModuleEditor& operator=(const TQtAnalogModuleEditor&) = delete;

  // Registers the editor as TEditor::AnalogModule.
  void Register();
  // Shows the editor modally for the request; a request of no analog module
  // opens nothing and reads as cancelled.
  int Open(const TEditorRequest& request);

  TFormPROGController& Form() { return *form_; }
  TFormPROG* Window() const { return window_; }
  TQtReportPrinter& ReportPrinter() { return printer_; }

 private:
  TEditorRegistry& editors_;
  TQtUserInterface& ui_;
  QPointer<QWidget> mainWindow_;
  TQtReportPrinter printer_;
  std::unique_ptr<TFormPROGController> form_;
  QPointer<TFormPROG> window_;
};

}  // namespace lur

#pragma once
// The output information window as the program runs it: its controller and
// window made once for the run, registered as TEditor::OutputInform so the
// main window, the discrete, function block and regulator editors open it.
// Each opening fills the table, then shows it; while it is open the user's
// boxes are on it. The output text dialog is made here; the number dialog
// is the discrete editor's own.
#include <QPointer>
#include <memory>

#include "discrete/TFormTextMRController.h"
#include "live/TInformMRController.h"
#include "live/views/TInformMR.h"
#include "live/views/TOutputDialogsOverDiscrete.h"
#include "reports/TQtReportPrinter.h"
#include "session/TEditorRegistry.h"

class QWidget;

namespace lur {

class TFormTextMR;
class TQtDiscreteEditor;
class TQtUserInterface;
struct TSession;

class TQtInformMRWindow {
 public:
  // `mainWindow` owns the window; its "LabelFile" names the report's file in
  // file mode. Everything given must outlive this.
  TQtInformMRWindow(TSession& session, TEditorRegistry& editors, TQtUserInterface& ui,
                    TQtDiscreteEditor& discrete, QWidget* mainWindow);
  ~TQtInformMRWindow();
  TQtInformMRWindow(const TQtInformMRWindow&) = delete;
  TQtInformMRWindow& operator=(const TQtInformMRWindow&) = delete;

  // Registers the window as TEditor::OutputInform.
  void Register();
  // The fill, then the window shown modally; kModalOk.
  int Open();

  TInformMRController& Form() { return *form_; }
  TInformMR* Window() const { return window_; }
  TFormTextMRController& TextForm() { return textForm_; }
  TFormTextMR* TextWindow() const;
  TQtReportPrinter& ReportPrinter() { return reportPrinter_; }

 private:
  struct TextModal;

  TEditorRegistry& editors_;
  TQtUserInterface& ui_;
  TFormTextMRController textForm_;
  std::unique_ptr<TextModal> textWindow_;
  TOutputDialogsOverDiscrete dialogs_;
  TQtReportPrinter reportPrinter_;
  std::unique_ptr<TInformMRController> form_;
  QPointer<TInformMR> window_;
};

}  // namespace lur

#pragma once
// The function block editor as the program runs it: the block dialog's
// controller and window, the editor's controller and its window, made once
// for the run and registered with the editor registry, so the discrete
// editor's "Функц. блоки" opens it. The signalling and relay output dialogs
// are the discrete editor's own. While the editor is open the user's boxes
// and the transfers' progress bar are on its window.
#include <QPointer>
#include <memory>

#include "fb/TCreatFBBlockDialog.h"
#include "fb/TFormCreatFBController.h"
#include "fb/TFormFBCalcController.h"
#include "fb/TFormMathController.h"
#include "fb/TFormFBController.h"
#include "fb/TFormInfAlgController.h"
#include "fb/views/TFormCreatFBWindow.h"
#include "fb/views/TFormInfAlgWindow.h"
#include "fb/views/TFormFB.h"
#include "fb/views/TFormFBCalcWindow.h"
#include "fb/views/TFormMathWindow.h"
#include "reports/TQtReportPrinter.h"

class QWidget;

namespace lur {

class TQtDiscreteEditor;
class TQtUserInterface;

class TQtFBEditor {
 public:
  // `mainWindow` names the printout's heading; the window belongs to the
  // discrete editor's window. Everything given must outlive this.
  TQtFBEditor(TSession& session, TEditorRegistry& editors, TQtUserInterface& ui, TQtDiscreteEditor& discrete,
              QWidget* mainWindow);
  ~TQtFBEditor();
  TQtFBEditor(const TQtFBEditor&) = delete;
  TQtFBEditor& operator=(const TQtFBEditor&) = delete;

  // Registers the editor as TEditor::FunctionBlocks.
  void Register();
  // Shows the editor modally; kModalOk.
  int Open();

  TFormFBController& Form() { return *form_; }
  TFormCreatFBController& BlockForm() { return creatForm_; }
  TFormCreatFBWindow& BlockWindow() { return creatWindow_; }
  TFormFB* Window() const { return window_; }
  TFormFBCalcController& CalcForm() { return calcForm_; }
  TFormFBCalcWindow& CalcWindow() { return calcWindow_; }
  TFormMathController& MathForm() { return mathForm_; }
  TFormMathWindow& MathWindow() { return mathWindow_; }
  TFormInfAlgController& AlgorithmForm() { return infAlgForm_; }
  TFormInfAlgWindow& AlgorithmWindow() { return infAlgWindow_; }
  TQtReportPrinter& ReportPrinter() { return reportPrinter_; }

 private:
  TEditorRegistry& editors_;
  TQtUserInterface& ui_;
  TFormCreatFBController creatForm_;
  TFormCreatFBWindow creatWindow_;
  TCreatFBBlockDialog blockDialog_;
  TFormFBCalcController calcForm_;
  TFormFBCalcWindow calcWindow_;
  TFormMathController mathForm_;
  TFormMathWindow mathWindow_;
  TQtReportPrinter reportPrinter_;
  TFormInfAlgController infAlgForm_;
  TFormInfAlgWindow infAlgWindow_;
  std::unique_ptr<TFormFBController> form_;
  QPointer<TFormFB> window_;
};

}  // namespace lur

#pragma once
// The live views of module inputs and outputs as the program runs them: one
// controller, one window timer and one window each, made once for the run
// and registered with the main window's editor registry. While a view is
// open the user's boxes are on it.
#include <QPointer>
#include <memory>

#include "live/TFormVhDController.h"
#include "live/TFormVyhOnLController.h"
#include "live/views/TFormVhD.h"
#include "live/views/TFormVyhOnL.h"
#include "session/TEditorRegistry.h"
#include "ui/TQtPollTimer.h"

class QWidget;

namespace lur {

class TQtUserInterface;

class TQtModuleLiveViews {
 public:
  // The session, the registry and the user interface (may be null) must
  // outlive this.
  TQtModuleLiveViews(TSession& session, TEditorRegistry& editors, TQtUserInterface* ui, QWidget* mainWindow);
  ~TQtModuleLiveViews();
  TQtModuleLiveViews(const TQtModuleLiveViews&) = delete;
  TQtModuleLiveViews& operator=(const TQtModuleLiveViews&) = delete;

  // Registers TEditor::DiscreteInputView (request.slot = the module's
  // position p) and TEditor::DiscreteOutputView (request.slot = `MrSlot`).
  void Register();
  // Shows the view modally: kModalOk, or kModalCancel when the position or
  // slot holds no such module and nothing opens. An empty type name takes
  // the one of the module in that slot.
  int OpenInputs(int position, std::string_view typeName = {});
  int OpenOutputs(int slot, std::string_view typeName = {});

  TFormVhDController& Inputs() { return *inputs_; }
  TFormVyhOnLController& Outputs() { return *outputs_; }
  TFormVhD* InputsWindow() const { return inputsWindow_; }
  TFormVyhOnL* OutputsWindow() const { return outputsWindow_; }

 private:
  int Run(TModuleLiveWindow* window);
  std::string_view TypeName(int slot, std::string_view given) const;

  TSession& session_;
  TEditorRegistry& editors_;
  TQtUserInterface* ui_;
  QPointer<QWidget> mainWindow_;
  TQtPollTimer inputsTimer_;
  TQtPollTimer outputsTimer_;
  std::unique_ptr<TFormVhDController> inputs_;
  std::unique_ptr<TFormVyhOnLController> outputs_;
  QPointer<TFormVhD> inputsWindow_;
  QPointer<TFormVyhOnL> outputsWindow_;
};

}  // namespace lur

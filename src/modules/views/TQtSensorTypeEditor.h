#pragma once
// The sensor-type module window as the program runs it, registered with the
// main window's editor registry for modules of type 10.
#include <QPointer>
#include <memory>

#include "modules/TFormTipDatController.h"
#include "modules/views/TFormTipDat.h"

class QWidget;

namespace lur {

class TQtSensorTypeEditor {
 public:
  // The session and the registry must outlive this; `parent` owns the window.
  TQtSensorTypeEditor(TSession& session, TEditorRegistry& editors, QWidget* parent);
  ~TQtSensorTypeEditor();
  TQtSensorTypeEditor(const TQtSensorTypeEditor&) = delete;
  TQtSensorTypeEditor& operator=(const TQtSensorTypeEditor&) = delete;

  // Registers the window as TEditor::SensorTypeModule.
  void Register();
  // Shows the window for the request's slot; kModalCancel when it has none.
  int Open(const TEditorRequest& request);

  TFormTipDatController& Form() { return form_; }
  TFormTipDat* Window() const { return window_; }

 private:
  TEditorRegistry& editors_;
  TFormTipDatController form_;
  QPointer<TFormTipDat> window_;
};

}  // namespace lur

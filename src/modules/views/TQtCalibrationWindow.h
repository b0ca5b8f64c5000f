#pragma once
// The calibration window as the program runs it: one controller (which
// remembers the selected input across openings), one window timer and one
// window for the run, registered with the main window's editor registry as
// TEditor::AnalogCalibration. While it is open the user's boxes are on it.
#include <QPointer>

#include "modules/TFormKalibrController.h"
#include "modules/views/TFormKalibr.h"
#include "session/TEditorRegistry.h"
#include "ui/TQtPollTimer.h"

class QWidget;

namespace lur {

class TQtUserInterface;

class TQtCalibrationWindow {
 public:
  // The session, the registry and the user interface (may be null) must
  // outlive this; `parent` owns the window.
  TQtCalibrationWindow(TSession& session, TEditorRegistry& editors, TQtUserInterface* ui, QWidget* parent);
  ~TQtCalibrationWindow();
  TQtCalibrationWindow(const TQtCalibrationWindow&) = delete;
  TQtCalibrationWindow& operator=(const TQtCalibrationWindow&) = delete;

  void Register();
  // The window for request.module of request.type: its modal result, or
  // kModalCancel when the opening failed and nothing was shown. A window
  // that ends with an error says so.
  int Open(const TEditorRequest& request);

  TFormKalibrController& Form() { return form_; }
  TFormKalibr* Window() const { return window_; }

 private:
  TSession& session_;
  TEditorRegistry& editors_;
  TQtUserInterface* ui_;
  TQtPollTimer timer_;
  TFormKalibrController form_;
  QPointer<TFormKalibr> window_;
};

}  // namespace lur

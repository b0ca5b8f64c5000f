#pragma once
// The input information window as the program runs it: one controller and
// one window for the run, registered as TEditor::InputInform. While it is
// open the user's boxes are on it and a text page write moves its
// ProgressBar1.
#include <QPointer>
#include <QWidget>
#include <memory>

#include "live/TInformController.h"
#include "live/views/TInform.h"
#include "reports/TQtReportPrinter.h"

namespace lur {

class TQtUserInterface;

class TQtInformWindow : public TModalWindow<TInformController> {
 public:
  // The session, the dialogs, the registry and the user interface (may be
  // null) must outlive this; `parent` owns the window.
  TQtInformWindow(TSession& session, TInformDialogs dialogs, TQtUserInterface* ui, QWidget* parent);
  ~TQtInformWindow() override;
  TQtInformWindow(const TQtInformWindow&) = delete;
  TQtInformWindow& operator=(const TQtInformWindow&) = delete;

  void Register(TEditorRegistry& editors);
  int ShowModal(TInformController& form) override;

  TInformController& Form() { return form_; }
  TInform* Window() const { return window_; }
  TQtReportPrinter& Printer() { return printer_; }

 private:
  TQtUserInterface* ui_;
  TQtReportPrinter printer_;
  TInformController form_;
  QPointer<TInform> window_;
};

}  // namespace lur

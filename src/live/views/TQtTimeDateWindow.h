#pragma once
// The clock window as the program runs it: one controller, one window timer
// and one window for the run, registered as TEditor::TimeDate so the main
// window's ButTimeDate opens it. While it is open the user's boxes are on it.
#include <QPointer>
#include <memory>

#include "live/TFormTimeDateController.h"
#include "live/views/TFormTimeDate.h"
#include "session/TEditorRegistry.h"
#include "ui/TQtPollTimer.h"

class QWidget;

namespace lur {

class TQtUserInterface;

class TQtTimeDateWindow {
 public:
  // The session, the registry and the user interface must outlive this.
  TQtTimeDateWindow(TSession& session, TEditorRegistry& editors, TQtUserInterface& ui, QWidget* mainWindow,
                    TComputerClock computerClock = ComputerLocalTime);
  ~TQtTimeDateWindow();
  TQtTimeDateWindow(const TQtTimeDateWindow&) = delete;
  TQtTimeDateWindow& operator=(const TQtTimeDateWindow&) = delete;

  void Register();
  // Shows the window modally; its modal result.
  int Open();

  TFormTimeDateController& Form() { return *form_; }
  TFormTimeDate* Window() const { return window_; }

 private:
  TEditorRegistry& editors_;
  TQtUserInterface& ui_;
  TQtPollTimer timer_;
  std::unique_ptr<TFormTimeDateController> form_;
  QPointer<TFormTimeDate> window_;
};

}  // namespace lur

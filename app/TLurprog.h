#pragma once
// The program's objects for the whole run, created once at start and
// destroyed together at the end: the one configuration, the port, the link,
// the user interface, the main window's controller and its window.
#include <QObject>
#include <QString>
#include <memory>

#include "discrete/views/TQtDiscreteEditor.h"
#include "discrete/views/TQtRelayModuleEditor.h"
#include "fb/views/TQtFBEditor.h"
#include "link/TComPortClass.h"
#include "live/InputDetail.h"
#include "live/views/TQtDetailWindows.h"
#include "live/views/TQtInformWindow.h"
#include "live/views/TQtInformMRWindow.h"
#include "live/views/TQtModuleLiveViews.h"
#include "live/views/TQtTimeDateWindow.h"
#include "loops/views/TQtLoopDialog.h"
#include "loops/views/TQtLoopEditor.h"
#include "loops/views/TQtRegOnLineWindow.h"
#include "link/TQtSerialPort.h"
#include "link/TQtWaiter.h"
#include "model/TConfiguration.h"
#include "modules/views/TQtCalibrationWindow.h"
#include "modules/views/TQtSensorTypeEditor.h"
#include "modules/views/TQtAnalogModuleEditor.h"
#include "network/views/TQtLNetEditor.h"
#include "session/LinkReports.h"
#include "session/TEditorRegistry.h"
#include "session/TServAddressing.h"
#include "session/TSession.h"
#include "session/TTrafficLog.h"
#include "shell/TForm1Controller.h"
#include "shell/TMainState.h"
#include "shell/TPortSettingsFlow.h"
#include "shell/views/TForm1.h"
#include "shell/views/TFormJurnal.h"
#include "shell/views/TQtSettingsDialogs.h"
#include "ui/TQtUserInterface.h"

namespace lur {

class TLurprog : public QObject {
  Q_OBJECT
 public:
  // port: offered first in the port list and preselected.
  explicit TLurprog(const QString& port);
  ~TLurprog() override;

  void Show();
  // The start-up password, then the port settings. Quits when the user gives
  // up at the password.
  void Start();
  // For the documentation's picture: open `port` with the default settings,
  // read the controller, save the window as an image at `path` and quit.
  // Nothing else reads this path.
  void Screenshot(const QString& path);

  // For bench/journal.sh: open `port` with the default settings, read the
  // controller `runs` times with the journal window open (or with no
  // journal attached at all), print each read's milliseconds and quit.
  // Nothing else reads this path.
  void BenchRead(int runs, bool journal);

  TForm1& MainWindow() { return *window_; }
  TFormJurnal& JournalWindow() { return *journalWindow_; }

 private:
  QString port_;
  std::unique_ptr<TConfiguration> config_ = std::make_unique<TConfiguration>();
  TMainState state_;
  TQtWaiter waiter_;
  TQtSerialPort serial_{waiter_};
  TQtUserInterface ui_;
  TComPortClass link_{serial_, waiter_};
  TPortLostReporter portLost_{ui_, link_};
  // The exchange journal records from the start; its window shows it.
  TTrafficLog journal_{waiter_.NowMs(), link_};
  // Filled as the editors arrive; the main window keeps the buttons of
  // unregistered windows disabled.
  TEditorRegistry editors_;
  TForm1Controller form_;
  std::unique_ptr<TForm1> window_;
  TFormJurnal* journalWindow_;  // a window of its own, owned by the main window
  std::unique_ptr<TQtSettingsDialogs> dialogs_;
  std::unique_ptr<TPortSettingsFlow> flow_;
  // What the editors work with, and the editors registered so far.
  TServAddressing addressing_{config_->Serv};
  TSession session_{*config_, link_, ui_, addressing_};
  std::unique_ptr<TQtDiscreteEditor> discrete_;
  // The input and output detail windows the editors open for a signal.
  TDetailForms detailForms_;
  std::unique_ptr<TQtDetailWindows> details_;
  // The input information window ("Входные сигналы").
  std::unique_ptr<TQtInformWindow> inform_;
  std::unique_ptr<TQtSensorTypeEditor> sensorTypes_;
  std::unique_ptr<TQtRelayModuleEditor> relayModules_;
  std::unique_ptr<TQtAnalogModuleEditor> analogModules_;
  // The regulator editor, the loop dialog it programs loops with and the
  // on-line view of a loop.
  std::unique_ptr<TQtLoopDialog> loopDialog_;
  std::unique_ptr<TQtRegOnLineWindow> loopOnLine_;
  std::unique_ptr<TQtLoopEditor> loops_;
  // The function block editor, opened from the discrete editor.
  std::unique_ptr<TQtFBEditor> functionBlocks_;
  // The live views of a discrete input module and an output module.
  std::unique_ptr<TQtModuleLiveViews> moduleLive_;
  // The controller's clock (ButTimeDate).
  std::unique_ptr<TQtTimeDateWindow> timeDate_;
  // The calibration of an analog module's inputs, opened from its editor.
  std::unique_ptr<TQtCalibrationWindow> calibration_;
  // The output information window of InformButMR and the editors.
  std::unique_ptr<TQtInformMRWindow> outputInform_;
  // The local network editor (LocalNet1, LocNet15, LocNetObm).
  std::unique_ptr<TQtLNetEditor> localNet_;
};

// "FParol.dat" in the user's configuration folder of the program.
QString PasswordFilePath();

}  // namespace lur

#pragma once
// The program's objects for the whole run: the port, the link, the user
// interface and the main window that owns them.
#include <QMainWindow>
#include <QObject>
#include <QString>
#include <memory>

#include "link/TComPortClass.h"
#include "link/TQtSerialPort.h"
#include "link/TQtWaiter.h"
#include "shell/TPortSettingsFlow.h"
#include "shell/views/TQtSettingsDialogs.h"
#include "ui/TQtUserInterface.h"

namespace lur {

class TLurprog : public QObject {
  Q_OBJECT
 public:
  explicit TLurprog(const QString& port);
  ~TLurprog() override;

  void Show();
  void Start();

  QMainWindow* MainWindow() { return window_.get(); }
  TPortSettingsFlow& Settings() { return flow_; }
  TComPortClass& Link() { return link_; }

 private:
  std::unique_ptr<QMainWindow> window_;
  TQtWaiter waiter_;
  TQtSerialPort port_{waiter_};
  TQtUserInterface ui_;
  TComPortClass link_{port_, waiter_, ui_};
  TQtSettingsDialogs dialogs_;
  TPortSettingsFlow flow_;
};

}  // namespace lur

#pragma once
// The main window's two settings actions: `APortExecute` (port dialog, then
// open the port) and `NastrObmClick` (exchange dialog, then apply).
#include <functional>
#include <string>
#include <vector>

#include "shell/TFormNastrController.h"
#include "shell/TFormPortController.h"

namespace lur {

class TComPortClass;
class TUserInterface;

// Shows a dialog modally over its controller; the program shows the Qt
// dialogs, tests may script them.
class TSettingsDialogs {
 public:
  virtual ~TSettingsDialogs() = default;
  virtual DialogResult ExecPort(TFormPortController& form) = 0;
  virtual DialogResult ExecNastr(TFormNastrController& form) = 0;
};

class TPortSettingsFlow {
 public:
  using PortLister = std::function<std::vector<std::string>()>;

  TPortSettingsFlow(TComPortClass& link, TUserInterface& ui, TSettingsDialogs& dialogs, PortLister listPorts);

  void APortExecute();
  // Also the port dialog's "Настройка обмена" button (`Button1Click`).
  void NastrObmClick();

  TFormPortController& PortForm() { return port_; }
  TFormNastrController& NastrForm() { return nastr_; }

 private:
  TComPortClass& link_;
  TUserInterface& ui_;
  TSettingsDialogs& dialogs_;
  PortLister listPorts_;
  TFormPortController port_;
  TFormNastrController nastr_;
};

}  // namespace lur

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

// The two dialogs: the program shows the Qt ones, tests script them. The
// port dialog ends with kModalError when its choice was refused.
struct TSettingsDialogs {
  TModalWindow<TFormPortController>& port;
  TModalWindow<TFormNastrController>& nastr;
};

class TPortSettingsFlow {
 public:
  using PortLister = std::function<std::vector<std::string>()>;

  TPortSettingsFlow(TComPortClass& link, TUserInterface& ui, TSettingsDialogs dialogs, PortLister listPorts);

  void APortExecute();
  // Also the port dialog's "Настройка обмена" button (`Button1Click`).
  void NastrObmClick();

  TFormPortController& PortForm() { return port_; }
  TFormNastrController& NastrForm() { return nastr_; }
  // "Проверять после записи" as last confirmed.
  bool VerifyAfterWrite() const { return nastr_.VerifyAfterWrite(); }

 private:
  TComPortClass& link_;
  TUserInterface& ui_;
  TSettingsDialogs dialogs_;
  PortLister listPorts_;
  TFormPortController port_;
  TFormNastrController nastr_;
};

}  // namespace lur

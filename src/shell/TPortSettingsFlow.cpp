#include "shell/TPortSettingsFlow.h"

#include "link/TComPortClass.h"
#include "session/LinkReports.h"
#include "ui/TUserInterface.h"

namespace lur {

TPortSettingsFlow::TPortSettingsFlow(TComPortClass& link, TUserInterface& ui, TSettingsDialogs dialogs,
                                     PortLister listPorts)
    : link_(link), ui_(ui), dialogs_(dialogs), listPorts_(std::move(listPorts)) {}

void TPortSettingsFlow::APortExecute() {
  // Whether the port was open is taken once: a retry shows the dialog again
  // over a port this action closed itself.
  const bool wasOpen = link_.IsPortOpen();
  for (;;) {
    link_.ClosePort();
    port_.FormShow(listPorts_ ? listPorts_() : std::vector<std::string>{});
    const int result = dialogs_.port.ShowModal(port_);
    if (result == kModalError) {
      const MsgAnswer a = ui_.Message({"Ошибочные данные ", kCaptionError, MsgIcon::Error, MsgButtons::RetryCancel,
                                       MsgAnswer::Retry});
      if (a == MsgAnswer::Retry) continue;
      // Cancel: nothing changes, and the port is as it was before.
      if (wasOpen) link_.OpenPort();
      return;
    }
    if (result != kModalOk) {
      if (wasOpen) link_.OpenPort();
      return;
    }
    link_.ParityText = port_.ParityText();
    link_.BaudText = port_.BaudText();
    link_.StopBitsText = port_.StopBitsText();
    link_.PortName = port_.PortName();
    if (link_.OpenPort() == -1) ReportLinkError(ui_, link_, 0, kResultPortNotOpened);
    return;
  }
}

void TPortSettingsFlow::NastrObmClick() {
  nastr_.FormShow(static_cast<int>(link_.GetRequestDelay()), link_.GetReceiveDelay());
  if (dialogs_.nastr.ShowModal(nastr_) != kModalOk) return;
  link_.SetRetriesStage1(static_cast<std::uint32_t>(nastr_.RetriesStage1()));
  link_.SetRetriesStage2(static_cast<std::uint32_t>(nastr_.RetriesStage2()));
  link_.SetRequestDelay(static_cast<std::uint32_t>(nastr_.edit1));
  link_.SetReceiveDelay(nastr_.edit2);
}

}  // namespace lur

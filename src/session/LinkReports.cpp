#include "session/LinkReports.h"

#include "link/TComPortClass.h"
#include "link/TPageWriter.h"
#include "ui/TUserInterface.h"

namespace lur {

const char* const kPortLostText = "COM-порт отключен. Проверьте оборудование, перезапустите программу.";

void ReportLinkError(TUserInterface& ui, TComPortClass& link, int deviceIndex, int code) {
  if (code == kResultOk) return;
  const std::string text = link.ErrorText(deviceIndex, code);
  switch (code) {
    case kResultPortClosed:
      link.ClosePort();
      ShowError(ui, text);
      break;
    case kResultPortNotSet:
    case kResultPortSwitchedOff:
    case kResultPortSetup:
      ShowError(ui, text);
      break;
    default:
      ShowWarning(ui, text);
      break;
  }
}

TPortLostReporter::TPortLostReporter(TUserInterface& ui, TComPortClass& link) : link_(link) {
  link_.SetPortLostHandler([&ui] { ShowError(ui, kPortLostText); });
}

TPortLostReporter::~TPortLostReporter() { link_.SetPortLostHandler(nullptr); }

int WritePage(TUserInterface& ui, TComPortClass& link, TDeviceAddressing& addressing,
              std::span<const std::uint8_t> requestData) {
  const int code = WritePageWithPoll(link, addressing, requestData);
  ReportLinkError(ui, link, addressing.AddressIndex(), code);
  return code;
}

}  // namespace lur

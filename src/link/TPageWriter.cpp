#include "link/TPageWriter.h"

#include <array>
#include <cstdint>

#include "link/TComPortClass.h"

namespace lur {
namespace {

// Results that end the poll at once: the line or the port is gone.
bool EndsPoll(int code) {
  return code == kResultNoAnswer || code == 7 || code == kResultPortNotOpened || code == kResultPortNotSet ||
         code == kResultPortSwitchedOff || code == kResultPortSetup;
}

}  // namespace

int WritePageWithPoll(TComPortClass& link, TDeviceAddressing& addressing, std::span<const std::uint8_t> requestData) {
  std::array<std::uint8_t, 256> answer{};
  link.Pause(50);
  std::uint32_t attempts = link.GetRetriesStage1();
  int code = kResultOk;
  for (;;) {
    code = link.Transact(addressing.AddressIndex(), 0x45, static_cast<int>(requestData.size()), requestData.data(),
                         answer);
    addressing.SetAddressIndex(addressing.DeviceIndex());
    link.Pause(300);
    // Only an accepted page (or a controller already busy storing it) is
    // worth polling: an idle controller answers the poll with success, so a
    // lost page would otherwise be reported as written.
    if (code == kResultOk || code == kResultBusy) {
      const std::int64_t busySince = link.Waiter().NowMs();
      for (;;) {
        code = link.Transact(addressing.AddressIndex(), 14, 0, nullptr, answer);
        if (code == kResultOk) return kResultOk;
        if (code != kResultBusy) break;
        if (link.Waiter().NowMs() - busySince >= kBusyPollLimitMs) {
          link.ReportError(addressing.AddressIndex(), code);
          return code;
        }
        link.Pause(200);
      }
      if (EndsPoll(code)) {
        link.ReportError(addressing.AddressIndex(), code);
        return code;
      }
    } else if (code == kResultPortClosed || code == kResultPortSetup) {
      // Nothing more can go through a closed or failed port.
      link.ReportError(addressing.AddressIndex(), code);
      return code;
    }
    link.Pause(200);
    if (attempts <= 1) break;
    --attempts;
  }
  link.ReportError(addressing.AddressIndex(), code);
  return code;
}

}  // namespace lur

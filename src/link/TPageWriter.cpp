#include "link/TPageWriter.h"

#include <array>
#include <cstdint>

#include "link/TComPortClass.h"
#include "model/Protocol.h"

namespace lur {
namespace {

// Results that say the line or the port is gone, that the controller will
// not take the page (exception 7, its negative acknowledge) or that the user
// may not write: sending the page again cannot help.
bool EndsWrite(int code) {
  return code == kResultNoAnswer || code == 7 || code == kResultPortNotOpened || code == kResultPortNotSet ||
         code == kResultPortSwitchedOff || code == kResultPortSetup || code == kResultPortClosed ||
         code == kResultNoAccess;
}

// Results of the completion poll that end the write at once.
bool EndsPoll(int code) {
  return code == kResultNoAnswer || code == 7 || code == kResultPortNotOpened || code == kResultPortNotSet ||
         code == kResultPortSwitchedOff || code == kResultPortSetup;
}

// The pauses of the page write: before it, after the page, between polls.
constexpr int kBeforeWriteMs = 50;
constexpr int kAfterPageMs = 300;
constexpr int kBetweenPollsMs = 200;

}  // namespace

int WritePageWithPoll(TComPortClass& link, TDeviceAddressing& addressing, std::span<const std::uint8_t> requestData) {
  std::array<std::uint8_t, 256> answer{};
  link.Pause(kBeforeWriteMs);
  std::uint32_t attempts = link.GetRetriesStage1();
  int code = kResultOk;
  for (;;) {
    code = link.Transact(addressing.AddressIndex(), fn::kWritePage, static_cast<int>(requestData.size()),
                         requestData.data(), answer);
    addressing.SetAddressIndex(addressing.DeviceIndex());
    // A silent controller has already cost the transaction's five attempts:
    // four more rounds of the same would keep the user waiting half a minute.
    if (EndsWrite(code)) return code;
    link.Pause(kAfterPageMs);
    // Only an accepted page (or a controller already busy storing it) is
    // worth polling: an idle controller answers the poll with success, so a
    // lost page would otherwise be reported as written.
    if (code == kResultOk || code == kResultBusy) {
      const std::int64_t busySince = link.Waiter().NowMs();
      for (;;) {
        code = link.Transact(addressing.AddressIndex(), fn::kCompletionPoll, 0, nullptr, answer);
        if (code == kResultOk) return kResultOk;
        if (code != kResultBusy) break;
        if (link.Waiter().NowMs() - busySince >= kBusyPollLimitMs) return code;
        link.Pause(kBetweenPollsMs);
      }
      if (EndsPoll(code)) return code;
    }
    link.Pause(kBetweenPollsMs);
    if (attempts <= 1) break;
    --attempts;
  }
  return code;
}

}  // namespace lur

#include "shell/BusScan.h"

#include <array>
#include <cstdlib>

#include "link/TComPortClass.h"
#include "model/ModuleTypes.h"
#include "model/Protocol.h"
#include "session/LinkReports.h"
#include "session/TTransferProgress.h"
#include "shell/TModuleTable.h"
#include "ui/TUserInterface.h"

namespace lur {
namespace {

// The failures that say nothing about the address: the port itself failed.
bool IsPortFailure(int code) {
  return code == kResultPortNotOpened || code == kResultPortNotSet || code == kResultPortSwitchedOff ||
         code == kResultPortSetup || code == kResultPortClosed;
}

// Bits a byte takes on the line: start, 8 data bits, parity, stop bits.
int BitsPerByte(const TComPortClass& link) {
  const bool parity = !link.ParityText.empty() && link.ParityText[0] != 'N';
  return 1 + 8 + (parity ? 1 : 0) + (link.StopBitsText == "1" ? 1 : 2);
}

}  // namespace

bool ValidScanOptions(const TScanOptions& options, std::string& why) {
  if (options.from < 1 || options.from > kDeviceIndexCount || options.to < 1 || options.to > kDeviceIndexCount) {
    why = "device numbers are 1..31";
    return false;
  }
  if (options.from > options.to) {
    why = "--from must not be above --to";
    return false;
  }
  if (options.timeoutMs < kScanMinTimeoutMs || options.timeoutMs > kScanMaxTimeoutMs) {
    why = "--timeout takes " + std::to_string(kScanMinTimeoutMs) + ".." + std::to_string(kScanMaxTimeoutMs) + " ms";
    return false;
  }
  return true;
}

bool DecodeIdentityAnswer(int number, std::span<const std::uint8_t> answer, TFoundDevice& device) {
  // The service record's own check and decoding, as a whole read takes it.
  TServClass serv;
  if (!serv.SetIdentityFromAnswer(fn::kIdentity, answer)) return false;
  device.number = number;
  device.moduleCodes = ModuleCodesText(serv);
  device.displayType = serv.GetDisplayType();
  device.displayCaption = std::string(DisplayTypeCaption(device.displayType));
  device.designation = DeviceDesignation(serv);
  device.identity = serv.GetIdentityRecord();
  return true;
}

TScanResult ScanBus(TComPortClass& link, TUserInterface& ui, const TScanOptions& options) {
  TScanResult result;
  std::string why;
  if (!ValidScanOptions(options, why)) return result;
  TTransferProgress progress(ui, options.to - options.from + 1, 1);
  std::array<std::uint8_t, kAnswerCapacity> answer{};
  for (int number = options.from; number <= options.to; ++number) {
    const int code = link.Probe(number - 1, fn::kIdentity, answer, options.timeoutMs);
    ++result.probed;
    progress.Step();
    if (IsPortFailure(code)) {
      result.portCode = code;
      ReportLinkError(ui, link, number - 1, code);
      return result;
    }
    if (code == kResultOk) {
      TFoundDevice device;
      if (DecodeIdentityAnswer(number, link.AnswerIn(answer), device)) {
        result.found.push_back(std::move(device));
      } else {
        result.faults.push_back({number, kResultBadData, link.ErrorText(number - 1, kResultBadData)});
      }
    } else if (code != kResultNoAnswer) {
      result.faults.push_back({number, code, link.ErrorText(number - 1, code)});
    }
    if (number < options.to && ui.ProgressCancelled()) {
      result.cancelled = true;
      break;
    }
  }
  return result;
}

int ScanBoundMs(const TComPortClass& link, const TScanOptions& options) {
  const int baud = std::atoi(link.BaudText.c_str());
  constexpr int kRequestBytes = 4;  // address, function, CRC
  const int wireMs = baud > 0 ? (kRequestBytes * BitsPerByte(link) * 1000 + baud - 1) / baud : 0;
  const int perAddress = static_cast<int>(link.GetRequestDelay()) + wireMs + kScanAttemptAllowanceMs + options.timeoutMs;
  return (options.to - options.from + 1) * perAddress;
}

}  // namespace lur

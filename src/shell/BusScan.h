#pragma once
// The search of a bus for controllers: the identity request (function 17) to
// each address of a range, one attempt each with a short time-out, the
// answers decoded as a whole-configuration read decodes its identity. The
// link's configured retries and time-outs are never touched, the broadcast
// address never used; a silent bus costs at most ScanBoundMs.
#include <span>
#include <string>
#include <vector>

#include "model/TServClass.h"

namespace lur {

class TComPortClass;
class TUserInterface;

struct TScanOptions {
  int from = 1;  // device numbers, 1..31, from <= to
  int to = 31;
  int timeoutMs = 300;  // the whole wait for one address's answer
};

// The limits of the options lurctl and the window accept.
constexpr int kScanMinTimeoutMs = 10;
constexpr int kScanMaxTimeoutMs = 10000;
// Whether the options name a range of device numbers and a time-out within
// the limits; otherwise why not, in lurctl's words.
bool ValidScanOptions(const TScanOptions& options, std::string& why);

// A controller that answered with a usable identity.
struct TFoundDevice {
  int number = 0;            // 1..31
  std::string moduleCodes;   // the eight slots' codes, as EditModif shows them
  int displayType = 0;
  std::string displayCaption;  // as TipModInd shows it
  std::string designation;     // as StLUR shows it
  TServClass::Identity identity{};
};

// An address where something answered but no identity came of it: an
// exception, a spoilt or cut answer, an identity the tables cannot take
// (kResultBadData).
struct TScanFault {
  int number = 0;
  int code = 0;
  std::string text;  // the link's words for the code
};

struct TScanResult {
  std::vector<TFoundDevice> found;  // in address order
  std::vector<TScanFault> faults;
  int probed = 0;         // addresses asked
  bool cancelled = false;  // the user pressed Cancel
  int portCode = 0;        // the port failure that ended the scan (reported), or 0
};

// Asks each address of the range in turn, the progress bar stepping once an
// address; Cancel stops after the address being asked. A port failure is
// reported once and ends the scan.
TScanResult ScanBus(TComPortClass& link, TUserInterface& ui, const TScanOptions& options);

// What one silent address may cost beyond its time-out: the port adapters
// notice a deadline within one wait slice of 10 ms.
constexpr int kScanAttemptAllowanceMs = 10;
// The longest the scan of a silent bus may take with the link's settings:
// per address one attempt (the request delay, the request's 4 bytes on the
// line at the port's speed, the allowance) and the time-out.
int ScanBoundMs(const TComPortClass& link, const TScanOptions& options);

// A found controller decoded from an identity answer frame, or false.
bool DecodeIdentityAnswer(int number, std::span<const std::uint8_t> answer, TFoundDevice& device);

}  // namespace lur

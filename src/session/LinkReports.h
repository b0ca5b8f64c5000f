#pragma once
// The boxes of the link's failures, above the link: a result code turned into
// its message box for the device the request went to, the box of a port that
// failed outright, and the page write that reports its own failure once.
#include <cstdint>
#include <span>

namespace lur {

class TComPortClass;
class TDeviceAddressing;
class TUserInterface;

// Shows the box of a result code (nothing for 0): a warning for the device
// codes, an error for the port's own; 256 closes the port first.
void ReportLinkError(TUserInterface& ui, TComPortClass& link, int deviceIndex, int code);

// The text of the box of a port that failed while it was opened or cleared.
extern const char* const kPortLostText;

// While it lives, a port that fails outright inside the link shows its box
// through ui at that moment (before the failing transaction returns, so
// before the caller's own report).
class TPortLostReporter {
 public:
  TPortLostReporter(TUserInterface& ui, TComPortClass& link);
  ~TPortLostReporter();
  TPortLostReporter(const TPortLostReporter&) = delete;
  TPortLostReporter& operator=(const TPortLostReporter&) = delete;

 private:
  TComPortClass& link_;
};

// The page write with completion poll, its failure reported once for the
// device the requests went to. requestData is the page number followed by the
// page bytes. Returns 0 or the result code shown.
int WritePage(TUserInterface& ui, TComPortClass& link, TDeviceAddressing& addressing,
              std::span<const std::uint8_t> requestData);

}  // namespace lur

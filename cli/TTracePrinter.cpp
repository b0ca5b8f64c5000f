#include "cli/TTracePrinter.h"

#include "link/TComPortClass.h"
#include "session/TTrafficLog.h"

namespace lur {

void TTracePrinter::Frame(std::int64_t ms, TrafficDirection direction, std::span<const std::uint8_t> bytes) {
  std::fprintf(out_, "%s\n", TTrafficLog::FormatFrame(ms - origin_, direction, bytes).c_str());
  std::fflush(out_);
}

void TTracePrinter::Result(std::int64_t ms, int deviceIndex, int code) {
  const std::string words = code == 0 ? std::string(kTrafficSuccess) : link_.ErrorText(deviceIndex, code);
  std::fprintf(out_, "%s\n", TTrafficLog::FormatResult(ms - origin_, code, words).c_str());
  std::fflush(out_);
}

}  // namespace lur

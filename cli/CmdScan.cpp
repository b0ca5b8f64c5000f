#include "cli/CmdScan.h"

#include <cstdio>
#include <cstdlib>
#include <string>

#include "shell/TDumpNode.h"
#include "link/TComPortClass.h"
#include "model/HexText.h"

namespace lur {
namespace {

bool ParseNumber(const std::string& text, int& value) {
  if (text.empty() || text.size() > 6 || text.find_first_not_of("0123456789") != std::string::npos) return false;
  value = std::atoi(text.c_str());
  return true;
}

void WriteJson(std::ostream& out, const TScanOptions& options, const TScanResult& result, long long elapsedMs,
               int boundMs) {
  out << "{\"from\": " << options.from << ", \"to\": " << options.to << ", \"timeout_ms\": " << options.timeoutMs
      << ", \"probed\": " << result.probed << ", \"cancelled\": " << (result.cancelled ? "true" : "false")
      << ", \"elapsed_ms\": " << elapsedMs << ", \"bound_ms\": " << boundMs << ", \"devices\": [";
  for (std::size_t k = 0; k < result.found.size(); ++k) {
    const TFoundDevice& d = result.found[k];
    out << (k ? ", " : "") << "{\"device\": " << d.number << ", \"modules\": " << JsonString(d.moduleCodes)
        << ", \"display\": " << d.displayType << ", \"display_type\": " << JsonString(d.displayCaption)
        << ", \"designation\": " << JsonString(d.designation)
        << ", \"identity\": " << JsonString(HexBytes(d.identity.data(), d.identity.size())) << "}";
  }
  out << "], \"faults\": [";
  for (std::size_t k = 0; k < result.faults.size(); ++k) {
    const TScanFault& f = result.faults[k];
    out << (k ? ", " : "") << "{\"device\": " << f.number << ", \"code\": " << f.code
        << ", \"message\": " << JsonString(f.text) << "}";
  }
  out << "]}\n";
}

}  // namespace

bool TakeScanOption(const std::vector<std::string>& args, std::size_t& i, TScanOptions& options, std::string& error) {
  const std::string& a = args[i];
  int* target = a == "--from" ? &options.from : a == "--to" ? &options.to : a == "--timeout" ? &options.timeoutMs : nullptr;
  if (target == nullptr) return false;
  if (i + 1 >= args.size() || !ParseNumber(args[i + 1], *target)) {
    error = a + (a == "--timeout" ? " takes milliseconds" : " takes a device number 1..31");
  } else {
    ++i;
  }
  return true;
}

int RunScan(const TLurctlOptions& options, TComPortClass& link, TUserInterface& ui, std::ostream& out) {
  TScanOptions scan;
  bool json = false;
  std::string error;
  const auto& args = options.arguments;
  for (std::size_t i = 0; i < args.size() && error.empty(); ++i) {
    if (args[i] == "--json") {
      json = true;
    } else if (!TakeScanOption(args, i, scan, error)) {
      error = "scan takes [--from A --to B] [--timeout MS] [--json], not " + args[i];
    }
  }
  if (error.empty()) ValidScanOptions(scan, error);
  if (!error.empty()) {
    std::fprintf(stderr, "lurctl: %s\n", error.c_str());
    return 2;
  }

  const std::int64_t start = link.Waiter().NowMs();
  const TScanResult result = ScanBus(link, ui, scan);
  const long long elapsedMs = link.Waiter().NowMs() - start;
  const int boundMs = ScanBoundMs(link, scan);
  for (const TScanFault& fault : result.faults) std::fprintf(stderr, "lurctl: %s\n", fault.text.c_str());
  if (json) {
    WriteJson(out, scan, result, elapsedMs, boundMs);
  } else {
    for (const TFoundDevice& d : result.found) {
      out << "device " << d.number << ": modules " << d.moduleCodes << ", display " << d.displayType << ' '
          << d.displayCaption << ", " << d.designation << "\n";
    }
    out << "found " << result.found.size() << " of " << result.probed << " addresses in " << elapsedMs
        << " ms (bound " << boundMs << " ms)\n";
  }
  return result.portCode == 0 && !result.found.empty() ? 0 : 1;
}

}  // namespace lur

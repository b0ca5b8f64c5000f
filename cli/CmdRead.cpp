#include "cli/CmdRead.h"

#include <cstdio>
#include <filesystem>
#include <functional>
#include <memory>

#include "cli/CmdScan.h"
#include "link/TComPortClass.h"
#include "shell/BusScan.h"
#include "shell/TConfigTransfer.h"
#include "shell/TFileOperations.h"
#include "ui/TUserInterface.h"

namespace lur {
namespace {

// The whole configuration of device `number` into `output`, as choosing it in
// the main window and pressing F9, then saving, does.
bool ReadDevice(int number, const std::string& output, TComPortClass& link, TUserInterface& ui) {
  const auto config = std::make_unique<TConfiguration>();
  TMainState state;
  const std::function<void()> noRefresh;
  TShellContext context{*config, link, ui, state, noRefresh, noRefresh};
  TConfigTransfer transfer(context);
  transfer.CBoxUstrClick(number);
  if (!transfer.InPortButClick()) return false;
  return TFileOperations(*config, ui, state, noRefresh, noRefresh).WriteConfigFile(output);
}

int ReadAll(const TScanOptions& scan, const std::string& folder, TComPortClass& link, TUserInterface& ui) {
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  if (ec || !std::filesystem::is_directory(folder)) {
    std::fprintf(stderr, "lurctl: cannot make the folder %s\n", folder.c_str());
    return 1;
  }
  const TScanResult found = ScanBus(link, ui, scan);
  for (const TScanFault& fault : found.faults) std::fprintf(stderr, "lurctl: %s\n", fault.text.c_str());
  if (found.portCode != 0) return 1;
  if (found.found.empty()) {
    std::fprintf(stderr, "lurctl: no controller answered\n");
    return 1;
  }
  // One controller's failure is its own: the others are still read.
  int failed = 0;
  for (const TFoundDevice& device : found.found) {
    const std::string path = (std::filesystem::path(folder) / ("device-" + std::to_string(device.number) + ".lur")).string();
    if (ReadDevice(device.number, path, link, ui)) {
      std::printf("device %d: %s\n", device.number, path.c_str());
    } else {
      std::fprintf(stderr, "lurctl: device %d was not read\n", device.number);
      ++failed;
    }
  }
  std::fflush(stdout);
  return failed == 0 ? 0 : 1;
}

}  // namespace

int RunRead(const TLurctlOptions& options, TComPortClass& link, TUserInterface& ui) {
  std::string output;
  bool all = false;
  bool scanOption = false;
  TScanOptions scan;
  std::string error;
  const auto& args = options.arguments;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if ((args[i] == "-o" || args[i] == "--output") && i + 1 < args.size() && output.empty()) {
      output = args[++i];
    } else if (args[i] == "--all") {
      all = true;
    } else if (TakeScanOption(args, i, scan, error)) {
      if (!error.empty()) break;
      scanOption = true;
    } else {
      error = "read takes -o FILE, or --all [--from A --to B] [--timeout MS] -o DIR";
      break;
    }
  }
  if (error.empty() && scanOption && !all) error = "--from, --to and --timeout go with read --all";
  if (error.empty() && output.empty()) error = all ? "read --all needs -o DIR" : "read needs -o FILE";
  if (error.empty() && all) ValidScanOptions(scan, error);
  if (!error.empty()) {
    std::fprintf(stderr, "lurctl: %s\n", error.c_str());
    return 2;
  }
  if (all) return ReadAll(scan, output, link, ui);
  return ReadDevice(options.device, output, link, ui) ? 0 : 1;
}

}  // namespace lur

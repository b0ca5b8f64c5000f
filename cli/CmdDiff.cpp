#include "cli/CmdDiff.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "cli/ConfigDump.h"
#include "shell/ConfigCompare.h"
#include "shell/TConfigTransfer.h"
#include "shell/TControllerCompare.h"

namespace lur {
namespace {

bool IsFile(const std::string& arg) { return !arg.empty() && arg[0] != '-'; }

void WriteDifferences(std::ostream& out, const std::vector<TConfigDifference>& differences) {
  for (const auto& d : differences) out << DifferenceLine(d) << "\n";
  if (!differences.empty()) out << DifferenceCount(differences.size()) << "\n";
}

}  // namespace

int RunDiff(const TLurctlOptions& options, std::ostream& out, TUserInterface& ui) {
  const auto& args = options.arguments;
  if (args.size() != 2 || !IsFile(args[0]) || !IsFile(args[1])) {
    std::fprintf(stderr, "lurctl: diff takes two configuration files\n");
    return 2;
  }
  const auto a = OpenConfigurationFile(args[0], ui);
  if (!a) return 2;
  const auto b = OpenConfigurationFile(args[1], ui);
  if (!b) return 2;
  const auto differences = CompareConfigurations(*a, *b);
  WriteDifferences(out, differences);
  return differences.empty() ? 0 : 1;
}

bool TakeDiffLinkOptions(TLurctlOptions& options) {
  std::vector<std::string> rest;
  auto& args = options.arguments;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] != "--port" && args[i] != "--device") {
      rest.push_back(args[i]);
      continue;
    }
    if (i + 1 >= args.size()) {
      std::fprintf(stderr, "lurctl: %s needs a value\n", args[i].c_str());
      return false;
    }
    const std::string& value = args[++i];
    if (args[i - 1] == "--port") {
      options.port = value;
      continue;
    }
    char* end = nullptr;
    const long device = std::strtol(value.c_str(), &end, 10);
    if (value.empty() || *end != '\0' || device < 1 || device > 31) {
      std::fprintf(stderr, "lurctl: --device takes a device number 1..31\n");
      return false;
    }
    options.device = static_cast<int>(device);
  }
  args = std::move(rest);
  return true;
}

bool DiffNamesPort(const TLurctlOptions& options) {
  const auto& args = options.arguments;
  return std::find(args.begin(), args.end(), "--port") != args.end();
}

int RunDiffWithController(const TLurctlOptions& options, TComPortClass& link, std::ostream& out,
                          TUserInterface& ui) {
  if (options.arguments.size() != 1 || !IsFile(options.arguments[0]) || options.port.empty()) {
    std::fprintf(stderr, "lurctl: diff with a controller takes one configuration file and --port PATH\n");
    return 2;
  }
  const auto file = OpenConfigurationFile(options.arguments[0], ui);
  if (!file) return 2;
  TMainState state;
  const std::function<void()> noRefresh;
  TShellContext context{*file, link, ui, state, noRefresh, noRefresh};
  // Addressed as the main window addresses it: the number chosen is the
  // configuration's own too.
  TConfigTransfer(context).CBoxUstrClick(options.device);
  const TCompareResult result = CompareWithController(context);
  WriteDifferences(out, result.differences);
  if (!result.Complete()) {
    std::fprintf(stderr, "lurctl: %s\n", CompareSummary(result).c_str());
    return 2;
  }
  return result.differences.empty() ? 0 : 1;
}

}  // namespace lur

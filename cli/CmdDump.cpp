#include "cli/CmdDump.h"

#include <cstdio>

#include "cli/ConfigDump.h"

namespace lur {

int RunDump(const TLurctlOptions& options, std::ostream& out, TUserInterface& ui) {
  std::string file;
  bool json = false;
  for (const auto& a : options.arguments) {
    if (a == "--json") {
      json = true;
    } else if (file.empty() && !a.empty() && a[0] != '-') {
      file = a;
    } else {
      std::fprintf(stderr, "lurctl: dump takes FILE [--json]\n");
      return 2;
    }
  }
  if (file.empty()) {
    std::fprintf(stderr, "lurctl: dump needs a configuration file\n");
    return 2;
  }
  const auto config = OpenConfigurationFile(file, ui);
  if (!config) return 1;
  if (json) {
    DumpConfiguration(*config).WriteJson(out);
  } else {
    WriteConfigurationSummary(out, *config);
  }
  return out.good() ? 0 : 1;
}

}  // namespace lur

#include "cli/CmdDiff.h"

#include <cstdio>

#include "cli/ConfigDump.h"

namespace lur {

int RunDiff(const TLurctlOptions& options, std::ostream& out, TUserInterface& ui) {
  const auto& args = options.arguments;
  if (args.size() != 2 || args[0].empty() || args[0][0] == '-' || args[1].empty() || args[1][0] == '-') {
    std::fprintf(stderr, "lurctl: diff takes two configuration files\n");
    return 2;
  }
  const auto a = OpenConfigurationFile(args[0], ui);
  if (!a) return 2;
  const auto b = OpenConfigurationFile(args[1], ui);
  if (!b) return 2;
  const auto differences = CompareDumps(DumpConfiguration(*a), DumpConfiguration(*b));
  for (const auto& d : differences) {
    out << d.where << ": " << (d.before.empty() ? "(none)" : d.before) << " -> "
        << (d.after.empty() ? "(none)" : d.after) << "\n";
  }
  if (!differences.empty())
    out << differences.size() << (differences.size() == 1 ? " difference\n" : " differences\n");
  return differences.empty() ? 0 : 1;
}

}  // namespace lur

#pragma once
// lurctl dump FILE [--json]: what a configuration file holds.
#include <ostream>

#include "cli/TLurctlOptions.h"

namespace lur {

class TUserInterface;

// Without --json: identity, the module table as the main window shows it,
// the counts and a line per table. With --json: every table decoded, in a
// stable order. 0 on success, 1 when the file cannot be opened or is not a
// configuration (the reason on stderr through ui), 2 for bad arguments.
int RunDump(const TLurctlOptions& options, std::ostream& out, TUserInterface& ui);

}  // namespace lur

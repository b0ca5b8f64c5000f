#pragma once
// lurctl diff A B: how two configuration files differ, table by table.
#include <ostream>

#include "cli/TLurctlOptions.h"

namespace lur {

class TUserInterface;

// One line per differing field: where it is in words, then the value in A
// and in B. 0 when the files hold the same configuration, 1 when they
// differ, 2 when a file cannot be opened or the arguments are wrong.
int RunDiff(const TLurctlOptions& options, std::ostream& out, TUserInterface& ui);

}  // namespace lur

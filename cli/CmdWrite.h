#pragma once
// lurctl write FILE [--password TEXT]: a ".lur" file into the controller.
#include <string>

#include "cli/TLurctlOptions.h"

namespace lur {

class TComPortClass;
class TUserInterface;

// Arguments: FILE, then optionally --password TEXT and --password-file PATH
// (default: "FParol.dat" in the program's per-user configuration folder).
// The password decides the access level as at the program's start: none is
// the limited level, which may not write. 0 when every page was written, 1
// on a refusal or failure (the reason is on stderr), 2 for bad arguments.
int RunWrite(const TLurctlOptions& options, TComPortClass& link, TUserInterface& ui);

// $XDG_CONFIG_HOME/lurprog/FParol.dat, or ~/.config/lurprog/FParol.dat: the
// file the program keeps its password in.
std::string DefaultPasswordFile();

}  // namespace lur

#pragma once
// lurctl write FILE [--password TEXT] [--no-verify]: a ".lur" file into the
// controller, then every page written read back and checked.
#include <string>

#include "cli/TLurctlOptions.h"

namespace lur {

class TComPortClass;
class TUserInterface;

// Arguments: FILE, then optionally --password TEXT, --password-file PATH
// (default: "FParol.dat" in the program's per-user configuration folder) and
// --no-verify (no read-back). The password decides the access level as at
// the program's start: none is the limited level, which may not write. 0
// when every page was written (and came back as sent), 1 on a refusal or
// failure of the write (the reason is on stderr), 2 for bad arguments,
// kVerifyFailed when the write succeeded but its check found differences
// (one line each on stdout, as `lurctl diff` prints them) or could not read
// everything back.
int RunWrite(const TLurctlOptions& options, TComPortClass& link, TUserInterface& ui);
inline constexpr int kVerifyFailed = 3;

// $XDG_CONFIG_HOME/lurprog/FParol.dat, or ~/.config/lurprog/FParol.dat: the
// file the program keeps its password in.
std::string DefaultPasswordFile();

}  // namespace lur

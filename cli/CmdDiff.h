#pragma once
// lurctl diff A B: how two configuration files differ, table by table; and
// lurctl diff FILE --port PATH [--device N]: how a file differs from what the
// controller holds.
#include <ostream>

#include "cli/TLurctlOptions.h"

namespace lur {

class TComPortClass;
class TUserInterface;

// One line per differing field: where it is in words, then the value in A
// and in B. 0 when the files hold the same configuration, 1 when they
// differ, 2 when a file cannot be opened or the arguments are wrong.
int RunDiff(const TLurctlOptions& options, std::ostream& out, TUserInterface& ui);

// Whether the diff's own arguments give --port: a compare with a controller.
bool DiffNamesPort(const TLurctlOptions& options);
// Takes the diff's own --port PATH and --device N out of its arguments into
// the link options. False (and a reason on stderr) for a bad --device or an
// option without its value.
bool TakeDiffLinkOptions(TLurctlOptions& options);

// The file against the controller at options.device, read whole into
// scratch; the lines are RunDiff's with the file's value first. Exit codes as
// RunDiff's; a read that stops part-way lists what it could compare, says on
// stderr where it stopped and exits 2.
int RunDiffWithController(const TLurctlOptions& options, TComPortClass& link, std::ostream& out,
                          TUserInterface& ui);

}  // namespace lur

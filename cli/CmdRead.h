#pragma once
// lurctl read -o FILE: the controller's whole configuration into a ".lur" file.
#include "cli/TLurctlOptions.h"

namespace lur {

class TComPortClass;
class TUserInterface;

// Arguments: -o FILE (or --output FILE). Reads from the device given by
// --device, as choosing it in the main window does, and saves the
// configuration. 0 on success, 1 when the read or the save failed (the
// reason is on stderr), 2 for bad arguments.
int RunRead(const TLurctlOptions& options, TComPortClass& link, TUserInterface& ui);

}  // namespace lur

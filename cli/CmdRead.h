#pragma once
// lurctl read -o FILE: the controller's whole configuration into a ".lur" file;
// read --all -o DIR: every controller on the bus, a file each.
#include "cli/TLurctlOptions.h"

namespace lur {

class TComPortClass;
class TUserInterface;

// Arguments: -o FILE (or --output FILE). Reads from the device given by
// --device, as choosing it in the main window does, and saves the
// configuration. 0 on success, 1 when the read or the save failed (the
// reason is on stderr), 2 for bad arguments.
// With --all [--from A --to B] [--timeout MS] -o DIR: scans the bus and reads
// every controller found into DIR/device-N.lur (DIR is made if need be); a
// controller that fails is reported and the others are still read; 1 when
// any failed or none answered.
int RunRead(const TLurctlOptions& options, TComPortClass& link, TUserInterface& ui);

}  // namespace lur

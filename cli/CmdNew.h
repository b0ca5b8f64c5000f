#pragma once
// lurctl new --modules XXXXXXXX --display D [--fb 60|120] -o FILE: a new
// configuration file made as "Создать конфигурацию заново" makes it.
#include "cli/TLurctlOptions.h"

namespace lur {

class TTerminalUserInterface;

// The module digits as the dialog's field takes them (one hexadecimal module
// code a slot, any order: they are sorted into groups), the display type
// 0..4, the function block count. An existing FILE is replaced. 0 when the
// file was created, 1 when the module set or the file was refused (the
// system's message on stderr), 2 for bad arguments.
int RunNew(const TLurctlOptions& options, TTerminalUserInterface& ui);

}  // namespace lur

#pragma once
// lurctl live inputs POSITION / outputs SLOT: the live views of a discrete
// input module and of an output module. With no configuration at hand, a
// twin first asks the controller's identity once to find the module; every
// poll after that is the window's.
#include "cli/CmdLive.h"

namespace lur {

TLiveTwin ModuleInputsTwin();
TLiveTwin ModuleOutputsTwin();

}  // namespace lur

#pragma once
// lurctl live network B: what exchange block B (1..16) of the controller's
// configuration receives, as the block dialog's "on line" shows it: the
// discrete view for a block of function 1 or 2, the analog view otherwise.
// The configuration is read from the controller as `lurctl read` reads it,
// or taken from --config FILE.
//   --alarms              the discrete view of an analog block's alarm
//                         entries (the analog view's own "on line")
//   --first F --rows C    the range dialog's fields for a view of more than
//                         twelve entries (without them it takes what it
//                         offers: the first entry and twelve rows); values
//                         it refuses exit 1 with its message on stderr
#include "cli/CmdLive.h"

namespace lur {

TLiveTwin NetworkLiveTwin();

}  // namespace lur

#pragma once
// lurctl live loop N: "Режим on line" for loop N (1-based) of the
// controller's configuration, read from the controller as `lurctl read` reads
// it or taken from --config FILE. Before the polls it may make one change
// through the window's own operations, on panel --panel 1|2 (2: a cascade's
// inner regulator):
//   --sp V, --out V       the set point or output, as typed into the window's
//                         editor (a point is taken for the decimal comma)
//   --auto on|off         the automatic/manual switch
//   --ap on|off           the "AP" switch
//   --step up|down        "+" or "-"
// A change needs the password (--password TEXT, --password-file PATH, as
// `lurctl write` takes them); without it nothing is sent. A refused or failed
// change exits 1 with its message on stderr.
#include "cli/CmdLive.h"

namespace lur {

TLiveTwin LoopOnLineTwin();

}  // namespace lur

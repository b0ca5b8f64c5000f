#pragma once
// The function block program of the demonstration configuration: after the
// few blocks the simulated controller serves, blocks of every type (logic,
// hysteresis, an adjustable timer, an alarm clock, a counter, a comparator on
// a calculated value), links from each block to the next, signalling and
// relay outputs, both flow integrator records, three arithmetic blocks and
// two algorithms (which only a file can hold).
#include <string>

#include "model/TConfiguration.h"

namespace lur {

// Appends the program after the blocks already in the table. False, and the
// table unchanged, when the configuration lacks what the program refers to
// (10 discrete signals, 4 analog signals, a relay module, room for the
// records); why in `reason`.
bool AddDemoProgram(TConfiguration& config, std::string& reason);

}  // namespace lur

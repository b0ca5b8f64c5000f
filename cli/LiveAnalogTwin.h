#pragma once
// lurctl live analog MODULE: the calibration window's reading of analog
// module MODULE (1-based among the analog input modules): the identity once
// (function 17) finds the module and its type, then every 3 s the channel
// states, the cold junction of a thermo module and the converter codes, as
// the window reads them. Each poll prints per row the input, the value
// text, the status byte, the state letter, the violation and the three
// codes (empty until a codes read succeeded). It sends no command.
#include "cli/CmdLive.h"

namespace lur {

TLiveTwin AnalogCalibrationTwin();

}  // namespace lur

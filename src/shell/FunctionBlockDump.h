#pragma once
// One record of the function block table as `lurctl dump` shows it: decoded
// field by field under the names its type gives the bytes (inputs, timer,
// comparator, counter, signalling and relay outputs; integrator channels;
// the operands, constants and result of an arithmetic block).
//
// The dump must tell any two different records apart, so that `lurctl diff`
// names the changed field of a block: bits of the record that no field of
// its type holds appear as "unused_bN" (only those bits, in hexadecimal) when
// they are not zero, a record of a type the controller does not know keeps
// its raw bytes, and a real whose bytes are not the controller's form of its
// value (an unnormalised mantissa, zero with an exponent) shows them too.
#include "shell/TDumpNode.h"
#include "model/TProgFBClass.h"

namespace lur {

// Record i (0-based) of the table; "block" is i + 1.
TDumpNode DumpFunctionBlockRecord(const TProgFBClass& fb, int i);

}  // namespace lur

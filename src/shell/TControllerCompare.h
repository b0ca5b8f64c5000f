#pragma once
// "Сравнить с прибором": the addressed controller's whole configuration read
// into scratch (memory, mode and Modified untouched, as is the window) and
// compared with the configuration in memory. A read that stops part-way
// compares only the tables it read whole and names the others.
#include "shell/TCompareResult.h"
#include "shell/TShellContext.h"

namespace lur {

// Ours is memory, theirs the controller; what a controller never holds
// (identifiers, output texts, algorithms) is left out.
TCompareResult CompareWithController(TShellContext& context);

}  // namespace lur

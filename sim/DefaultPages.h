#pragma once
// The factory configuration of a simulated controller: a plausible, non-empty
// set of pages for its module set, built from the controller's page layouts.
#include "sim/ModuleSet.h"
#include "sim/PageStore.h"

namespace lur::sim {

// functionBlocks is 120 or 60: a 60-block controller holds pages 20..25 only.
PageStore MakeDefaultPages(const ModuleSet& modules, int functionBlocks);

}  // namespace lur::sim

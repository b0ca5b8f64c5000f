#pragma once
// A configuration decoded into a tree: every table under its own name, texts
// in UTF-8, reals as numbers, fields under the tables' own names. `lurctl
// dump` prints it; comparing two trees names each differing field.
#include "model/TConfiguration.h"
#include "shell/TDumpNode.h"

namespace lur {

// The whole configuration, tables in the order of the configuration file.
TDumpNode DumpConfiguration(const TConfiguration& config);

}  // namespace lur
